#include "platform/grid/grid.h"

#include <QApplication>
#include <QLineEdit>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTableWidget>
#include <QTest>
#include <gtest/gtest.h>

#include <functional>
#include <optional>
#include <utility>
#include <vector>

using grid::CellFormat;
using grid::Grid;

namespace {

// Four columns: an integer, a locked text, a currency and a check box; two design rows, then four
// rows of which only some cells are written, with or without quiet writes around them.
void build(Grid& g, bool filling)
{
    g.setColumnCount(4);
    g.setColumnFormat(1, CellFormat::integer());
    g.setColumnLocked(2, true);
    g.setColumnFormat(3, CellFormat::currency());
    g.setColumnFormat(4, CellFormat::checkBox());
    g.setRowCount(2);
    g.setText(1, 2, QStringLiteral("DISEÑO"));
    std::optional<grid::QuietCellWrites> fill;
    if (filling)
        fill.emplace(g);
    g.setRowCount(6);
    g.setValue(3, 1, 30);
    g.setText(4, 2, QStringLiteral("b"));
    g.setValue(5, 3, 5.5);
    g.setCellBold(5, 3, true);
    g.setCellLocked(6, 1, true);
    g.setValue(6, 4, 1);
    g.setActiveCell(5, 3);
}

// Everything the grid tells of each cell, as one text per cell.
QStringList describe(const Grid& g)
{
    QStringList out;
    const QAbstractItemModel* model = g.table()->model();
    for (int r = 1; r <= g.rowCount(); ++r) {
        for (int c = 1; c <= g.columnCount(); ++c) {
            const QModelIndex i = model->index(r - 1, c - 1);
            out << QStringLiteral("%1,%2 text=%3 value=%4 type=%5 locked=%6 editable=%7 align=%8 bold=%9 back=%10 edges=%11 "
                                  "check=%12")
                       .arg(r)
                       .arg(c)
                       .arg(g.text(r, c), g.value(r, c).toString())
                       .arg(int(g.cellFormat(r, c).type))
                       .arg(g.isCellLocked(r, c))
                       .arg(g.isCellEditable(r, c))
                       .arg(int(g.cellAlignment(r, c)))
                       .arg(g.cellFont(r, c).bold())
                       .arg(g.cellBackground(r, c).isValid())
                       .arg(int(g.cellBorder(r, c).edges))
                       .arg(model->data(i, Qt::CheckStateRole).toString());
        }
    }
    return out;
}

TEST(GridFill, CellsAFillLeavesUnwrittenBehaveAsTheEmptyCellsOfTheirColumn)
{
    Grid eager, filled;
    build(eager, false);
    build(filled, true);
    EXPECT_EQ(describe(filled), describe(eager));
    EXPECT_EQ(filled.activeRow(), 5);
    EXPECT_EQ(filled.lastDataRow(), eager.lastDataRow());
    for (Grid* g : {&eager, &filled}) {
        g->setProtected(true);
        g->setColumnFormat(1, CellFormat::checkBox());  // a check box shows its box in every row
        g->setColumnLocked(3, true);
        g->setText(2, 3, QStringLiteral("7"));
    }
    EXPECT_EQ(describe(filled), describe(eager));

    // Sorting puts the empty cells last, and rows come back in the order they were selected.
    for (Grid* g : {&eager, &filled}) {
        g->sortRows(2, Qt::DescendingOrder);
        g->setSelectionMode(grid::SelectionMode::MultiRow);
        g->setRowSelected(6, true);
        g->setRowSelected(3, true);
    }
    EXPECT_EQ(describe(filled), describe(eager));
    EXPECT_EQ(filled.selectedRows(), QList<int>({6, 3}));
}

// A load while writes are quiet leaves its empty values without cells of their own; they read and
// behave as the cells an eager load writes, also over rows an earlier load had filled.
TEST(GridFill, EmptyValuesOfAQuietLoadBehaveAsTheEmptyCellsOfTheirColumn)
{
    const auto fila = [](int row, int column) {
        return (row + column) % 2 == 0 ? QVariant() : QVariant(column == 2 ? QVariant(QStringLiteral("t")) : QVariant(row));
    };
    Grid eager, quiet;
    for (Grid* g : {&eager, &quiet}) {
        build(*g, false);
        g->setColumnLocked(3, true);
    }
    quiet.loadRows(4, [](int, int) { return QVariant(1); });
    {
        const grid::QuietCellWrites fill(quiet);
        quiet.loadRows(4, fila, true);
    }
    eager.loadRows(4, fila, true);
    EXPECT_EQ(describe(quiet), describe(eager));
    EXPECT_EQ(quiet.lastDataRow(), eager.lastDataRow());
    for (Grid* g : {&eager, &quiet}) {
        g->setValue(1, 1, 8);
        g->setCellBold(2, 3, true);
        g->sortRows(1);
    }
    EXPECT_EQ(describe(quiet), describe(eager));
}

TEST(GridFill, RowsDroppedAndAddedAgainComeBackEmpty)
{
    // A refreshed report reuses the cells of the rows it dropped: nothing of them may show again.
    Grid fresh, reused;
    for (Grid* g : {&fresh, &reused}) {
        build(*g, false);
        g->setSelectionMode(grid::SelectionMode::MultiRow);
    }
    for (int r = 3; r <= 6; ++r) {
        for (int c = 1; c <= 4; ++c) {
            reused.setText(r, c, QStringLiteral("1"));
            reused.setCellBold(r, c, true);
            reused.setCellAlignment(r, c, Qt::AlignHCenter);
            reused.setCellBackground(r, c, Qt::yellow);
            reused.setCellBorder(r, c, Qt::TopEdge);
            reused.setCellLocked(r, c, c != 2);
            reused.setCellFormat(r, c, CellFormat::percent());
        }
        reused.setFormula(r, 3, QStringLiteral("SUM(C1:C2)"));
        reused.setRowSelected(r, true);
    }
    for (Grid* g : {&fresh, &reused}) {
        g->setRowCount(2);
        const grid::QuietCellWrites fill(*g);
        g->setRowCount(6);
        for (int r = 3; r <= 6; ++r)
            for (int c = 1; c <= 4; ++c)
                g->setCellBold(r, c, false);  // every cell gets an item back
    }
    EXPECT_EQ(describe(reused), describe(fresh));
    EXPECT_EQ(reused.formula(4, 3), QString());
    EXPECT_TRUE(reused.selectedRows().isEmpty());
}

TEST(GridFill, ACellAFillLeftUnwrittenTakesWhatIsTypedUnlessLocked)
{
    Grid g;
    build(g, true);
    g.setProtected(true);
    g.resize(500, 300);
    g.show();
    QApplication::setActiveWindow(&g);
    for (const auto& [row, column, typed, expected] :
         {std::tuple{4, 1, "42", "42"}, std::tuple{5, 2, "x", ""}, std::tuple{6, 3, "3", "$3.00"}}) {
        g.setActiveCell(row, column);
        g.table()->edit(g.table()->model()->index(row - 1, column - 1));
        if (auto* editor = g.table()->viewport()->findChild<QLineEdit*>()) {
            QTest::keyClicks(editor, QString::fromLatin1(typed));
            QTest::keyClick(editor, Qt::Key_Return);
            QApplication::processEvents();
        }
        EXPECT_EQ(g.text(row, column), QString::fromLatin1(expected)) << row << "," << column;
    }
}

TEST(GridFill, RowsAddedOneByOneWhileQuietTellNothingPerCellAndShowTheActiveCellAtTheEnd)
{
    Grid g;
    g.setColumnCount(3);
    g.setRowCount(8);
    g.resize(400, 200);
    g.show();
    g.setActiveCell(2, 2);
    QSignalSpy changes(g.table()->model(), &QAbstractItemModel::dataChanged);
    QSignalSpy left(&g, &Grid::leaveCell);
    {
        const grid::QuietCellWrites fill(g);
        for (int r = 9; r <= 2000; ++r) {
            g.setRowCount(r);
            g.setActiveCell(r, 1);
            g.setText(r, 1, QString::number(r));
            g.setCellBold(r, 1, true);
        }
        EXPECT_EQ(changes.count(), 0);
        EXPECT_EQ(g.activeRow(), 2000);
        EXPECT_EQ(g.table()->currentRow(), 1);  // not moved, nor scrolled, until the end
    }
    EXPECT_EQ(changes.count(), 0);  // the views repaint once instead
    EXPECT_EQ(g.table()->currentRow(), 1999);
    EXPECT_EQ(g.table()->verticalScrollBar()->value(), g.table()->verticalScrollBar()->maximum());
    EXPECT_EQ(left.count(), 0);
    EXPECT_EQ(g.text(2000, 1), QStringLiteral("2000"));
}

// A one-step load keeps its values out of cell items until a cell is shown, written or styled: it
// must read, sum, and follow every change of shape and type as cells written one by one do.
TEST(GridFill, LoadedValuesReadAndMoveAsCellsWrittenOneByOne)
{
    const QList<QVariantList> filas{{3, QStringLiteral("12abc"), 4.5, 1, QStringLiteral("CENA")},
                                    {1, QStringLiteral("7"), QVariant(), 0, QStringLiteral("BRUNCH")},
                                    {2, QVariant(), 10.25, QVariant(), QStringLiteral("COMIDA")},
                                    {QVariant(), QStringLiteral("a"), -1, 1, QVariant()}};
    const auto valor = [&](int row, int column) { return filas.at(row - 1).value(column - 1); };
    const auto cuadro = [](const Grid& g) {
        QStringList out{QString::number(g.lastDataRow())};
        for (int r = 1; r <= g.rowCount(); ++r)
            for (int c = 1; c <= g.columnCount(); ++c)
                out << QStringLiteral("%1,%2 %3|%4|%5|%6|%7")
                           .arg(r)
                           .arg(c)
                           .arg(g.text(r, c), g.value(r, c).toString())
                           .arg(int(g.cellType(r, c)))
                           .arg(g.isCellLocked(r, c))
                           .arg(g.cellFont(r, c).bold());
        return out;
    };
    const std::vector<std::pair<const char*, std::function<void(Grid&)>>> pasos{
        {"as loaded", [](Grid&) {}},
        {"a total over them", [](Grid& g) { g.setFormula(1, 6, QStringLiteral("SUM(C1:C4)")); }},
        {"a column locked, a cell styled", [](Grid& g) { g.setColumnLocked(1, true); g.setCellBold(2, 3, true); }},
        {"a row inserted", [](Grid& g) { g.insertRows(2); }},
        {"a row deleted", [](Grid& g) { g.deleteRows(2); }},
        {"sorted", [](Grid& g) { g.sortRows(3, Qt::DescendingOrder); }},
        // Quiet, so that the rows and columns added back get no cells that would hide the old values.
        {"rows dropped and added again",
         [](Grid& g) {
             const grid::QuietCellWrites quiet(g);
             g.setRowCount(2);
             g.setRowCount(5);
         }},
        {"columns dropped and added again",
         [](Grid& g) {
             const grid::QuietCellWrites quiet(g);
             g.setColumnCount(3);
             g.setColumnCount(6);
         }},
        {"a column's type changed", [](Grid& g) { g.setColumnFormat(1, CellFormat::number(2)); }},
        {"a cell cleared", [](Grid& g) { g.clearCell(1, 1); }},
    };
    // Each change starts from a fresh load, so that it meets the values still waiting for their cells.
    for (const bool comoTexto : {false, true}) {
        for (const auto& [paso, cambio] : pasos) {
            Grid escritas, cargadas;
            for (Grid* g : {&escritas, &cargadas}) {
                g->setColumnCount(6);
                g->setColumnFormat(1, CellFormat::integer());
                g->setColumnFormat(2, CellFormat::integer());
                g->setColumnFormat(3, CellFormat::currency());
                g->setColumnFormat(4, CellFormat::checkBox());
                g->setColumnFormat(5, CellFormat::combo({QStringLiteral("COMIDA"), QStringLiteral("CENA")}));
            }
            escritas.setRowCount(int(filas.size()));
            for (int r = 1; r <= escritas.rowCount(); ++r) {
                for (int c = 1; c <= escritas.columnCount(); ++c) {
                    const QVariant v = valor(r, c);
                    if (comoTexto && v.typeId() == QMetaType::QString)
                        escritas.setText(r, c, v.toString());
                    else if (!v.isNull())
                        escritas.setValue(r, c, v);
                }
            }
            cargadas.loadRows(int(filas.size()), valor, comoTexto);
            cambio(escritas);
            cambio(cargadas);
            EXPECT_EQ(cuadro(cargadas), cuadro(escritas)) << paso << (comoTexto ? " (texts as written)" : "");
        }
    }
}

} // namespace
