// The procedures of the daily sales report: sales per category, guests and checks per day part,
// taxes per tax type. Periods are working dates; an item counts as sold while it is not voided, and
// every amount is summed per item first (PeriodSales), so that an item with two taxes or two
// modifiers counts once. Called by the daily sales report, they read the period it has staged.
#include "schema/procedimientos_comun.h"

#include "foundation/routines/fecha_trabajo.h"
#include "foundation/routines/period_sales.h"

namespace procedimientos {

namespace {

// EXEC Reporte_Ventas 'desde','hasta': fills the caller's #Tmp_Ventas with one row per category of
// the items whose Control is their check's: net sales (price plus modifiers net of their tax),
// courtesies, promotions (list price less sale price of promoted items), voids (voided items at
// price, modifiers and taxes) and taxes (the items' and their modifiers').
adodb::Recordset Reporte_Ventas(adodb::Connection& conexion, const QVariantList& argumentos)
{
    const QDate desde = fechaArgumento(conexion, argumentos, 0, QStringLiteral("Reporte_Ventas"));
    const QDate hasta = fechaArgumento(conexion, argumentos, 1, QStringLiteral("Reporte_Ventas"));
    const PeriodSales ventas(conexion, desde, hasta);
    conexion.execute(QStringLiteral(
        "INSERT INTO \"#Tmp_Ventas\" (ID_Categoria, Nombre, Ventas_Netas, Cortesias, Promociones, Anulaciones, Impuestos)"
        " SELECT Pr.ID_Categoria, Ca.Nombre_Categoria,"
        " SUM(CASE WHEN V.Voided=0 THEN IFNULL(V.Precio_Venta,0)+IFNULL(M.Price,0)-IFNULL(M.Tax,0) ELSE 0 END),"
        " SUM(CASE WHEN V.Voided=0 THEN IFNULL(K.Amount,0) ELSE 0 END),"
        " SUM(CASE WHEN V.Voided=0 AND V.ID_Promocion IS NOT NULL"
        " THEN IFNULL(V.Precio_Original,0)-IFNULL(V.Precio_Venta,0) ELSE 0 END),"
        " SUM(CASE WHEN V.Voided=1 THEN IFNULL(V.Precio_Venta,0)+IFNULL(M.Price,0)+IFNULL(I.Amount,0) ELSE 0 END),"
        " SUM(CASE WHEN V.Voided=0 THEN IFNULL(I.Amount,0)+IFNULL(M.Tax,0) ELSE 0 END)"
        " FROM \"#PeriodItems\" V"
        " LEFT JOIN \"#PeriodModifiers\" M ON M.ID_ProductosXCuenta=V.ID_ProductosXCuenta"
        " LEFT JOIN \"#PeriodTaxes\" I ON I.ID_ProductosXCuenta=V.ID_ProductosXCuenta"
        " LEFT JOIN \"#PeriodCourtesies\" K ON K.ID_ProductosXCuenta=V.ID_ProductosXCuenta"
        " LEFT JOIN Producto Pr ON Pr.ID_Producto=V.ID_Producto LEFT JOIN Categoria Ca ON Ca.ID_Categoria=Pr.ID_Categoria"
        " WHERE V.SameControl=1 GROUP BY Pr.ID_Categoria, Ca.Nombre_Categoria"));
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
// the items sold whose Control is their check's, by name. A modifier's tax goes to its item's
// lowest tax type, or, for an item without taxes, to the lowest tax type there is.
adodb::Recordset Rep_Ventas_Imp_Mod(adodb::Connection& conexion, const QVariantList& argumentos)
{
    const QDate desde = fechaArgumento(conexion, argumentos, 0, QStringLiteral("Rep_Ventas_Imp_Mod"));
    const QDate hasta = fechaArgumento(conexion, argumentos, 1, QStringLiteral("Rep_Ventas_Imp_Mod"));
    const PeriodSales ventas(conexion, desde, hasta);
    return adodb::Recordset::open(
        conexion,
        QStringLiteral(
            "SELECT T.Nombre_Tipo_Impuesto AS Nombre_Tipo_Impuesto, SUM(G.Monto) AS Monto FROM ("
            " SELECT I.ID_Tipo_Impuesto AS Tipo, I.Monto_ImpuestosXCuenta AS Monto FROM \"#PeriodTaxes\" X"
            " CROSS JOIN \"#PeriodItems\" V ON V.ID_ProductosXCuenta=X.ID_ProductosXCuenta"
            " CROSS JOIN ImpuestosXCuenta I ON I.ID_ProductosXCuenta=X.ID_ProductosXCuenta"
            " WHERE V.SameControl=1 AND V.Voided=0"
            " UNION ALL SELECT IFNULL(X.LowestType, (SELECT MIN(ID_Tipo_Impuesto) FROM Tipos_Impuesto)), M.impuesto_modificador"
            " FROM \"#PeriodModifiers\" W CROSS JOIN \"#PeriodItems\" V ON V.ID_ProductosXCuenta=W.ID_ProductosXCuenta"
            " CROSS JOIN Modificador M ON M.ID_ProductosXCuenta=W.ID_ProductosXCuenta"
            " LEFT JOIN \"#PeriodTaxes\" X ON X.ID_ProductosXCuenta=W.ID_ProductosXCuenta"
            " WHERE V.SameControl=1 AND V.Voided=0 AND M.impuesto_modificador<>0) G"
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
