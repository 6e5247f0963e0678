#include "tickets/rep_cuentas.h"

#include "foundation/routines/fecha_trabajo.h"
#include "platform/grid/grid.h"
#include "tickets/consultas_cuentas.h"
#include "tickets/drill_down.h"
#include "tickets/rep_cuenta_detalle.h"
#include "tickets/rep_det_cuentas.h"

#include <QDateEdit>
#include <QLabel>

namespace {

RepVentana::Ajustes ajustesCuentas()
{
    RepVentana::Ajustes a;
    a.titulo = QStringLiteral("Reporte de Cuentas por Comanda");
    // Wide enough for the list's columns and the selection controls.
    a.disenoTwips = QSize(12600, 6600);
    a.escCierra = true;
    a.vistaOcultaAlActivar = true;
    a.encabezado = RepVentana::Encabezado::LineaEmpresa;
    a.bordeImpresion = false;
    a.margenSuperior = 100;
    a.margenInferior = 100;
    a.margenIzquierdo = 100;
    a.margenDerecho = 100;
    a.orientacion = grid::Orientation::Portrait;
    return a;
}

constexpr int kColumnas = 8;
constexpr int kControl = 8;

// A number as the list writes it: a blank in place of the sign of a non-negative one.
QString conSigno(qint64 n)
{
    return n < 0 ? QString::number(n) : QLatin1Char(' ') + QString::number(n);
}

void disenaEncabezado(grid::Grid& g)
{
    g.setColumnCount(kColumnas);
    g.setRowCount(RepCuentas::kFilasEncabezado);
    g.setColumnHeaderVisible(false);
    g.setRowHeaderVisible(false);
    const double anchos[] = {9, 9, 22.62, 15, 15.75, 17.37, 9.75, 0};
    for (int c = 1; c <= kColumnas; ++c)
        g.setColumnWidth(c, anchos[c - 1]);
    g.setColumnHidden(kControl, true);
    g.setSpan(1, 4, 1, 2);
    g.setText(1, 4, QStringLiteral("INFORME DE CUENTAS "));
    g.setCellBold(1, 4, true);
    g.setCellFontSize(1, 4, 14);
    g.setSpan(2, 4, 1, 2);
    for (int c = 1; c <= 7; ++c)
        g.setCellBackground(4, c, QColor(128, 128, 128));
    const QStringList titulos{QStringLiteral("No. Cuenta"),          QStringLiteral("No. Mesa"),
                              QStringLiteral("Empleado"),            QStringLiteral("Fecha  Trabajo "),
                              QStringLiteral("Fecha - Hr Apertura"), QStringLiteral("Fecha - Hr Cierre"),
                              QStringLiteral("Monto")};
    for (int c = 1; c <= titulos.size(); ++c) {
        g.setText(6, c, titulos.at(c - 1));
        g.setCellBold(6, c, true);
    }
    g.setColumnFormat(7, grid::CellFormat::currency());
    g.setAllLocked(true);
    g.setProtected(true);
}

} // namespace

RepCuentas::RepCuentas(QWidget* parent) : RepVentana(QStringLiteral("RepCuentas"), ajustesCuentas(), parent)
{
    dtpFecha = agregaFecha(QStringLiteral("dtpFecha"), QStringLiteral("Fecha Inicio:"));
    dtpFechaFin = agregaFecha(QStringLiteral("dtpFechaFin"), QStringLiteral("Fecha Fin:"));
    agregaBuscar(QStringLiteral("cmdBuscar"), QStringLiteral("Buscar datos"));
    grid::Grid* fpsDatos = creaRejilla(QStringLiteral("fpsDatos"), QStringLiteral("fpsVista"));
    disenaEncabezado(*fpsDatos);
    connect(fpsDatos, &grid::Grid::doubleClicked, this, [this](int fila, int columna) { fpsDatos_DblClick(columna, fila); });
}

void RepCuentas::buscar()
{
    grid::Grid* g = rejilla();
    const QDate desde = dtpFecha->date(), hasta = dtpFechaFin->date();
    g->setText(2, 4, desde.toString(QStringLiteral("dd/MM/yyyy")) + QStringLiteral(" - ") + hasta.toString(QStringLiteral("dd/MM/yyyy")));
    g->setRowCount(kFilasEncabezado);
    adodb::Recordset rs = consulta(consultascuentas::lista(desde, hasta));
    // One step: the rows are made at once, only the cells that hold something are written, and the
    // cells are read by position.
    const grid::QuietCellWrites llenado(*g);
    const int filas = rs.recordCount();
    g->setRowCount(kFilasEncabezado + filas);
    for (int r = 0; r < filas; ++r) {
        const int fila = kFilasEncabezado + 1 + r;
        g->setText(fila, 1, conSigno(rs.cell(r, 0).toLongLong()));
        if (const QVariant mesa = rs.cell(r, 1); !mesa.isNull())
            g->setText(fila, 2, conSigno(mesa.toLongLong()));
        for (int c = 2; c <= 5; ++c)
            if (const QVariant texto = rs.cell(r, c); !texto.isNull())
                g->setText(fila, c + 1, texto.toString());
        g->setValue(fila, 7, rs.cell(r, 6).toDouble());
        g->setText(fila, kControl, QString::number(rs.cell(r, 7).toLongLong()));
    }
    g->setAllLocked(true);
}

void RepCuentas::fpsDatos_DblClick(int, int fila)
{
    grid::Grid* g = rejilla();
    if (fila <= kFilasEncabezado || fila > g->rowCount())
        return;
    const std::optional<qint32> comanda = drilldown::entero(g->text(fila, 1));
    const std::optional<qint32> control = drilldown::entero(g->text(fila, kControl));
    if (!comanda || !control)
        return;
    try {
        adodb::Recordset cuentas = consulta(QStringLiteral("SELECT Num_Cuenta FROM Cuenta WHERE ID_Comanda=%1 AND Control=%2 ORDER BY Num_Cuenta")
                                                .arg(*comanda)
                                                .arg(*control));
        const int total = cuentas.recordCount();
        if (total == 1) {
            const int cuenta = cuentas.value(QStringLiteral("Num_Cuenta")).toInt();
            adodb::Recordset productos = consulta(consultascuentas::productosConImpuesto(*comanda, *control, cuenta));
            auto* detalle = new RepDetCuentas;
            detalle->lblComanda->setText(g->text(fila, 1));
            detalle->setComanda(*comanda);
            detalle->setControl(*control);
            detalle->setCuenta(cuenta);
            detalle->agregaProductos(productos, QStringLiteral("Precio_Venta"));
            drilldown::abre(detalle);
        } else if (total > 1) {
            auto* porComanda = new RepCuentaDetalle(*comanda, *control);
            porComanda->lblComanda->setText(g->text(fila, 1));
            porComanda->llena();
            drilldown::abre(porComanda);
        }
    } catch (const adodb::ComError& e) {
        drilldown::fallo(e.description());
    }
}
