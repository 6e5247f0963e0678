#include "tickets/rep_det_cuentas.h"

#include "foundation/database/cls_ado.h"
#include "platform/grid/grid.h"
#include "platform/ui/msgbox.h"
#include "tickets/ticket.h"

#include <QLabel>

namespace {

RepVentana::Ajustes ajustesDetalle()
{
    RepVentana::Ajustes a;
    a.titulo = QStringLiteral("Detalle de las Cuentas");
    a.disenoTwips = QSize(6000, 4200);
    a.encabezado = RepVentana::Encabezado::LineaEmpresa;
    return a;
}

} // namespace

RepDetCuentas::RepDetCuentas(QWidget* parent)
    : RepVentana(QStringLiteral("RepDetCuentas"), ajustesDetalle(), parent), CtlTrabajos1(g_ClsAdo().conexion())
{
    lblComanda = new QLabel(this);
    lblComanda->setObjectName(QStringLiteral("lblComanda"));
    QFont negrita = lblComanda->font();
    negrita.setBold(true);
    lblComanda->setFont(negrita);
    agregaControl(lblComanda, QStringLiteral("Comanda:"));
    grid::Grid* fpsDetalle = creaRejilla(QStringLiteral("fpsDetalle"), QStringLiteral("PrvVista"));
    fpsDetalle->setColumnCount(2);
    fpsDetalle->setText(0, 1, QStringLiteral("Nombre del Producto"));
    fpsDetalle->setText(0, 2, QStringLiteral("Monto"));
    fpsDetalle->setColumnWidth(1, 24.87);
    fpsDetalle->setColumnWidth(2, 14.25);
    fpsDetalle->setColumnFormat(2, grid::CellFormat::currency());
    fpsDetalle->setProtected(true);
}

void RepDetCuentas::agregaProductos(const adodb::Recordset& productos, const QString& monto)
{
    grid::Grid* g = rejilla();
    const grid::QuietCellWrites llenado(*g);
    const int antes = g->rowCount();
    const int filas = productos.recordCount();
    const int nombre = productos.field(QStringLiteral("Nombre_Completo")).index();
    const int importe = productos.field(monto).index();
    g->setRowCount(antes + filas);
    for (int r = 0; r < filas; ++r) {
        const int fila = antes + 1 + r;
        g->setText(fila, 1, productos.cell(r, nombre).toString());
        g->setValue(fila, 2, productos.cell(r, importe).toDouble());
        g->setRowLocked(fila, true);
    }
}

void RepDetCuentas::preparaImpresion(bool)
{
    grid::PrintSettings s = rejilla()->printSettings();
    s.marginLeft = 0;
    s.marginRight = 0;
    s.printBorder = true;
    rejilla()->setPrintSettings(s);
}

namespace {

// Adds `paso` to the account's reprint count; raises when that changes anything but its one row.
void cuentaReimpresion(const QString& condicion, int paso)
{
    const QString cambio = paso > 0 ? QStringLiteral("Num_Impresiones=IFNULL(Num_Impresiones,0)+1")
                                    : QStringLiteral("Num_Impresiones=MAX(IFNULL(Num_Impresiones,0)-1,0)");
    adodb::Recordset ninguno;
    long filas = 0;
    if (!g_ClsAdo().Modificar(ninguno, QStringLiteral("Cuenta"), cambio, condicion, false, &filas) || filas != 1)
        throw adodb::ComError(adodb::err::OperationNotAllowed, QStringLiteral("No se pudo registrar la reimpresión del ticket"),
                              QStringLiteral("RepDetCuentas"));
}

} // namespace

void RepDetCuentas::BotonImprimir()
{
    // An opener that names no account prints the first.
    const int cuenta = m_cuenta != 0 ? m_cuenta : 1;
    const QString condicion = QStringLiteral("id_comanda=%1 AND Control=%2 AND Num_Cuenta=%3").arg(m_comanda).arg(m_control).arg(cuenta);
    // The reprint is counted with the closed job, before the paper is out, and taken back when the
    // ticket does not print: the count never disagrees with the paper.
    CtlTrabajos1.registraAlCerrar({[condicion] { cuentaReimpresion(condicion, 1); },
                                   [condicion] { cuentaReimpresion(condicion, -1); }});
    const bool impreso = ImprimeTicket(CtlTrabajos1, m_comanda, cuenta, m_control);
    CtlTrabajos1.registraAlCerrar({});
    if (impreso && !CtlTrabajos1.aviso().isEmpty())
        ui::msgBox(CtlTrabajos1.aviso(), ui::Exclamation);
}
