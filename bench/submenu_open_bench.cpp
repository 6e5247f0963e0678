// Opening the submenus window on a submenu of 10,000 products, against the bare SQLite C API
// reading the same rows: the submenus, the menu list, and the submenu's menus and products. Prints
// each side's time and, at the end, how many times slower the window was.
//
//     build/bench/bench_submenu_open

#include "catalog/op_submenu.h"
#include "foundation/database/cls_ado.h"
#include "foundation/log/cls_bitacora.h"
#include "platform/grid/grid.h"
#include "schema/schema.h"

#include <QApplication>
#include <QDir>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>
#include <sqlite3.h>

#include <cstdio>
#include <map>
#include <memory>
#include <string>

namespace {

constexpr int kProducts = 10000;

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
                          .arg(kProducts));
        setup.execute(QStringLiteral("INSERT INTO Menu (ID_Menu, Nombre_Menu) VALUES (1, 'COMIDA'), (2, 'CENA')"));
        setup.execute(QStringLiteral("INSERT INTO SubMenu VALUES (1, 'TODO', 0)"));
        setup.execute(QStringLiteral("INSERT INTO SubMenuXMenu (ID_Menu, ID_SubMenu) VALUES (1, 1), (2, 1)"));
        setup.execute(QStringLiteral("INSERT INTO ProductosXSubmenu (ID_Producto, ID_SubMenu, Orden) "
                                     "SELECT ID_Producto, 1, ID_Producto % 1000 FROM Producto"));
        setup.close();
        bitacora.inciar_log({.PCrearArchivo = false, .Parchivo = false, .PMsgBox = false});
        g_ClsAdo().CClsBitacora = &bitacora;
        g_ClsAdo().Conectar(QStringLiteral("."), QStringLiteral("bench"), QStringLiteral("vypjv_ok"), QString());
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
            std::printf("submenu of %d products opened: window / bare = %.2f\n", kProducts, w->second / b->second);
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
