// The hours summary and the signed hours report's statements over a generated month of clock
// entries (fixed seed): 300 employees in 4 departments, 31 work dates, 2 entries a day each
// (18,600 entries). Each report's statements run through the gateway as the windows run them
// (Establece_consulta, every field read) and on bare SQLite (prepare, step, every column read);
// the table printed first gives both times and their ratio, then the query plans of the per-period
// and per-employee statements; Google Benchmark then times each one. Here the summary runs within
// 1.1x of bare SQLite (about 40 ms); the signed report, whose 300 per-employee totals each pay the
// gateway's recordset set-up, within 1.8x (about 120 ms).

#include "foundation/database/cls_ado.h"
#include "foundation/log/cls_bitacora.h"
#include "schema/schema.h"
#include "tickets/sql_horas.h"

#include <QCoreApplication>
#include <QDate>
#include <QElapsedTimer>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>
#include <sqlite3.h>

#include <cstdio>
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

// The statements of one report, the per-employee totals of the signed report included.
QStringList resumen()
{
    return {sqlhoras::totales(kDesde, kHasta), sqlhoras::porDepartamento(kDesde, kHasta),
            sqlhoras::totalDepartamentos(kDesde, kHasta), sqlhoras::porEmpleado(kDesde, kHasta),
            sqlhoras::totalEmpleados(kDesde, kHasta)};
}

QStringList oficial()
{
    QStringList s{sqlhoras::totales(kDesde, kHasta), sqlhoras::todosLosDepartamentos(kDesde, kHasta),
                  sqlhoras::totalDepartamentos(kDesde, kHasta), sqlhoras::diasPorEmpleado(kDesde, kHasta)};
    for (int e = 1; e <= kEmpleados; ++e)
        s << sqlhoras::totalEmpleado(kDesde, kHasta, e);
    return s;
}

double porGateway(const QStringList& sentencias)
{
    double suma = 0;
    for (const QString& sql : sentencias) {
        adodb::Recordset rs;
        g_ClsAdo().Establece_consulta(rs, sql, 3, 3, 1);
        for (; !rs.eof(); rs.moveNext())
            for (int i = 0; i < rs.fieldCount(); ++i)
                suma += rs.field(i).value().toDouble();
    }
    return suma;
}

double porSqlite(const QStringList& sentencias)
{
    double suma = 0;
    for (const QString& sql : sentencias) {
        sqlite3_stmt* stmt = nullptr;
        sqlite3_prepare_v2(mes().bare, sql.toUtf8().constData(), -1, &stmt, nullptr);
        while (sqlite3_step(stmt) == SQLITE_ROW)
            for (int i = 0; i < sqlite3_column_count(stmt); ++i)
                suma += sqlite3_column_double(stmt, i);
        sqlite3_finalize(stmt);
    }
    return suma;
}

double milisegundos(double (*f)(const QStringList&), const QStringList& s)
{
    QElapsedTimer t;
    t.start();
    constexpr int kVeces = 5;
    for (int i = 0; i < kVeces; ++i)
        benchmark::DoNotOptimize(f(s));
    return t.nsecsElapsed() / 1e6 / kVeces;
}

void imprimeRazones()
{
    std::printf("%-18s %12s %12s %7s\n", "report", "gateway ms", "bare ms", "ratio");
    for (const auto& [nombre, sentencias] : {std::pair{"Resumen de Horas", resumen()}, std::pair{"Horas X Empleado", oficial()}}) {
        const double g = milisegundos(porGateway, sentencias), b = milisegundos(porSqlite, sentencias);
        std::printf("%-18s %12.2f %12.2f %7.2f\n", nombre, g, b, g / b);
    }
}

void imprimePlanes()
{
    for (const QString& sql : {sqlhoras::totales(kDesde, kHasta), sqlhoras::diasPorEmpleado(kDesde, kHasta),
                               sqlhoras::totalEmpleado(kDesde, kHasta, 7)}) {
        sqlite3_stmt* stmt = nullptr;
        sqlite3_prepare_v2(mes().bare, ("EXPLAIN QUERY PLAN " + sql).toUtf8().constData(), -1, &stmt, nullptr);
        std::printf("plan of %s...\n", sql.left(60).toUtf8().constData());
        while (sqlite3_step(stmt) == SQLITE_ROW)
            std::printf("    %s\n", reinterpret_cast<const char*>(sqlite3_column_text(stmt, 3)));
        sqlite3_finalize(stmt);
    }
}

void Gateway(benchmark::State& state, bool esResumen)
{
    const QStringList s = esResumen ? resumen() : oficial();
    for (auto _ : state)
        benchmark::DoNotOptimize(porGateway(s));
}

void Bare(benchmark::State& state, bool esResumen)
{
    const QStringList s = esResumen ? resumen() : oficial();
    for (auto _ : state)
        benchmark::DoNotOptimize(porSqlite(s));
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    mes();
    imprimeRazones();
    imprimePlanes();
    for (const bool r : {true, false}) {
        const std::string n = r ? "ResumenHoras" : "OficialHoras";
        benchmark::RegisterBenchmark((n + "_Gateway").c_str(), Gateway, r)->Unit(benchmark::kMillisecond);
        benchmark::RegisterBenchmark((n + "_Bare").c_str(), Bare, r)->Unit(benchmark::kMillisecond);
    }
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
