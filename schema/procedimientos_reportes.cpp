// The procedures of the specials, voids and comparison reports. Each fills a temporary table that
// its caller has created; periods are working dates.
#include "schema/procedimientos_comun.h"

#include "foundation/routines/fecha_trabajo.h"

#include <QStringList>

namespace procedimientos {

namespace {

// EXEC Rep_Especiales 'dia': every product marked special, with its items sold (not voided) on each
// of the seven working dates from dia on in Dia1 to Dia7 of the caller's #Tmp_Reporte.
adodb::Recordset Rep_Especiales(adodb::Connection& conexion, const QVariantList& argumentos)
{
    const QDate dia = fechaArgumento(conexion, argumentos, 0, QStringLiteral("Rep_Especiales"));
    QStringList dias;
    for (int n = 0; n < 7; ++n)
        dias << QStringLiteral("SUM(CASE WHEN V.Dia='%1' THEN 1 ELSE 0 END)").arg(fechatrabajo::orden(dia.addDays(n)));
    conexion.execute(
        QStringLiteral("INSERT INTO \"#Tmp_Reporte\" (IDProducto, Nombre, Dia1, Dia2, Dia3, Dia4, Dia5, Dia6, Dia7)"
                       " SELECT Pr.ID_Producto, Pr.Nombre_Completo, ")
        + dias.join(QStringLiteral(", "))
        + QStringLiteral(" FROM Producto Pr LEFT JOIN (SELECT P.ID_Producto AS ID_Producto, ")
        + fechatrabajo::expresionOrden(QStringLiteral("C.Fecha_Trabajo")) + QStringLiteral(" AS Dia")
        + itemsDelPeriodo(dia, dia.addDays(6))
        + QStringLiteral(" AND P.ID_Tipo_Anulacion IS NULL) V ON V.ID_Producto=Pr.ID_Producto"
                         " WHERE Pr.Especial=1 GROUP BY Pr.ID_Producto, Pr.Nombre_Completo"));
    return adodb::Recordset();
}

// EXEC proReporteAnulacion 'ddmmyyyy','ddmmyyyy': the voided items of the working dates into the
// caller's #Tmp_Anulaciones, with the check's waiter and the amount voided: price, modifiers (tax
// included) and the item's taxes.
adodb::Recordset proReporteAnulacion(adodb::Connection& conexion, const QVariantList& argumentos)
{
    const QDate desde = fechaArgumento(conexion, argumentos, 0, QStringLiteral("proReporteAnulacion"));
    const QDate hasta = fechaArgumento(conexion, argumentos, 1, QStringLiteral("proReporteAnulacion"));
    conexion.execute(
        QStringLiteral(
            "INSERT INTO \"#Tmp_Anulaciones\" (ID_ProductosXCuenta, ID_Comanda, ID_Producto, ID_Tipo_Anulacion,"
            " Empleado_Anulacion, Hora_Anulacion, ID_Empleado, Monto)"
            " SELECT P.ID_ProductosXCuenta, P.ID_Comanda, P.ID_Producto, P.ID_Tipo_Anulacion, P.Empleado_Anulacion,"
            " P.Hora_Anulacion, C.ID_Empleado, IFNULL(P.Precio_Venta,0)"
            " + IFNULL((SELECT SUM(M.Precio_Modificador) FROM Modificador M WHERE M.ID_ProductosXCuenta=P.ID_ProductosXCuenta),0)"
            " + IFNULL((SELECT SUM(I.Monto_ImpuestosXCuenta) FROM ImpuestosXCuenta I"
            " WHERE I.ID_ProductosXCuenta=P.ID_ProductosXCuenta),0)")
        + itemsDelPeriodo(desde, hasta) + QStringLiteral(" AND P.ID_Tipo_Anulacion IS NOT NULL"));
    return adodb::Recordset();
}

// EXEC proComparacionVenta 'desde','hasta'[,'tabla'[,'tabla de modificadores']]: one row per item
// sold (not voided) into the table ("#Temp" by default), by position: item, waiter, check, category,
// product, product name, sale price and the check's guests, written on the check's lowest item id
// and 0 on its others, so that summing them counts each check once (the check's items are walked in
// key order to the first sold, not all summed up for every item). The modifiers of those items
// go, by position, into the modifier table ("#TempMod" by default, when the caller created one):
// item, modifier, price and modifier name.
adodb::Recordset proComparacionVenta(adodb::Connection& conexion, const QVariantList& argumentos)
{
    const QDate desde = fechaArgumento(conexion, argumentos, 0, QStringLiteral("proComparacionVenta"));
    const QDate hasta = fechaArgumento(conexion, argumentos, 1, QStringLiteral("proComparacionVenta"));
    const QString tabla = argumentos.size() > 2 ? argumentos.at(2).toString() : QStringLiteral("#Temp");
    const bool modificadoresNombrados = argumentos.size() > 3;
    const QString tablaMod = modificadoresNombrados ? argumentos.at(3).toString() : QStringLiteral("#TempMod");
    const QString periodo = fechatrabajo::periodo(desde, hasta, QStringLiteral("C.Fecha_Trabajo"));
    // Each check's first sold item is looked up once per check, not once per item.
    conexion.execute(
        QStringLiteral("INSERT INTO temp.") + identificador(tabla)
        + QStringLiteral(
              " WITH K AS MATERIALIZED (SELECT C.ID_Comanda, C.Control, C.ID_Empleado, IFNULL(C.CantHuespedes,0) AS Huespedes,"
              " (SELECT Q.ID_ProductosXCuenta FROM ProductosXCuenta Q WHERE Q.ID_Comanda=C.ID_Comanda AND Q.Control=C.Control"
              " AND Q.ID_Tipo_Anulacion IS NULL ORDER BY Q.ID_ProductosXCuenta LIMIT 1) AS Primero FROM Comanda C WHERE")
        + periodo
        + QStringLiteral(
              ") SELECT P.ID_ProductosXCuenta, K.ID_Empleado, P.ID_Comanda, Pr.ID_Categoria, P.ID_Producto,"
              " Pr.Nombre_Completo, P.Precio_Venta, CASE WHEN P.ID_ProductosXCuenta=K.Primero THEN K.Huespedes ELSE 0 END"
              " FROM K JOIN ProductosXCuenta P ON P.ID_Comanda=K.ID_Comanda AND P.Control=K.Control"
              " LEFT JOIN Producto Pr ON Pr.ID_Producto=P.ID_Producto WHERE P.ID_Tipo_Anulacion IS NULL"));
    // The period's items lead, so that the whole history of modifiers is never read.
    if (modificadoresNombrados || existeTemporal(conexion, tablaMod))
        conexion.execute(QStringLiteral("INSERT INTO temp.") + identificador(tablaMod)
                         + QStringLiteral(" SELECT M.ID_ProductosXCuenta, M.ID_Tipo_Modificador, M.Precio_Modificador,"
                                          " T.Nombre_Tipo_Modificador")
                         + itemsDelPeriodo(desde, hasta,
                                           QStringLiteral(" JOIN Modificador M ON M.ID_ProductosXCuenta=P.ID_ProductosXCuenta"
                                                          " LEFT JOIN Tipo_Modificador T ON T.ID_Tipo_Modificador=M.ID_Tipo_Modificador"))
                         + QStringLiteral(" AND P.ID_Tipo_Anulacion IS NULL"));
    return adodb::Recordset();
}

} // namespace

void registraProcedimientosReportes()
{
    adodb::Procedures::add(QStringLiteral("Rep_Especiales"), Rep_Especiales);
    adodb::Procedures::add(QStringLiteral("proReporteAnulacion"), proReporteAnulacion);
    adodb::Procedures::add(QStringLiteral("proComparacionVenta"), proComparacionVenta);
}

} // namespace procedimientos
