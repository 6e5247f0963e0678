// The payment details report, on the shared sales data set.
#include "platform/grid/grid.h"
#include "platform/grid/grid_stack.h"
#include "reports/rep_pagos.h"
#include "tests/foundation/forms/typing.h"
#include "tests/reports/reportes_fixture.h"

#include <QDateEdit>
#include <QPushButton>
#include <QTest>

namespace {

class Pagos : public ReportesDb {
protected:
    RepPagos* abrePagos() { return abre<RepPagos>(QStringLiteral("mnuRepPagos"), QStringLiteral("RepPagos")); }
    QStringList busca(RepPagos* w)
    {
        QTest::mouseClick(w->botonBuscar(), Qt::LeftButton);
        return filasRejilla(w->rejilla());
    }
    static bool lineaInferior(const grid::Grid* g, int renglon)
    {
        for (int c = 1; c <= g->columnCount(); ++c)
            if (!(g->cellBorder(renglon, c).edges & Qt::BottomEdge))
                return false;
        return true;
    }
};

// The heading block of the design, rows 1 to 9.
const QStringList kEncabezado{
    QStringLiteral("                           INFORME DE DETALLES DE PAGO |  |  |  |  | "),
    QStringLiteral(" |  |         15/03/2024 - 15/03/2024 |  |  | "),
    QStringLiteral(" |  |  |  |  | "),
    QStringLiteral(" |  |  |  |  | "),
    QStringLiteral(" |  |  |  |  | "),
    QStringLiteral(" | ********PAGOS******** |  |  |  | "),
    QStringLiteral(" | *******RESUMEN******* |  |  |  | "),
    QStringLiteral("Forma de Pago | Cantidad | Monto | Propina | Total | %Total"),
    QStringLiteral(" |  |  |  |  | "),
};

TEST_F(Pagos, PaymentsAndCourtesiesPerTypeWithTheirShares)
{
    RepPagos* w = abrePagos();
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(w->windowTitle(), QStringLiteral("Informe de Detalles de Pago(Pago)"));
    EXPECT_EQ(w->dtpFechaFin->date(), QDate(2024, 3, 15));
    const QStringList filas = busca(w);
    // A tip left empty counts as 0: the cash payment of 35.60 stays in every figure.
    const QStringList esperadas = kEncabezado + QStringList{
        QStringLiteral("EFECTIVO | 2 | $47.60 | $2.00 | $49.60 | 30.13%"),
        QStringLiteral("TARJETA | 1 | $100.00 | $15.00 | $115.00 | 69.87%"),
        QStringLiteral(" |  |  |  |  | "),
        QStringLiteral("Total de Pagos | 3 | $147.60 | $17.00 | $164.60 | 100.00%"),
        QStringLiteral(" |  |  |  |  | "),
        QStringLiteral(" |  |  |  |  | "),
        QStringLiteral(" |  |  |  |  | "),
        QStringLiteral(" | *****CORTESIAS****** |  |  |  | "),
        QStringLiteral(" | *****RESUMEN******* |  |  |  | "),
        QStringLiteral("Tipo de Cortesia | Cantidad | Monto | %Total |  | "),
        QStringLiteral(" |  |  |  |  | "),
        QStringLiteral("GERENCIA | 1 | $20.00 | 100.00% |  | "),
        QStringLiteral(" |  |  |  |  | "),
        QStringLiteral("Cortesias Totales | 1 | $20.00 | 100.00% |  | "),
    };
    EXPECT_EQ(filas, esperadas) << filas.join(QLatin1Char('\n')).toStdString();
    const grid::Grid* g = w->rejilla();
    EXPECT_FALSE(g->isColumnHeaderVisible());
    EXPECT_EQ(g->cellBackground(4, 6), QColor(128, 128, 128));
    for (int r : {8, 12, 19, 22})
        EXPECT_TRUE(lineaInferior(g, r)) << r;
    for (int c = 1; c <= 6; ++c)
        EXPECT_TRUE(g->cellFont(13, c).bold()) << c;
    EXPECT_TRUE(g->cellFont(23, 1).bold() && g->cellFont(23, 4).bold());
    EXPECT_FALSE(g->cellFont(10, 1).bold());

    // A second search replaces the rows below the heading; 14/03 adds the check of that day.
    w->dtpFecha->setDate(QDate(2024, 3, 14));
    const QStringList dosDias = busca(w);
    ASSERT_EQ(dosDias.size(), 23);
    EXPECT_EQ(dosDias.mid(0, 9).count(QStringLiteral("Forma de Pago | Cantidad | Monto | Propina | Total | %Total")), 1);
    EXPECT_EQ(dosDias.at(9), QStringLiteral("EFECTIVO | 3 | $70.80 | $3.00 | $73.80 | 39.09%"));
    EXPECT_EQ(dosDias.at(12), QStringLiteral("Total de Pagos | 4 | $170.80 | $18.00 | $188.80 | 100.00%"));
    EXPECT_TRUE(boxes.boxes().isEmpty());
}

TEST_F(Pagos, AnEmptyPeriodGivesTheEmptyLayout)
{
    RepPagos* w = abrePagos();
    ASSERT_NE(w, nullptr);
    busca(w);
    // A start after the end selects nothing, as a day without sales does.
    w->dtpFecha->setDate(QDate(2024, 3, 16));
    QStringList encabezado = kEncabezado;
    encabezado[1] = QStringLiteral(" |  |         16/03/2024 - 15/03/2024 |  |  | ");
    const QStringList vacia = encabezado + QStringList{
        QStringLiteral(" |  |  |  |  | "),
        QStringLiteral("Total de Pagos |  |  |  | $0.00 | 0.00%"),
        QStringLiteral(" |  |  |  |  | "),
        QStringLiteral(" |  |  |  |  | "),
        QStringLiteral(" |  |  |  |  | "),
        QStringLiteral(" | *****CORTESIAS****** |  |  |  | "),
        QStringLiteral(" | *****RESUMEN******* |  |  |  | "),
        QStringLiteral("Tipo de Cortesia | Cantidad | Monto | %Total |  | "),
        QStringLiteral(" |  |  |  |  | "),
        QStringLiteral(" |  |  |  |  | "),
        QStringLiteral("Cortesias Totales | 0 | $0.00 | 0.00% |  | "),
    };
    EXPECT_EQ(busca(w), vacia);
    EXPECT_TRUE(lineaInferior(w->rejilla(), 10));
    EXPECT_TRUE(lineaInferior(w->rejilla(), 19));

    // Amounts and tips adding up to 0: 0 % rows and a 0 % sum.
    w->dtpFecha->setDate(QDate(2024, 3, 15));
    db.execute(QStringLiteral("UPDATE Pago SET Monto_Pago=0, Propina=NULL; UPDATE Cortesia SET Monto=0"));
    const QStringList ceros = busca(w);
    EXPECT_EQ(ceros.at(9), QStringLiteral("EFECTIVO | 2 | $0.00 | $0.00 | $0.00 | 0.00%"));
    EXPECT_EQ(ceros.at(12), QStringLiteral("Total de Pagos | 3 | $0.00 | $0.00 | $0.00 | 0.00%"));
    EXPECT_EQ(ceros.last(), QStringLiteral("Cortesias Totales | 1 | $0.00 | 0.00% |  | "));
    EXPECT_TRUE(boxes.boxes().isEmpty());
}

TEST_F(Pagos, SearchingFromThePreviewShowsTheGridAndThePrintCarriesTheCompanyLineOnce)
{
    RepPagos* w = abrePagos();
    ASSERT_NE(w, nullptr);
    ASSERT_TRUE(click(21));
    EXPECT_TRUE(w->pila()->isPreviewShown());
    busca(w);
    EXPECT_FALSE(w->pila()->isPreviewShown());

    imprime(w, QStringLiteral("primera.pdf"));
    const QStringList paginas = imprime(w, QStringLiteral("pagos.pdf"));
    ASSERT_EQ(paginas.size(), 1) << "pdftotext (poppler-utils) read nothing";
    EXPECT_EQ(paginas.first().count(QStringLiteral("ZORVA VEREDUDA")), 1);
    EXPECT_TRUE(paginas.first().contains(QStringLiteral("INFORME DE DETALLES DE PAGO")));
    EXPECT_TRUE(paginas.first().contains(QStringLiteral("Cortesias Totales")));
    EXPECT_TRUE(paginas.first().contains(QStringLiteral("15/marzo/2024 12:00:00 página 1 de 1")));
    EXPECT_FALSE(w->rejilla()->printSettings().printBorder);
    EXPECT_EQ(w->rejilla()->printSettings().orientation, grid::Orientation::Portrait);
}

TEST_F(Pagos, EscClosesTheWindow)
{
    QPointer<RepPagos> w = abrePagos();
    ASSERT_NE(w, nullptr);
    w->dtpFecha->setFocus();
    QTest::keyClick(w->dtpFecha, Qt::Key_Escape);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(w.isNull());

}

} // namespace
