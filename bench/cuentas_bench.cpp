// The account report (RepCuentas) and the ticket reprint over generated sales (fixed seed), on
// databases that are never analysed, as the program leaves them: 200 checks a day of 1 to 3
// accounts, each account 2 to 6 items with their taxes, a fifth of them with modifiers.
//  - The list: the window's whole search, grid included, over the first 100 working dates (20,000
//    checks) and over the last day of the year, against the bare SQLite statement of the same list
//    (checks, waiter, dates, summed account totals) stepped to its last row with every column read;
//    the gateway's recordset of the window's statement alone between them. Aim: within 2x.
//  - The reprint: ImprimirTicket for the first account of the last check of 31 January, after one
//    month of sales and after twelve (the same rows: the year begins with the same month). Aim:
//    the same time after twelve months as after one.
// Google Benchmark times each one (the rows listed as a counter); the ratios follow its table.
#include "bench/insercion.h"
#include "bench/ratio_reporter.h"
#include "foundation/database/cls_ado.h"
#include "foundation/log/cls_bitacora.h"
#include "foundation/routines/fecha_trabajo.h"
#include "platform/grid/grid.h"
#include "platform/ui/freed_memory.h"
#include "schema/procedimientos.h"
#include "schema/schema.h"
#include "tickets/consultas_cuentas.h"
#include "tickets/rep_cuentas.h"

#include <QApplication>
#include <QDateEdit>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>
#include <sqlite3.h>

#include <memory>
#include <random>
#include <string>

namespace {

const QDate kPrimerDia(2024, 1, 1);
constexpr int kComandasPorDia = 200;
constexpr int kProductos = 60;

struct Periodo {
    const char* nombre;
    QDate desde, hasta;
};
const Periodo kCienDias{"100 days", kPrimerDia, kPrimerDia.addDays(99)};
const Periodo kUltimoDia{"last day", kPrimerDia.addDays(365), kPrimerDia.addDays(365)};

// The sales of the working dates from kPrimerDia to `hasta`, both included.
void genera(sqlite3* db, const QDate& hasta)
{
    std::mt19937 rng(20250131);
    auto azar = [&](int desde, int hasta) { return std::uniform_int_distribution<int>(desde, hasta)(rng); };
    sqlite3_exec(db, "PRAGMA synchronous=OFF; BEGIN;"
                     "INSERT INTO Categoria (ID_Categoria, Nombre_Categoria) VALUES (1,'BEBIDAS'),(2,'COMIDA');"
                     "INSERT INTO Tipos_Impuesto VALUES (1,'IVA',1);"
                     "INSERT INTO Tipo_Modificador (ID_Tipo_Modificador, Nombre_Tipo_Modificador) VALUES (1,'EXTRA'),(2,'SIN');",
                 nullptr, nullptr, nullptr);
    Insercion empleado(db, "INSERT INTO Empleado (ID_Empleado, Usuario, Nombre_Empleado, Apellido_Paterno, Apellido_Materno) "
                           "VALUES (?,?,'NOMBRE','PATERNO','MATERNO')");
    for (int e = 1; e <= 25; ++e)
        empleado.entero(1, e).texto(2, "U" + std::to_string(e)).ejecuta();
    Insercion producto(db, "INSERT INTO Producto (ID_Producto, Nombre_Completo, Nombre_Cuenta, Estado, ID_Categoria) "
                           "VALUES (?,?,?,'A',?)");
    std::vector<double> precios(kProductos + 1);
    for (int p = 1; p <= kProductos; ++p) {
        precios[p] = azar(2, 40) * 5.0;
        producto.entero(1, p).texto(2, "PRODUCTO " + std::to_string(p)).texto(3, "PROD " + std::to_string(p)).entero(4, p % 2 + 1).ejecuta();
    }
    Insercion comanda(db, "INSERT INTO Comanda (ID_Comanda, ID_Empleado, Num_Mesa, Abierta, Fecha_Apertura, Fecha_Cierre, Tipo,"
                          " Fecha_Trabajo, Control, CantHuespedes) VALUES (?,?,?,0,?,?,'MESA',?,1,2)");
    Insercion cuenta(db, "INSERT INTO Cuenta (ID_Comanda, Num_Cuenta, Pagada, Total, Control) VALUES (?,?,1,?,1)");
    Insercion item(db, "INSERT INTO ProductosXCuenta (ID_ProductosXCuenta, ID_Comanda, Num_Cuenta, ID_Producto, Precio_Venta,"
                       " Precio_Original, Control) VALUES (?,?,?,?,?,?,1)");
    Insercion impuesto(db, "INSERT INTO ImpuestosXCuenta VALUES (?,1,?)");
    Insercion modificador(db, "INSERT INTO Modificador VALUES (?,?,?,?)");
    long long idComanda = 0, idItem = 0;
    for (QDate dia = kPrimerDia; dia <= hasta; dia = dia.addDays(1)) {
        const std::string trabajo = dia.toString(QStringLiteral("ddMMyyyy")).toStdString();
        for (int c = 0; c < kComandasPorDia; ++c) {
            ++idComanda;
            const QDateTime abre(dia, QTime(8, 0).addSecs(azar(0, 14 * 3600)));
            comanda.entero(1, idComanda).entero(2, azar(1, 25)).entero(3, azar(1, 40))
                .texto(4, abre.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")).toStdString())
                .texto(5, abre.addSecs(5400).toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")).toStdString())
                .texto(6, trabajo).ejecuta();
            for (int n = 1, cuentas = azar(1, 3); n <= cuentas; ++n) {
                double total = 0;
                for (int i = 0, items = azar(2, 6); i < items; ++i) {
                    const int p = azar(1, kProductos);
                    item.entero(1, ++idItem).entero(2, idComanda).entero(3, n).entero(4, p).real(5, precios[p]).real(6, precios[p]).ejecuta();
                    impuesto.entero(1, idItem).real(2, precios[p] * 0.16).ejecuta();
                    total += precios[p] * 1.16;
                    if (azar(1, 5) == 1) {
                        modificador.entero(1, idItem).entero(2, 1).real(3, 11.6).real(4, 1.6).ejecuta();
                        total += 11.6;
                    }
                }
                cuenta.entero(1, idComanda).entero(2, n).real(3, total).ejecuta();
            }
        }
    }
    sqlite3_exec(db, "COMMIT", nullptr, nullptr, nullptr);
}

// A central database holding the sales up to `hasta`, open bare and through the data layer.
struct Base {
    QString ruta;
    sqlite3* bare = nullptr;
    adodb::Connection conexion;

    Base(const QTemporaryDir& dir, const QString& nombre, const QDate& hasta) : ruta(dir.filePath(nombre + QStringLiteral(".db")))
    {
        {
            adodb::Connection nueva;
            nueva.openFile(ruta, true, true);
            schema::createCentral(nueva, kPrimerDia);
            nueva.close();
        }
        sqlite3_open(ruta.toUtf8().constData(), &bare);
        genera(bare, hasta);
        conexion.openFile(ruta);
    }
    ~Base() { sqlite3_close(bare); }
};

struct Datos {
    QTemporaryDir dir;
    std::unique_ptr<Base> mes, ano;
    std::unique_ptr<RepCuentas> ventana;

    Datos()
    {
        qputenv("ZORVA_DATA", dir.path().toLocal8Bit());
        registraProcedimientos();
        mes = std::make_unique<Base>(dir, QStringLiteral("mes"), kPrimerDia.addDays(30));
        ano = std::make_unique<Base>(dir, QStringLiteral("bench"), kUltimoDia.hasta);
        static ClsBitacora bitacora;
        bitacora.inciar_log({.PCrearArchivo = false, .Parchivo = false, .PMsgBox = false});
        g_ClsAdo().CClsBitacora = &bitacora;
        g_ClsAdo().Conectar(QStringLiteral("."), QStringLiteral("bench"), QStringLiteral("vypjv_ok"), QString());
        ventana = std::make_unique<RepCuentas>();
    }
};

Datos& datos()
{
    static Datos d;
    return d;
}

// The window's whole search; returns the rows listed.
int ventana(const Periodo& p)
{
    RepCuentas& w = *datos().ventana;
    w.dtpFecha->setDate(p.desde);
    w.dtpFechaFin->setDate(p.hasta);
    w.ejecutaBusqueda();
    return w.rejilla()->rowCount() - RepCuentas::kFilasEncabezado;
}

// The window's statement through the gateway's recordset, alone.
int recordset(const Periodo& p)
{
    adodb::Recordset rs;
    g_ClsAdo().Establece_consulta(rs, consultascuentas::lista(p.desde, p.hasta), 3, 3, 1);
    return rs.recordCount();
}

// The same list on bare SQLite, every column read as text.
int bare(const Periodo& p)
{
    const std::string sql =
        "SELECT C.ID_Comanda, C.Num_Mesa, E.Apellido_Paterno || ' ' || E.Apellido_Materno || ' ' || E.Nombre_Empleado,"
        " substr(C.Fecha_Trabajo,1,2) || '/' || substr(C.Fecha_Trabajo,3,2) || '/' || substr(C.Fecha_Trabajo,5,4),"
        " strftime('%d/%m/%Y %H:%M',C.Fecha_Apertura), strftime('%d/%m/%Y %H:%M',C.Fecha_Cierre), SUM(ROUND(T.Total,2)), C.Control"
        " FROM Comanda C JOIN Cuenta T ON T.ID_Comanda=C.ID_Comanda AND T.Control=C.Control"
        " LEFT JOIN Empleado E ON E.ID_Empleado=C.ID_Empleado WHERE C.ID_Comanda IN (SELECT ID_Comanda FROM Comanda WHERE"
        + fechatrabajo::periodo(p.desde, p.hasta).toStdString() + ") GROUP BY C.ID_Comanda, C.Control ORDER BY C.ID_Comanda";
    sqlite3_stmt* st = nullptr;
    sqlite3_prepare_v2(datos().ano->bare, sql.c_str(), -1, &st, nullptr);
    int filas = 0;
    while (sqlite3_step(st) == SQLITE_ROW) {
        for (int i = 0; i < 8; ++i)
            benchmark::DoNotOptimize(sqlite3_column_text(st, i));
        ++filas;
    }
    sqlite3_finalize(st);
    return filas;
}

// The items of the reprint, every field read.
int reimpresion(Base& base)
{
    constexpr int kComanda = 31 * kComandasPorDia;  // the last check of 31 January
    adodb::Recordset rs = base.conexion.execute(QStringLiteral("ImprimirTicket %1,1,1").arg(kComanda));
    int campos = 0;
    for (; !rs.eof(); rs.moveNext())
        for (int i = 0; i < rs.fieldCount(); ++i)
            campos += !rs.field(i).value().isNull();
    return campos;
}

void Lista_Ventana(benchmark::State& state, const Periodo& p)
{
    int filas = 0;
    for (auto _ : state)
        filas = ventana(p);
    state.counters["rows"] = filas;
}

void Lista_Recordset(benchmark::State& state, const Periodo& p)
{
    int filas = 0;
    for (auto _ : state)
        filas = recordset(p);
    state.counters["rows"] = filas;
}

void Lista_Bare(benchmark::State& state, const Periodo& p)
{
    int filas = 0;
    for (auto _ : state)
        filas = bare(p);
    state.counters["rows"] = filas;
}

void Reimpresion(benchmark::State& state, bool ano)
{
    Base& base = ano ? *datos().ano : *datos().mes;
    for (auto _ : state)
        benchmark::DoNotOptimize(reimpresion(base));
}

} // namespace

int main(int argc, char** argv)
{
    // The process is set up as the program's main() sets it up.
    ui::keepFreedMemory();
    for (const auto& [p, n] : {std::pair{&kCienDias, "100days"}, std::pair{&kUltimoDia, "lastday"}}) {
        const std::string nombre = n;
        benchmark::RegisterBenchmark(("Lista_Ventana/" + nombre).c_str(), Lista_Ventana, *p)->Unit(benchmark::kMillisecond);
        benchmark::RegisterBenchmark(("Lista_Recordset/" + nombre).c_str(), Lista_Recordset, *p)->Unit(benchmark::kMillisecond);
        benchmark::RegisterBenchmark(("Lista_Bare/" + nombre).c_str(), Lista_Bare, *p)->Unit(benchmark::kMillisecond);
    }
    benchmark::RegisterBenchmark("Reimpresion/1month", Reimpresion, false)->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("Reimpresion/12months", Reimpresion, true)->Unit(benchmark::kMillisecond);
    bench::RatioReporter reporter({{"Lista_Ventana/100days", "Lista_Bare/100days", "account list, 100 days (20,000 checks), window / bare"},
                                   {"Lista_Ventana/lastday", "Lista_Bare/lastday", "account list, last day of the year, window / bare"},
                                   {"Reimpresion/12months", "Reimpresion/1month", "reprint, after twelve months / after one"}});
    // The data is built before the first timing.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    datos();
    return bench::run(argc, argv, &reporter);
}
