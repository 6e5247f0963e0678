#include "reports/rep_det_gold_card.h"

#include "platform/grid/grid.h"
#include "reports/renglones.h"
#include "reports/valor_campo.h"

namespace {

constexpr double kAnchos[7] = {19.12, 8.37, 12, 18.25, 19.25, 9.25, 16};

void celda(grid::Grid& g, int fila, int columna, const QString& texto, Qt::Alignment alineacion)
{
    g.setCellFormat(fila, columna, grid::CellFormat::staticText());
    g.setCellAlignment(fila, columna, alineacion);
    g.setText(fila, columna, texto);
}

} // namespace

RepDetGoldCard::RepDetGoldCard(QWidget* parent) : GoldCard(QStringLiteral("RepDetGoldCard"), kAnchos, parent)
{
}

void RepDetGoldCard::subtotal(const QString& etiqueta, double monto)
{
    grid::Grid* g = rejilla();
    AgregaRenglon(*g, etiqueta);
    const int fila = g->activeRow();
    g->setRangeBorder(grid::CellRange{fila, 2, fila, 6}, Qt::TopEdge);
    g->setCellFormat(fila, 6, grid::CellFormat::currency());
    g->setCellAlignment(fila, 6, Qt::AlignRight);
    g->setValue(fila, 6, monto);
}

void RepDetGoldCard::buscar()
{
    grid::Grid* g = rejilla();
    inicia();
    agregaFila();
    AgregaTitulo(*g, QStringLiteral("Detalle de consumos de gold card"));
    g->setSpan(g->activeRow(), 1, 1, 3);

    adodb::Recordset rs = consulta(
        QStringLiteral("select cvecliente as Clave, id_comanda, nombrecliente as Nombre,fechaTrabajo,id_Comanda,Total as Monto,"
                       " Gerente, Empleado, num_cuenta  from Vw_ReporteCortesiasEspeciales")
        + condicionPeriodo() + QStringLiteral(" order by nombrecliente,fechatrabajo"));

    const int titulos = agregaFila();
    const QStringList textos{QStringLiteral("Usuario"), QStringLiteral("Folio"), QStringLiteral("Fecha"),
                             QStringLiteral("Autorizo"), QStringLiteral("Vendedor"), QStringLiteral("Monto")};
    for (int c = 1; c <= textos.size(); ++c) {
        celda(*g, titulos, c, textos.at(c - 1), Qt::AlignHCenter);
        g->setCellBold(titulos, c, true);
    }

    // Each customer's subtotal starts at 0 and gets its row, whatever its sign.
    double subtotalCliente = 0;
    QString anterior;
    bool filasDelCliente = false;
    while (true) {
        int fila = agregaFila();
        if (rs.eof())
            break;
        celda(*g, fila, 1, QString(), Qt::AlignLeft);
        const QString nombre = rs.field(QStringLiteral("Nombre")).text();
        if (nombre != anterior) {
            if (filasDelCliente)
                subtotal(QStringLiteral("Total (") + anterior + QStringLiteral("):"), subtotalCliente);
            subtotalCliente = 0;
            g->setRowCount(g->rowCount() + 2);
            fila = g->rowCount();
            g->setActiveCell(fila, 1);
            anterior = nombre;
            g->setText(fila, 1, nombre);
        }
        filasDelCliente = true;
        celda(*g, fila, 2, rs.field(QStringLiteral("id_comanda")).text(), Qt::AlignRight);
        celda(*g, fila, 3, rs.field(QStringLiteral("FechaTrabajo")).text().replace(QLatin1Char('.'), QLatin1Char('/')),
              Qt::AlignLeft);
        celda(*g, fila, 4, rs.field(QStringLiteral("Gerente")).text(), Qt::AlignLeft);
        celda(*g, fila, 5, rs.field(QStringLiteral("Empleado")).text(), Qt::AlignLeft);
        const double monto = numeroCampo(rs, QStringLiteral("Monto"));
        g->setCellFormat(fila, 6, grid::CellFormat::currency());
        g->setCellAlignment(fila, 6, Qt::AlignRight);
        g->setValue(fila, 6, monto);
        subtotalCliente += monto;
        rs.moveNext();
    }
    if (filasDelCliente)
        subtotal(QStringLiteral("Total(") + anterior + QStringLiteral("):"), subtotalCliente);
    termina();
}
