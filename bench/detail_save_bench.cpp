// A submenu's 1,000 product rows saved through the submenus window (new, then every position
// changed), against the bare SQLite C API doing the same writes in one transaction with prepared
// statements. Prints each side's time and, at the end, how many times slower the window was.
//
//     build/bench/bench_detail_save

#include "catalog/detail_grid.h"
#include "catalog/op_submenu.h"
#include "foundation/database/cls_ado.h"
#include "foundation/log/cls_bitacora.h"
#include "platform/grid/grid.h"
#include "platform/ui/msgbox.h"
#include "schema/schema.h"

#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>
#include <sqlite3.h>

#include <cstdio>
#include <map>
#include <memory>
#include <string>

namespace {

constexpr int kRows = 1000;

struct Fixture {
    QTemporaryDir dir;
    QString file;
    ClsBitacora bitacora;

    Fixture()
    {
        qputenv("ZORVA_DATA", dir.path().toLocal8Bit());
        file = QDir(dir.path()).filePath(QStringLiteral("bench.db"));
        adodb::Connection setup;
        setup.openFile(file, true, true);
        schema::createCentral(setup);
        setup.execute(QStringLiteral("WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i+1 FROM n WHERE i<%1) "
                                     "INSERT INTO Producto (ID_Producto, Nombre_Completo) "
                                     "SELECT i, 'PRODUCTO ' || i FROM n")
                          .arg(kRows));
        setup.close();
        bitacora.inciar_log({.PCrearArchivo = false, .Parchivo = false, .PMsgBox = false});
        g_ClsAdo().CClsBitacora = &bitacora;
        g_ClsAdo().Conectar(QStringLiteral("."), QStringLiteral("bench"), QStringLiteral("vypjv_ok"), QString());
        // The delete between rounds asks its question.
        ui::setAnswerer([](const ui::Box&) { return ui::Yes; });
    }
};

Fixture& fixture()
{
    static Fixture f;
    return f;
}

void Submenu_Window(benchmark::State& state)
{
    fixture();
    auto ventana = std::make_unique<OpSubmenu>();
    auto* nombre = ventana->findChild<QLineEdit*>(QStringLiteral("TxtNombre"));
    DetailGrid* productos = ventana->detalles().at(1);
    grid::Grid* g = productos->grid();
    for (auto _ : state) {
        state.PauseTiming();
        ventana->BotonNuevoModificar(true);
        nombre->setText(QStringLiteral("BENCH"));
        for (int i = 1; i <= kRows; ++i) {
            productos->insertRow();
            g->setValue(i, 2, i);
            g->setValue(i, 6, i % 1000);
        }
        state.ResumeTiming();
        ventana->BotonAceptar();

        state.PauseTiming();
        if (g->rowCount() != kRows)
            state.SkipWithError("the new rows were not stored");
        ventana->BotonNuevoModificar(false);
        for (int i = 1; i <= kRows; ++i) {
            g->setValue(i, 6, (i + 1) % 1000);
            g->setText(i, 5, QStringLiteral("M"));
        }
        state.ResumeTiming();
        ventana->BotonAceptar();

        state.PauseTiming();
        if (g->value(1, 6).toInt() != 2)
            state.SkipWithError("the changed positions were not stored");
        ventana->BotonBorrar();
        state.ResumeTiming();
    }
}

void Submenu_Bare(benchmark::State& state)
{
    sqlite3* db = nullptr;
    sqlite3_open(fixture().file.toUtf8().constData(), &db);
    sqlite3_exec(db, "PRAGMA foreign_keys=ON", nullptr, nullptr, nullptr);
    sqlite3_stmt* submenu = nullptr;
    sqlite3_stmt* alta = nullptr;
    sqlite3_stmt* cambio = nullptr;
    sqlite3_prepare_v2(db, "INSERT INTO SubMenu (ID_SubMenu, Nombre_SubMenu, SubMenu_Fijo) VALUES (?, 'BENCH', 0)", -1,
                       &submenu, nullptr);
    sqlite3_prepare_v2(db, "INSERT INTO ProductosXSubmenu (ID_Producto, ID_SubMenu, Orden) VALUES (?, ?, ?)", -1, &alta,
                       nullptr);
    sqlite3_prepare_v2(db, "UPDATE ProductosXSubmenu SET Orden=? WHERE ID_SubMenu=? AND ID_Producto=?", -1, &cambio,
                       nullptr);
    int clave = 1000000;
    for (auto _ : state) {
        ++clave;
        sqlite3_exec(db, "BEGIN", nullptr, nullptr, nullptr);
        sqlite3_bind_int(submenu, 1, clave);
        sqlite3_step(submenu);
        sqlite3_reset(submenu);
        for (int i = 1; i <= kRows; ++i) {
            sqlite3_bind_int(alta, 1, i);
            sqlite3_bind_int(alta, 2, clave);
            sqlite3_bind_int(alta, 3, i % 1000);
            sqlite3_step(alta);
            sqlite3_reset(alta);
        }
        sqlite3_exec(db, "COMMIT", nullptr, nullptr, nullptr);

        sqlite3_exec(db, "BEGIN", nullptr, nullptr, nullptr);
        for (int i = 1; i <= kRows; ++i) {
            sqlite3_bind_int(cambio, 1, (i + 1) % 1000);
            sqlite3_bind_int(cambio, 2, clave);
            sqlite3_bind_int(cambio, 3, i);
            sqlite3_step(cambio);
            sqlite3_reset(cambio);
        }
        sqlite3_exec(db, "COMMIT", nullptr, nullptr, nullptr);

        state.PauseTiming();
        const std::string borra = "DELETE FROM ProductosXSubmenu WHERE ID_SubMenu=" + std::to_string(clave)
                                  + "; DELETE FROM SubMenu WHERE ID_SubMenu=" + std::to_string(clave);
        sqlite3_exec(db, borra.c_str(), nullptr, nullptr, nullptr);
        state.ResumeTiming();
    }
    sqlite3_finalize(submenu);
    sqlite3_finalize(alta);
    sqlite3_finalize(cambio);
    sqlite3_close(db);
}

} // namespace

BENCHMARK(Submenu_Window)->Unit(benchmark::kMillisecond);
BENCHMARK(Submenu_Bare)->Unit(benchmark::kMillisecond);

namespace {

class RatioReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override
    {
        for (const Run& run : runs)
            if (run.run_type == Run::RT_Iteration)
                m_times[run.benchmark_name()] = run.GetAdjustedRealTime();
        ConsoleReporter::ReportRuns(runs);
    }
    void Finalize() override
    {
        ConsoleReporter::Finalize();
        const auto w = m_times.find("Submenu_Window");
        const auto b = m_times.find("Submenu_Bare");
        if (w != m_times.end() && b != m_times.end() && b->second > 0)
            std::printf("%d product rows saved new, then changed: window / bare = %.2f\n", kRows, w->second / b->second);
    }

private:
    std::map<std::string, double> m_times;
};

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    return 0;
}
