#include "reports/rep_gold_card.h"

#include "platform/grid/grid.h"
#include "reports/renglones.h"

namespace {

constexpr double kAnchos[7] = {29.75, 13, 12, 13.62, 16, 15.5, 16};

} // namespace

RepGoldCard::RepGoldCard(QWidget* parent) : GoldCard(QStringLiteral("RepGoldCard"), kAnchos, parent)
{
}

void RepGoldCard::buscar()
{
    grid::Grid* g = rejilla();
    const double total = inicia();
    agregaFila();
    AgregaTitulo(*g, QStringLiteral("Resumen de gold card"));
    g->setSpan(g->activeRow(), 1, 1, 3);

    adodb::Recordset rs = consulta(
        QStringLiteral("select cvecliente as Clave,nombrecliente as Nombre,sum(total) as Monto From Vw_ReporteCortesiasEspeciales")
        + condicionPeriodo() + QStringLiteral(" group by cvecliente,nombrecliente order by nombrecliente"));

    const int titulos = agregaFila();
    for (int c = 1; c <= 2; ++c) {
        g->setCellAlignment(titulos, c, Qt::AlignHCenter);
        g->setCellBold(titulos, c, true);
    }
    g->setText(titulos, 1, QStringLiteral("Empleado"));
    g->setText(titulos, 2, QStringLiteral("Monto"));

    while (true) {
        const int fila = agregaFila();
        if (rs.eof())
            break;
        g->setCellFormat(fila, 1, grid::CellFormat::staticText());
        g->setCellAlignment(fila, 1, Qt::AlignLeft);
        g->setText(fila, 1, rs.field(QStringLiteral("Nombre")).text());
        const QVariant monto = rs.field(QStringLiteral("Monto")).value();
        g->setCellFormat(fila, 2, grid::CellFormat::currency());
        g->setCellAlignment(fila, 2, Qt::AlignRight);
        g->setValue(fila, 2, monto.isNull() ? 0.0 : monto.toDouble());
        rs.moveNext();
    }
    AgregaRenglon(*g, QStringLiteral("TOTAL"));
    const int fila = g->activeRow();
    g->setCellBorder(fila, 2, Qt::TopEdge);
    g->setCellFormat(fila, 2, grid::CellFormat::currency());
    g->setCellAlignment(fila, 2, Qt::AlignRight);
    g->setValue(fila, 2, total);
    termina();
}
