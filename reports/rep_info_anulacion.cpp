#include "reports/rep_info_anulacion.h"

#include "foundation/routines/fecha_trabajo.h"
#include "platform/grid/grid.h"
#include "platform/grid/grid_stack.h"
#include "reports/caja_empleados.h"
#include "reports/combos_reporte.h"

#include <QComboBox>
#include <QDateEdit>

namespace {

constexpr int kColumnas = 7;
constexpr int kEncabezado = 10;
const QString kTodas = QStringLiteral("TODAS");

RepVentana::Ajustes ajustesAnulacion()
{
    RepVentana::Ajustes a;
    a.titulo = QStringLiteral("Informe de Anulaciones Diarias");
    a.maximizada = true;
    a.escCierra = true;
    a.vistaOcultaAlActivar = true;
    a.encabezado = RepVentana::Encabezado::LineaEmpresa;
    a.bordeImpresion = false;
    a.margenSuperior = 100;
    a.margenInferior = 100;
    a.margenIzquierdo = 150;
    a.margenDerecho = 100;
    a.orientacion = grid::Orientation::Landscape;
    return a;
}

// Paternal surname, maternal surname and first name; empty for an employee not in the catalog.
QString nombreEmpleado(const QString& alias)
{
    return QStringLiteral("CASE WHEN %1.ID_Empleado IS NULL THEN '' ELSE IFNULL(%1.Apellido_Paterno,'') || ' ' || "
                          "IFNULL(%1.Apellido_Materno,'') || ' ' || IFNULL(%1.Nombre_Empleado,'') END")
        .arg(alias);
}

} // namespace

RepInfoAnulacion::RepInfoAnulacion(QWidget* parent)
    : RepVentana(QStringLiteral("RepInfoAnulacion"), ajustesAnulacion(), parent)
{
    dtpFecha = agregaFecha(QStringLiteral("dtpFecha"), QStringLiteral("Fecha Inicio:"));
    dtpFechaFin = agregaFecha(QStringLiteral("dtpFechaFin"), QStringLiteral("Fecha Fin:"));
    cmbRazon = agregaCombo(QStringLiteral("cmbRazon"), QStringLiteral("Razón:"));
    txtEmpleado = agregaEmpleados(QStringLiteral("txtEmpleado"), QStringLiteral("cmdBuscarEmpleado"),
                                  QStringLiteral("Empleado:"), 1);
    txtGerente = agregaEmpleados(QStringLiteral("txtGerente"), QStringLiteral("cmdBuscarGerente"),
                                 QStringLiteral("Gerente:"), 1);
    agregaBuscar(QStringLiteral("cmdBuscar"), QStringLiteral("Buscar datos"), 1);

    grid::Grid* fpsDatos = creaRejilla(QStringLiteral("fpsDatos"), QStringLiteral("fpsVista"));
    fpsDatos->setColumnCount(kColumnas);
    fpsDatos->setRowCount(kEncabezado);
    fpsDatos->setColumnHeaderVisible(false);
    fpsDatos->setRowHeaderVisible(false);
    const double anchos[] = {8.37, 18.37, 17.12, 19.25, 7.75, 18.5};
    for (int c = 1; c <= 6; ++c)
        fpsDatos->setColumnWidth(c, anchos[c - 1]);
    fpsDatos->setText(2, 3, QStringLiteral("                        INFORME DE ANULACIONES    "));
    // The title runs over the empty cells to its right.
    for (int c = 3; c <= 6; ++c) {
        fpsDatos->setCellBold(2, c, true);
        fpsDatos->setCellFontSize(2, c, 12);
    }
    fpsDatos->setSpan(2, 3, 1, 4);
    fpsDatos->setRowHeight(2, 22);
    fpsDatos->setSpan(3, 4, 1, 2);
    fpsDatos->setRangeBackground({5, 1, 5, kColumnas}, QColor(128, 128, 128));
    const QStringList titulos{QStringLiteral("No. Cuenta"), QStringLiteral("Artículo de Menu"), QStringLiteral("Razon"),
                              QStringLiteral("Gerente"),    QStringLiteral("Tiempo"),           QStringLiteral("Camarero"),
                              QStringLiteral("Cantidad")};
    for (int c = 1; c <= kColumnas; ++c)
        fpsDatos->setText(9, c, titulos.at(c - 1));
    fpsDatos->setRangeBold({9, 1, 9, kColumnas}, true);
    fpsDatos->setRangeBorder({10, 1, 10, kColumnas}, Qt::TopEdge | Qt::BottomEdge);
    fpsDatos->setAllLocked(true);

    LlenaComboTodos(cmbRazon, QStringLiteral("SELECT Nombre_Tipos_Anulacion,ID_Tipo_Anulacion FROM Tipos_Anulacion"), kTodas);
}

void RepInfoAnulacion::activaExtras()
{
    rejilla()->setActiveCell(9, 1);
    rejilla()->setText(9, 1, QStringLiteral("No. Cuenta"));
}

void RepInfoAnulacion::renglonTotal(int renglon, const QString& camarero, const QString& gerente, double monto)
{
    grid::Grid* fpsDatos = rejilla();
    fpsDatos->setSpan(renglon, 2, 1, 5);
    fpsDatos->setCellBold(renglon, 2, true);
    fpsDatos->setText(renglon, 2, QStringLiteral("Anulaciones Totales para ") + camarero + QStringLiteral(" por ") + gerente);
    fpsDatos->setCellFormat(renglon, kColumnas, grid::CellFormat::currency());
    fpsDatos->setCellBold(renglon, kColumnas, true);
    fpsDatos->setCellLocked(renglon, kColumnas, true);
    fpsDatos->setValue(renglon, kColumnas, monto);
}

void RepInfoAnulacion::buscar()
{
    // The id boxes are read first: a box that holds anything but ids stops the search here.
    const QString camareros = condicionEmpleados(txtEmpleado, QStringLiteral(" AND C.ID_Empleado in ("));
    const QString gerentes = condicionEmpleados(txtGerente, QStringLiteral(" AND P.Empleado_Anulacion in ("));

    grid::Grid* fpsDatos = rejilla();
    pila()->showGrid();
    fpsDatos->setRowCount(kEncabezado);
    fpsDatos->setCellBold(3, 4, true);
    fpsDatos->setText(3, 4, dtpFecha->date().toString(QStringLiteral("dd/MM/yyyy")) + QStringLiteral(" - ")
                                + dtpFechaFin->date().toString(QStringLiteral("dd/MM/yyyy")));

    // The voided items of the period, read once with their names: the amount voided is the price,
    // the modifiers (tax included) and the item's taxes.
    const QString hora = QStringLiteral("strftime('%H:%M:%S',P.Hora_Anulacion)");
    adodb::Recordset rs = consulta(
        QStringLiteral("SELECT P.ID_ProductosXCuenta,P.ID_Comanda,Nombre_Completo,Nombre_Tipos_Anulacion,")
        + nombreEmpleado(QStringLiteral("Gerente")) + QStringLiteral(" AS Nom_Gerente,")
        + nombreEmpleado(QStringLiteral("Empleado")) + QStringLiteral(" AS Nom_Empleado,") + hora
        + QStringLiteral(" AS Hora_Anulacion,IFNULL(P.Precio_Venta,0)"
                         "+IFNULL((SELECT SUM(M.Precio_Modificador) FROM Modificador M"
                         " WHERE M.ID_ProductosXCuenta=P.ID_ProductosXCuenta),0)"
                         "+IFNULL((SELECT SUM(I.Monto_ImpuestosXCuenta) FROM ImpuestosXCuenta I"
                         " WHERE I.ID_ProductosXCuenta=P.ID_ProductosXCuenta),0) AS Monto"
                         " FROM Comanda C JOIN ProductosXCuenta P ON P.ID_Comanda=C.ID_Comanda AND P.Control=C.Control"
                         " LEFT JOIN Tipos_Anulacion ON P.ID_Tipo_Anulacion=Tipos_Anulacion.ID_Tipo_Anulacion"
                         " LEFT JOIN Producto ON P.ID_Producto=Producto.ID_Producto"
                         " LEFT JOIN Empleado Gerente ON P.Empleado_Anulacion=Gerente.ID_Empleado"
                         " LEFT JOIN Empleado Empleado ON C.ID_Empleado=Empleado.ID_Empleado WHERE")
        + fechatrabajo::periodo(dtpFecha->date(), dtpFechaFin->date(), QStringLiteral("C.Fecha_Trabajo"))
        + QStringLiteral(" AND P.ID_Tipo_Anulacion IS NOT NULL")
        + condicionCombo(cmbRazon, kTodas, QStringLiteral(" AND P.ID_Tipo_Anulacion=")) + camareros + gerentes
        + QStringLiteral(" ORDER BY Nom_Empleado,Nom_Gerente,P.ID_Comanda,") + hora);

    // Names compare exactly as texts; a missing one is the empty text, a missing amount 0.
    // The rows are made at once: one per void, and a total and an empty row before each change of
    // waiter or manager, and the last total.
    const int registros = rs.recordCount();
    auto otroGrupo = [&rs](int r) {
        return rs.cell(r, 4).toString() != rs.cell(r - 1, 4).toString() || rs.cell(r, 5).toString() != rs.cell(r - 1, 5).toString();
    };
    int cambios = 0;
    for (int r = 1; r < registros; ++r)
        cambios += otroGrupo(r);
    fpsDatos->setRowCount(kEncabezado + registros + 2 * cambios + (registros > 0 ? 1 : 0));
    QString camarero, gerente;
    double acumulado = 0;
    int renglon = kEncabezado;
    for (int r = 0; r < registros; ++r) {
        const QString nomGerente = rs.cell(r, 4).toString(), nomEmpleado = rs.cell(r, 5).toString();
        ++renglon;
        if (r == 0) {
            camarero = nomEmpleado;
            gerente = nomGerente;
        } else if (otroGrupo(r)) {
            renglonTotal(renglon, camarero, gerente, acumulado);
            camarero = nomEmpleado;
            gerente = nomGerente;
            renglon += 2;
            acumulado = 0;
        }
        fpsDatos->setActiveCell(renglon, 1);
        for (int c = 1; c <= 3; ++c)
            fpsDatos->setText(renglon, c, rs.cell(r, c).toString());
        fpsDatos->setText(renglon, 4, nomGerente);
        fpsDatos->setText(renglon, 5, rs.cell(r, 6).toString());
        fpsDatos->setText(renglon, 6, nomEmpleado);
        const double monto = rs.cell(r, 7).toDouble();
        fpsDatos->setCellFormat(renglon, kColumnas, grid::CellFormat::currency());
        fpsDatos->setCellLocked(renglon, kColumnas, true);
        fpsDatos->setValue(renglon, kColumnas, monto);
        acumulado += monto;
    }
    if (registros > 0)
        renglonTotal(renglon + 1, camarero, gerente, acumulado);
}
