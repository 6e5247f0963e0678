// The procedure of the customer ticket.
#include "schema/procedimientos_comun.h"

namespace procedimientos {

namespace {

qint64 entero(adodb::Connection& conexion, const QVariantList& argumentos, int posicion)
{
    bool ok = false;
    const qint64 n = argumentos.value(posicion).toString().toLongLong(&ok);
    if (!ok)
        adodb::Procedures::raise(conexion, QStringLiteral("ImprimirTicket: el argumento %1 (%2) no es un número entero")
                                               .arg(posicion + 1)
                                               .arg(argumentos.value(posicion).toString()));
    return n;
}

// ImprimirTicket comanda,control,cuenta: the account's items that were not voided, grouped by product
// and unit price in order of sale, with the name for tickets (the full name when it has none):
// Cantidad; Unitario, the price with its taxes and modifiers; Unitario_Original, the price with its
// modifiers net of their tax; Impuesto, the taxes of the item and of its modifiers over all the
// line's units; Precio and Precio_Original, the quantity times each unit price.
adodb::Recordset ImprimirTicket(adodb::Connection& conexion, const QVariantList& argumentos)
{
    const qint64 comanda = entero(conexion, argumentos, 0);
    const qint64 control = entero(conexion, argumentos, 1);
    const qint64 cuenta = entero(conexion, argumentos, 2);
    const QString sql = QStringLiteral(
        "SELECT MIN(V.Orden) AS Orden, MIN(V.Nombre_Cuenta) AS Nombre_Cuenta, COUNT(*) AS Cantidad,"
        " V.Unitario AS Unitario, V.Unitario_Original AS Unitario_Original, SUM(V.Impuesto) AS Impuesto,"
        " COUNT(*)*V.Unitario AS Precio, COUNT(*)*V.Unitario_Original AS Precio_Original FROM ("
        "SELECT P.ID_ProductosXCuenta AS Orden, P.ID_Producto AS ID_Producto,"
        " IFNULL(NULLIF(Pr.Nombre_Cuenta,''),IFNULL(Pr.Nombre_Completo,'')) AS Nombre_Cuenta,"
        " ROUND(IFNULL(P.Precio_Venta,0)+IFNULL(I.Impuestos,0)+IFNULL(M.Precios,0),4) AS Unitario,"
        " ROUND(IFNULL(P.Precio_Venta,0)+IFNULL(M.Precios,0)-IFNULL(M.Impuestos,0),4) AS Unitario_Original,"
        " IFNULL(I.Impuestos,0)+IFNULL(M.Impuestos,0) AS Impuesto"
        " FROM ProductosXCuenta P LEFT JOIN Producto Pr ON Pr.ID_Producto=P.ID_Producto"
        " LEFT JOIN (SELECT ID_ProductosXCuenta, SUM(Monto_ImpuestosXCuenta) AS Impuestos FROM ImpuestosXCuenta"
        " GROUP BY ID_ProductosXCuenta) I ON I.ID_ProductosXCuenta=P.ID_ProductosXCuenta"
        " LEFT JOIN (SELECT ID_ProductosXCuenta, SUM(Precio_Modificador) AS Precios, SUM(IFNULL(impuesto_modificador,0))"
        " AS Impuestos FROM Modificador GROUP BY ID_ProductosXCuenta) M ON M.ID_ProductosXCuenta=P.ID_ProductosXCuenta"
        " WHERE P.ID_Comanda=%1 AND P.Control=%2 AND P.Num_Cuenta=%3 AND P.ID_Tipo_Anulacion IS NULL) V"
        " GROUP BY V.ID_Producto, V.Unitario, V.Unitario_Original ORDER BY Orden")
                            .arg(comanda)
                            .arg(control)
                            .arg(cuenta);
    return conexion.execute(sql);
}

} // namespace

void registraProcedimientosTickets()
{
    adodb::Procedures::add(QStringLiteral("ImprimirTicket"), ImprimirTicket);
}

} // namespace procedimientos
