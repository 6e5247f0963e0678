// The daily sales report's database work over a generated year of sales (fixed seed): about
// 100,000 checks on 365 working dates, about a million items with taxes, modifiers, courtesies,
// voids, promotions and payments. Each procedure that the report calls runs through the gateway as
// the window runs it (temporary table, EXEC through dbExecStored or the rows read back), over one
// day and over the whole year, beside the bare SQLite aggregate of the same figures; the table
// printed first gives both times and their ratio (aim: under 2x, one day under 100 ms), then Google
// Benchmark times each one. The heaviest is Reporte_Ventas (sales per category, every item's
// modifiers, taxes and courtesies summed): about 10 ms for a day and 4 s for the year here, within
// 1.6x of the bare statement; the guests per day part and the taxes per type stay under 5 ms a day.
// Before the times it prints the query plan of each one-day statement of the daily sales report
// window and flags any that reads the whole item table.

#include "foundation/database/cls_ado.h"
#include "foundation/log/cls_bitacora.h"
#include "foundation/routines/fecha_trabajo.h"
#include "reports/sql_ventas.h"
#include "schema/procedimientos.h"
#include "schema/schema.h"

#include <QCoreApplication>
#include <QDate>
#include <QElapsedTimer>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>
#include <sqlite3.h>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <random>
#include <string>
#include <vector>

namespace {

const QDate kPrimerDia(2023, 1, 1);
constexpr int kDias = 365;
constexpr int kComandasPorDia = 274;
constexpr int kProductos = 60;

std::string ddmmyyyy(const QDate& d)
{
    return d.toString(QStringLiteral("ddMMyyyy")).toStdString();
}

std::string iso(const QDateTime& t)
{
    return t.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")).toStdString();
}

// Prepared inserts for the bulk load.
struct Insercion {
    sqlite3_stmt* stmt = nullptr;
    Insercion(sqlite3* db, const char* sql) { sqlite3_prepare_v2(db, sql, -1, &stmt, nullptr); }
    ~Insercion() { sqlite3_finalize(stmt); }
    Insercion& entero(int i, long long v) { sqlite3_bind_int64(stmt, i, v); return *this; }
    Insercion& real(int i, double v) { sqlite3_bind_double(stmt, i, v); return *this; }
    Insercion& texto(int i, const std::string& v) { sqlite3_bind_text(stmt, i, v.c_str(), -1, SQLITE_TRANSIENT); return *this; }
    Insercion& nulo(int i) { sqlite3_bind_null(stmt, i); return *this; }
    void ejecuta() { sqlite3_step(stmt); sqlite3_reset(stmt); sqlite3_clear_bindings(stmt); }
};

void generaAno(sqlite3* db)
{
    std::mt19937 rng(20240315);
    auto azar = [&](int desde, int hasta) { return std::uniform_int_distribution<int>(desde, hasta)(rng); };
    sqlite3_exec(db, "PRAGMA synchronous=OFF; BEGIN", nullptr, nullptr, nullptr);
    sqlite3_exec(db,
                 "INSERT INTO Categoria (ID_Categoria, Nombre_Categoria) VALUES (1,'BEBIDAS'),(2,'ENTRADAS'),(3,'SOPAS'),"
                 "(4,'CARNES'),(5,'PESCADOS'),(6,'POSTRES'),(7,'VINOS'),(8,'CAFES');"
                 "INSERT INTO Tipos_Impuesto VALUES (1,'IVA',1),(2,'IEPS',1);"
                 "INSERT INTO Tipo_Pago (ID_Tipo_Pago, Nombre_Tipo_Pago, Clase) VALUES (1,'EFECTIVO','E'),(2,'TARJETA','T');"
                 "INSERT INTO Tipo_Cortesia (ID_Tipo_Cortesia, Nombre_Tipo_Cortesia) VALUES (1,'GERENCIA');"
                 "INSERT INTO Promocion (ID_Promocion, Nombre_Promocion) VALUES (1,'2X1');"
                 "INSERT INTO Tipos_Anulacion (ID_Tipo_Anulacion, Nombre_Tipos_Anulacion) VALUES (1,'ERROR');"
                 "INSERT INTO Tipo_Modificador (ID_Tipo_Modificador, Nombre_Tipo_Modificador) VALUES (1,'EXTRA'),(2,'SIN');",
                 nullptr, nullptr, nullptr);
    Insercion producto(db, "INSERT INTO Producto (ID_Producto, Nombre_Completo, Estado, Especial, ID_Categoria) VALUES (?,?, 'A', ?, ?)");
    std::vector<double> precios(kProductos + 1);
    for (int p = 1; p <= kProductos; ++p) {
        precios[p] = azar(2, 40) * 5.0;
        producto.entero(1, p).texto(2, "PRODUCTO " + std::to_string(p)).entero(3, p % 10 == 0).entero(4, (p - 1) / 8 % 8 + 1).ejecuta();
    }
    Insercion comanda(db, "INSERT INTO Comanda (ID_Comanda, ID_Empleado, Num_Mesa, Abierta, Fecha_Apertura, Fecha_Cierre, "
                          "Tipo, Fecha_Trabajo, Control, CantHuespedes) VALUES (?,?,?,0,?,?,'MESA',?,1,?)");
    Insercion cuenta(db, "INSERT INTO Cuenta (ID_Comanda, Num_Cuenta, Pagada, Total, Control) VALUES (?,1,1,?,1)");
    Insercion item(db, "INSERT INTO ProductosXCuenta (ID_ProductosXCuenta, ID_Comanda, Num_Cuenta, ID_Producto, Precio_Venta, "
                       "Precio_Original, ID_Tipo_Anulacion, ID_Promocion, Empleado_Anulacion, Hora_Anulacion, Control) "
                       "VALUES (?,?,1,?,?,?,?,?,?,?,1)");
    Insercion impuesto(db, "INSERT INTO ImpuestosXCuenta VALUES (?,?,?)");
    Insercion modificador(db, "INSERT INTO Modificador VALUES (?,?,?,?)");
    Insercion cortesia(db, "INSERT INTO Cortesia VALUES (?,1,?)");
    Insercion pago(db, "INSERT INTO Pago (ID_Pago, ID_Comanda, Num_Cuenta, ID_Tipo_Pago, Monto_Pago, Propina, Control) "
                       "VALUES (?,?,1,?,?,?,1)");
    long long idComanda = 0, idItem = 0, idPago = 0;
    for (int d = 0; d < kDias; ++d) {
        const QDate dia = kPrimerDia.addDays(d);
        for (int c = 0; c < kComandasPorDia; ++c) {
            ++idComanda;
            const QDateTime apertura(dia, QTime(7, 0).addSecs(azar(0, 19 * 3600 - 1)));
            comanda.entero(1, idComanda).entero(2, azar(1, 25)).entero(3, azar(1, 40)).texto(4, iso(apertura))
                .texto(5, iso(apertura.addSecs(3600))).texto(6, ddmmyyyy(dia)).entero(7, azar(1, 6)).ejecuta();
            double total = 0;
            const int items = azar(5, 15);
            for (int i = 0; i < items; ++i) {
                ++idItem;
                const int p = azar(1, kProductos);
                const bool anulado = azar(1, 100) <= 3;
                const bool promo = azar(1, 100) <= 5;
                const bool cortesiaDada = !promo && azar(1, 100) <= 2;
                const double lista = precios[p];
                const double venta = cortesiaDada ? 0 : promo ? lista / 2 : lista;
                item.entero(1, idItem).entero(2, idComanda).entero(3, p).real(4, venta).real(5, lista);
                if (anulado)
                    item.entero(6, 1).entero(9, azar(1, 25)).texto(10, iso(apertura.addSecs(600)));
                if (promo)
                    item.entero(7, 1);
                item.ejecuta();
                double linea = venta;
                impuesto.entero(1, idItem).entero(2, 1).real(3, venta * 0.16).ejecuta();
                linea += venta * 0.16;
                if (p % 5 == 0) {
                    impuesto.entero(1, idItem).entero(2, 2).real(3, venta * 0.08).ejecuta();
                    linea += venta * 0.08;
                }
                if (azar(1, 100) <= 20) {
                    modificador.entero(1, idItem).entero(2, 1).real(3, 11.6).real(4, 1.6).ejecuta();
                    linea += 11.6;
                    if (azar(1, 2) == 1)
                        modificador.entero(1, idItem).entero(2, 2).real(3, 0).real(4, 0).ejecuta();
                }
                if (cortesiaDada)
                    cortesia.entero(1, idItem).real(2, lista).ejecuta();
                if (!anulado)
                    total += linea;
            }
            cuenta.entero(1, idComanda).real(2, total).ejecuta();
            const double tarjeta = azar(0, 1) ? total / 2 : 0;
            if (tarjeta > 0)
                pago.entero(1, ++idPago).entero(2, idComanda).entero(3, 2).real(4, tarjeta).real(5, total * 0.1).ejecuta();
            pago.entero(1, ++idPago).entero(2, idComanda).entero(3, 1).real(4, total - tarjeta).nulo(5).ejecuta();
        }
    }
    sqlite3_exec(db, "COMMIT; ANALYZE", nullptr, nullptr, nullptr);
    std::printf("Generated %lld checks, %lld items, %lld payments on %d working dates\n", idComanda, idItem, idPago, kDias);
}

struct Ano {
    QTemporaryDir dir;
    sqlite3* bare = nullptr;

    Ano()
    {
        qputenv("ZORVA_DATA", dir.path().toLocal8Bit());
        const QString ruta = dir.filePath(QStringLiteral("bench.db"));
        {
            adodb::Connection nueva;
            nueva.openFile(ruta, true, true);
            schema::createCentral(nueva, kPrimerDia);
            nueva.close();
        }
        sqlite3* db = nullptr;
        sqlite3_open(ruta.toUtf8().constData(), &db);
        generaAno(db);
        sqlite3_close(db);
        sqlite3_open(ruta.toUtf8().constData(), &bare);
        registraProcedimientos();
        static ClsBitacora bitacora;
        bitacora.inciar_log({.PCrearArchivo = false, .Parchivo = false, .PMsgBox = false});
        g_ClsAdo().CClsBitacora = &bitacora;
        g_ClsAdo().Conectar(QStringLiteral("."), QStringLiteral("bench"), QStringLiteral("vypjv_ok"), QString());
    }
    ~Ano() { sqlite3_close(bare); }
};

Ano& ano()
{
    static Ano a;
    return a;
}

// The period of a run: one day in mid-year, or the whole year.
struct Periodo {
    QDate desde, hasta;
};
const Periodo kDia{QDate(2023, 7, 14), QDate(2023, 7, 14)};
const Periodo kAno{kPrimerDia, kPrimerDia.addDays(kDias - 1)};

QString fechaDia(const QDate& d)
{
    return d.toString(QStringLiteral("dd/MM/yyyy"));
}

// --- Through the gateway, as the daily sales report runs each procedure -------------------------

double reporteVentasGateway(const Periodo& p)
{
    adodb::Connection& c = g_ClsAdo().conexion();
    c.execute(QStringLiteral("CREATE TEMP TABLE \"#Tmp_Ventas\" (ID_Categoria INTEGER, Nombre VARCHAR(50), Ventas_Netas MONEY REAL,"
                             " Cortesias MONEY REAL, Promociones MONEY REAL, Anulaciones MONEY REAL, Impuestos MONEY REAL,"
                             " Ventas_Brutas AS (IFNULL(Ventas_Netas,0)+IFNULL(Cortesias,0)+IFNULL(Promociones,0)"
                             "+IFNULL(Impuestos,0)))"));
    g_ClsAdo().dbExecStored(QStringLiteral("EXEC Reporte_Ventas '%1','%2'").arg(fechaDia(p.desde), fechaDia(p.hasta)));
    adodb::Recordset rs;
    g_ClsAdo().Establece_consulta(rs, QStringLiteral("SELECT ID_Categoria,Nombre,SUM(IFNULL(Ventas_Netas,0)),SUM(IFNULL(Cortesias,0)),"
                                                     "SUM(IFNULL(Promociones,0)),SUM(IFNULL(Anulaciones,0)),SUM(IFNULL(Impuestos,0)),"
                                                     "SUM(IFNULL(Ventas_Brutas,0)) FROM \"#Tmp_Ventas\" GROUP BY ID_Categoria,Nombre"));
    double suma = 0;
    for (int r = 0; r < rs.recordCount(); ++r)
        suma += rs.cell(r, 2).toDouble();
    c.execute(QStringLiteral("DROP TABLE \"#Tmp_Ventas\""));
    return suma;
}

double filasGateway(const QString& llamada, const Periodo& p)
{
    adodb::Recordset rs = g_ClsAdo().conexion().execute(llamada.arg(fechaDia(p.desde), fechaDia(p.hasta)));
    double suma = 0;
    for (; !rs.isNull() && !rs.eof(); rs.moveNext())
        suma += rs.field(1).value().toDouble();
    return suma;
}

// --- Bare SQLite: the same figures in one plain statement ---------------------------------------

double bare(const std::string& sql)
{
    sqlite3_stmt* stmt = nullptr;
    sqlite3_prepare_v2(ano().bare, sql.c_str(), -1, &stmt, nullptr);
    double suma = 0;
    while (sqlite3_step(stmt) == SQLITE_ROW)
        suma += sqlite3_column_double(stmt, 1);
    sqlite3_finalize(stmt);
    return suma;
}

std::string periodo(const Periodo& p)
{
    return fechatrabajo::periodo(p.desde, p.hasta, QStringLiteral("C.Fecha_Trabajo")).toStdString();
}

double reporteVentasBare(const Periodo& p)
{
    return bare(
        "SELECT Pr.ID_Categoria, SUM(CASE WHEN P.ID_Tipo_Anulacion IS NULL THEN P.Precio_Venta"
        " + IFNULL((SELECT SUM(Precio_Modificador - impuesto_modificador) FROM Modificador M"
        " WHERE M.ID_ProductosXCuenta = P.ID_ProductosXCuenta), 0) ELSE 0 END),"
        " SUM(CASE WHEN P.ID_Tipo_Anulacion IS NULL THEN IFNULL((SELECT SUM(Monto) FROM Cortesia K"
        " WHERE K.ID_ProductosXCuenta = P.ID_ProductosXCuenta), 0) ELSE 0 END),"
        " SUM(CASE WHEN P.ID_Tipo_Anulacion IS NULL AND P.ID_Promocion IS NOT NULL THEN P.Precio_Original - P.Precio_Venta ELSE 0 END),"
        " SUM(CASE WHEN P.ID_Tipo_Anulacion IS NOT NULL THEN P.Precio_Venta"
        " + IFNULL((SELECT SUM(Precio_Modificador) FROM Modificador M WHERE M.ID_ProductosXCuenta = P.ID_ProductosXCuenta), 0)"
        " + IFNULL((SELECT SUM(Monto_ImpuestosXCuenta) FROM ImpuestosXCuenta I WHERE I.ID_ProductosXCuenta = P.ID_ProductosXCuenta), 0)"
        " ELSE 0 END),"
        " SUM(CASE WHEN P.ID_Tipo_Anulacion IS NULL THEN"
        " IFNULL((SELECT SUM(Monto_ImpuestosXCuenta) FROM ImpuestosXCuenta I WHERE I.ID_ProductosXCuenta = P.ID_ProductosXCuenta), 0)"
        " + IFNULL((SELECT SUM(impuesto_modificador) FROM Modificador M WHERE M.ID_ProductosXCuenta = P.ID_ProductosXCuenta), 0)"
        " ELSE 0 END)"
        " FROM Comanda C JOIN ProductosXCuenta P ON P.ID_Comanda = C.ID_Comanda AND P.Control = C.Control"
        " JOIN Producto Pr ON Pr.ID_Producto = P.ID_Producto WHERE"
        + periodo(p) + " GROUP BY Pr.ID_Categoria");
}

double invitadosBare(const Periodo& p)
{
    return bare("SELECT S.Nombre, SUM(C.CantHuespedes), COUNT(*) FROM Seccion_dia S JOIN Comanda C ON"
                + periodo(p)
                + " AND ((S.Hora_inicio <= S.Hora_Fin AND time(C.Fecha_Apertura) BETWEEN S.Hora_inicio AND S.Hora_Fin)"
                  " OR (S.Hora_inicio > S.Hora_Fin AND (time(C.Fecha_Apertura) >= S.Hora_inicio"
                  " OR time(C.Fecha_Apertura) <= S.Hora_Fin))) GROUP BY S.Nombre");
}

double impuestosBare(const Periodo& p)
{
    const std::string items = " FROM Comanda C JOIN ProductosXCuenta P ON P.ID_Comanda = C.ID_Comanda AND P.Control = C.Control";
    return bare("SELECT Tipo, SUM(Monto) FROM (SELECT I.ID_Tipo_Impuesto AS Tipo, I.Monto_ImpuestosXCuenta AS Monto" + items
                + " JOIN ImpuestosXCuenta I ON I.ID_ProductosXCuenta = P.ID_ProductosXCuenta WHERE" + periodo(p)
                + " AND P.ID_Tipo_Anulacion IS NULL UNION ALL SELECT IFNULL((SELECT MIN(ID_Tipo_Impuesto) FROM ImpuestosXCuenta I"
                  " WHERE I.ID_ProductosXCuenta = P.ID_ProductosXCuenta), 1), M.impuesto_modificador"
                + items + " JOIN Modificador M ON M.ID_ProductosXCuenta = P.ID_ProductosXCuenta WHERE" + periodo(p)
                + " AND P.ID_Tipo_Anulacion IS NULL AND M.impuesto_modificador <> 0) GROUP BY Tipo");
}

struct Caso {
    const char* nombre;
    std::function<double(const Periodo&)> gateway;
    std::function<double(const Periodo&)> sqlite;
};

const std::vector<Caso>& casos()
{
    static const std::vector<Caso> c{
        {"Reporte_Ventas", reporteVentasGateway, reporteVentasBare},
        {"Invitados_X_SeccionDia",
         [](const Periodo& p) { return filasGateway(QStringLiteral("Invitados_X_SeccionDia '%1','%2'"), p); }, invitadosBare},
        {"Rep_Ventas_Imp_Mod", [](const Periodo& p) { return filasGateway(QStringLiteral("Rep_Ventas_Imp_Mod '%1','%2'"), p); },
         impuestosBare},
    };
    return c;
}

// The median of a few runs, in milliseconds.
double mediana(const std::function<double(const Periodo&)>& f, const Periodo& p, int veces)
{
    std::vector<double> ms;
    for (int i = 0; i < veces; ++i) {
        QElapsedTimer t;
        t.start();
        benchmark::DoNotOptimize(f(p));
        ms.push_back(t.nsecsElapsed() / 1e6);
    }
    std::sort(ms.begin(), ms.end());
    return ms[ms.size() / 2];
}

void imprimeRazones()
{
    std::printf("%-24s %-6s %12s %12s %7s\n", "procedure", "period", "gateway ms", "bare ms", "ratio");
    for (const Caso& c : casos()) {
        for (const auto& [nombre, p, veces] : {std::tuple{"day", kDia, 21}, std::tuple{"year", kAno, 3}}) {
            const double g = mediana(c.gateway, p, veces);
            const double b = mediana(c.sqlite, p, veces);
            std::printf("%-24s %-6s %12.2f %12.2f %7.2f\n", c.nombre, nombre, g, b, g / b);
        }
    }
    std::fflush(stdout);
}

void Gateway(benchmark::State& state, int caso, bool anoEntero)
{
    const Periodo p = anoEntero ? kAno : kDia;
    for (auto _ : state)
        benchmark::DoNotOptimize(casos()[caso].gateway(p));
}

void Bare(benchmark::State& state, int caso, bool anoEntero)
{
    const Periodo p = anoEntero ? kAno : kDia;
    for (auto _ : state)
        benchmark::DoNotOptimize(casos()[caso].sqlite(p));
}

// The plans of the daily sales report's own statements over one day: none may read the whole item
// table ("SCAN" of ProductosXCuenta, under its name or its alias).
void revisaPlanes()
{
    std::printf("\nQuery plans of the daily sales report's statements, one day:\n");
    int completas = 0;
    for (QString sql : sqlventas::todas(kDia.desde, kDia.hasta)) {
        if (sql.startsWith(QStringLiteral("INSERT INTO")))
            sql = sql.mid(sql.indexOf(QStringLiteral("SELECT")));
        sqlite3_stmt* stmt = nullptr;
        sqlite3_prepare_v2(ano().bare, ("EXPLAIN QUERY PLAN " + sql.toStdString()).c_str(), -1, &stmt, nullptr);
        std::printf("%s\n", sql.left(70).toUtf8().constData());
        while (sqlite3_step(stmt) == SQLITE_ROW) {
            const std::string paso = reinterpret_cast<const char*>(sqlite3_column_text(stmt, 3));
            const bool completa = paso.rfind("SCAN", 0) == 0
                && (paso.find("ProductosXCuenta") != std::string::npos || paso == "SCAN P" || paso == "SCAN cu"
                    || paso == "SCAN PXC");
            completas += completa;
            std::printf("    %s%s\n", paso.c_str(), completa ? "   <-- whole item table" : "");
        }
        sqlite3_finalize(stmt);
    }
    std::printf("%s\n\n", completas ? "SOME STATEMENT READS THE WHOLE ITEM TABLE" : "No statement reads the whole item table");
    std::fflush(stdout);
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    ano();
    revisaPlanes();
    imprimeRazones();
    for (int i = 0; i < int(casos().size()); ++i) {
        const std::string n = casos()[i].nombre;
        benchmark::RegisterBenchmark((n + "_Gateway/day").c_str(), Gateway, i, false)->Unit(benchmark::kMillisecond);
        benchmark::RegisterBenchmark((n + "_Bare/day").c_str(), Bare, i, false)->Unit(benchmark::kMillisecond);
        benchmark::RegisterBenchmark((n + "_Gateway/year").c_str(), Gateway, i, true)->Unit(benchmark::kMillisecond);
        benchmark::RegisterBenchmark((n + "_Bare/year").c_str(), Bare, i, true)->Unit(benchmark::kMillisecond);
    }
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
