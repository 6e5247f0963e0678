#pragma once

#include "platform/adodb/adodb.h"

#include <QDate>
#include <QStringList>

// The items of a period's checks (by working date), read once into temporary tables of the
// connection, so that the many figures of one report sum them without reading the sales tables
// again. The daily sales report stages its period for its whole search; the procedures it calls
// with that period find it staged and read it too, while a procedure called on its own stages and
// drops its own.
//
// Every table is keyed by the item (ID_ProductosXCuenta), so each figure takes an item's
// modifiers, taxes and courtesies once, however many rows it has of each:
//   "#PeriodItems": every item of the period's checks, whatever its Control: ID_Comanda,
//       ID_Producto, ID_Promocion, Precio_Venta, Precio_Original, Voided (1 when it has a void
//       type) and SameControl (1 when its Control is its check's).
//   "#PeriodModifiers": the items with modifiers: Price, Tax and Net, the sums of their
//       Precio_Modificador, impuesto_modificador and Precio_Modificador-impuesto_modificador.
//   "#PeriodTaxes": the items with taxes: Amount (the sum) and LowestType (the lowest tax type).
//   "#PeriodCourtesies": the items with courtesies: Amount (the sum).
//   "#PeriodRange": one row, From and To ("yyyymmdd"), the period staged.
class PeriodSales {
public:
    // Stages the period, or borrows it when the connection holds it staged already. Raises
    // adodb::ComError when a statement fails, leaving nothing staged behind.
    PeriodSales(adodb::Connection& connection, const QDate& from, const QDate& to);
    // Drops the tables it staged (never borrowed ones); never raises.
    ~PeriodSales();
    PeriodSales(const PeriodSales&) = delete;
    PeriodSales& operator=(const PeriodSales&) = delete;

    // The tables' names, for a search guard that drops whatever a failure leaves.
    static QStringList tables();
    // The statements that stage the period, in order (for their query plans).
    static QStringList statements(const QDate& from, const QDate& to);
    // Drops the tables that exist; never raises.
    static void drop(adodb::Connection& connection);

private:
    adodb::Connection& m_connection;
    bool m_owner = false;
};
