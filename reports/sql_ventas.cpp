#include "reports/sql_ventas.h"

#include "foundation/routines/fecha_trabajo.h"

namespace sqlventas {

namespace {

QString periodo(const QDate& desde, const QDate& hasta, const QString& columna)
{
    return fechatrabajo::periodo(desde, hasta, columna);
}

// The staged items, and the sums of each one's side rows (PeriodSales).
const QString kItems = QStringLiteral("\"#PeriodItems\"");
const QString kModificadores = QStringLiteral("\"#PeriodModifiers\"");
const QString kImpuestos = QStringLiteral("\"#PeriodTaxes\"");
const QString kCortesias = QStringLiteral("\"#PeriodCourtesies\"");

// " FROM <side> X CROSS JOIN items V ON ...": the items that have rows in a side table, walked in
// key order from the (smaller) side table.
QString conItems(const QString& lado)
{
    return QStringLiteral(" FROM ") + lado + QStringLiteral(" X CROSS JOIN ") + kItems
        + QStringLiteral(" V ON V.ID_ProductosXCuenta=X.ID_ProductosXCuenta");
}

} // namespace

QString ventasNetas()
{
    return QStringLiteral("SELECT (SELECT SUM(Precio_Venta) FROM ") + kItems
        + QStringLiteral(" WHERE Voided=0)+IFNULL((SELECT SUM(X.Net)") + conItems(kModificadores)
        + QStringLiteral(" WHERE V.Voided=0),0) AS TotalVenta");
}

QString ventasBrutas()
{
    return QStringLiteral("SELECT (impNeto.Venta+IFNULL(impMod.Modif,0)+IFNULL(impCor.Cortesia,0)+IFNULL(impImp.Impuesto,0))"
                          " AS Bruto FROM (SELECT SUM(Precio_Venta) AS Venta FROM ")
        + kItems + QStringLiteral(" WHERE Voided=0) impNeto, (SELECT SUM(X.Price) AS Modif") + conItems(kModificadores)
        + QStringLiteral(" WHERE V.Voided=0) impMod, (SELECT SUM(X.Amount) AS Cortesia") + conItems(kCortesias)
        + QStringLiteral(" WHERE V.Voided=0 AND V.SameControl=1) impCor, (SELECT SUM(X.Amount) AS Impuesto")
        + conItems(kImpuestos) + QStringLiteral(" WHERE V.Voided=0 AND V.SameControl=1) impImp");
}

QString llenaTempDia()
{
    return QStringLiteral("INSERT INTO \"#TempDia\" SELECT C.ID_Comanda, C.Fecha_Apertura, Ca.Nombre_Categoria,"
                          " C.CantHuespedes, SUM(V.Precio_Venta)+SUM(IFNULL(M.Net,0)) AS Monto FROM ")
        + kItems
        + QStringLiteral(" V CROSS JOIN Comanda C ON C.ID_Comanda=V.ID_Comanda CROSS JOIN Producto Pr ON"
                         " V.ID_Producto=Pr.ID_Producto CROSS JOIN Categoria Ca ON Pr.ID_Categoria=Ca.ID_Categoria LEFT JOIN ")
        + kModificadores
        + QStringLiteral(" M ON M.ID_ProductosXCuenta=V.ID_ProductosXCuenta WHERE V.Voided=0"
                         " GROUP BY C.ID_Comanda, C.Fecha_Apertura, Ca.Nombre_Categoria, C.CantHuespedes");
}

QString pagosNoEfectivo(const QDate& desde, const QDate& hasta)
{
    return QStringLiteral("SELECT Nombre_Tipo_Pago, SUM(Monto_Pago) AS Monto FROM Pago P, Tipo_Pago TP, Comanda COM"
                          " WHERE P.ID_Tipo_Pago=TP.ID_Tipo_Pago AND P.ID_Comanda=COM.ID_Comanda AND P.Control=COM.Control"
                          " AND Clase<>'E' AND")
        + periodo(desde, hasta, QStringLiteral("COM.Fecha_Trabajo")) + QStringLiteral(" GROUP BY Nombre_Tipo_Pago");
}

QString cortesias()
{
    return QStringLiteral("SELECT Nombre_Tipo_Cortesia, SUM(COR.Monto) AS Monto") + conItems(kCortesias)
        + QStringLiteral(" CROSS JOIN Cortesia COR ON COR.ID_ProductosXCuenta=X.ID_ProductosXCuenta"
                         " CROSS JOIN Tipo_Cortesia TC ON COR.ID_Tipo_Cortesia=TC.ID_Tipo_Cortesia"
                         " WHERE V.SameControl=1 AND V.Voided=0 GROUP BY Nombre_Tipo_Cortesia");
}

QString promociones()
{
    return QStringLiteral("SELECT Nombre_Promocion, SUM(V.Precio_Venta) AS Monto FROM ") + kItems
        + QStringLiteral(" V CROSS JOIN Promocion ON V.ID_Promocion=Promocion.ID_Promocion WHERE V.Voided=0"
                         " GROUP BY Nombre_Promocion");
}

// A voided item without a price counts nothing, whatever its modifiers and taxes.
QString anulaciones()
{
    return QStringLiteral("SELECT Nombre_Categoria, SUM(V.Precio_Venta+IFNULL(M.Price,0)+IFNULL(I.Amount,0)) AS Monto FROM ")
        + kItems
        + QStringLiteral(" V CROSS JOIN Producto Pr ON V.ID_Producto=Pr.ID_Producto CROSS JOIN Categoria Ca ON"
                         " Pr.ID_Categoria=Ca.ID_Categoria LEFT JOIN ")
        + kModificadores + QStringLiteral(" M ON M.ID_ProductosXCuenta=V.ID_ProductosXCuenta LEFT JOIN ") + kImpuestos
        + QStringLiteral(" I ON I.ID_ProductosXCuenta=V.ID_ProductosXCuenta WHERE V.SameControl=1 AND V.Voided=1"
                         " GROUP BY Nombre_Categoria");
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
    return {ventasNetas(),   ventasBrutas(),           llenaTempDia(),       pagosNoEfectivo(desde, hasta), cortesias(),
            promociones(), anulaciones(), efectivo(desde, hasta), propinas(desde, hasta)};
}

} // namespace sqlventas
