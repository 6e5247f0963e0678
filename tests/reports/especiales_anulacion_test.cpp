// The specials report and the voids report, on the shared sales data set.
#include "foundation/database/cls_ado.h"
#include "mainwindow/mdi_principal.h"
#include "platform/grid/grid.h"
#include "platform/grid/grid_stack.h"
#include "reports/caja_empleados.h"
#include "reports/rep_especiales.h"
#include "reports/rep_info_anulacion.h"
#include "reports/rep_lista_precios.h"
#include "tests/foundation/forms/typing.h"
#include "tests/reports/reportes_fixture.h"

#include <QAction>
#include <QComboBox>
#include <QDateEdit>
#include <QPushButton>
#include <QTest>

namespace {

class EspecialesAnulacion : public ReportesDb {
protected:
    RepEspeciales* abreEspeciales()
    {
        return abre<RepEspeciales>(QStringLiteral("mnuProRepEspeciales"), QStringLiteral("RepEspeciales"));
    }
    RepInfoAnulacion* abreAnulacion()
    {
        return abre<RepInfoAnulacion>(QStringLiteral("mnuRepAnulacion"), QStringLiteral("RepInfoAnulacion"));
    }
    QStringList busca(RepVentana* w)
    {
        QTest::mouseClick(w->botonBuscar(), Qt::LeftButton);
        return filasRejilla(w->rejilla());
    }
    static QStringList encabezados(const grid::Grid* g)
    {
        QStringList t;
        for (int c = 1; c <= g->columnCount(); ++c)
            t << g->text(0, c);
        return t;
    }
};

TEST_F(EspecialesAnulacion, SpecialsCountEachDayOfTheWeekWithABoldTotalRow)
{
    RepEspeciales* w = abreEspeciales();
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(w->windowTitle(), QStringLiteral("Reporte de especiales"));
    EXPECT_EQ(w->dtpFecha->date(), QDate(2024, 3, 15));
    EXPECT_TRUE(main->menuItem(QStringLiteral("mnuArCerrar"))->isVisible());

    // A second special product, sold twice on the third day; the voided HAMBURGUESA does not count.
    db.execute(QStringLiteral("UPDATE Producto SET Especial=1 WHERE ID_Producto=40"));
    db.execute(QStringLiteral("INSERT INTO Comanda (ID_Comanda, ID_Empleado, Fecha_Trabajo, Control) VALUES (104, 1, '16032024', 1);"
                              "INSERT INTO ProductosXCuenta (ID_ProductosXCuenta, ID_Comanda, Num_Cuenta, ID_Producto, "
                              "Precio_Venta, Control) VALUES (1007, 104, 1, 40, 30, 1), (1008, 104, 1, 40, 30, 1)"));
    w->dtpFecha->setDate(QDate(2024, 3, 14));
    const QStringList filas = busca(w);
    EXPECT_EQ(encabezados(w->rejilla()),
              QStringList({QStringLiteral("ID"), QStringLiteral("Producto"), QStringLiteral("14/03/2024"),
                           QStringLiteral("15/03/2024"), QStringLiteral("16/03/2024"), QStringLiteral("17/03/2024"),
                           QStringLiteral("18/03/2024"), QStringLiteral("19/03/2024"), QStringLiteral("20/03/2024"),
                           QStringLiteral("Total")}));
    EXPECT_EQ(filas, QStringList({QStringLiteral("20 | HAMBURGUESA | 0 | 1 | 0 | 0 | 0 | 0 | 0 | 1"),
                                  QStringLiteral("40 | PASTEL | 0 | 0 | 2 | 0 | 0 | 0 | 0 | 2"),
                                  QStringLiteral(" | TOTAL: | 0 | 1 | 2 | 0 | 0 | 0 | 0 | 3")}));
    const grid::Grid* g = w->rejilla();
    EXPECT_EQ(g->formula(3, 3), QStringLiteral("SUM(C1:C2)"));
    EXPECT_EQ(g->formula(3, 10), QStringLiteral("SUM(J1:J2)"));
    for (int c = 1; c <= 10; ++c)
        EXPECT_TRUE(g->cellFont(3, c).bold()) << c;
    EXPECT_FALSE(g->cellFont(2, 2).bold());
    EXPECT_TRUE(tablasTemporales().isEmpty());

    // A week across a month's end; a week without sales gives the total row of zeros.
    w->dtpFecha->setDate(QDate(2024, 3, 28));
    EXPECT_EQ(busca(w), QStringList({QStringLiteral("20 | HAMBURGUESA | 0 | 0 | 0 | 0 | 0 | 0 | 0 | 0"),
                                     QStringLiteral("40 | PASTEL | 0 | 0 | 0 | 0 | 0 | 0 | 0 | 0"),
                                     QStringLiteral(" | TOTAL: | 0 | 0 | 0 | 0 | 0 | 0 | 0 | 0")}));
    EXPECT_EQ(g->text(0, 6), QStringLiteral("31/03/2024"));
    EXPECT_EQ(g->text(0, 9), QStringLiteral("03/04/2024"));
    db.execute(QStringLiteral("UPDATE Producto SET Especial=0"));
    EXPECT_EQ(busca(w), QStringList({QStringLiteral(" | TOTAL: | 0 | 0 | 0 | 0 | 0 | 0 | 0 | 0")}));
    EXPECT_TRUE(boxes.boxes().isEmpty());

    const QStringList paginas = imprime(w, QStringLiteral("especiales.pdf"));
    ASSERT_EQ(paginas.size(), 1) << "pdftotext (poppler-utils) read nothing";
    EXPECT_EQ(paginas.first().count(QStringLiteral("ZORVA VEREDUDA")), 1);
    EXPECT_TRUE(paginas.first().contains(QStringLiteral("REPORTE DE ESPECIALES")));
    EXPECT_TRUE(paginas.first().contains(QStringLiteral("15/marzo/2024 12:00:00 página 1 de 1")));

    // Leaving the window hides its Archivo item with the toolbar buttons.
    ASSERT_TRUE(click(10));
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_FALSE(main->menuItem(QStringLiteral("mnuArCerrar"))->isVisible());
}

TEST_F(EspecialesAnulacion, AFailedSearchLeavesNoTemporaryTableBehind)
{
    RepEspeciales* especiales = abreEspeciales();
    ASSERT_NE(especiales, nullptr);
    db.execute(QStringLiteral("ALTER TABLE Producto RENAME TO ProductoGuardado"));
    busca(especiales);
    EXPECT_FALSE(boxes.boxes().isEmpty());
    EXPECT_TRUE(tablasTemporales().isEmpty());

    RepInfoAnulacion* anulacion = abreAnulacion();
    ASSERT_NE(anulacion, nullptr);
    boxes.clear();
    busca(anulacion);
    ASSERT_EQ(boxes.boxes().size(), 1);
    EXPECT_EQ(boxes.boxes().first().icon(), ui::Critical);
    EXPECT_TRUE(tablasTemporales().isEmpty());

    db.execute(QStringLiteral("ALTER TABLE ProductoGuardado RENAME TO Producto"));
    boxes.clear();
    EXPECT_EQ(busca(anulacion).size(), 15);
    especiales = abreEspeciales();
    EXPECT_EQ(busca(especiales).size(), 2);
    EXPECT_TRUE(boxes.boxes().isEmpty());
    EXPECT_TRUE(tablasTemporales().isEmpty());
}

TEST_F(EspecialesAnulacion, VoidsGroupedByWaiterAndManagerBelowTheHeading)
{
    RepInfoAnulacion* w = abreAnulacion();
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(w->windowTitle(), QStringLiteral("Informe de Anulaciones Diarias"));
    EXPECT_EQ(w->cmbRazon->currentText(), QStringLiteral("TODAS"));
    EXPECT_EQ(w->botonBuscar()->text(), QStringLiteral("Buscar datos"));
    const grid::Grid* g = w->rejilla();
    EXPECT_EQ(g->text(9, 1), QStringLiteral("No. Cuenta"));
    EXPECT_EQ(g->text(9, 7), QStringLiteral("Cantidad"));
    EXPECT_EQ(g->text(2, 3).trimmed(), QStringLiteral("INFORME DE ANULACIONES"));
    EXPECT_EQ(g->cellBackground(5, 7), QColor(128, 128, 128));

    QStringList filas = busca(w);
    ASSERT_EQ(filas.size(), 15) << filas.join(QLatin1Char('\n')).toStdString();
    EXPECT_EQ(g->text(3, 4), QStringLiteral("15/03/2024 - 15/03/2024"));
    EXPECT_EQ(filas.at(10), QStringLiteral("102 | HAMBURGUESA | ERROR | GOMEZ PEREZ CARLOS | 00:05:00 | RUIZ SOTO BETO | $135.60"));
    EXPECT_EQ(filas.at(11), QStringLiteral(" | Anulaciones Totales para RUIZ SOTO BETO por GOMEZ PEREZ CARLOS |  |  |  |  | $135.60"));
    EXPECT_EQ(filas.at(12), QStringLiteral(" |  |  |  |  |  | "));
    EXPECT_EQ(filas.at(13), QStringLiteral("102 | REFRESCO | ERROR | LOPEZ DIAZ ANA | 00:02:00 | RUIZ SOTO BETO | $12.00"));
    EXPECT_EQ(filas.at(14), QStringLiteral(" | Anulaciones Totales para RUIZ SOTO BETO por LOPEZ DIAZ ANA |  |  |  |  | $12.00"));
    EXPECT_EQ(g->columnSpan(12, 2), 5);
    EXPECT_TRUE(g->cellFont(12, 2).bold() && g->cellFont(12, 7).bold());
    EXPECT_TRUE(tablasTemporales().isEmpty());

    // Only the voids authorised by manager 3; a second search keeps the heading block.
    w->txtGerente->setText(QStringLiteral("3"));
    filas = busca(w);
    ASSERT_EQ(filas.size(), 12);
    EXPECT_TRUE(filas.at(11).endsWith(QStringLiteral("GOMEZ PEREZ CARLOS |  |  |  |  | $135.60")));
    EXPECT_EQ(g->text(9, 1), QStringLiteral("No. Cuenta"));
    EXPECT_EQ(g->text(2, 3).trimmed(), QStringLiteral("INFORME DE ANULACIONES"));

    // Waiters and reasons filter too; a void whose product is gone keeps its row, unnamed.
    struct Caso {
        const char* empleado;
        const char* gerente;
        int renglones;
    };
    for (const Caso& c : QList<Caso>{{"2", "", 15}, {"1", "", 10}, {"1,,2,", "1", 12}, {"", "2", 10}}) {
        w->txtEmpleado->setText(QString::fromUtf8(c.empleado));
        w->txtGerente->setText(QString::fromUtf8(c.gerente));
        EXPECT_EQ(busca(w).size(), c.renglones) << c.empleado << " / " << c.gerente;
    }
    w->txtEmpleado->clear();
    w->txtGerente->clear();
    db.execute(QStringLiteral("INSERT INTO Tipos_Anulacion (ID_Tipo_Anulacion, Nombre_Tipos_Anulacion) VALUES (2, 'QUEJA');"
                              "UPDATE ProductosXCuenta SET ID_Tipo_Anulacion=2, ID_Producto=99 WHERE ID_ProductosXCuenta=1005"));
    w->cmbRazon->addItem(QStringLiteral("QUEJA"), 2);
    w->cmbRazon->setCurrentIndex(w->cmbRazon->findText(QStringLiteral("QUEJA")));
    EXPECT_EQ(busca(w).mid(10), QStringList({QStringLiteral("102 |  | QUEJA | LOPEZ DIAZ ANA | 00:02:00 | RUIZ SOTO BETO | $12.00"),
                                             QStringLiteral(" | Anulaciones Totales para RUIZ SOTO BETO por LOPEZ DIAZ ANA |  |  |  |  | $12.00")}));

    // A period without voids keeps the heading with the new period.
    w->dtpFecha->setDate(QDate(2024, 3, 14));
    w->dtpFechaFin->setDate(QDate(2024, 3, 14));
    EXPECT_EQ(busca(w).size(), 10);
    EXPECT_EQ(g->text(3, 4), QStringLiteral("14/03/2024 - 14/03/2024"));
    EXPECT_TRUE(boxes.boxes().isEmpty());
}

TEST_F(EspecialesAnulacion, VoidsPreviewSwapsAndComesBackAsTheGrid)
{
    RepInfoAnulacion* w = abreAnulacion();
    ASSERT_NE(w, nullptr);
    busca(w);
    ASSERT_TRUE(click(21));
    EXPECT_TRUE(w->pila()->isPreviewShown());
    ASSERT_NE(abre<RepListadePrecios>(QStringLiteral("mnuProRepLista"), QStringLiteral("RepListadePrecios")), nullptr);
    ASSERT_EQ(abreAnulacion(), w);
    EXPECT_FALSE(w->pila()->isPreviewShown());
    EXPECT_TRUE(w->rejilla()->isVisible());
    EXPECT_EQ(w->rejilla()->activeRow(), 9);

    // Searching from the preview shows the grid.
    ASSERT_TRUE(click(21));
    busca(w);
    EXPECT_FALSE(w->pila()->isPreviewShown());

    const QStringList paginas = imprime(w, QStringLiteral("anulaciones.pdf"));
    ASSERT_EQ(paginas.size(), 1) << "pdftotext (poppler-utils) read nothing";
    EXPECT_EQ(paginas.first().count(QStringLiteral("ZORVA VEREDUDA")), 1);
    EXPECT_TRUE(paginas.first().contains(QStringLiteral("INFORME DE ANULACIONES")));
    EXPECT_TRUE(paginas.first().contains(QStringLiteral("Anulaciones Totales para RUIZ SOTO BETO por GOMEZ PEREZ CARLOS")));
    EXPECT_TRUE(paginas.first().contains(QStringLiteral("15/marzo/2024 12:00:00 página 1 de 1")));
}

} // namespace
