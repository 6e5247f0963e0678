// The sales comparisons by employee and by category, on the shared sales data set.
#include "mainwindow/mdi_principal.h"
#include "platform/grid/grid.h"
#include "platform/grid/grid_stack.h"
#include "reports/rep_comp_categoria.h"
#include "reports/rep_comp_empleado.h"
#include "reports/rep_det_comp_empleado.h"
#include "reports/rep_pmix.h"
#include "tests/foundation/forms/typing.h"
#include "tests/reports/reportes_fixture.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPointer>
#include <QPushButton>
#include <QTest>

namespace {

class Comparacion : public ReportesDb {
protected:
    RepCompEmpleado* abreEmpleado()
    {
        return abre<RepCompEmpleado>(QStringLiteral("mnuRepCompEmpleado"), QStringLiteral("RepCompEmpleado"));
    }
    RepCompCategoria* abreCategoria()
    {
        return abre<RepCompCategoria>(QStringLiteral("mnuRepCompCategoria"), QStringLiteral("RepCompCategoria"));
    }

    // The rows from the first data row on, cells trimmed and joined by " | ".
    static QStringList datos(const grid::Grid* g, int desde)
    {
        QStringList out;
        for (int r = desde; r <= g->rowCount(); ++r) {
            QStringList celdas;
            for (int c = 1; c <= g->columnCount(); ++c)
                celdas << g->text(r, c).trimmed();
            out << celdas.join(QStringLiteral(" | "));
        }
        return out;
    }

    static void cierra(QWidget* w)
    {
        w->parentWidget()->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
};

TEST_F(Comparacion, EmployeesWithArticlesAmountGuestsAndAverage)
{
    RepCompEmpleado* w = abreEmpleado();
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(w->windowTitle(), QStringLiteral("Comparación de Ventas por Empleado"));
    QTest::mouseClick(w->botonBuscar(), Qt::LeftButton);
    EXPECT_TRUE(boxes.boxes().isEmpty());
    EXPECT_EQ(w->rejilla()->text(2, 2), QStringLiteral("15/03/2024 - 15/03/2024"));
    EXPECT_EQ(datos(w->rejilla(), 7),
              QStringList({QStringLiteral("LOPEZ DIAZ ANA |  | 2 | $100.00 | 3 | $33.33"),
                           QStringLiteral("RUIZ SOTO BETO |  | 1 | $12.00 | 2 | $6.00")}));

    w->chkCategoria->setChecked(true);
    QTest::mouseClick(w->botonBuscar(), Qt::LeftButton);
    EXPECT_EQ(w->rejilla()->text(5, 7), QStringLiteral("Categoría"));
    EXPECT_EQ(datos(w->rejilla(), 7),
              QStringList({QStringLiteral("LOPEZ DIAZ ANA |  | 1 | $0.00 | N/A | $0.00 | BEBIDAS"),
                           QStringLiteral("LOPEZ DIAZ ANA |  | 1 | $100.00 | N/A | $33.33 | COMIDA"),
                           QStringLiteral("RUIZ SOTO BETO |  | 1 | $12.00 | N/A | $6.00 | BEBIDAS")}));
    // A longer period without other sales: the same figures.
    const QStringList porCategoria = datos(w->rejilla(), 7);
    w->dtpFechaFin->setDate(QDate(2024, 4, 30));
    QTest::mouseClick(w->botonBuscar(), Qt::LeftButton);
    EXPECT_EQ(datos(w->rejilla(), 7), porCategoria);
    w->dtpFechaFin->setDate(QDate(2024, 3, 15));
    w->chkCategoria->setChecked(false);
    QTest::mouseClick(w->botonBuscar(), Qt::LeftButton);
    EXPECT_EQ(w->rejilla()->columnCount(), 6);
    EXPECT_EQ(tablasTemporales(), QStringList({QStringLiteral("#TempCompEmpleado")}));
    const QStringList paginas = imprime(w, QStringLiteral("comparacion.pdf"));
    ASSERT_EQ(paginas.size(), 1);
    EXPECT_TRUE(paginas.first().contains(QStringLiteral("INFORME COMPARACION VENTAS")));
    EXPECT_EQ(paginas.first().count(QStringLiteral("ZORVA VEREDUDA")), 1);
    EXPECT_TRUE(paginas.first().contains(QStringLiteral("15/marzo/2024 12:00:00 página 1 de 1")));

    // While its table stays for the drill-down, the other reports that use the procedure run.
    auto* pmix = abre<RepPMIX>(QStringLiteral("mnuRepPMIX"), QStringLiteral("RepPMIX"));
    ASSERT_NE(pmix, nullptr);
    QTest::mouseClick(pmix->botonBuscar(), Qt::LeftButton);
    EXPECT_EQ(pmix->rejilla()->rowCount(), 12);
    RepCompCategoria* cat = abreCategoria();
    ASSERT_NE(cat, nullptr);
    cat->cboCategoria->setCurrentIndex(cat->cboCategoria->findText(QStringLiteral("TODOS")));
    QTest::mouseClick(cat->botonBuscar(), Qt::LeftButton);
    EXPECT_EQ(cat->rejilla()->text(9, 1), QStringLiteral("LOPEZ DIAZ ANA"));
    EXPECT_TRUE(boxes.boxes().isEmpty());
    cierra(pmix);
    cierra(cat);
    EXPECT_EQ(tablasTemporales(), QStringList({QStringLiteral("#TempCompEmpleado")}));
    cierra(w);
    EXPECT_TRUE(tablasTemporales().isEmpty());
}

TEST_F(Comparacion, TheDoubleClickOpensANewDetailPerEmployee)
{
    RepCompEmpleado* w = abreEmpleado();
    ASSERT_NE(w, nullptr);
    QTest::mouseClick(w->botonBuscar(), Qt::LeftButton);
    EXPECT_EQ(w->sprDatos_DblClick(1, 6), nullptr);
    EXPECT_TRUE(boxes.boxes().isEmpty());

    w->dtpFechaIni->setDate(QDate(2024, 3, 14));  // the detail's header carries the pickers as they are now
    repDetCompEmpleado* d = w->sprDatos_DblClick(1, 7);
    ASSERT_NE(d, nullptr);
    EXPECT_EQ(d->windowTitle(), QStringLiteral("Detalle de Ventas por Empleado"));
    EXPECT_EQ(d->lblNombre->text(), QStringLiteral("LOPEZ DIAZ ANA"));
    EXPECT_EQ(datos(d->fpsDetalle, 1), QStringList({QStringLiteral("BEBIDAS | 1 | $0.00"), QStringLiteral("COMIDA | 1 | $100.00")}));
    EXPECT_FALSE(d->fpsDetalle->isCellEditable(1, 1));
    auto* marco = qobject_cast<QMdiSubWindow*>(d->parentWidget());
    ASSERT_NE(marco, nullptr);
    EXPECT_EQ(marco->minimumSize(), marco->maximumSize());
    const QStringList paginas = imprime(d, QStringLiteral("detalle.pdf"));
    ASSERT_EQ(paginas.size(), 1);
    EXPECT_TRUE(paginas.first().contains(QStringLiteral("LOPEZ DIAZ ANA Periodo 14/03/2024 - 15/03/2024")));
    EXPECT_EQ(paginas.first().count(QStringLiteral("ZORVA VEREDUDA")), 1);

    repDetCompEmpleado* otro = w->sprDatos_DblClick(3, 7);
    ASSERT_NE(otro, nullptr);
    EXPECT_NE(otro, d);
    EXPECT_EQ(main->mdiArea()->subWindowList().size(), 3);
    // The grid's own double click opens one too.
    emit w->rejilla()->doubleClicked(8, 2);
    ASSERT_EQ(main->mdiArea()->subWindowList().size(), 4);
    auto* beto = qobject_cast<repDetCompEmpleado*>(main->mdiArea()->activeSubWindow()->widget());
    ASSERT_NE(beto, nullptr);
    EXPECT_EQ(beto->lblNombre->text(), QStringLiteral("RUIZ SOTO BETO"));
}

TEST_F(Comparacion, NullPricesApostrophesAndEmptySurnames)
{
    db.execute(QStringLiteral(
        "INSERT INTO Empleado (ID_Empleado, Usuario, Nombre_Empleado, Apellido_Paterno, Apellido_Materno, Estado_Empleado)"
        " VALUES (4, 'SEAN', 'SEAN', 'O''NEIL', NULL, 'A'), (5, 'LUZ', 'LUZ', 'MORA', 'RIOS', 'A');"
        "INSERT INTO Comanda (ID_Comanda, ID_Empleado, Fecha_Trabajo, Control, CantHuespedes) VALUES"
        " (104, 4, '15032024', 1, 1), (105, 5, '15032024', 1, NULL);"
        "INSERT INTO ProductosXCuenta (ID_ProductosXCuenta, ID_Comanda, Num_Cuenta, ID_Producto, Precio_Venta, Control)"
        " VALUES (1007, 104, 1, 20, 50, 1), (1008, 105, 1, 10, NULL, 1), (1009, 105, 1, 30, NULL, 1)"));
    RepCompEmpleado* w = abreEmpleado();
    ASSERT_NE(w, nullptr);
    QTest::mouseClick(w->botonBuscar(), Qt::LeftButton);
    EXPECT_TRUE(boxes.boxes().isEmpty());
    const QStringList filas = datos(w->rejilla(), 7);
    EXPECT_TRUE(filas.contains(QStringLiteral("MORA RIOS LUZ |  | 2 | $0.00 | 0 | $0.00"))) << filas.join(QLatin1Char('\n')).toStdString();
    EXPECT_TRUE(filas.contains(QStringLiteral("O'NEIL  SEAN |  | 1 | $50.00 | 1 | $50.00")));

    const int oneil = 7 + filas.indexOf(QStringLiteral("O'NEIL  SEAN |  | 1 | $50.00 | 1 | $50.00"));
    repDetCompEmpleado* d = w->sprDatos_DblClick(1, oneil);
    ASSERT_NE(d, nullptr);
    EXPECT_EQ(datos(d->fpsDetalle, 1), QStringList({QStringLiteral("COMIDA | 1 | $50.00")}));
    repDetCompEmpleado* luz = w->sprDatos_DblClick(1, 7 + filas.indexOf(QStringLiteral("MORA RIOS LUZ |  | 2 | $0.00 | 0 | $0.00")));
    ASSERT_NE(luz, nullptr);
    EXPECT_EQ(datos(luz->fpsDetalle, 1), QStringList({QStringLiteral("BEBIDAS | 2 | $0.00")}));
    EXPECT_TRUE(boxes.boxes().isEmpty());
}

TEST_F(Comparacion, ACheckCountsItsSoldItemsOfItsControlAndItsGuestsOnItsLowestSoldItem)
{
    // Check 106: its lowest item is voided, so the guests go with the refresco (BEBIDAS); an item of
    // another control is not the check's; an item whose product is gone counts without a category.
    db.execute(QStringLiteral(
        "INSERT INTO Empleado (ID_Empleado, Usuario, Nombre_Empleado, Apellido_Paterno, Apellido_Materno, Estado_Empleado)"
        " VALUES (4, 'SEAN', 'SEAN', 'PAZ', 'RIO', 'A');"
        "INSERT INTO Comanda (ID_Comanda, ID_Empleado, Fecha_Trabajo, Control, CantHuespedes) VALUES (106, 4, '15032024', 1, 4);"
        "INSERT INTO ProductosXCuenta (ID_ProductosXCuenta, ID_Comanda, Num_Cuenta, ID_Producto, Precio_Venta, Control,"
        " ID_Tipo_Anulacion) VALUES (1010, 106, 1, 20, 80, 1, 1), (1011, 106, 1, 10, 20, 1, NULL),"
        " (1012, 106, 1, 20, 30, 1, NULL), (1013, 106, 1, 20, 999, 2, NULL), (1014, 106, 1, 999, 5, 1, NULL)"));
    RepCompEmpleado* w = abreEmpleado();
    ASSERT_NE(w, nullptr);
    QTest::mouseClick(w->botonBuscar(), Qt::LeftButton);
    QStringList filas = datos(w->rejilla(), 7);
    const QString sean = QStringLiteral("PAZ RIO SEAN |  | 3 | $55.00 | 4 | $13.75");
    ASSERT_TRUE(filas.contains(sean)) << filas.join(QLatin1Char('\n')).toStdString();
    repDetCompEmpleado* d = w->sprDatos_DblClick(1, 7 + filas.indexOf(sean));
    ASSERT_NE(d, nullptr);
    EXPECT_EQ(datos(d->fpsDetalle, 1), QStringList({QStringLiteral("BEBIDAS | 1 | $20.00"), QStringLiteral("COMIDA | 1 | $30.00")}));

    w->chkCategoria->setChecked(true);
    QTest::mouseClick(w->botonBuscar(), Qt::LeftButton);
    filas = datos(w->rejilla(), 7).filter(QStringLiteral("SEAN"));
    EXPECT_EQ(filas, QStringList({QStringLiteral("PAZ RIO SEAN |  | 1 | $20.00 | N/A | $5.00 | BEBIDAS"),
                                  QStringLiteral("PAZ RIO SEAN |  | 1 | $30.00 | N/A | $30.00 | COMIDA")}));
    EXPECT_TRUE(boxes.boxes().isEmpty());
}

TEST_F(Comparacion, EveryWaiterOfABusyDayIsListed)
{
    // 250 waiters, each with one check of two items of two categories: 500 sums.
    db.execute(QStringLiteral(
        "WITH RECURSIVE N(I) AS (SELECT 1000 UNION ALL SELECT I+1 FROM N WHERE I<1249)"
        " INSERT INTO Empleado (ID_Empleado, Usuario, Nombre_Empleado, Apellido_Paterno, Apellido_Materno, Estado_Empleado)"
        " SELECT I, 'U'||I, 'ZZ'||I, 'ZZ', 'ZZ', 'A' FROM N;"
        "INSERT INTO Comanda (ID_Comanda, ID_Empleado, Fecha_Trabajo, Control, CantHuespedes)"
        " SELECT ID_Empleado, ID_Empleado, '15032024', 1, 2 FROM Empleado WHERE ID_Empleado>=1000;"
        "INSERT INTO ProductosXCuenta (ID_ProductosXCuenta, ID_Comanda, Num_Cuenta, ID_Producto, Precio_Venta, Control)"
        " SELECT 2*ID_Comanda, ID_Comanda, 1, 10, 1, 1 FROM Comanda WHERE ID_Comanda>=1000"
        " UNION ALL SELECT 2*ID_Comanda+1, ID_Comanda, 1, 20, 2, 1 FROM Comanda WHERE ID_Comanda>=1000"));
    RepCompEmpleado* w = abreEmpleado();
    ASSERT_NE(w, nullptr);
    QTest::mouseClick(w->botonBuscar(), Qt::LeftButton);
    EXPECT_EQ(datos(w->rejilla(), 7).filter(QStringLiteral("ZZ ZZ ZZ")).filter(QStringLiteral("| 2 | $3.00 | 2 | $1.50")).size(), 250);
    w->chkCategoria->setChecked(true);
    QTest::mouseClick(w->botonBuscar(), Qt::LeftButton);
    const QStringList filas = datos(w->rejilla(), 7).filter(QStringLiteral("ZZ ZZ ZZ"));
    EXPECT_EQ(filas.filter(QStringLiteral("| 1 | $1.00 | N/A | $0.50 | BEBIDAS")).size(), 250);
    EXPECT_EQ(filas.filter(QStringLiteral("| 1 | $2.00 | N/A | $2.00 | COMIDA")).size(), 250);
    EXPECT_TRUE(boxes.boxes().isEmpty());
}

TEST_F(Comparacion, ChecksWithEachItemOnceAndItsModifiersBelow)
{
    RepCompCategoria* w = abreCategoria();
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(w->windowTitle(), QStringLiteral("Comparción de Ventas por Categoria"));
    EXPECT_EQ(w->cboCategoria->currentText(), QStringLiteral("COMIDA"));
    w->cboCategoria->setCurrentIndex(w->cboCategoria->findText(QStringLiteral("TODOS")));
    QTest::mouseClick(w->botonBuscar(), Qt::LeftButton);
    QTest::mouseClick(w->botonBuscar(), Qt::LeftButton);
    EXPECT_EQ(w->rejilla()->text(7, 4), QStringLiteral("Nombre del Artículo"));
    EXPECT_EQ(datos(w->rejilla(), 9),
              QStringList({QStringLiteral("LOPEZ DIAZ ANA |  | 101 | HAMBURGUESA | $111.60"), QStringLiteral(" |  |  | EXTRA QUESO | "),
                           QStringLiteral(" |  |  | SIN CEBOLLA | "), QStringLiteral(" |  |  | CAFE | "),
                           QStringLiteral(" |  |  |  | "), QStringLiteral("RUIZ SOTO BETO |  | 102 | REFRESCO | $12.00"),
                           QStringLiteral(" |  |  |  | ")}));
    EXPECT_EQ(w->rejilla()->text(10, 4), QStringLiteral("   EXTRA QUESO"));
    EXPECT_TRUE(tablasTemporales().isEmpty());

    // The user's choice stays when the window is left and comes back.
    w->cboCategoria->setCurrentIndex(w->cboCategoria->findText(QStringLiteral("BEBIDAS")));
    auto* pmix = abre<RepPMIX>(QStringLiteral("mnuRepPMIX"), QStringLiteral("RepPMIX"));
    ASSERT_NE(pmix, nullptr);
    ASSERT_EQ(abreCategoria(), w);
    EXPECT_EQ(w->cboCategoria->currentText(), QStringLiteral("BEBIDAS"));
    QTest::mouseClick(w->botonBuscar(), Qt::LeftButton);
    EXPECT_EQ(datos(w->rejilla(), 9),
              QStringList({QStringLiteral("LOPEZ DIAZ ANA |  | 101 | CAFE | $0.00"), QStringLiteral(" |  |  |  | "),
                           QStringLiteral("RUIZ SOTO BETO |  | 102 | REFRESCO | $12.00"), QStringLiteral(" |  |  |  | ")}));
}

TEST_F(Comparacion, WithoutCategoriesTheListHoldsTodosChosen)
{
    db.execute(QStringLiteral("DELETE FROM Producto; DELETE FROM Categoria"));
    RepCompCategoria* w = abreCategoria();
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(w->cboCategoria->count(), 1);
    EXPECT_EQ(w->cboCategoria->currentText(), QStringLiteral("TODOS"));
}

} // namespace
