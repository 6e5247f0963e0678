#include "bench/reports_cases.h"

#include "bench/reports_bare.h"
#include "foundation/routines/fecha_trabajo.h"
#include "platform/grid/grid.h"
#include "reports/rep_articulos_x_empleado.h"
#include "reports/rep_comp_categoria.h"
#include "reports/rep_comp_empleado.h"
#include "reports/rep_cortesias.h"
#include "reports/rep_det_comp_empleado.h"
#include "reports/rep_det_gold_card.h"
#include "reports/rep_especiales.h"
#include "reports/rep_gold_card.h"
#include "reports/rep_info_anulacion.h"
#include "reports/rep_lista_pagos.h"
#include "reports/rep_lista_precios.h"
#include "reports/rep_pagos.h"
#include "reports/rep_pmix.h"
#include "reports/rep_ventas.h"

#include <QDateEdit>
#include <QPointer>

#include <cmath>

namespace casosreportes {

namespace {

using anogenerado::Periodo;
using desnudo::recorre;

std::string periodo(const Periodo& p)
{
    return anogenerado::periodo(p, "C.Fecha_Trabajo");
}

// The rows of the statement, as a figure.
std::function<double(sqlite3*, const Periodo&)> filas(std::function<std::string(const Periodo&)> sql)
{
    return [sql](sqlite3* db, const Periodo& p) { return double(recorre(db, sql(p))); };
}

const std::string kItems = " FROM Comanda C CROSS JOIN ProductosXCuenta P ON P.ID_Comanda=C.ID_Comanda AND P.Control=C.Control";
const std::string kNombre = "IFNULL(E.Apellido_Paterno,'')||' '||IFNULL(E.Apellido_Materno,'')||' '||IFNULL(E.Nombre_Empleado,'')";

std::string listaPrecios(const Periodo&)
{
    // A tax included in the price is the part of the price it holds.
    return "SELECT Pr.ID_Producto, Pr.Nombre_Completo, M.Precio, CASE WHEN T.Incluido=1 THEN"
           " M.Precio*T.Porcentaje/(1+T.Porcentaje) ELSE M.Precio*IFNULL(T.Porcentaje,0) END, ROUND(CASE WHEN T.Incluido=1"
           " THEN M.Precio ELSE M.Precio*(1+IFNULL(T.Porcentaje,0)) END,2)"
           " FROM Producto Pr JOIN PreciosXMenu M ON M.ID_Producto=Pr.ID_Producto AND M.ID_Menu=1 LEFT JOIN"
           " (SELECT X.ID_Producto, R.Porcentaje, IFNULL(X.Incluir_en_precio,0) AS Incluido FROM ImpuestosXProducto X"
           " JOIN Tipos_Impuesto T ON"
           " T.ID_Tipo_Impuesto=X.ID_Tipo_Impuesto AND T.Tipo_Imp_Activo=1 JOIN PorcentajeXTipo_Impuesto R ON"
           " R.ID_Tipo_Impuesto=X.ID_Tipo_Impuesto AND date(R.Fecha_Inicio_Impuesto)<=date('now') AND"
           " (R.Fecha_Fin_Impuesto IS NULL OR date(R.Fecha_Fin_Impuesto)>=date('now'))) T ON T.ID_Producto=Pr.ID_Producto"
           " WHERE Pr.Estado='A' ORDER BY Pr.Nombre_Completo";
}

std::string listaPagos(const Periodo& p)
{
    return "SELECT Cu.ID_Comanda, Cu.Num_Cuenta, T.Nombre_Tipo_Pago, X.Monto_Pago, X.Propina, X.Referencia FROM Comanda C"
           " JOIN Cuenta Cu ON Cu.ID_Comanda=C.ID_Comanda JOIN Pago X ON X.ID_Comanda=Cu.ID_Comanda AND"
           " X.Num_Cuenta=Cu.Num_Cuenta AND X.Control=Cu.Control JOIN Tipo_Pago T ON T.ID_Tipo_Pago=X.ID_Tipo_Pago WHERE"
        + periodo(p) + " ORDER BY Cu.ID_Comanda, X.ID_Pago";
}

// The working date as "yyyymmdd", in the order of the dates.
std::string orden()
{
    return fechatrabajo::expresionOrden(QStringLiteral("C.Fecha_Trabajo")).toStdString();
}

std::string cortesias(const Periodo& p)
{
    return "SELECT P.ID_Comanda, K.ID_Tipo_Cortesia, T.Nombre_Tipo_Cortesia, K.Monto, P.Comentario, " + kNombre
        + ", NULL, substr(C.Fecha_Trabajo,5,4)||'.'||substr(C.Fecha_Trabajo,3,2)||'.'||substr(C.Fecha_Trabajo,1,2) AS Dia,"
          " C.ID_Empleado, NULL" + kItems
        + " JOIN Cortesia K ON K.ID_ProductosXCuenta=P.ID_ProductosXCuenta LEFT JOIN Tipo_Cortesia T ON"
          " T.ID_Tipo_Cortesia=K.ID_Tipo_Cortesia LEFT JOIN Empleado E ON E.ID_Empleado=C.ID_Empleado WHERE"
        + periodo(p) + " AND P.ID_Tipo_Anulacion IS NULL ORDER BY " + orden() + ", P.ID_Comanda";
}

std::string especiales(const Periodo& p)
{
    const Periodo semana{"week", p.desde, p.desde.addDays(6)};
    std::string dias;
    for (int n = 0; n < 7; ++n)
        dias += ", SUM(C.Fecha_Trabajo='" + p.desde.addDays(n).toString(QStringLiteral("ddMMyyyy")).toStdString() + "') AS D"
            + std::to_string(n);
    return "SELECT Pr.ID_Producto, Pr.Nombre_Completo, V.D0, V.D1, V.D2, V.D3, V.D4, V.D5, V.D6, V.D0+V.D1+V.D2+V.D3+V.D4+V.D5+V.D6"
           " FROM Producto Pr LEFT JOIN (SELECT P.ID_Producto AS ID_Producto" + dias + kItems + " WHERE" + periodo(semana)
        + " AND P.ID_Tipo_Anulacion IS NULL GROUP BY P.ID_Producto) V ON V.ID_Producto=Pr.ID_Producto WHERE Pr.Especial=1"
          " ORDER BY Pr.Nombre_Completo";
}

std::string anulaciones(const Periodo& p)
{
    return "SELECT P.ID_ProductosXCuenta, P.ID_Comanda, Pr.Nombre_Completo, A.Nombre_Tipos_Anulacion,"
           " IFNULL(G.Apellido_Paterno,'')||' '||IFNULL(G.Apellido_Materno,'')||' '||IFNULL(G.Nombre_Empleado,'') AS Gerente, "
        + kNombre + " AS Camarero, strftime('%H:%M:%S',P.Hora_Anulacion) AS Hora, IFNULL(P.Precio_Venta,0)"
                    "+IFNULL((SELECT SUM(M.Precio_Modificador) FROM Modificador M WHERE M.ID_ProductosXCuenta=P.ID_ProductosXCuenta),0)"
                    "+IFNULL((SELECT SUM(I.Monto_ImpuestosXCuenta) FROM ImpuestosXCuenta I"
                    " WHERE I.ID_ProductosXCuenta=P.ID_ProductosXCuenta),0)"
        + kItems
        + " LEFT JOIN Tipos_Anulacion A ON A.ID_Tipo_Anulacion=P.ID_Tipo_Anulacion LEFT JOIN Producto Pr ON"
          " Pr.ID_Producto=P.ID_Producto LEFT JOIN Empleado G ON G.ID_Empleado=P.Empleado_Anulacion LEFT JOIN Empleado E ON"
          " E.ID_Empleado=C.ID_Empleado WHERE"
        + periodo(p) + " AND P.ID_Tipo_Anulacion IS NOT NULL ORDER BY Camarero, Gerente, P.ID_Comanda, Hora";
}

double pagos(sqlite3* db, const Periodo& p)
{
    return double(recorre(db, "SELECT T.Nombre_Tipo_Pago, COUNT(X.ID_Tipo_Pago), IFNULL(SUM(X.Monto_Pago),0), IFNULL(SUM(X.Propina),0),"
                              " SUM(IFNULL(X.Propina,0)+IFNULL(X.Monto_Pago,0)) FROM Comanda C CROSS JOIN Pago X ON X.ID_Comanda=C.ID_Comanda"
                              " JOIN Tipo_Pago T ON T.ID_Tipo_Pago=X.ID_Tipo_Pago WHERE" + periodo(p)
                                  + " GROUP BY T.Nombre_Tipo_Pago ORDER BY T.Nombre_Tipo_Pago")
                  + recorre(db, "SELECT T.Nombre_Tipo_Cortesia, COUNT(K.ID_ProductosXCuenta), IFNULL(SUM(ROUND(K.Monto,2)),0)"
                                " FROM Comanda C CROSS JOIN ProductosXCuenta P ON P.ID_Comanda=C.ID_Comanda JOIN Cortesia K ON"
                                " K.ID_ProductosXCuenta=P.ID_ProductosXCuenta JOIN Tipo_Cortesia T ON"
                                " T.ID_Tipo_Cortesia=K.ID_Tipo_Cortesia WHERE" + periodo(p)
                                    + " AND P.ID_Tipo_Anulacion IS NULL GROUP BY 1 ORDER BY 1"));
}

std::string pmix(const Periodo& p)
{
    return "SELECT Pr.ID_Producto, Pr.Nombre_Completo, V.Maximo, IFNULL(V.N,0), ROUND(V.Suma/V.N,2), V.Suma FROM Producto Pr"
           " LEFT JOIN (SELECT P.ID_Producto AS ID_Producto, COUNT(*) AS N, TOTAL(P.Precio_Venta) AS Suma,"
           " MAX(P.Precio_Original) AS Maximo" + kItems.substr(0, kItems.find(" AND")) + " WHERE" + periodo(p)
        + " AND P.ID_Tipo_Anulacion IS NULL GROUP BY P.ID_Producto) V ON V.ID_Producto=Pr.ID_Producto ORDER BY Pr.Nombre_Completo";
}

// Per waiter: the items sold, their amount, and the guests of the checks where he sold any.
std::string compEmpleado(const Periodo& p)
{
    return "SELECT E.Nombre_Empleado, E.Apellido_Paterno, E.Apellido_Materno, V.N, V.Suma, G.Huespedes FROM"
           " (SELECT C.ID_Empleado AS ID_Empleado, COUNT(*) AS N, TOTAL(P.Precio_Venta) AS Suma"
        + kItems + " WHERE" + periodo(p)
        + " AND P.ID_Tipo_Anulacion IS NULL GROUP BY C.ID_Empleado) V JOIN (SELECT C.ID_Empleado AS ID_Empleado,"
          " TOTAL(C.CantHuespedes) AS Huespedes FROM Comanda C WHERE" + periodo(p)
        + " AND EXISTS (SELECT 1 FROM ProductosXCuenta P WHERE P.ID_Comanda=C.ID_Comanda AND P.Control=C.Control AND"
          " P.ID_Tipo_Anulacion IS NULL) GROUP BY C.ID_Empleado) G ON G.ID_Empleado=V.ID_Empleado JOIN Empleado E ON"
          " E.ID_Empleado=V.ID_Empleado ORDER BY E.Nombre_Empleado";
}

std::string detalleEmpleado(const Periodo& p)
{
    return "SELECT Ca.Nombre_Categoria, COUNT(*), TOTAL(P.Precio_Venta)" + kItems
        + " JOIN Producto Pr ON Pr.ID_Producto=P.ID_Producto JOIN Categoria Ca ON Ca.ID_Categoria=Pr.ID_Categoria WHERE"
        + periodo(p) + " AND P.ID_Tipo_Anulacion IS NULL AND C.ID_Empleado=1 GROUP BY Ca.ID_Categoria ORDER BY 1";
}

// The category the window chooses at opening: the second by name (CAFES).
std::string compCategoria(const Periodo& p)
{
    return "SELECT E.Nombre_Empleado, E.Apellido_Paterno, E.Apellido_Materno, C.ID_Comanda, P.ID_ProductosXCuenta,"
           " Pr.Nombre_Completo, P.Precio_Venta, M.ID_Tipo_Modificador, M.Precio_Modificador, T.Nombre_Tipo_Modificador"
        + kItems
        + " JOIN Producto Pr ON Pr.ID_Producto=P.ID_Producto AND Pr.ID_Categoria=8 JOIN Empleado E ON"
          " E.ID_Empleado=C.ID_Empleado LEFT JOIN Modificador M ON M.ID_ProductosXCuenta=P.ID_ProductosXCuenta LEFT JOIN"
          " Tipo_Modificador T ON T.ID_Tipo_Modificador=M.ID_Tipo_Modificador WHERE"
        + periodo(p)
        + " AND P.ID_Tipo_Anulacion IS NULL ORDER BY C.ID_Empleado, C.ID_Comanda, E.Apellido_Paterno, E.Apellido_Materno,"
          " E.Nombre_Empleado, P.ID_ProductosXCuenta, M.ID_Tipo_Modificador";
}

std::string articulos(const Periodo& p)
{
    return "SELECT C.ID_Empleado, E.Nombre_Empleado||' '||E.Apellido_Paterno||' '||E.Apellido_Materno AS Empleado,"
           " P.ID_Producto, Pr.Nombre_Completo AS Nombre_Completo, COUNT(*)"
        + kItems
        + " JOIN Empleado E ON E.ID_Empleado=C.ID_Empleado JOIN Producto Pr ON Pr.ID_Producto=P.ID_Producto WHERE" + periodo(p)
        + " AND P.ID_Tipo_Anulacion IS NULL GROUP BY C.ID_Empleado, P.ID_Producto ORDER BY Empleado, Nombre_Completo";
}

std::string cuentasGoldCard(const Periodo& p, const std::string& columnas, const std::string& resto)
{
    return "SELECT " + columnas
        + " FROM Comanda C CROSS JOIN Cuenta Cu ON Cu.ID_Comanda=C.ID_Comanda AND Cu.Control=C.Control JOIN ClientesXCuenta X ON"
          " X.ID_Comanda=Cu.ID_Comanda AND X.Num_Cuenta=Cu.Num_Cuenta LEFT JOIN Empleado E ON E.ID_Empleado=C.ID_Empleado"
          " WHERE X.IdTipoCliente=2 AND"
        + periodo(p) + resto;
}

double goldCard(sqlite3* db, const Periodo& p, const std::string& columnas, const std::string& resto)
{
    double total = 0;
    recorre(db, cuentasGoldCard(p, "SUM(Cu.Total)", std::string()), 0, &total);
    recorre(db, cuentasGoldCard(p, columnas, resto));
    return total;
}

// The value of the row whose label is `etiqueta`, column 2.
std::function<double(RepVentana&)> valorDe(const char* etiqueta)
{
    return [etiqueta](RepVentana& w) {
        const grid::Grid* g = w.rejilla();
        for (int r = 1; r <= g->rowCount(); ++r)
            if (g->text(r, 1) == QLatin1String(etiqueta))
                return g->value(r, 2).toDouble();
        return std::nan("");
    };
}

double filasRejilla(RepVentana& w)
{
    return w.rejilla()->rowCount();
}

// The comparison's first waiter's row.
constexpr int kPrimerMesero = 7;

// The drill-down's window, owned by its comparison's.
QPointer<repDetCompEmpleado>& detalle()
{
    static QPointer<repDetCompEmpleado> abierta;
    return abierta;
}

template <typename T>
std::function<RepVentana*()> crea()
{
    return [] { return new T; };
}

} // namespace

void fechas(RepVentana& w, const Periodo& p)
{
    QDateEdit* desde = w.findChild<QDateEdit*>(QStringLiteral("dtpFecha"));
    if (!desde)
        desde = w.findChild<QDateEdit*>(QStringLiteral("dtpFechaIni"));
    if (desde)
        desde->setDate(p.desde);
    if (QDateEdit* hasta = w.findChild<QDateEdit*>(QStringLiteral("dtpFechaFin")))
        hasta->setDate(p.hasta);
}

const std::vector<Caso>& casos()
{
    static const std::vector<Caso> c{
        {.nombre = "RepListadePrecios", .crea = crea<RepListadePrecios>(), .bare = filas(listaPrecios),
         .periodos = Periodos::Ninguno},
        {.nombre = "RepVentas", .crea = crea<RepVentas>(), .bare = desnudo::ventas, .cifra = valorDe("VENTAS NETAS")},
        {.nombre = "RepListaPagos", .crea = crea<RepListaPagos>(), .bare = filas(listaPagos), .cifra = filasRejilla},
        {.nombre = "RepCortesias", .crea = crea<RepCortesias>(), .bare = filas(cortesias), .cifra = filasRejilla},
        {.nombre = "RepEspeciales", .crea = crea<RepEspeciales>(), .bare = filas(especiales), .periodos = Periodos::Semana},
        {.nombre = "RepInfoAnulacion", .crea = crea<RepInfoAnulacion>(), .bare = filas(anulaciones)},
        {.nombre = "RepPagos", .crea = crea<RepPagos>(), .bare = pagos},
        {.nombre = "RepPMIX", .crea = crea<RepPMIX>(), .bare = filas(pmix)},
        {.nombre = "RepCompEmpleado", .crea = crea<RepCompEmpleado>(), .bare = filas(compEmpleado)},
        // The drill-down's search: the first waiter's categories read and written into his detail
        // window, opened once before the runs as every other report window here is.
        {.nombre = "repDetCompEmpleado",
         .crea = crea<RepCompEmpleado>(),
         .bare = filas(detalleEmpleado),
         .cifra = [](RepVentana&) { return double(detalle()->fpsDetalle->rowCount()); },
         .prepara =
             [](RepVentana& w, const Periodo& p) {
                 fechas(w, p);
                 w.ejecutaBusqueda();
                 delete detalle();
                 detalle() = new repDetCompEmpleado(w.rejilla()->text(kPrimerMesero, 1), QString(), &w);
                 detalle()->setWindowFlag(Qt::Window);
                 detalle()->show();
             },
         .busca =
             [](RepVentana& w, const Periodo&) {
                 detalle()->fpsDetalle->setRowCount(0);
                 detalle()->agregaCategorias(
                     static_cast<RepCompEmpleado&>(w).categoriasDe(w.rejilla()->text(kPrimerMesero, 1)));
             }},
        // The whole double click, for the record: a new detail window built and shown each time.
        {.nombre = "repDetCompEmpleadoDblClick",
         .crea = crea<RepCompEmpleado>(),
         .bare = filas(detalleEmpleado),
         .prepara =
             [](RepVentana& w, const Periodo& p) {
                 fechas(w, p);
                 w.ejecutaBusqueda();
             },
         .busca = [](RepVentana& w, const Periodo&) {
             delete static_cast<RepCompEmpleado&>(w).sprDatos_DblClick(1, kPrimerMesero);
         },
         .sinMeta = true},
        {.nombre = "RepCompCategoria", .crea = crea<RepCompCategoria>(), .bare = filas(compCategoria)},
        {.nombre = "RepArticulosXEmpleado", .crea = crea<RepArticulosXEmpleado>(), .bare = filas(articulos)},
        {.nombre = "RepGoldCard",
         .crea = crea<RepGoldCard>(),
         .bare =
             [](sqlite3* db, const Periodo& p) {
                 return goldCard(db, p, "X.CveCliente, X.NombreCliente, SUM(Cu.Total)",
                                 " GROUP BY X.CveCliente, X.NombreCliente ORDER BY X.NombreCliente");
             },
         .cifra = valorDe("TOTAL GOLD CARD: ")},
        {.nombre = "RepDetGoldCard",
         .crea = crea<RepDetGoldCard>(),
         .bare =
             [](sqlite3* db, const Periodo& p) {
                 return goldCard(db, p,
                                 "X.CveCliente, C.ID_Comanda, X.NombreCliente, substr(C.Fecha_Trabajo,5,4)||'.'||"
                                 "substr(C.Fecha_Trabajo,3,2)||'.'||substr(C.Fecha_Trabajo,1,2) AS Dia, Cu.Total, NULL, "
                                     + kNombre + ", Cu.Num_Cuenta",
                                 " ORDER BY X.NombreCliente, " + orden());
             },
         .cifra = valorDe("TOTAL GOLD CARD: ")},
    };
    return c;
}

} // namespace casosreportes
