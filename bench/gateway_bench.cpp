// The gateway against the bare SQLite C API doing the same work: reading a 100,000-row table into
// memory, and inserting 10,000 rows composed as SQL text inside one transaction. Each pair prints
// the gateway's time; compare the "_Gateway" and "_Bare" lines (aim: within 2x).

#include "bench/ratio_reporter.h"
#include "foundation/database/cls_ado.h"
#include "foundation/log/cls_bitacora.h"

#include <QCoreApplication>
#include <QDir>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>
#include <sqlite3.h>

#include <string>
#include <variant>
#include <vector>

namespace {

constexpr int kRows = 100000;
constexpr int kInserts = 10000;

struct Fixture {
    QTemporaryDir dir;
    QString file;

    Fixture()
    {
        qputenv("ZORVA_DATA", dir.path().toLocal8Bit());
        file = dir.filePath(QStringLiteral("bench.db"));
        sqlite3* db = nullptr;
        sqlite3_open(file.toUtf8().constData(), &db);
        sqlite3_exec(db,
                     "PRAGMA journal_mode=WAL;"
                     "CREATE TABLE Comanda (ID_Comanda INTEGER PRIMARY KEY, Fecha_Trabajo CHAR(8), "
                     "ID_Empleado INTEGER, Total MONEY REAL, Nombre VARCHAR(40));"
                     "CREATE TABLE Alta (ID INTEGER PRIMARY KEY AUTOINCREMENT, Nombre VARCHAR(40), Precio MONEY REAL);",
                     nullptr, nullptr, nullptr);
        sqlite3_exec(db, "BEGIN", nullptr, nullptr, nullptr);
        sqlite3_stmt* stmt = nullptr;
        sqlite3_prepare_v2(db, "INSERT INTO Comanda VALUES (?, '10122026', ?, ?, ?)", -1, &stmt, nullptr);
        for (int i = 1; i <= kRows; ++i) {
            sqlite3_bind_int(stmt, 1, i);
            sqlite3_bind_int(stmt, 2, i % 40);
            sqlite3_bind_double(stmt, 3, i * 1.25);
            const std::string name = "PRODUCTO " + std::to_string(i);
            sqlite3_bind_text(stmt, 4, name.c_str(), -1, SQLITE_TRANSIENT);
            sqlite3_step(stmt);
            sqlite3_reset(stmt);
        }
        sqlite3_finalize(stmt);
        sqlite3_exec(db, "COMMIT", nullptr, nullptr, nullptr);
        sqlite3_close(db);
    }
};

Fixture& fixture()
{
    static Fixture f;
    return f;
}

ClsAdo& connectedGateway()
{
    static ClsBitacora bitacora;
    static bool ready = false;
    if (!ready) {
        bitacora.inciar_log({.PCrearArchivo = false, .Parchivo = false, .PMsgBox = false});
        g_ClsAdo().CClsBitacora = &bitacora;
        g_ClsAdo().Conectar(QStringLiteral("."), QStringLiteral("bench"), QStringLiteral("vypjv_ok"), QString());
        ready = true;
    }
    return g_ClsAdo();
}

void OpenRecordset_Gateway(benchmark::State& state)
{
    fixture();
    ClsAdo& ado = connectedGateway();
    for (auto _ : state) {
        adodb::Recordset rs;
        ado.Establece_consulta(rs, QStringLiteral("SELECT * FROM Comanda"));
        if (rs.recordCount() != kRows)
            state.SkipWithError("wrong count");
        benchmark::DoNotOptimize(rs);
    }
}

// The same snapshot by hand: every value of every row copied into memory.
void OpenRecordset_Bare(benchmark::State& state)
{
    sqlite3* db = nullptr;
    sqlite3_open(fixture().file.toUtf8().constData(), &db);
    using Value = std::variant<std::monostate, long long, double, std::string>;
    for (auto _ : state) {
        std::vector<std::vector<Value>> rows;
        sqlite3_stmt* stmt = nullptr;
        sqlite3_prepare_v2(db, "SELECT * FROM Comanda", -1, &stmt, nullptr);
        const int n = sqlite3_column_count(stmt);
        while (sqlite3_step(stmt) == SQLITE_ROW) {
            std::vector<Value> row;
            row.reserve(n);
            for (int i = 0; i < n; ++i) {
                switch (sqlite3_column_type(stmt, i)) {
                case SQLITE_INTEGER: row.emplace_back(sqlite3_column_int64(stmt, i)); break;
                case SQLITE_FLOAT: row.emplace_back(sqlite3_column_double(stmt, i)); break;
                case SQLITE_TEXT: row.emplace_back(std::string(reinterpret_cast<const char*>(sqlite3_column_text(stmt, i)))); break;
                default: row.emplace_back(std::monostate{}); break;
                }
            }
            rows.push_back(std::move(row));
        }
        sqlite3_finalize(stmt);
        benchmark::DoNotOptimize(rows);
    }
    sqlite3_close(db);
}

void Alta_Gateway(benchmark::State& state)
{
    fixture();
    ClsAdo& ado = connectedGateway();
    for (auto _ : state) {
        ado.Inicia_Transaccion();
        for (int i = 0; i < kInserts; ++i)
            ado.Alta(QStringLiteral("Alta"), QStringLiteral("Nombre,Precio"),
                     QStringLiteral("'PRODUCTO %1',%2").arg(i).arg(i * 1.5));
        ado.Cancela_Transaccion();
    }
}

void Alta_Bare(benchmark::State& state)
{
    sqlite3* db = nullptr;
    sqlite3_open(fixture().file.toUtf8().constData(), &db);
    for (auto _ : state) {
        sqlite3_exec(db, "BEGIN", nullptr, nullptr, nullptr);
        for (int i = 0; i < kInserts; ++i) {
            const std::string sql = "INSERT INTO Alta (Nombre,Precio) VALUES ('PRODUCTO " + std::to_string(i) + "',"
                                    + std::to_string(i * 1.5) + ")";
            sqlite3_exec(db, sql.c_str(), nullptr, nullptr, nullptr);
        }
        sqlite3_exec(db, "ROLLBACK", nullptr, nullptr, nullptr);
    }
    sqlite3_close(db);
}

} // namespace

BENCHMARK(OpenRecordset_Gateway)->Unit(benchmark::kMillisecond);
BENCHMARK(OpenRecordset_Bare)->Unit(benchmark::kMillisecond);
BENCHMARK(Alta_Gateway)->Unit(benchmark::kMillisecond);
BENCHMARK(Alta_Bare)->Unit(benchmark::kMillisecond);


int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    bench::RatioReporter reporter({{"OpenRecordset_Gateway", "OpenRecordset_Bare", "OpenRecordset: gateway / bare"},
                                   {"Alta_Gateway", "Alta_Bare", "Alta: gateway / bare"}});
    return bench::run(argc, argv, &reporter);
}
