// The grid's fill from a recordset against a bare QTableWidget given the same cells as text, and the
// layout of a long report into pages. Compare "_Grid" with "_BareTable" (aim: within 3x; the grid
// also reads each value by its column's type).

#include "bench/widgets_run.h"
#include "platform/adodb/adodb.h"
#include "platform/grid/grid.h"
#include "platform/grid/page_composer.h"
#include "platform/grid/recordset_fill.h"

#include <QPrinter>
#include <QTableWidget>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

constexpr int kRows = 10000;

struct Fixture {
    QTemporaryDir dir;
    adodb::Connection db;
    adodb::Recordset rows;

    Fixture()
    {
        db.openFile(dir.filePath(QStringLiteral("bench.db")), true);
        db.execute(QStringLiteral(
            "CREATE TABLE Venta (ID INTEGER, Nombre VARCHAR(40), Cantidad INTEGER, Precio MONEY, Fecha DATETIME,"
            " Total REAL);"
            "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < %1)"
            " INSERT INTO Venta SELECT i, 'Producto ' || i, i % 7, i * 1.25, '2021-07-05 14:03:22', i * 8.75 FROM n;")
                       .arg(kRows));
        rows = adodb::Recordset::open(db, QStringLiteral("SELECT * FROM Venta"));
    }
};

Fixture& fixture()
{
    static Fixture f;
    return f;
}

void Fill_Grid(benchmark::State& state)
{
    const adodb::Recordset& rs = fixture().rows;
    for (auto _ : state) {
        grid::Grid g;
        grid::fillFromRecordset(g, rs);
        benchmark::DoNotOptimize(g.rowCount());
    }
}
BENCHMARK(Fill_Grid)->Unit(benchmark::kMillisecond);

void Fill_BareTable(benchmark::State& state)
{
    const adodb::Recordset& rs = fixture().rows;
    for (auto _ : state) {
        QTableWidget table;
        table.setColumnCount(rs.fieldCount());
        table.setRowCount(rs.recordCount());
        for (int r = 0; r < rs.recordCount(); ++r)
            for (int c = 0; c < rs.fieldCount(); ++c)
                table.setItem(r, c, new QTableWidgetItem(rs.cell(r, c).toString()));
        benchmark::DoNotOptimize(table.rowCount());
    }
}
BENCHMARK(Fill_BareTable)->Unit(benchmark::kMillisecond);

void Layout_Pages(benchmark::State& state)
{
    grid::Grid g;
    grid::fillFromRecordset(g, fixture().rows);
    g.setPrintSettings(grid::standardPrintSettings());
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    const QSizeF page = printer.pageLayout().paintRectPixels(printer.resolution()).size();
    for (auto _ : state) {
        grid::PageComposer composer(g, g.printSettings());
        composer.layout(printer, page);
        benchmark::DoNotOptimize(composer.pageCount());
    }
}
BENCHMARK(Layout_Pages)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    return bench::runWithWidgets(argc, argv);
}
