// A submenu's 1,000 product rows saved through the submenus window (new, then every position
// changed), against the bare SQLite C API doing the same writes in one transaction with prepared
// statements. Prints each side's time and, at the end, how many times slower the window was.
//
//     build/bench/bench_detail_save

#include "bench/catalog_db.h"
#include "bench/widgets_run.h"
#include "catalog/detail_grid.h"
#include "catalog/op_submenu.h"
#include "platform/grid/grid.h"
#include "platform/ui/msgbox.h"

#include <QLineEdit>

#include <benchmark/benchmark.h>
#include <sqlite3.h>

#include <memory>
#include <string>

namespace {

constexpr int kRows = 1000;

bench::CatalogDb& fixture()
{
    static bench::CatalogDb db(kRows);
    // The delete between rounds asks its question.
    ui::setAnswerer([](const ui::Box&) { return ui::Yes; });
    return db;
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

int main(int argc, char** argv)
{
    bench::RatioReporter reporter({{"Submenu_Window", "Submenu_Bare",
                                    std::to_string(kRows) + " product rows saved new, then changed: window / bare"}});
    return bench::runWithWidgets(argc, argv, &reporter);
}
