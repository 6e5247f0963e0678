#include "tickets/consultas_cuentas.h"

#include "foundation/routines/fecha_trabajo.h"

namespace consultascuentas {

namespace {

const QString kModificadores = QStringLiteral(
    "IFNULL((SELECT SUM(M.Precio_Modificador) FROM Modificador M WHERE M.ID_ProductosXCuenta=P.ID_ProductosXCuenta),0)");
const QString kCortesias = QStringLiteral(
    "IFNULL((SELECT SUM(C.Monto) FROM Cortesia C WHERE C.ID_ProductosXCuenta=P.ID_ProductosXCuenta),0)");
const QString kImpuestos = QStringLiteral(
    "(SELECT SUM(I.Monto_ImpuestosXCuenta) FROM ImpuestosXCuenta I WHERE I.ID_ProductosXCuenta=P.ID_ProductosXCuenta)");

// A stored time stamp as the reports show it; a text that is no time stamp shows as written.
QString fechaHora(const QString& columna)
{
    return QStringLiteral("IFNULL(strftime('%d/%m/%Y %H:%M',%1),%1)").arg(columna);
}

QString deLaCuenta(qint32 comanda, qint32 control, int cuenta)
{
    return QStringLiteral(" FROM ProductosXCuenta P LEFT JOIN Producto Pr ON Pr.ID_Producto=P.ID_Producto"
                          " WHERE P.ID_Comanda=%1 AND P.Control=%2 AND P.Num_Cuenta=%3 ORDER BY P.ID_ProductosXCuenta")
        .arg(comanda)
        .arg(control)
        .arg(cuenta);
}

} // namespace

QString lista(const QDate& desde, const QDate& hasta)
{
    // Whatever statistics the database holds (it is never analysed), the period's checks come from
    // the working-date index and are then read by key, Comanda before Cuenta: otherwise the planner
    // reads every check or every account of the history in key order. A waiter deleted since still
    // leaves the check in the list.
    return QStringLiteral("SELECT Comanda.ID_Comanda AS ID_Comanda,Num_Mesa,"
                          "IFNULL(Apellido_Paterno,'') || ' ' || IFNULL(Apellido_Materno,'') || ' ' || IFNULL(Nombre_Empleado,'') AS Nombre,"
                          "substr(Fecha_Trabajo,1,2) || '/' || substr(Fecha_Trabajo,3,2) || '/' || substr(Fecha_Trabajo,5,4) AS FechaTrabajo,")
        + fechaHora(QStringLiteral("Fecha_Apertura")) + QStringLiteral(" AS Fecha_Apertura,") + fechaHora(QStringLiteral("Fecha_Cierre"))
        + QStringLiteral(" AS Fecha_Cierre,SUM(Redondear(Total)) AS Total,Comanda.Control AS Control"
                         " FROM Comanda CROSS JOIN Cuenta ON Comanda.ID_Comanda=Cuenta.ID_Comanda AND Cuenta.Control=Comanda.Control"
                         " LEFT JOIN Empleado ON Comanda.ID_Empleado=Empleado.ID_Empleado"
                         " WHERE Comanda.ID_Comanda IN (SELECT ID_Comanda FROM Comanda WHERE")
        + fechatrabajo::periodo(desde, hasta) + QStringLiteral(") GROUP BY Comanda.ID_Comanda,Comanda.Control ORDER BY Comanda.ID_Comanda");
}

QString productosConImpuesto(qint32 comanda, qint32 control, int cuenta)
{
    // An item without a tax row keeps its price as sold.
    return QStringLiteral("SELECT IFNULL(Pr.Nombre_Completo,'') AS Nombre_Completo, CASE WHEN ") + kImpuestos
        + QStringLiteral(" IS NULL THEN IFNULL(P.Precio_Venta,0) ELSE Redondear(IFNULL(P.Precio_Venta,0)+") + kImpuestos
        + QStringLiteral(") END + ") + kModificadores + QStringLiteral(" AS Precio_Venta") + deLaCuenta(comanda, control, cuenta);
}

QString productosNetos(qint32 comanda, qint32 control, int cuenta)
{
    return QStringLiteral("SELECT IFNULL(Pr.Nombre_Completo,'') AS Nombre_Completo, IFNULL(P.Precio_Venta,0)+") + kModificadores
        + QStringLiteral("-") + kCortesias + QStringLiteral(" AS Monto") + deLaCuenta(comanda, control, cuenta);
}

QString cuentas(qint32 comanda, qint32 control)
{
    return QStringLiteral("SELECT P.Num_Cuenta AS Num_Cuenta, COUNT(P.ID_ProductosXCuenta) AS Articulos,"
                          " SUM(IFNULL(P.Precio_Venta,0)+")
        + kModificadores + QStringLiteral("-") + kCortesias
        + QStringLiteral(") AS Monto FROM ProductosXCuenta P JOIN Cuenta Cta ON Cta.ID_Comanda=P.ID_Comanda"
                         " AND Cta.Num_Cuenta=P.Num_Cuenta AND Cta.Control=P.Control"
                         " WHERE P.ID_Comanda=%1 AND P.Control=%2 GROUP BY P.Num_Cuenta ORDER BY P.Num_Cuenta")
              .arg(comanda)
              .arg(control);
}

} // namespace consultascuentas
