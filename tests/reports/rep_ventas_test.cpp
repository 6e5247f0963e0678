// The daily sales report, on the shared sales data set and on small day-part fixtures.
#include "foundation/database/cls_ado.h"
#include "platform/grid/grid.h"
#include "reports/rep_ventas.h"
#include "tests/reports/reportes_fixture.h"

#include <QDateEdit>
#include <QPushButton>
#include <QTest>

namespace {

class Ventas : public ReportesDb {
protected:
    RepVentas* abreVentas() { return abre<RepVentas>(QStringLiteral("mnuRepVentas"), QStringLiteral("RepVentas")); }

    // Sets the period and presses "Buscar registros"; the rows below the heading, cells joined by
    // " | " up to the last one written.
    QStringList busca(RepVentas* w, const QDate& desde, const QDate& hasta)
    {
        w->dtpFecha->setDate(desde);
        w->dtpFechaFin->setDate(hasta);
        QTest::mouseClick(w->botonBuscar(), Qt::LeftButton);
        return renglones(w->rejilla(), 5);
    }

    static QStringList renglones(const grid::Grid* g, int desde)
    {
        QStringList out;
        for (int r = desde; r <= g->rowCount(); ++r) {
            QStringList celdas;
            for (int c = 1; c <= g->columnCount(); ++c)
                celdas << g->text(r, c);
            while (!celdas.isEmpty() && celdas.last().isEmpty())
                celdas.removeLast();
            out << celdas.join(QStringLiteral(" | "));
        }
        return out;
    }
};

TEST_F(Ventas, Dump)
{
    RepVentas* w = abreVentas();
    ASSERT_NE(w, nullptr);
    const QStringList r = busca(w, QDate(2024, 3, 15), QDate(2024, 3, 15));
    for (const QString& s : r)
        printf("%s\n", qPrintable(s));
}

} // namespace
