// The articles per employee and the gold card reports, on the shared sales data set.
#include "foundation/dialogs/frm_busca_prod.h"
#include "platform/grid/grid.h"
#include "reports/caja_empleados.h"
#include "reports/rep_articulos_x_empleado.h"
#include "reports/rep_det_gold_card.h"
#include "reports/rep_gold_card.h"
#include "tests/foundation/forms/typing.h"
#include "tests/reports/reportes_fixture.h"

#include <QApplication>
#include <QCheckBox>
#include <QDateEdit>
#include <QPushButton>
#include <QTableView>
#include <QTest>
#include <QTimer>

namespace {

class Articulos : public ReportesDb {
protected:
    RepArticulosXEmpleado* abreArticulos()
    {
        return abre<RepArticulosXEmpleado>(QStringLiteral("mnuRepCompArticulos"), QStringLiteral("RepArticulosXEmpleado"));
    }

    // The rows below the heading as "waiter product count".
    static QStringList busca(RepArticulosXEmpleado* w, bool modificadores, const QString& productos = QString())
    {
        w->chkModificadores->setChecked(modificadores);
        w->txtProductos->setText(productos);
        QTest::mouseClick(w->botonBuscar(), Qt::LeftButton);
        QStringList out;
        const grid::Grid* g = w->rejilla();
        for (int r = 5; r <= g->rowCount(); ++r)
            out << g->text(r, 1) + QLatin1Char(' ') + g->text(r, 4) + QLatin1Char(' ') + g->text(r, 5);
        return out;
    }
};

TEST_F(Articulos, ProductsAndModifiersPerWaiterBelowAFrozenHeading)
{
    RepArticulosXEmpleado* w = abreArticulos();
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(w->windowTitle(), QStringLiteral("Comparación de artículos X empleado"));
    EXPECT_EQ(busca(w, false), QStringList({QStringLiteral("1 CAFE 1"), QStringLiteral("1 HAMBURGUESA 1"),
                                           QStringLiteral("2 REFRESCO 1")}));
    const grid::Grid* g = w->rejilla();
    EXPECT_EQ(g->text(1, 2), QStringLiteral("INFORME ART. X EMPLEADO"));
    EXPECT_EQ(g->columnSpan(1, 2), 3);
    EXPECT_EQ(g->text(2, 2), QStringLiteral("15/03/2024-15/03/2024"));
    EXPECT_EQ(g->text(4, 4), QStringLiteral("Nombre Producto"));
    EXPECT_EQ(g->text(0, 2), QStringLiteral("Empleado"));
    EXPECT_EQ(g->text(0, 5), QString());
    EXPECT_EQ(g->text(5, 2), QStringLiteral("ANA LOPEZ DIAZ"));
    EXPECT_EQ(g->frozenRows(), 4);

    // BETO's EXTRA QUESO was on a voided item.
    EXPECT_EQ(busca(w, true), QStringList({QStringLiteral("1 CAFE 1"), QStringLiteral("1 HAMBURGUESA 1"),
                                          QStringLiteral("1 EXTRA QUESO 1"), QStringLiteral("1 SIN CEBOLLA 1"),
                                          QStringLiteral("2 REFRESCO 1")}));
    EXPECT_EQ(busca(w, false, QStringLiteral("20,30")),
              QStringList({QStringLiteral("1 HAMBURGUESA 1"), QStringLiteral("2 REFRESCO 1")}));
    // Empty items are skipped; anything but ids is refused before the query.
    EXPECT_EQ(busca(w, false, QStringLiteral(",20,,")), QStringList({QStringLiteral("1 HAMBURGUESA 1")}));
    EXPECT_TRUE(boxes.boxes().isEmpty());
    busca(w, false, QStringLiteral("20) OR (1=1"));
    ASSERT_EQ(boxes.boxes().size(), 1);
    EXPECT_EQ(boxes.boxes().first().icon(), ui::Exclamation);

    w->txtProductos->clear();
    w->txtProductos->setFocus();
    teclea(w->txtProductos, QStringLiteral("2a. -0,3"));
    EXPECT_EQ(w->txtProductos->text(), QStringLiteral("20,3"));

    busca(w, false);
    const QStringList paginas = imprime(w, QStringLiteral("articulos.pdf"));
    ASSERT_FALSE(paginas.isEmpty());
    EXPECT_TRUE(paginas.first().contains(QStringLiteral("INFORME ART. X EMPLEADO")));
    EXPECT_EQ(paginas.first().count(QStringLiteral("ZORVA VEREDUDA")), 1);
}

TEST_F(Articulos, ThePickerWritesTheChosenIdsAndCancelEmptiesTheBox)
{
    RepArticulosXEmpleado* w = abreArticulos();
    ASSERT_NE(w, nullptr);
    QTimer::singleShot(0, [] {
        auto* busca = qobject_cast<frmBusca_Prod*>(QApplication::activeModalWidget());
        ASSERT_NE(busca, nullptr);
        QTest::mouseClick(busca->cmdBuscar, Qt::LeftButton);
        for (int r = 1; r <= busca->sprProductos->rowCount(); ++r)
            if (busca->sprProductos->text(r, 1) == QLatin1String("30") || busca->sprProductos->text(r, 1) == QLatin1String("10"))
                busca->sprProductos->setRowSelected(r, true);
        busca->accept();
    });
    QTest::mouseClick(w->cmdBuscarProd, Qt::LeftButton);
    EXPECT_EQ(QStringList(w->txtProductos->text().split(QLatin1Char(','))).size(), 2);
    EXPECT_TRUE(w->txtProductos->text().contains(QStringLiteral("30")));

    QTimer::singleShot(0, [] {
        if (auto* dialogo = qobject_cast<QDialog*>(QApplication::activeModalWidget()))
            dialogo->reject();
    });
    QTest::mouseClick(w->cmdBuscarProd, Qt::LeftButton);
    EXPECT_TRUE(w->txtProductos->text().isEmpty());
}

class GoldCardTest : public ReportesDb {
protected:
    template <typename T>
    QStringList busca(T* w, const QDate& desde)
    {
        w->dtpFecha->setDate(desde);
        QTest::mouseClick(w->botonBuscar(), Qt::LeftButton);
        QStringList out;
        for (const QString& fila : filasRejilla(w->rejilla()))
            out << fila.trimmed();
        return out;
    }
};

TEST_F(GoldCardTest, DetailGroupsEachCustomerWithItsOwnSubtotal)
{
    auto* w = abre<RepDetGoldCard>(QStringLiteral("mnuGoldCard"), QStringLiteral("RepDetGoldCard"));
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(w->windowTitle(), QStringLiteral("Gold Card"));
    const QStringList filas = busca(w, QDate(2024, 3, 15));
    EXPECT_EQ(filas.mid(4), QStringList({
                                QStringLiteral("TOTAL GOLD CARD:  | $147.60 |  |  |  |  |"),
                                QStringLiteral("|  |  |  |  |  |"),
                                QStringLiteral("Detalle de consumos de gold card |  |  |  |  |  |"),
                                QStringLiteral("Usuario | Folio | Fecha | Autorizo | Vendedor | Monto |"),
                                QStringLiteral("|  |  |  |  |  |"),
                                QStringLiteral("|  |  |  |  |  |"),
                                QStringLiteral("JUAN PEREZ | 102 | 2024/03/15 |  | RUIZ SOTO BETO | $12.00 |"),
                                QStringLiteral("|  |  |  |  |  |"),
                                QStringLiteral("Total (JUAN PEREZ): |  |  |  |  | $12.00 |"),
                                QStringLiteral("|  |  |  |  |  |"),
                                QStringLiteral("MARIA TORRES | 101 | 2024/03/15 |  | LOPEZ DIAZ ANA | $135.60 |"),
                                QStringLiteral("|  |  |  |  |  |"),
                                QStringLiteral("Total(MARIA TORRES): |  |  |  |  | $135.60 |"),
                                QStringLiteral("|  |      *********** Fin del reporte *********** |  |  |  |"),
                            }))
        << filas.join(QLatin1Char('\n')).toStdString();
    EXPECT_EQ(w->rejilla()->text(1, 3), QStringLiteral("REPORTE DE GOLD CARD"));
    EXPECT_EQ(w->rejilla()->columnSpan(1, 3), 3);

    const QStringList paginas = imprime(w, QStringLiteral("gold.pdf"));
    ASSERT_FALSE(paginas.isEmpty());
    EXPECT_TRUE(paginas.first().contains(QStringLiteral("REPORTE DE GOLD CARD")));
    EXPECT_EQ(paginas.first().count(QStringLiteral("ZORVA VEREDUDA")), 1);

    // A customer whose rows add up to less than 0 gets its subtotal, and the next starts at 0.
    db.execute(QStringLiteral("INSERT INTO Cuenta (ID_Comanda, Num_Cuenta, Pagada, Total, Control) VALUES (101, 2, 1, -5, 1);"
                              "INSERT INTO ClientesXCuenta (ID_Comanda, Num_Cuenta, CveCliente, NombreCliente, IdTipoCliente)"
                              " VALUES (101, 2, 'C104', 'LUCIA NAVA', 2)"));
    const QStringList otra = busca(w, QDate(2024, 3, 15));
    EXPECT_TRUE(otra.contains(QStringLiteral("Total (LUCIA NAVA): |  |  |  |  | -$5.00 |"))) << otra.join(QLatin1Char('\n')).toStdString();
    EXPECT_TRUE(otra.contains(QStringLiteral("Total(MARIA TORRES): |  |  |  |  | $135.60 |")));
    EXPECT_TRUE(otra.contains(QStringLiteral("TOTAL GOLD CARD:  | $142.60 |  |  |  |  |")));
}

TEST_F(GoldCardTest, SummaryOneRowPerCustomerAndTheGrandTotal)
{
    auto* w = abre<RepGoldCard>(QStringLiteral("mnuResumenGoldCard"), QStringLiteral("RepGoldCard"));
    ASSERT_NE(w, nullptr);
    const QStringList esperadas{
        QStringLiteral("TOTAL GOLD CARD:  | $147.60 |  |  |  |  |"),
        QStringLiteral("|  |  |  |  |  |"),
        QStringLiteral("Resumen de gold card |  |  |  |  |  |"),
        QStringLiteral("Empleado | Monto |  |  |  |  |"),
        QStringLiteral("JUAN PEREZ | $12.00 |  |  |  |  |"),
        QStringLiteral("MARIA TORRES | $135.60 |  |  |  |  |"),
        QStringLiteral("|  |  |  |  |  |"),
        QStringLiteral("TOTAL | $147.60 |  |  |  |  |"),
        QStringLiteral("|  |      *********** Fin del reporte *********** |  |  |  |"),
    };
    EXPECT_EQ(busca(w, QDate(2024, 3, 15)).mid(4), esperadas);
    // LUIS ORTIZ's check of the 14th is not of a gold card.
    EXPECT_EQ(busca(w, QDate(2024, 3, 14)).mid(4), esperadas);
    // A period without rows: 0 and the empty frame.
    const QStringList vacia = busca(w, QDate(2024, 3, 16));
    EXPECT_TRUE(vacia.contains(QStringLiteral("TOTAL | $0.00 |  |  |  |  |")));
    EXPECT_EQ(vacia.size(), 11);
}

} // namespace
