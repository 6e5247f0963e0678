#pragma once

#include <QDate>
#include <QString>
#include <QStringList>

// The statements of the daily sales report that read the sales tables, for the working dates from
// `desde` to `hasta` (both whole). Each reads the items of the period through the checks' working
// date index and sums an item's modifiers, taxes and courtesies per item, so that no statement reads
// the whole item table and no item counts once per tax or modifier row.
namespace sqlventas {

// TotalVenta: items not voided at their price plus their modifiers net of the modifiers' tax.
QString ventasNetas(const QDate& desde, const QDate& hasta);
// Bruto: items not voided at their price, plus their modifiers (tax included), courtesies and taxes.
QString ventasBrutas(const QDate& desde, const QDate& hasta);
// Fills "#TempDia": one row per check and category with the check's opening time, its guests and
// the net sales of the category in it.
QString llenaTempDia(const QDate& desde, const QDate& hasta);
// Nombre_Tipo_Pago, Monto: what was paid with each payment type that is not cash.
QString pagosNoEfectivo(const QDate& desde, const QDate& hasta);
// Nombre_Tipo_Cortesia, Monto: the courtesies granted on items not voided.
QString cortesias(const QDate& desde, const QDate& hasta);
// Nombre_Promocion, Monto: the amount sold under each promotion (items not voided).
QString promociones(const QDate& desde, const QDate& hasta);
// Nombre_Categoria, Monto: the voided items at price, modifiers and taxes, each summed per item.
QString anulaciones(const QDate& desde, const QDate& hasta);
// Monto: what was paid in cash (never null).
QString efectivo(const QDate& desde, const QDate& hasta);
// monto: the tips of every payment of the period's checks (null when there are none).
QString propinas(const QDate& desde, const QDate& hasta);

// Every statement above, in the order the report runs them.
QStringList todas(const QDate& desde, const QDate& hasta);

} // namespace sqlventas
