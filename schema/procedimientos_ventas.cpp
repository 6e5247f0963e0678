// The procedures of the daily sales report: sales per category, guests and checks per day part,
// taxes per tax type. Periods are working dates; an item counts as sold while it is not voided, and
// every amount is summed per item first, so that an item with two taxes or two modifiers counts once.
#include "schema/procedimientos_comun.h"

#include "foundation/routines/fecha_trabajo.h"

namespace procedimientos {

namespace {

// One row per item of the period with its own sums of modifiers, taxes and courtesies.
QString itemsConSumas(const QDate& desde, const QDate& hasta)
{
    return QStringLiteral(
               "SELECT P.ID_Producto AS ID_Producto, P.ID_Tipo_Anulacion AS Anulacion, IFNULL(P.Precio_Venta,0) AS Precio,"
               " IFNULL(P.Precio_Original,0) AS Original, P.ID_Promocion AS Promocion,"
               " IFNULL((SELECT SUM(M.Precio_Modificador) FROM Modificador M"
               " WHERE M.ID_ProductosXCuenta=P.ID_ProductosXCuenta),0) AS Modificadores,"
               " IFNULL((SELECT SUM(M.impuesto_modificador) FROM Modificador M"
               " WHERE M.ID_ProductosXCuenta=P.ID_ProductosXCuenta),0) AS ImpModificadores,"
               " IFNULL((SELECT SUM(I.Monto_ImpuestosXCuenta) FROM ImpuestosXCuenta I"
               " WHERE I.ID_ProductosXCuenta=P.ID_ProductosXCuenta),0) AS Impuestos,"
               " IFNULL((SELECT SUM(K.Monto) FROM Cortesia K WHERE K.ID_ProductosXCuenta=P.ID_ProductosXCuenta),0) AS Cortesias")
        + itemsDelPeriodo(desde, hasta);
}

// EXEC Reporte_Ventas 'desde','hasta': fills the caller's #Tmp_Ventas with one row per category:
// net sales (price plus modifiers net of their tax), courtesies, promotions (list price less sale
// price of promoted items), voids (voided items at price, modifiers and taxes) and taxes (the items'
// and their modifiers').
adodb::Recordset Reporte_Ventas(adodb::Connection& conexion, const QVariantList& argumentos)
{
    const QDate desde = fechaArgumento(conexion, argumentos, 0, QStringLiteral("Reporte_Ventas"));
    const QDate hasta = fechaArgumento(conexion, argumentos, 1, QStringLiteral("Reporte_Ventas"));
    conexion.execute(
        QStringLiteral(
            "INSERT INTO \"#Tmp_Ventas\" (ID_Categoria, Nombre, Ventas_Netas, Cortesias, Promociones, Anulaciones, Impuestos)"
            " SELECT Pr.ID_Categoria, Ca.Nombre_Categoria,"
            " SUM(CASE WHEN i.Anulacion IS NULL THEN i.Precio + i.Modificadores - i.ImpModificadores ELSE 0 END),"
            " SUM(CASE WHEN i.Anulacion IS NULL THEN i.Cortesias ELSE 0 END),"
            " SUM(CASE WHEN i.Anulacion IS NULL AND i.Promocion IS NOT NULL THEN i.Original - i.Precio ELSE 0 END),"
            " SUM(CASE WHEN i.Anulacion IS NOT NULL THEN i.Precio + i.Modificadores + i.Impuestos ELSE 0 END),"
            " SUM(CASE WHEN i.Anulacion IS NULL THEN i.Impuestos + i.ImpModificadores ELSE 0 END)"
            " FROM (")
        + itemsConSumas(desde, hasta)
        + QStringLiteral(") i LEFT JOIN Producto Pr ON Pr.ID_Producto=i.ID_Producto"
                         " LEFT JOIN Categoria Ca ON Ca.ID_Categoria=Pr.ID_Categoria"
                         " GROUP BY Pr.ID_Categoria, Ca.Nombre_Categoria"));
    return adodb::Recordset();
}

// Invitados_X_SeccionDia 'desde','hasta': every day part by name with the guests (Invitados) and
// checks (Cuentas) of the checks opened within it, both ends included; a part that runs past
// midnight takes the times from its start to 24:00:00 and from 00:00:00 to its end.
adodb::Recordset Invitados_X_SeccionDia(adodb::Connection& conexion, const QVariantList& argumentos)
{
    const QDate desde = fechaArgumento(conexion, argumentos, 0, QStringLiteral("Invitados_X_SeccionDia"));
    const QDate hasta = fechaArgumento(conexion, argumentos, 1, QStringLiteral("Invitados_X_SeccionDia"));
    const QString hora = QStringLiteral("time(C.Fecha_Apertura)");
    return adodb::Recordset::open(
        conexion,
        QStringLiteral("SELECT S.Nombre AS Nombre, IFNULL(SUM(C.CantHuespedes),0) AS Invitados,"
                       " COUNT(C.ID_Comanda) AS Cuentas FROM Seccion_dia S LEFT JOIN Comanda C ON")
            + fechatrabajo::periodo(desde, hasta, QStringLiteral("C.Fecha_Trabajo"))
            + QStringLiteral(" AND CASE WHEN S.Hora_inicio<=S.Hora_Fin THEN %1 BETWEEN S.Hora_inicio AND S.Hora_Fin"
                             " ELSE %1>=S.Hora_inicio OR %1<=S.Hora_Fin END"
                             " GROUP BY S.Nombre ORDER BY S.Nombre")
                  .arg(hora));
}

// Rep_Ventas_Imp_Mod 'desde','hasta': Nombre_Tipo_Impuesto and Monto of every tax type charged on
// the items sold, by name. A modifier's tax goes to its item's lowest tax type, or, for an item
// without taxes, to the lowest tax type there is.
adodb::Recordset Rep_Ventas_Imp_Mod(adodb::Connection& conexion, const QVariantList& argumentos)
{
    const QDate desde = fechaArgumento(conexion, argumentos, 0, QStringLiteral("Rep_Ventas_Imp_Mod"));
    const QDate hasta = fechaArgumento(conexion, argumentos, 1, QStringLiteral("Rep_Ventas_Imp_Mod"));
    return adodb::Recordset::open(
        conexion,
        QStringLiteral("SELECT T.Nombre_Tipo_Impuesto AS Nombre_Tipo_Impuesto, SUM(G.Monto) AS Monto FROM ("
                       " SELECT I.ID_Tipo_Impuesto AS Tipo, I.Monto_ImpuestosXCuenta AS Monto")
            + itemsDelPeriodo(desde, hasta, QStringLiteral(" JOIN ImpuestosXCuenta I ON I.ID_ProductosXCuenta=P.ID_ProductosXCuenta"))
            + QStringLiteral(" AND P.ID_Tipo_Anulacion IS NULL UNION ALL"
                             " SELECT IFNULL((SELECT MIN(I.ID_Tipo_Impuesto) FROM ImpuestosXCuenta I"
                             " WHERE I.ID_ProductosXCuenta=P.ID_ProductosXCuenta),"
                             " (SELECT MIN(ID_Tipo_Impuesto) FROM Tipos_Impuesto)), M.impuesto_modificador")
            + itemsDelPeriodo(desde, hasta, QStringLiteral(" JOIN Modificador M ON M.ID_ProductosXCuenta=P.ID_ProductosXCuenta"))
            + QStringLiteral(" AND P.ID_Tipo_Anulacion IS NULL AND M.impuesto_modificador<>0) G"
                             " LEFT JOIN Tipos_Impuesto T ON T.ID_Tipo_Impuesto=G.Tipo"
                             " GROUP BY G.Tipo, T.Nombre_Tipo_Impuesto ORDER BY T.Nombre_Tipo_Impuesto"));
}

} // namespace

void registraProcedimientosVentas()
{
    adodb::Procedures::add(QStringLiteral("Reporte_Ventas"), Reporte_Ventas);
    adodb::Procedures::add(QStringLiteral("Invitados_X_SeccionDia"), Invitados_X_SeccionDia);
    adodb::Procedures::add(QStringLiteral("Rep_Ventas_Imp_Mod"), Rep_Ventas_Imp_Mod);
}

} // namespace procedimientos
