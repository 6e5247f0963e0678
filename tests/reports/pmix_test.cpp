// The product mix report, on the shared sales data set.
#include "platform/grid/grid.h"
#include "reports/rep_pmix.h"
#include "tests/foundation/forms/typing.h"
#include "tests/reports/reportes_fixture.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QPushButton>
#include <QTest>

namespace {

class PMIX : public ReportesDb {
protected:
    RepPMIX* abrePMIX() { return abre<RepPMIX>(QStringLiteral("mnuRepPMIX"), QStringLiteral("RepPMIX")); }

    // The rows below the heading as "name sold price amount profitability share".
    static QStringList busca(RepPMIX* w, const QString& categoria, bool conVenta)
    {
        w->cmbCategoria->setCurrentIndex(w->cmbCategoria->findText(categoria));
        w->chkVenta->setChecked(conVenta);
        QTest::mouseClick(w->botonBuscar(), Qt::LeftButton);
        QStringList out;
        const grid::Grid* g = w->rejilla();
        for (int r = 8; r <= g->rowCount(); ++r)
            out << QStringList{g->text(r, 2), g->text(r, 4), g->text(r, 5), g->text(r, 6), g->text(r, 8), g->text(r, 10)}.join(
                QLatin1Char(' '));
        return out;
    }
};

TEST_F(PMIX, EveryProductWithItsFiguresAndRealShares)
{
    RepPMIX* w = abrePMIX();
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(w->windowTitle(), QStringLiteral("Informe PMIX - Todos Terminales"));
    EXPECT_EQ(w->cmbCategoria->currentText(), QStringLiteral("TODAS"));
    EXPECT_EQ(w->rejilla()->text(1, 4).trimmed(), QStringLiteral("INFORME PMIX"));

    EXPECT_EQ(busca(w, QStringLiteral("TODAS"), false),
              QStringList({QStringLiteral("CAFE 1 0.00 0.00 0.00 0.00%"), QStringLiteral("HAMBURGUESA 1 100.00 100.00 100.00 89.29%"),
                           QStringLiteral("PASTEL 0 0.00 0.00 0.00 0.00%"), QStringLiteral("REFRESCO 1 12.00 12.00 12.00 10.71%"),
                           QStringLiteral("TE 0 0.00 0.00 0.00 0.00%")}));
    EXPECT_EQ(w->rejilla()->text(2, 5), QStringLiteral("15/03/2024 - 15/03/2024"));
    // Products without sales left out; the shares stay those of the whole period.
    EXPECT_EQ(busca(w, QStringLiteral("TODAS"), true),
              QStringList({QStringLiteral("CAFE 1 0.00 0.00 0.00 0.00%"), QStringLiteral("HAMBURGUESA 1 100.00 100.00 100.00 89.29%"),
                           QStringLiteral("REFRESCO 1 12.00 12.00 12.00 10.71%")}));
    // One category: its products only, shares within it.
    EXPECT_EQ(busca(w, QStringLiteral("COMIDA"), false),
              QStringList({QStringLiteral("HAMBURGUESA 1 100.00 100.00 100.00 100.00%"),
                           QStringLiteral("PASTEL 0 0.00 0.00 0.00 0.00%")}));
    EXPECT_TRUE(boxes.boxes().isEmpty());
    EXPECT_TRUE(tablasTemporales().isEmpty());

    const QStringList paginas = imprime(w, QStringLiteral("pmix.pdf"));
    ASSERT_FALSE(paginas.isEmpty());
    EXPECT_TRUE(paginas.first().contains(QStringLiteral("INFORME PMIX")));
    EXPECT_EQ(paginas.join(QString()).count(QStringLiteral("ZORVA VEREDUDA")), paginas.size());
    EXPECT_TRUE(paginas.first().contains(QStringLiteral("15/marzo/2024 12:00:00 página 1 de")));
}

TEST_F(PMIX, TheAveragePriceIsRealAndRounded)
{
    db.execute(QStringLiteral(
        "INSERT INTO ProductosXCuenta (ID_ProductosXCuenta, ID_Comanda, Num_Cuenta, ID_Producto, Precio_Venta, Precio_Original,"
        " Control) VALUES (2001, 101, 1, 40, 10, 30, 1), (2002, 101, 1, 40, 10, 30, 1), (2003, 101, 1, 40, 10, 30, 1),"
        " (2004, 101, 1, 40, 11, 30, 1)"));
    RepPMIX* w = abrePMIX();
    ASSERT_NE(w, nullptr);
    const QStringList filas = busca(w, QStringLiteral("COMIDA"), false);
    ASSERT_EQ(filas.size(), 2);
    EXPECT_TRUE(filas.at(1).startsWith(QStringLiteral("PASTEL 4 10.25 41.00 10.25 "))) << filas.at(1).toStdString();
}

// Only the period's items not voided count, for the real price (the highest list price) too.
TEST_F(PMIX, VoidedItemsAndOtherDaysCountNowhere)
{
    // Item, check, sale and list price, void type: PASTEL twice on the 15th, voided once, and once on
    // the 14th (check 103).
    const struct {
        int item, comanda, venta, lista;
        const char* anulacion;
    } pasteles[] = {{2001, 101, 10, 30, "NULL"}, {2002, 101, 12, 32, "NULL"}, {2003, 101, 99, 99, "1"}, {2004, 103, 50, 60, "NULL"}};
    for (const auto& p : pasteles)
        db.execute(QStringLiteral("INSERT INTO ProductosXCuenta (ID_ProductosXCuenta, ID_Comanda, Num_Cuenta, ID_Producto, Precio_Venta,"
                                  " Precio_Original, ID_Tipo_Anulacion, Control) VALUES (%1, %2, 1, 40, %3, %4, %5, 1)")
                       .arg(p.item)
                       .arg(p.comanda)
                       .arg(p.venta)
                       .arg(p.lista)
                       .arg(QLatin1String(p.anulacion)));
    RepPMIX* w = abrePMIX();
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(busca(w, QStringLiteral("COMIDA"), false),
              QStringList({QStringLiteral("HAMBURGUESA 1 100.00 100.00 100.00 81.97%"), QStringLiteral("PASTEL 2 11.00 22.00 11.00 18.03%")}));
    // The real price, the highest list price sold.
    EXPECT_EQ(w->rejilla()->text(8, 3), QStringLiteral("100.00"));
    EXPECT_EQ(w->rejilla()->text(9, 3), QStringLiteral("32.00"));
}

// A day's products are summed from that day's checks: the plan reads no item beyond them.
TEST_F(PMIX, ADayReadsOnlyItsOwnItems)
{
    const QStringList pasos = filas(QStringLiteral("EXPLAIN QUERY PLAN ")
                                    + RepPMIX::articulosVendidos(QDate(2024, 3, 15), QDate(2024, 3, 15), QString()));
    for (const QString& paso : pasos) {
        const QString detalle = paso.section(QStringLiteral(" | "), 3);
        EXPECT_FALSE(detalle.contains(QStringLiteral("AUTOMATIC")) && !detalle.startsWith(QStringLiteral("SEARCH V ")))
            << detalle.toStdString();
        const QString escaneada = detalle.startsWith(QStringLiteral("SCAN ")) ? detalle.section(QLatin1Char(' '), 1, 1) : QString();
        EXPECT_NE(escaneada, QStringLiteral("P")) << detalle.toStdString();
        EXPECT_NE(escaneada, QStringLiteral("Comanda")) << detalle.toStdString();
    }
}

TEST_F(PMIX, ADayWithoutSalesSaysSoAndKeepsTheHeading)
{
    RepPMIX* w = abrePMIX();
    ASSERT_NE(w, nullptr);
    w->dtpFecha->setDate(QDate(2024, 1, 1));
    w->dtpFechaFin->setDate(QDate(2024, 1, 1));
    EXPECT_TRUE(busca(w, QStringLiteral("TODAS"), true).isEmpty());
    ASSERT_EQ(boxes.boxes().size(), 1);
    EXPECT_EQ(boxes.boxes().first().text, QStringLiteral("No hay registros"));
    EXPECT_EQ(boxes.boxes().first().icon(), ui::Information);
    EXPECT_EQ(boxes.boxes().first().caption, QStringLiteral("Vereduda Zorva"));
    EXPECT_EQ(w->rejilla()->rowCount(), 7);
    EXPECT_EQ(w->rejilla()->text(6, 4), QStringLiteral("Vendidos"));
}

} // namespace
