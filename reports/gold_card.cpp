#include "reports/gold_card.h"

#include "platform/grid/grid.h"
#include "platform/grid/grid_stack.h"
#include "reports/renglones.h"

#include <QDateEdit>
#include <QPushButton>

namespace {

RepVentana::Ajustes ajustesGoldCard()
{
    RepVentana::Ajustes a;
    a.titulo = QStringLiteral("Gold Card");
    a.maximizada = true;
    a.escCierra = true;
    a.vistaOcultaAlActivar = true;
    a.encabezado = RepVentana::Encabezado::LineaEmpresa;
    a.bordeImpresion = false;
    a.margenSuperior = 100;
    a.margenInferior = 100;
    a.margenIzquierdo = 300;
    a.orientacion = grid::Orientation::Portrait;
    a.vistaSoloMargenes = RepVentana::Ajustes::MargenesVista{350, 0, false};
    return a;
}

constexpr int kFilasEncabezado = 4;

} // namespace

GoldCard::GoldCard(const QString& nombre, const double (&anchos)[7], QWidget* parent)
    : RepVentana(nombre, ajustesGoldCard(), parent)
{
    dtpFecha = agregaFecha(QStringLiteral("dtpFecha"), QStringLiteral("Fecha Inicio:"));
    dtpFechaFin = agregaFecha(QStringLiteral("dtpFechaFin"), QStringLiteral("Fecha Fin:"));
    agregaBuscar(QStringLiteral("cmbBuscar"), QStringLiteral("Buscar registros"));
    grid::Grid* g = creaRejilla(QStringLiteral("sprDatos"), QStringLiteral("PrvVista"));
    g->setColumnCount(7);
    g->setRowCount(5);
    g->setColumnHeaderVisible(false);
    g->setRowHeaderVisible(false);
    g->setAllLocked(true);
    for (int c = 1; c <= 7; ++c)
        g->setColumnWidth(c, anchos[c - 1]);
    for (int c = 2; c <= 6; ++c) {
        g->setCellBold(1, c, true);
        g->setCellFontSize(1, c, 12);
    }
    g->setSpan(1, 4, 1, 3);
    g->setSpan(2, 5, 1, 2);
    g->setRangeBackground(grid::CellRange{4, 1, 4, 7}, QColor(128, 128, 128));
}

QString GoldCard::condicionPeriodo() const
{
    return QStringLiteral(" where idtipocliente = 2 and fechatrabajo between '")
        + dtpFecha->date().toString(QStringLiteral("yyyy.MM.dd")) + QStringLiteral("' AND '")
        + dtpFechaFin->date().toString(QStringLiteral("yyyy.MM.dd")) + QLatin1Char('\'');
}

double GoldCard::inicia()
{
    grid::Grid* g = rejilla();
    g->setRowCount(kFilasEncabezado);
    // The title's span takes the place of the design's in row 1, so the title shows whole.
    if (g->columnSpan(1, 3) != 3)
        g->setSpan(1, 4, 1, 1);
    g->setCellBold(1, 3, true);
    g->setText(1, 3, QStringLiteral("REPORTE DE GOLD CARD"));
    g->setSpan(1, 3, 1, 3);
    g->setCellBold(3, 3, true);
    g->setText(3, 3, QStringLiteral("     ") + dtpFecha->date().toString(QStringLiteral("dd/MM/yyyy"))
                         + QStringLiteral(" - ") + dtpFechaFin->date().toString(QStringLiteral("dd/MM/yyyy")));
    g->setSpan(3, 3, 1, 3);

    adodb::Recordset rs = consulta(QStringLiteral(" select sum(total) as Monto From Vw_ReporteCortesiasEspeciales")
                                   + condicionPeriodo());
    const QVariant suma = rs.eof() ? QVariant() : rs.field(QStringLiteral("Monto")).value();
    const double total = suma.isNull() ? 0.0 : suma.toDouble();
    AgregaRenglon(*g, QStringLiteral("TOTAL GOLD CARD: "));
    EscribeMonto(*g, total);
    return total;
}

int GoldCard::agregaFila()
{
    grid::Grid* g = rejilla();
    const int fila = g->rowCount() + 1;
    g->setRowCount(fila);
    g->setActiveCell(fila, 1);
    return fila;
}

void GoldCard::termina()
{
    grid::Grid* g = rejilla();
    const int fila = agregaFila();
    g->setCellBold(fila, 3, true);
    g->setText(fila, 3, QStringLiteral("     *********** Fin del reporte ***********"));
    g->setSpan(fila, 3, 1, 3);
    pila()->showGrid();
}

