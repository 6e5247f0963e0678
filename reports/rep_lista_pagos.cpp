#include "reports/rep_lista_pagos.h"

#include "foundation/routines/fecha_trabajo.h"
#include "platform/grid/grid.h"
#include "platform/grid/recordset_fill.h"
#include "reports/ajustes_cortesias.h"
#include "reports/combos_reporte.h"

#include <QComboBox>
#include <QDateEdit>

namespace {

const QString kTodos = QStringLiteral("TODOS");

} // namespace

RepListaPagos::RepListaPagos(QWidget* parent)
    : RepVentana(QStringLiteral("RepListaPagos"),
                 ajustesInformeCortesias(QStringLiteral("Lista de pagos"), QSize(10992, 6960)), parent)
{
    dtpFechaIni = agregaFecha(QStringLiteral("dtpFechaIni"), QStringLiteral("Fecha Inicio:"));
    dtpFechaFin = agregaFecha(QStringLiteral("dtpFechaFin"), QStringLiteral("Fecha Fin:"));
    cmbTipo = agregaCombo(QStringLiteral("cmbTipo"), QStringLiteral("Tipo de pago:"));
    agregaBuscar(QStringLiteral("cmbBuscar"), QStringLiteral("Buscar registros"));

    grid::Grid* fpsCortesias = creaRejilla(QStringLiteral("fpsCortesias"), QStringLiteral("PrvVista"));
    fpsCortesias->setColumnCount(6);
    const QStringList titulos{QStringLiteral("Comanda"), QStringLiteral("Cuenta"), QStringLiteral("Tipo pago"),
                              QStringLiteral("Monto"), QStringLiteral("Propina"), QStringLiteral("Referencia")};
    for (int c = 1; c <= titulos.size(); ++c)
        fpsCortesias->setText(0, c, titulos.at(c - 1));
    const double anchos[] = {6.37, 0, 14.5, 11.62, 12.12, 12.37};
    for (int c = 1; c <= 6; ++c)
        if (anchos[c - 1] > 0)
            fpsCortesias->setColumnWidth(c, anchos[c - 1]);
    fpsCortesias->setColumnFormat(1, grid::CellFormat::integer());
    fpsCortesias->setColumnFormat(2, grid::CellFormat::integer());
    fpsCortesias->setColumnFormat(4, grid::CellFormat::currency());
    fpsCortesias->setColumnFormat(5, grid::CellFormat::currency());
    fpsCortesias->setAllLocked(true);

    LlenaComboTodos(cmbTipo, QStringLiteral("SELECT Nombre_Tipo_Pago,ID_Tipo_Pago FROM Tipo_Pago"), kTodos);
}

void RepListaPagos::buscar()
{
    grid::Grid* fpsCortesias = rejilla();
    fpsCortesias->setRowCount(0);
    // The account's payments; the pay order within a check (ID_Pago) keeps the rows steady.
    const QString sql = QStringLiteral(
        "SELECT Cuenta.ID_Comanda,Cuenta.Num_Cuenta,Nombre_Tipo_Pago,Monto_Pago,Propina,Referencia "
        "FROM Cuenta,Pago,Tipo_Pago "
        "WHERE Cuenta.ID_Comanda=Pago.ID_comanda AND Cuenta.Num_Cuenta=Pago.Num_Cuenta AND Cuenta.Control=Pago.Control "
        "AND Pago.ID_Tipo_Pago=Tipo_Pago.ID_Tipo_Pago "
        "AND Cuenta.ID_Comanda IN (SELECT ID_Comanda FROM Comanda WHERE")
        + fechatrabajo::periodo(dtpFechaIni->date(), dtpFechaFin->date()) + QLatin1Char(')')
        + condicionCombo(cmbTipo, kTodos, QStringLiteral(" AND Pago.ID_Tipo_Pago="))
        + QStringLiteral(" ORDER BY Cuenta.ID_Comanda,Pago.ID_Pago");
    grid::FillOptions opciones;
    opciones.keepDesignColumns = true;
    grid::fillFromRecordset(*fpsCortesias, consulta(sql), opciones);
}
