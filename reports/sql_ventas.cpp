#include "reports/sql_ventas.h"

#include "foundation/routines/fecha_trabajo.h"

namespace sqlventas {

namespace {

QString periodo(const QDate& desde, const QDate& hasta, const QString& columna)
{
    return fechatrabajo::periodo(desde, hasta, columna);
}

// The modifiers of the item P, net of their tax (null when it has none).
const QString kModificadoresNetos = QStringLiteral(
    "(SELECT SUM(M.Precio_Modificador-M.impuesto_modificador) FROM Modificador M"
    " WHERE M.ID_ProductosXCuenta=P.ID_ProductosXCuenta)");

} // namespace

QString ventasNetas(const QDate& desde, const QDate& hasta)
{
    return QStringLiteral("SELECT SUM(P.Precio_Venta)+IFNULL(SUM(") + kModificadoresNetos
        + QStringLiteral("),0) AS TotalVenta FROM Comanda C JOIN ProductosXCuenta P ON C.ID_Comanda=P.ID_Comanda"
                         " WHERE P.ID_Tipo_Anulacion IS NULL AND")
        + periodo(desde, hasta, QStringLiteral("C.Fecha_Trabajo"));
}

QString ventasBrutas(const QDate& desde, const QDate& hasta)
{
    const QString comandas = QStringLiteral("(SELECT ID_Comanda FROM Comanda WHERE")
        + periodo(desde, hasta, QStringLiteral("Fecha_Trabajo")) + QLatin1Char(')');
    // The items not voided of the period, their check matched by number (and by control when asked).
    auto items = [&](bool conControl) {
        return QStringLiteral("(SELECT ProductosXCuenta.ID_ProductosXCuenta FROM Comanda JOIN ProductosXCuenta ON"
                              " ProductosXCuenta.ID_Comanda=Comanda.ID_Comanda")
            + (conControl ? QStringLiteral(" AND ProductosXCuenta.Control=Comanda.Control") : QString())
            + QStringLiteral(" WHERE ProductosXCuenta.ID_Tipo_Anulacion IS NULL AND")
            + periodo(desde, hasta, QStringLiteral("Comanda.Fecha_Trabajo")) + QLatin1Char(')');
    };
    return QStringLiteral("SELECT (impNeto.Venta+IFNULL(impMod.Modif,0)+IFNULL(impCor.Cortesia,0)+IFNULL(impImp.Impuesto,0))"
                          " AS Bruto FROM"
                          " (SELECT SUM(Precio_Venta) AS Venta FROM ProductosXCuenta WHERE ID_Tipo_Anulacion IS NULL"
                          " AND ID_Comanda IN ")
        + comandas
        + QStringLiteral(") impNeto, (SELECT SUM(Precio_Modificador) AS Modif FROM Modificador WHERE ID_ProductosXCuenta IN ")
        + items(false)
        + QStringLiteral(") impMod, (SELECT SUM(Monto) AS Cortesia FROM Cortesia WHERE ID_ProductosXCuenta IN ")
        + items(true)
        + QStringLiteral(") impCor, (SELECT SUM(Monto_ImpuestosXCuenta) AS Impuesto FROM ImpuestosXCuenta WHERE"
                         " ID_ProductosXCuenta IN ")
        + items(true) + QStringLiteral(") impImp");
}

QString llenaTempDia(const QDate& desde, const QDate& hasta)
{
    return QStringLiteral("INSERT INTO \"#TempDia\" SELECT C.ID_Comanda, C.Fecha_Apertura, Ca.Nombre_Categoria,"
                          " C.CantHuespedes, SUM(P.Precio_Venta)+SUM(IFNULL(")
        + kModificadoresNetos
        + QStringLiteral(",0)) AS Monto FROM Comanda C JOIN ProductosXCuenta P ON P.ID_Comanda=C.ID_Comanda"
                         " JOIN Producto Pr ON P.ID_Producto=Pr.ID_Producto"
                         " JOIN Categoria Ca ON Pr.ID_Categoria=Ca.ID_Categoria"
                         " WHERE P.ID_Tipo_Anulacion IS NULL AND")
        + periodo(desde, hasta, QStringLiteral("C.Fecha_Trabajo"))
        + QStringLiteral(" GROUP BY C.ID_Comanda, C.Fecha_Apertura, Ca.Nombre_Categoria, C.CantHuespedes");
}

QString pagosNoEfectivo(const QDate& desde, const QDate& hasta)
{
    return QStringLiteral("SELECT Nombre_Tipo_Pago, SUM(Monto_Pago) AS Monto FROM Pago P, Tipo_Pago TP, Comanda COM"
                          " WHERE P.ID_Tipo_Pago=TP.ID_Tipo_Pago AND P.ID_Comanda=COM.ID_Comanda AND P.Control=COM.Control"
                          " AND Clase<>'E' AND")
        + periodo(desde, hasta, QStringLiteral("COM.Fecha_Trabajo")) + QStringLiteral(" GROUP BY Nombre_Tipo_Pago");
}

QString cortesias(const QDate& desde, const QDate& hasta)
{
    return QStringLiteral("SELECT Nombre_Tipo_Cortesia, SUM(Monto) AS Monto"
                          " FROM Cortesia COR, ProductosXCuenta PXC, Tipo_Cortesia TC, Comanda COM"
                          " WHERE COR.ID_Tipo_Cortesia=TC.ID_Tipo_Cortesia AND COR.ID_ProductosXCuenta=PXC.ID_ProductosXCuenta"
                          " AND PXC.ID_Comanda=COM.ID_Comanda AND PXC.Control=COM.Control AND ID_Tipo_Anulacion IS NULL AND")
        + periodo(desde, hasta, QStringLiteral("COM.Fecha_Trabajo")) + QStringLiteral(" GROUP BY Nombre_Tipo_Cortesia");
}

QString promociones(const QDate& desde, const QDate& hasta)
{
    return QStringLiteral("SELECT Nombre_Promocion, SUM(Precio_Venta) AS Monto FROM ProductosXCuenta, Promocion, Comanda"
                          " WHERE ProductosXCuenta.ID_Promocion=Promocion.ID_Promocion"
                          " AND ProductosXCuenta.ID_Comanda=Comanda.ID_Comanda"
                          " AND ProductosXCuenta.ID_Tipo_Anulacion IS NULL AND")
        + periodo(desde, hasta, QStringLiteral("Comanda.Fecha_Trabajo")) + QStringLiteral(" GROUP BY Nombre_Promocion");
}

QString anulaciones(const QDate& desde, const QDate& hasta)
{
    return QStringLiteral(
               "SELECT Nombre_Categoria, SUM(P.Precio_Venta"
               "+IFNULL((SELECT SUM(M.Precio_Modificador) FROM Modificador M WHERE M.ID_ProductosXCuenta=P.ID_ProductosXCuenta),0)"
               "+IFNULL((SELECT SUM(I.Monto_ImpuestosXCuenta) FROM ImpuestosXCuenta I"
               " WHERE I.ID_ProductosXCuenta=P.ID_ProductosXCuenta),0)) AS Monto"
               " FROM Comanda C JOIN ProductosXCuenta P ON C.ID_Comanda=P.ID_Comanda AND C.Control=P.Control"
               " JOIN Producto Pr ON P.ID_Producto=Pr.ID_Producto JOIN Categoria Ca ON Pr.ID_Categoria=Ca.ID_Categoria"
               " WHERE P.ID_Tipo_Anulacion IS NOT NULL AND")
        + periodo(desde, hasta, QStringLiteral("C.Fecha_Trabajo")) + QStringLiteral(" GROUP BY Nombre_Categoria");
}

QString efectivo(const QDate& desde, const QDate& hasta)
{
    return QStringLiteral("SELECT IFNULL(SUM(Monto_Pago),0) AS Monto FROM Pago P, Tipo_Pago TP, Comanda Com"
                          " WHERE P.ID_Tipo_Pago=TP.ID_Tipo_Pago AND Com.ID_Comanda=P.ID_Comanda AND Com.Control=P.Control"
                          " AND Clase='E' AND")
        + periodo(desde, hasta, QStringLiteral("Com.Fecha_Trabajo"));
}

QString propinas(const QDate& desde, const QDate& hasta)
{
    return QStringLiteral("SELECT SUM(Propina) AS monto FROM Pago WHERE ID_Comanda IN (SELECT ID_Comanda FROM Comanda WHERE")
        + periodo(desde, hasta, QStringLiteral("Fecha_Trabajo")) + QLatin1Char(')');
}

QStringList todas(const QDate& desde, const QDate& hasta)
{
    return {ventasNetas(desde, hasta), ventasBrutas(desde, hasta),  llenaTempDia(desde, hasta),
            pagosNoEfectivo(desde, hasta), cortesias(desde, hasta), promociones(desde, hasta),
            anulaciones(desde, hasta), efectivo(desde, hasta),     propinas(desde, hasta)};
}

} // namespace sqlventas
