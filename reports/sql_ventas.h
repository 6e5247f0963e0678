#pragma once

#include <QDate>
#include <QString>
#include <QStringList>

// The statements of the daily sales report. Those over the items read the period that the search
// has staged (PeriodSales: every item once, with the sums of its modifiers, taxes and courtesies
// under its key), so no statement reads the sales tables again and no item counts once per tax or
// modifier row. Those over the payments read the checks of the working dates from `desde` to
// `hasta` (both whole).
namespace sqlventas {

// TotalVenta: items not voided at their price plus their modifiers net of the modifiers' tax.
QString ventasNetas();
// Bruto: items not voided at their price, plus their modifiers (tax included), courtesies and taxes.
QString ventasBrutas();
// Fills "#TempDia": one row per check and category with the check's opening time, its guests and
// the net sales of the category in it.
QString llenaTempDia();
// Nombre_Tipo_Pago, Monto: what was paid with each payment type that is not cash.
QString pagosNoEfectivo(const QDate& desde, const QDate& hasta);
// Nombre_Tipo_Cortesia, Monto: the courtesies granted on items not voided.
QString cortesias();
// Nombre_Promocion, Monto: the amount sold under each promotion (items not voided).
QString promociones();
// Nombre_Categoria, Monto: the voided items at price, modifiers and taxes, each summed per item.
QString anulaciones();
// Monto: what was paid in cash (never null).
QString efectivo(const QDate& desde, const QDate& hasta);
// monto: the tips of every payment of the period's checks (null when there are none).
QString propinas(const QDate& desde, const QDate& hasta);

// Every statement above, in the order the report runs them.
QStringList todas(const QDate& desde, const QDate& hasta);

} // namespace sqlventas
