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
    // The taxes and modifiers of the account's items only, each found by its item's key: a reprint
    // reads as much after a year of sales as on the first day.
    const QString sql = QStringLiteral(
        "SELECT MIN(V.Orden) AS Orden, MIN(V.Nombre_Cuenta) AS Nombre_Cuenta, COUNT(*) AS Cantidad,"
        " V.Unitario AS Unitario, V.Unitario_Original AS Unitario_Original, SUM(V.Impuesto) AS Impuesto,"
        " COUNT(*)*V.Unitario AS Precio, COUNT(*)*V.Unitario_Original AS Precio_Original FROM ("
        "SELECT S.Orden AS Orden, S.ID_Producto AS ID_Producto, S.Nombre_Cuenta AS Nombre_Cuenta,"
        " ROUND(S.Precio+IFNULL(S.Impuestos,0)+IFNULL(S.Precios,0),4) AS Unitario,"
        " ROUND(S.Precio+IFNULL(S.Precios,0)-IFNULL(S.ImpuestosModificador,0),4) AS Unitario_Original,"
        " IFNULL(S.Impuestos,0)+IFNULL(S.ImpuestosModificador,0) AS Impuesto FROM ("
        "SELECT P.ID_ProductosXCuenta AS Orden, P.ID_Producto AS ID_Producto,"
        " IFNULL(NULLIF(Pr.Nombre_Cuenta,''),IFNULL(Pr.Nombre_Completo,'')) AS Nombre_Cuenta,"
        " IFNULL(P.Precio_Venta,0) AS Precio,"
        " (SELECT SUM(I.Monto_ImpuestosXCuenta) FROM ImpuestosXCuenta I WHERE I.ID_ProductosXCuenta=P.ID_ProductosXCuenta) AS Impuestos,"
        " (SELECT SUM(M.Precio_Modificador) FROM Modificador M WHERE M.ID_ProductosXCuenta=P.ID_ProductosXCuenta) AS Precios,"
        " (SELECT SUM(IFNULL(M.impuesto_modificador,0)) FROM Modificador M WHERE M.ID_ProductosXCuenta=P.ID_ProductosXCuenta)"
        " AS ImpuestosModificador"
        " FROM ProductosXCuenta P LEFT JOIN Producto Pr ON Pr.ID_Producto=P.ID_Producto"
        " WHERE P.ID_Comanda=%1 AND P.Control=%2 AND P.Num_Cuenta=%3 AND P.ID_Tipo_Anulacion IS NULL) S) V"
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
