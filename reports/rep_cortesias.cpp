#include "reports/rep_cortesias.h"

#include "platform/grid/grid.h"
#include "platform/grid/recordset_fill.h"
#include "reports/ajustes_cortesias.h"
#include "reports/caja_empleados.h"
#include "reports/combos_reporte.h"

#include <QComboBox>
#include <QDateEdit>

namespace {

const QString kTodas = QStringLiteral("TODAS");

// The view's working date, "yyyy.mm.dd".
QString fechaVista(const QDate& fecha)
{
    return QLatin1Char('\'') + fecha.toString(QStringLiteral("yyyy.MM.dd")) + QLatin1Char('\'');
}

} // namespace

RepCortesias::RepCortesias(QWidget* parent)
    : RepVentana(QStringLiteral("RepCortesias"), ajustesInformeCortesias(QStringLiteral("Cortesias"), QSize(11388, 5088)),
                 parent)
{
    dtpFechaIni = agregaFecha(QStringLiteral("dtpFechaIni"), QStringLiteral("Fecha Inicio:"));
    dtpFechaFin = agregaFecha(QStringLiteral("dtpFechaFin"), QStringLiteral("Fecha Fin:"));
    cmbCortesia = agregaCombo(QStringLiteral("cmbCortesia"), QStringLiteral("Cortesía:"));
    txtEmpleado = agregaEmpleados(QStringLiteral("txtEmpleado"), QStringLiteral("cmdBuscarEmpleado"),
                                  QStringLiteral("Empleado:"), 1);
    txtGerente = agregaEmpleados(QStringLiteral("txtGerente"), QStringLiteral("cmdBuscarGerente"),
                                 QStringLiteral("Gerente:"), 1);
    agregaBuscar(QStringLiteral("cmbBuscar"), QStringLiteral("Buscar registros"), 1);

    grid::Grid* fpsCortesias = creaRejilla(QStringLiteral("fpsCortesias"), QStringLiteral("PrvVista"));
    fpsCortesias->setColumnCount(10);
    const QStringList titulos{QStringLiteral("Folio"),      QString(),
                              QStringLiteral("Cortesia"),   QStringLiteral("Monto"),
                              QStringLiteral("Comentario"), QStringLiteral("Vendedor"),
                              QStringLiteral("Gerente"),    QStringLiteral("Fecha Trabajo")};
    for (int c = 1; c <= titulos.size(); ++c)
        fpsCortesias->setText(0, c, titulos.at(c - 1));
    const double anchos[] = {6.37, 0, 14.5, 0, 12.62, 14, 15.25, 11.75};
    for (int c = 1; c <= 8; ++c)
        if (anchos[c - 1] > 0)
            fpsCortesias->setColumnWidth(c, anchos[c - 1]);
    for (int c : {2, 9, 10})
        fpsCortesias->setColumnHidden(c, true);
    fpsCortesias->setColumnFormat(1, grid::CellFormat::integer());
    fpsCortesias->setColumnFormat(4, grid::CellFormat::currency());
    fpsCortesias->setAllLocked(true);

    LlenaComboTodos(cmbCortesia, QStringLiteral("SELECT Nombre_Tipo_Cortesia,ID_Tipo_Cortesia FROM Tipo_Cortesia"), kTodas);
}

void RepCortesias::buscar()
{
    // The id boxes are read first: a box that holds anything but ids stops the search here.
    const QString empleados = condicionEmpleados(txtEmpleado, QStringLiteral(" AND ID_Empleado in ("));
    const QString gerentes = condicionEmpleados(txtGerente, QStringLiteral(" AND ID_Gerente in ("));
    grid::Grid* fpsCortesias = rejilla();
    fpsCortesias->setRowCount(0);
    const QString sql = QStringLiteral("SELECT * FROM Vw_ReporteCortesias WHERE FechaTrabajo BETWEEN ")
        + fechaVista(dtpFechaIni->date()) + QStringLiteral(" AND ") + fechaVista(dtpFechaFin->date())
        + condicionCombo(cmbCortesia, kTodas, QStringLiteral(" AND ID_Tipo_Cortesia=")) + empleados + gerentes;
    grid::FillOptions opciones;
    opciones.keepDesignColumns = true;
    grid::fillFromRecordset(*fpsCortesias, consulta(sql), opciones);
}
