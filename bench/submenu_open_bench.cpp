// Opening the submenus window on a submenu of 10,000 products, against the bare SQLite C API
// reading the same rows: the submenus, the menu list, and the submenu's menus and products. Prints
// each side's time and, at the end, how many times slower the window was.
//
//     build/bench/bench_submenu_open

#include "bench/catalog_db.h"
#include "bench/widgets_run.h"
#include "catalog/op_submenu.h"
#include "platform/grid/grid.h"

#include <QApplication>

#include <benchmark/benchmark.h>
#include <sqlite3.h>

#include <memory>
#include <string>

namespace {

constexpr int kProducts = 10000;

bench::CatalogDb& fixture()
{
    static bench::CatalogDb db(
        kProducts, {QStringLiteral("INSERT INTO Menu (ID_Menu, Nombre_Menu) VALUES (1, 'COMIDA'), (2, 'CENA')"),
                    QStringLiteral("INSERT INTO SubMenu VALUES (1, 'TODO', 0)"),
                    QStringLiteral("INSERT INTO SubMenuXMenu (ID_Menu, ID_SubMenu) VALUES (1, 1), (2, 1)"),
                    QStringLiteral("INSERT INTO ProductosXSubmenu (ID_Producto, ID_SubMenu, Orden) "
                                   "SELECT ID_Producto, 1, ID_Producto % 1000 FROM Producto")});
    return db;
}

void Submenu_Window(benchmark::State& state)
{
    fixture();
    for (auto _ : state) {
        auto ventana = std::make_unique<OpSubmenu>();
        ventana->show();
        QApplication::processEvents();
        state.PauseTiming();
        const auto* productos = ventana->findChild<grid::Grid*>(QStringLiteral("sprProductos"));
        if (!productos || productos->rowCount() != kProducts || productos->text(kProducts, 3).isEmpty())
            state.SkipWithError("the submenu's products are not shown");
        ventana.reset();
        QApplication::processEvents();
        state.ResumeTiming();
    }
}

// Steps a statement to its end, reading every column of every row as the window shows it.
void readAll(sqlite3* db, const char* sql)
{
    sqlite3_stmt* stmt = nullptr;
    sqlite3_prepare_v2(db, sql, -1, &stmt, nullptr);
    const int columns = sqlite3_column_count(stmt);
    while (sqlite3_step(stmt) == SQLITE_ROW)
        for (int c = 0; c < columns; ++c)
            benchmark::DoNotOptimize(sqlite3_column_text(stmt, c));
    sqlite3_finalize(stmt);
}

void Submenu_Bare(benchmark::State& state)
{
    sqlite3* db = nullptr;
    sqlite3_open(fixture().file.toUtf8().constData(), &db);
    for (auto _ : state) {
        readAll(db, "SELECT * FROM SubMenu");
        readAll(db, "SELECT ID_Menu,Nombre_Menu FROM Menu ORDER BY Nombre_Menu");
        readAll(db, "SELECT SubMenuXMenu.ID_Menu,ID_SubMenu,Nombre_Menu,' ' AS M FROM SubMenuXMenu,Menu "
                    "WHERE SubMenuXMenu.ID_Menu=Menu.ID_Menu AND ID_SubMenu=1");
        readAll(db, "SELECT ID_Submenu,ProductosXSubmenu.ID_Producto,Nombre_Completo,NULL,' ',Orden FROM "
                    "ProductosXSubmenu,Producto WHERE ProductosXSubmenu.ID_Producto=Producto.ID_Producto AND "
                    "ID_SubMenu=1");
    }
    sqlite3_close(db);
}

} // namespace

BENCHMARK(Submenu_Window)->Unit(benchmark::kMillisecond);
BENCHMARK(Submenu_Bare)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv)
{
    bench::RatioReporter reporter(
        {{"Submenu_Window", "Submenu_Bare",
          "submenu of " + std::to_string(kProducts) + " products opened: window / bare"}});
    return bench::runWithWidgets(argc, argv, &reporter);
}
