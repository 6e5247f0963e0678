#include "tickets/rep_cuenta_detalle.h"

#include "platform/grid/grid.h"
#include "tickets/consultas_cuentas.h"
#include "tickets/drill_down.h"
#include "tickets/rep_det_cuentas.h"

#include <QLabel>

namespace {

RepVentana::Ajustes ajustesPorComanda()
{
    RepVentana::Ajustes a;
    a.titulo = QStringLiteral("Cuentas por Comanda");
    a.disenoTwips = QSize(5892, 3564);
    a.encabezado = RepVentana::Encabezado::LineaEmpresa;
    a.bordeImpresion = true;
    a.margenSuperior = 300;
    a.margenInferior = 100;
    a.margenIzquierdo = 150;
    a.margenDerecho = 100;
    a.orientacion = grid::Orientation::Portrait;
    return a;
}

} // namespace

RepCuentaDetalle::RepCuentaDetalle(qint32 comanda, qint32 control, QWidget* parent)
    : RepVentana(QStringLiteral("RepCuentaDetalle"), ajustesPorComanda(), parent), m_comanda(comanda), m_control(control)
{
    lblComanda = new QLabel(this);
    lblComanda->setObjectName(QStringLiteral("lblComanda"));
    QFont negrita = lblComanda->font();
    negrita.setBold(true);
    lblComanda->setFont(negrita);
    agregaControl(lblComanda, QStringLiteral("Comanda:"));
    grid::Grid* fpsDetalle = creaRejilla(QStringLiteral("fpsDetalle"), QStringLiteral("PrvVista"));
    fpsDetalle->setColumnCount(3);
    const QStringList titulos{QStringLiteral("No. Cuenta"), QStringLiteral("Total de Artículos"), QStringLiteral("Monto")};
    const double anchos[] = {8.37, 14.87, 14.37};
    for (int c = 1; c <= 3; ++c) {
        fpsDetalle->setText(0, c, titulos.at(c - 1));
        fpsDetalle->setColumnWidth(c, anchos[c - 1]);
    }
    fpsDetalle->setColumnFormat(3, grid::CellFormat::currency());
    fpsDetalle->setProtected(true);
    connect(fpsDetalle, &grid::Grid::doubleClicked, this, [this](int fila, int columna) { fpsDetalle_DblClick(columna, fila); });
}

void RepCuentaDetalle::activaExtras()
{
    rejilla()->setProtected(true);
}

void RepCuentaDetalle::llena()
{
    grid::Grid* g = rejilla();
    g->setRowCount(0);
    const adodb::Recordset rs = consulta(consultascuentas::cuentas(m_comanda, m_control));
    const grid::QuietCellWrites llenado(*g);
    const int filas = rs.recordCount();
    g->setRowCount(filas);
    for (int r = 0; r < filas; ++r) {
        g->setText(r + 1, 1, QString::number(rs.cell(r, 0).toLongLong()));
        g->setText(r + 1, 2, QString::number(rs.cell(r, 1).toLongLong()));
        g->setValue(r + 1, 3, rs.cell(r, 2).toDouble());
        g->setRowLocked(r + 1, true);
    }
    g->setProtected(true);
}

void RepCuentaDetalle::fpsDetalle_DblClick(int, int fila)
{
    grid::Grid* g = rejilla();
    if (fila < 1 || fila > g->rowCount())
        return;
    const std::optional<qint32> cuenta = drilldown::entero(g->text(fila, 1));
    if (!cuenta)
        return;
    try {
        adodb::Recordset rs = consulta(consultascuentas::productosNetos(m_comanda, m_control, *cuenta));
        auto* detalle = new RepDetCuentas;
        detalle->lblComanda->setText(lblComanda->text());
        detalle->setComanda(m_comanda);
        detalle->setControl(m_control);
        detalle->setCuenta(*cuenta);
        detalle->agregaProductos(rs, QStringLiteral("Monto"));
        drilldown::abre(detalle);
    } catch (const adodb::ComError& e) {
        drilldown::fallo(e.description());
    }
}
