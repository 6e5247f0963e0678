#include "bench/reports_bare.h"

#include <sqlite3.h>

#include <cstdio>
#include <map>
#include <tuple>
#include <vector>

namespace desnudo {

long long recorre(sqlite3* db, const std::string& sql, int columna, double* suma)
{
    sqlite3_stmt* stmt = nullptr;
    if (sqlite3_prepare_v2(db, sql.c_str(), -1, &stmt, nullptr) != SQLITE_OK) {
        std::fprintf(stderr, "bare: %s\n%s\n", sqlite3_errmsg(db), sql.c_str());
        return -1;
    }
    long long filas = 0;
    double total = 0;
    const int columnas = sqlite3_column_count(stmt);
    while (sqlite3_step(stmt) == SQLITE_ROW) {
        for (int i = 0; i < columnas; ++i) {
            switch (sqlite3_column_type(stmt, i)) {
            case SQLITE_INTEGER: (void)sqlite3_column_int64(stmt, i); break;
            case SQLITE_FLOAT: (void)sqlite3_column_double(stmt, i); break;
            case SQLITE_TEXT: (void)sqlite3_column_text(stmt, i); break;
            default: break;
            }
        }
        if (columna >= 0)
            total += sqlite3_column_double(stmt, columna);
        ++filas;
    }
    sqlite3_finalize(stmt);
    if (suma)
        *suma = total;
    return filas;
}

namespace {

struct SeccionDia {
    std::string nombre, inicio, fin;
    bool contiene(const std::string& hora) const
    {
        return inicio <= fin ? hora >= inicio && hora <= fin : hora >= inicio || (hora >= "00:00:01" && hora <= fin);
    }
};

std::vector<SeccionDia> secciones(sqlite3* db)
{
    std::vector<SeccionDia> s;
    sqlite3_stmt* stmt = nullptr;
    sqlite3_prepare_v2(db, "SELECT Nombre, Hora_inicio, Hora_Fin FROM Seccion_dia ORDER BY Nombre", -1, &stmt, nullptr);
    while (sqlite3_step(stmt) == SQLITE_ROW)
        s.push_back({reinterpret_cast<const char*>(sqlite3_column_text(stmt, 0)),
                     reinterpret_cast<const char*>(sqlite3_column_text(stmt, 1)),
                     reinterpret_cast<const char*>(sqlite3_column_text(stmt, 2))});
    sqlite3_finalize(stmt);
    return s;
}

std::string text(sqlite3_stmt* stmt, int i)
{
    const unsigned char* t = sqlite3_column_text(stmt, i);
    return t ? reinterpret_cast<const char*>(t) : std::string();
}

// An item's own sums of its side rows.
std::string sumaDe(const std::string& expresion, const std::string& tabla)
{
    return "SUM((SELECT SUM(" + expresion + ") FROM " + tabla + " X WHERE X.ID_ProductosXCuenta=P.ID_ProductosXCuenta))";
}

} // namespace

double ventas(sqlite3* db, const anogenerado::Periodo& p)
{
    const std::string periodo = anogenerado::periodo(p, "C.Fecha_Trabajo");
    const std::string items = " FROM Comanda C CROSS JOIN ProductosXCuenta P ON P.ID_Comanda=C.ID_Comanda";
    const std::string controlados = items + " AND P.Control=C.Control";

    // Every item figure, per check, category, Control, void and promotion.
    sqlite3_stmt* stmt = nullptr;
    sqlite3_prepare_v2(
        db,
        ("SELECT time(C.Fecha_Apertura), Pr.ID_Categoria, Ca.Nombre_Categoria, (P.Control=C.Control) IS 1,"
         " P.ID_Tipo_Anulacion IS NOT NULL, P.ID_Promocion IS NOT NULL, SUM(P.Precio_Venta),"
         " SUM(IFNULL(P.Precio_Original,0)-IFNULL(P.Precio_Venta,0)), "
         + sumaDe("X.Precio_Modificador", "Modificador") + ", " + sumaDe("X.impuesto_modificador", "Modificador") + ", "
         + sumaDe("X.Precio_Modificador-X.impuesto_modificador", "Modificador") + ", "
         + sumaDe("X.Monto_ImpuestosXCuenta", "ImpuestosXCuenta") + ", " + sumaDe("X.Monto", "Cortesia") + items
         + " LEFT JOIN Producto Pr ON Pr.ID_Producto=P.ID_Producto LEFT JOIN Categoria Ca ON Ca.ID_Categoria=Pr.ID_Categoria"
           " WHERE" + periodo + " GROUP BY C.ID_Comanda, C.Fecha_Apertura, Pr.ID_Categoria, Ca.Nombre_Categoria, 4, 5, 6")
            .c_str(),
        -1, &stmt, nullptr);
    const std::vector<SeccionDia> partes = secciones(db);
    double netas = 0;
    std::map<std::tuple<long long, std::string>, std::vector<double>> porCategoria;
    std::map<std::tuple<std::string, std::string>, double> cruce;
    while (sqlite3_step(stmt) == SQLITE_ROW) {
        const bool control = sqlite3_column_int(stmt, 3), anulado = sqlite3_column_int(stmt, 4);
        const double precio = sqlite3_column_double(stmt, 6), modNeto = sqlite3_column_double(stmt, 10);
        if (!anulado) {
            netas += precio + modNeto;
            if (sqlite3_column_type(stmt, 2) != SQLITE_NULL)
                for (const SeccionDia& s : partes)
                    if (s.contiene(text(stmt, 0)))
                        cruce[{text(stmt, 2), s.nombre}] += precio + modNeto;
        }
        if (control) {
            std::vector<double>& c = porCategoria[{sqlite3_column_int64(stmt, 1), text(stmt, 2)}];
            c.resize(7);
            for (int i = 6; i <= 12; ++i)
                c[i - 6] += (anulado ? -1 : 1) * sqlite3_column_double(stmt, i);
        }
    }
    sqlite3_finalize(stmt);

    recorre(db, "SELECT I.ID_Tipo_Impuesto, SUM(I.Monto_ImpuestosXCuenta)" + controlados
                    + " JOIN ImpuestosXCuenta I ON I.ID_ProductosXCuenta=P.ID_ProductosXCuenta WHERE" + periodo
                    + " AND P.ID_Tipo_Anulacion IS NULL GROUP BY 1");
    recorre(db, "SELECT IFNULL((SELECT MIN(I.ID_Tipo_Impuesto) FROM ImpuestosXCuenta I WHERE I.ID_ProductosXCuenta="
                "P.ID_ProductosXCuenta),(SELECT MIN(ID_Tipo_Impuesto) FROM Tipos_Impuesto)), SUM(M.impuesto_modificador)"
                    + controlados + " JOIN Modificador M ON M.ID_ProductosXCuenta=P.ID_ProductosXCuenta WHERE" + periodo
                    + " AND P.ID_Tipo_Anulacion IS NULL AND M.impuesto_modificador<>0 GROUP BY 1");
    recorre(db, "SELECT T.Nombre_Tipo_Cortesia, SUM(K.Monto)" + controlados
                    + " JOIN Cortesia K ON K.ID_ProductosXCuenta=P.ID_ProductosXCuenta"
                      " JOIN Tipo_Cortesia T ON T.ID_Tipo_Cortesia=K.ID_Tipo_Cortesia WHERE" + periodo
                    + " AND P.ID_Tipo_Anulacion IS NULL GROUP BY 1");
    recorre(db, "SELECT S.Nombre, IFNULL(SUM(C.CantHuespedes),0), COUNT(C.ID_Comanda) FROM Seccion_dia S LEFT JOIN Comanda C ON"
                    + periodo
                    + " AND CASE WHEN S.Hora_inicio<=S.Hora_Fin THEN time(C.Fecha_Apertura) BETWEEN S.Hora_inicio AND S.Hora_Fin"
                      " ELSE time(C.Fecha_Apertura)>=S.Hora_inicio OR time(C.Fecha_Apertura)<=S.Hora_Fin END"
                      " GROUP BY S.Nombre ORDER BY S.Nombre");
    recorre(db, "SELECT T.Nombre_Tipo_Pago, T.Clase, (X.Control=C.Control) IS 1, SUM(X.Monto_Pago), SUM(X.Propina)"
                " FROM Comanda C CROSS JOIN Pago X ON X.ID_Comanda=C.ID_Comanda LEFT JOIN Tipo_Pago T ON T.ID_Tipo_Pago=X.ID_Tipo_Pago"
                " WHERE" + periodo + " GROUP BY 1, 2, 3");
    return netas;
}

} // namespace desnudo
