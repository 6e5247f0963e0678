// The hours windows over a generated month of clock entries (fixed seed): 300 employees in 4
// departments, 31 work dates, 2 entries a day each (18,600 entries). Each window's whole search
// (Detalle de Horas, Resumen de Horas, Horas X Empleado: statements, gateway and grid) is timed
// against bare SQLite running the same statements (prepare, step, every column read), and a
// correction in Detalle de Horas (stored, recomputed by the trigger and shown) on its own; the
// table printed first gives the best of several runs and the ratios, then the query plans of the
// period statements; Google Benchmark then times each one.

#include "foundation/database/cls_ado.h"
#include "foundation/log/cls_bitacora.h"
#include "platform/grid/grid.h"
#include "platform/ui/freed_memory.h"
#include "schema/schema.h"
#include "tickets/rep_horas.h"
#include "tickets/rep_oficial_horas.h"
#include "tickets/rep_resumen_horas.h"
#include "tickets/sql_horas.h"

#include <QApplication>
#include <QComboBox>
#include <QDate>
#include <QDateEdit>
#include <QElapsedTimer>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>
#include <sqlite3.h>

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <functional>
#include <random>
#include <string>

namespace {

constexpr int kEmpleados = 300;
constexpr int kDias = 31;
const QDate kDesde(2025, 1, 1);
const QDate kHasta(2025, 1, 31);

void genera(sqlite3* db)
{
    std::mt19937 rng(20250131);
    auto azar = [&](int desde, int hasta) { return std::uniform_int_distribution<int>(desde, hasta)(rng); };
    sqlite3_exec(db, "PRAGMA synchronous=OFF; BEGIN;"
                     "INSERT INTO Departamentos (ID_Departamento, Nombre, Activo) VALUES (1,'COCINA',1),(2,'PISO',1),"
                     "(3,'BARRA',1),(4,'CAJA',1);",
                 nullptr, nullptr, nullptr);
    sqlite3_stmt* emp = nullptr;
    sqlite3_stmt* costo = nullptr;
    sqlite3_stmt* horas = nullptr;
    sqlite3_prepare_v2(db, "INSERT INTO Empleado (ID_Empleado, Usuario, Nombre_Empleado, Apellido_Paterno, Apellido_Materno) "
                           "VALUES (?, ?, ?, ?, ?)", -1, &emp, nullptr);
    sqlite3_prepare_v2(db, "INSERT INTO CostosXEmpleado VALUES (?, ?, ?)", -1, &costo, nullptr);
    sqlite3_prepare_v2(db, "INSERT INTO HorasXEmpleado (Id_Empleado, ID_Departamento, Fecha_Trabajo, Hora_Inicio, Hora_Final, "
                           "Minutos, Costo) VALUES (?, ?, ?, ?, ?, ?, ?)", -1, &horas, nullptr);
    for (int e = 1; e <= kEmpleados; ++e) {
        const std::string usuario = "EMP" + std::to_string(e);
        sqlite3_bind_int(emp, 1, e);
        sqlite3_bind_text(emp, 2, usuario.c_str(), -1, SQLITE_TRANSIENT);
        sqlite3_bind_text(emp, 3, ("NOMBRE" + std::to_string(e % 40)).c_str(), -1, SQLITE_TRANSIENT);
        sqlite3_bind_text(emp, 4, ("PATERNO" + std::to_string(e % 70)).c_str(), -1, SQLITE_TRANSIENT);
        if (e % 5)
            sqlite3_bind_text(emp, 5, ("MATERNO" + std::to_string(e % 30)).c_str(), -1, SQLITE_TRANSIENT);
        else
            sqlite3_bind_null(emp, 5);
        sqlite3_step(emp);
        sqlite3_reset(emp);
        const int depto = 1 + e % 4;
        const double tarifa = 40 + azar(0, 40);
        sqlite3_bind_int(costo, 1, e);
        sqlite3_bind_int(costo, 2, depto);
        sqlite3_bind_double(costo, 3, tarifa);
        sqlite3_step(costo);
        sqlite3_reset(costo);
        for (int d = 0; d < kDias; ++d) {
            const QDate dia = kDesde.addDays(d);
            for (int turno = 0; turno < 2; ++turno) {
                const QDateTime inicio(dia, QTime(turno ? 16 : 7, azar(0, 59)));
                const int minutos = azar(180, 300);
                sqlite3_bind_int(horas, 1, e);
                sqlite3_bind_int(horas, 2, depto);
                sqlite3_bind_text(horas, 3, dia.toString(QStringLiteral("ddMMyyyy")).toUtf8().constData(), -1, SQLITE_TRANSIENT);
                sqlite3_bind_text(horas, 4, inicio.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")).toUtf8().constData(), -1,
                                  SQLITE_TRANSIENT);
                sqlite3_bind_text(horas, 5,
                                  inicio.addSecs(minutos * 60).toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")).toUtf8().constData(),
                                  -1, SQLITE_TRANSIENT);
                sqlite3_bind_int(horas, 6, minutos);
                sqlite3_bind_double(horas, 7, std::nearbyint(minutos * tarifa / 60 * 100) / 100);
                sqlite3_step(horas);
                sqlite3_reset(horas);
            }
        }
    }
    sqlite3_finalize(emp);
    sqlite3_finalize(costo);
    sqlite3_finalize(horas);
    sqlite3_exec(db, "COMMIT; ANALYZE", nullptr, nullptr, nullptr);
}

struct Mes {
    QTemporaryDir dir;
    sqlite3* bare = nullptr;

    Mes()
    {
        qputenv("ZORVA_DATA", dir.path().toLocal8Bit());
        const QString ruta = dir.filePath(QStringLiteral("bench.db"));
        {
            adodb::Connection nueva;
            nueva.openFile(ruta, true, true);
            schema::createCentral(nueva, kDesde);
            nueva.close();
        }
        sqlite3_open(ruta.toUtf8().constData(), &bare);
        genera(bare);
        static ClsBitacora bitacora;
        bitacora.inciar_log({.PCrearArchivo = false, .Parchivo = false, .PMsgBox = false});
        g_ClsAdo().CClsBitacora = &bitacora;
        g_ClsAdo().Conectar(QStringLiteral("."), QStringLiteral("bench"), QStringLiteral("vypjv_ok"), QString());
    }
    ~Mes() { sqlite3_close(bare); }
};

Mes& mes()
{
    static Mes m;
    return m;
}

// The statements each window runs for the month.
QStringList resumen()
{
    return {sqlhoras::totales(kDesde, kHasta), sqlhoras::porDepartamento(kDesde, kHasta),
            sqlhoras::totalDepartamentos(kDesde, kHasta), sqlhoras::porEmpleado(kDesde, kHasta),
            sqlhoras::totalEmpleados(kDesde, kHasta)};
}

QStringList oficial()
{
    return {sqlhoras::totales(kDesde, kHasta), sqlhoras::todosLosDepartamentos(kDesde, kHasta),
            sqlhoras::totalDepartamentos(kDesde, kHasta), sqlhoras::diasPorEmpleado(kDesde, kHasta)};
}

QStringList detalle()
{
    return {sqlhoras::detalle(kDesde, kHasta, QString())};
}

double porSqlite(const QStringList& sentencias)
{
    double suma = 0;
    for (const QString& sql : sentencias) {
        sqlite3_stmt* stmt = nullptr;
        sqlite3_prepare_v2(mes().bare, sql.toUtf8().constData(), -1, &stmt, nullptr);
        while (sqlite3_step(stmt) == SQLITE_ROW)
            for (int i = 0; i < sqlite3_column_count(stmt); ++i)
                suma += sqlite3_column_type(stmt, i) == SQLITE_TEXT ? sqlite3_column_bytes(stmt, i)
                                                                    : sqlite3_column_double(stmt, i);
        sqlite3_finalize(stmt);
    }
    return suma;
}

// The three windows, each searching the month as its button does.
struct Ventanas {
    RepHoras horas;
    RepResumenHoras resumen;
    RepOficialHoras oficial;

    Ventanas()
    {
        horas.dtpFecha->setDate(kDesde);
        horas.dtpFechaFin->setDate(kHasta);
        for (RepNomina* v : {static_cast<RepNomina*>(&resumen), static_cast<RepNomina*>(&oficial)}) {
            v->dtpFecha->setDate(kDesde);
            v->dtpFechaFin->setDate(kHasta);
        }
    }
};

Ventanas& ventanas()
{
    static Ventanas v;
    return v;
}

// Each window with the statements it runs: its name in the table and in Google Benchmark.
struct Caso {
    const char* nombre;
    const char* clave;
    RepVentana* ventana;
    QStringList sentencias;
};

QList<Caso> casos()
{
    return {{"Detalle de Horas", "DetalleHoras", &ventanas().horas, detalle()},
            {"Resumen de Horas", "ResumenHoras", &ventanas().resumen, resumen()},
            {"Horas X Empleado", "OficialHoras", &ventanas().oficial, oficial()}};
}

// Corrects the clock-out of the n-th listed entry to a time that changes its minutes, as typing
// into its open cell does: stored, recomputed by the trigger and shown.
void corrige(int n)
{
    RepHoras& w = ventanas().horas;
    const int fila = 8 + n % (w.rejilla()->rowCount() - 7);
    w.fpsDatos_DblClick(5, fila);
    w.fpsDatos_Change(5, fila, QStringLiteral("%1:%2").arg(20 + n % 3).arg(n % 60, 2, 10, QLatin1Char('0')));
    QApplication::processEvents();
}

// The best of several runs, in wall-clock and in processor milliseconds: the machine may be loaded,
// and the processor time of this single-threaded program is what the load disturbs least.
struct Tiempo {
    double reloj = 1e18;
    double cpu = 1e18;
};

double cpuMs()
{
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return t.tv_sec * 1e3 + t.tv_nsec / 1e6;
}

Tiempo mide(const std::function<void()>& f, int veces = 7)
{
    Tiempo mejor;
    for (int i = 0; i < veces; ++i) {
        QElapsedTimer t;
        const double cpu = cpuMs();
        t.start();
        f();
        mejor.reloj = std::min(mejor.reloj, t.nsecsElapsed() / 1e6);
        mejor.cpu = std::min(mejor.cpu, cpuMs() - cpu);
    }
    return mejor;
}

void imprimeRazones()
{
    std::printf("%-18s %7s %10s %10s %7s %10s %10s %7s\n", "window", "rows", "window ms", "bare ms", "ratio", "window cpu",
                "bare cpu", "ratio");
    for (const Caso& c : casos()) {
        const Tiempo v = mide([&] { c.ventana->ejecutaBusqueda(); });
        const Tiempo b = mide([&] { benchmark::DoNotOptimize(porSqlite(c.sentencias)); });
        std::printf("%-18s %7d %10.2f %10.2f %7.2f %10.2f %10.2f %7.2f\n", c.nombre, c.ventana->rejilla()->rowCount(), v.reloj,
                    b.reloj, v.reloj / b.reloj, v.cpu, b.cpu, v.cpu / b.cpu);
    }
    ventanas().horas.ejecutaBusqueda();
    int n = 0;
    const Tiempo correccion = mide([&] { corrige(n++); }, 20);
    std::printf("%-18s %7s %10.2f %10s %7s %10.2f   (a correction stored and shown)\n", "Correccion", "", correccion.reloj, "",
                "", correccion.cpu);
}

void imprimePlanes()
{
    for (const QString& sql : {sqlhoras::detalle(kDesde, kHasta, QString()), sqlhoras::totales(kDesde, kHasta),
                               sqlhoras::diasPorEmpleado(kDesde, kHasta)}) {
        sqlite3_stmt* stmt = nullptr;
        sqlite3_prepare_v2(mes().bare, ("EXPLAIN QUERY PLAN " + sql).toUtf8().constData(), -1, &stmt, nullptr);
        std::printf("plan of %s...\n", sql.left(60).toUtf8().constData());
        while (sqlite3_step(stmt) == SQLITE_ROW)
            std::printf("    %s\n", reinterpret_cast<const char*>(sqlite3_column_text(stmt, 3)));
        sqlite3_finalize(stmt);
    }
}

void Ventana(benchmark::State& state, RepVentana* ventana)
{
    for (auto _ : state)
        ventana->ejecutaBusqueda();
}

void Bare(benchmark::State& state, QStringList sentencias)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(porSqlite(sentencias));
}

void Correccion(benchmark::State& state)
{
    ventanas().horas.ejecutaBusqueda();
    int n = 0;
    for (auto _ : state)
        corrige(n++);
}

} // namespace

int main(int argc, char** argv)
{
    // The process is set up as the program's main() sets it up.
    ui::keepFreedMemory();
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    mes();
    imprimeRazones();
    imprimePlanes();
    for (const Caso& c : casos()) {
        benchmark::RegisterBenchmark((std::string(c.clave) + "_Window").c_str(), Ventana, c.ventana)->Unit(benchmark::kMillisecond);
        benchmark::RegisterBenchmark((std::string(c.clave) + "_Bare").c_str(), Bare, c.sentencias)->Unit(benchmark::kMillisecond);
    }
    benchmark::RegisterBenchmark("DetalleHoras_Correccion", Correccion)->Unit(benchmark::kMillisecond);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
