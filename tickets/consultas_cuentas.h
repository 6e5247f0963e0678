#pragma once

#include <QDate>
#include <QString>

// The account reports' queries over the sales of one check. Modifiers, courtesies and taxes are
// summed per item, so that an item with two of them counts once.
namespace consultascuentas {

// The checks of the working dates from `desde` to `hasta` that have accounts, in check order: ID_Comanda,
// Num_Mesa, Nombre (the waiter), FechaTrabajo "dd/mm/yyyy", Fecha_Apertura and Fecha_Cierre as
// "dd/mm/yyyy hh:mm" texts, Total (the accounts' rounded totals) and Control.
QString lista(const QDate& desde, const QDate& hasta);

// One row per item of the account: Nombre_Completo and the price with its taxes (rounded) and its
// modifiers; voided items included.
QString productosConImpuesto(qint32 comanda, qint32 control, int cuenta);

// One row per item of the account: Nombre_Completo and the price with its modifiers, less its
// courtesies.
QString productosNetos(qint32 comanda, qint32 control, int cuenta);

// One row per account of the check: Num_Cuenta, Articulos (items) and Monto (prices with modifiers,
// less courtesies).
QString cuentas(qint32 comanda, qint32 control);

} // namespace consultascuentas
