#include "platform/grid/grid.h"

#include <QFontMetrics>
#include <QHeaderView>
#include <QSignalSpy>
#include <QTableWidget>
#include <QTest>
#include <gtest/gtest.h>

using grid::CellFormat;
using grid::Grid;

namespace {

// A grid of one text column holding the given rows.
void fill(Grid& g, const QStringList& rows)
{
    g.setColumnCount(qMax(1, g.columnCount()));
    g.setRowCount(int(rows.size()));
    for (int r = 0; r < rows.size(); ++r)
        g.setText(r + 1, 1, rows.at(r));
}

QStringList column(const Grid& g, int c)
{
    QStringList out;
    for (int r = 1; r <= g.rowCount(); ++r)
        out << g.text(r, c);
    return out;
}

TEST(GridRows, CountsRaiseAndLowerTheGrid)
{
    Grid g;
    g.setColumnCount(2);
    g.setColumnFormat(2, CellFormat::integer());
    fill(g, {"a", "b", "c"});
    g.setRowCount(5);
    EXPECT_EQ(column(g, 1), QStringList({"a", "b", "c", "", ""}));
    EXPECT_EQ(g.cellFormat(5, 2).type, grid::CellType::Integer);  // new rows take the column's type
    g.setRowCount(2);
    EXPECT_EQ(column(g, 1), QStringList({"a", "b"}));
    g.setRowCount(4);
    EXPECT_EQ(g.text(3, 1), "");  // dropped rows do not come back
    g.setRowCount(0);
    EXPECT_EQ(g.rowCount(), 0);
    g.setRowCount(-3);
    EXPECT_EQ(g.rowCount(), 0);
    g.setColumnCount(1);
    EXPECT_EQ(g.columnCount(), 1);
}

TEST(GridRows, LoadedRowsReplaceEveryRowWithTheirTypesAndLocksAndAreShown)
{
    Grid g;
    g.setColumnCount(3);
    g.setColumnFormat(1, CellFormat::integer());
    g.setColumnFormat(2, CellFormat::combo({QStringLiteral("COMIDA"), QStringLiteral("CENA")}));
    g.setColumnLocked(3, true);
    fill(g, {"viejo", "otro", "tercero", "cuarto"});
    g.resize(400, 300);
    g.show();
    QSignalSpy cambios(g.table()->model(), &QAbstractItemModel::dataChanged);
    QSignalSpy editadas(&g, &Grid::edited);
    QSignalSpy dejadas(&g, &Grid::leaveCell);
    g.setActiveCell(4, 1);

    const QList<QVariantList> filas{{7, QStringLiteral("CENA"), QStringLiteral("x")},
                                    {8, QStringLiteral("BRUNCH"), QVariant()}};
    for (const bool comoTexto : {false, true}) {
        g.loadRows(int(filas.size()), [&](int row, int column) { return filas.at(row - 1).value(column - 1); },
                   comoTexto);
        ASSERT_EQ(g.rowCount(), 2);
        EXPECT_EQ(g.value(2, 1), QVariant(qlonglong(8)));
        EXPECT_EQ(g.text(1, 3), QStringLiteral("x"));
        EXPECT_EQ(g.text(2, 3), QString());
        EXPECT_EQ(g.cellFormat(2, 2).type, grid::CellType::Combo);
        EXPECT_TRUE(g.isCellLocked(1, 3));
        EXPECT_FALSE(g.isCellLocked(1, 1));
        // As written, an entry the list lacks still shows; as a value, a combo takes its entries only.
        EXPECT_EQ(g.text(2, 2), comoTexto ? QStringLiteral("BRUNCH") : QString());
        EXPECT_EQ(g.text(1, 2), QStringLiteral("CENA"));
        // The view hears of the new cells once, and the user's signals not at all; what it shows
        // reaches its model as it paints.
        g.table()->viewport()->grab();
        EXPECT_EQ(g.table()->model()->data(g.table()->model()->index(0, 2)).toString(), QStringLiteral("x"));
    }
    EXPECT_EQ(cambios.count(), 2);
    EXPECT_EQ(editadas.count(), 0);
    EXPECT_EQ(dejadas.count(), 0);
}

TEST(GridRows, DeletedRowsAreFilledByTheRowsBelow)
{
    Grid g;
    fill(g, {"a", "b", "c", "d", "e"});
    g.setRowHidden(4, true);
    g.deleteRows(2);
    EXPECT_EQ(column(g, 1), QStringList({"a", "c", "d", "e"}));
    EXPECT_TRUE(g.isRowHidden(3));  // "d" keeps its hidden state as it moves up
    EXPECT_FALSE(g.isRowHidden(4));
    g.deleteRows(3, 10);  // more than there are: down to the last row
    EXPECT_EQ(column(g, 1), QStringList({"a", "c"}));
    g.deleteRows(5);
    g.deleteRows(0);
    EXPECT_EQ(g.rowCount(), 2);
}

TEST(GridRows, InsertedRowsPushTheRowsBelowDown)
{
    Grid g;
    g.setColumnCount(2);
    g.setColumnFormat(2, CellFormat::checkBox());
    fill(g, {"a", "b"});
    g.insertRows(2, 2);
    EXPECT_EQ(column(g, 1), QStringList({"a", "", "", "b"}));
    EXPECT_EQ(g.cellFormat(3, 2).type, grid::CellType::CheckBox);
    g.insertRows(5);  // one past the end appends
    EXPECT_EQ(g.rowCount(), 5);
    g.insertRows(7);
    EXPECT_EQ(g.rowCount(), 5);
}

TEST(GridRows, LastDataRowLooksAtEveryColumn)
{
    Grid g;
    g.setColumnCount(3);
    g.setRowCount(6);
    EXPECT_EQ(g.lastDataRow(), 0);
    g.setColumnHidden(3, true);
    g.setText(4, 3, QStringLiteral("N"));  // a hidden row-state mark counts
    g.setText(2, 1, QStringLiteral("x"));
    EXPECT_EQ(g.lastDataRow(), 4);
    g.setColumnFormat(2, CellFormat::checkBox());
    g.setValue(5, 2, 0);  // a cleared check box holds a value
    EXPECT_EQ(g.lastDataRow(), 5);
    g.clearCell(5, 2);
    g.clearCell(4, 3);
    EXPECT_EQ(g.lastDataRow(), 2);
}

// The header marks the current column in bold: every caption fits whole in bold, whatever width the
// window gave its column or the contents asked for.
TEST(GridRows, ColumnsAreWideEnoughForTheirCaptionInBold)
{
    Grid g;
    g.setColumnCount(2);
    g.setRowCount(2);
    g.setColumnWidth(1, 2);
    g.setText(0, 1, QStringLiteral("Grupo ID"));
    g.setText(0, 2, QStringLiteral("Departamento"));
    g.setColumnWidth(2, 1);
    QFont bold = g.table()->horizontalHeader()->font();
    bold.setBold(true);
    for (int c = 1; c <= 2; ++c)
        EXPECT_GT(g.table()->columnWidth(c - 1), QFontMetrics(bold).horizontalAdvance(g.text(0, c))) << c;
    g.setColumnWidth(1, 30);  // wider than the caption: kept as given
    EXPECT_GT(g.table()->columnWidth(0), 29 * QFontMetrics(g.table()->font()).horizontalAdvance(QLatin1Char('0')));
}

TEST(GridSort, NumbersSortByValueAndEmptyCellsGoLast)
{
    Grid g;
    g.setColumnCount(2);
    g.setColumnFormat(1, CellFormat::integer());
    g.setRowCount(5);
    const QStringList keys = {"10", "2", "", "33", "2"};
    const QStringList names = {"diez", "dos", "nada", "treinta", "otro dos"};
    for (int r = 1; r <= 5; ++r) {
        g.setText(r, 1, keys.at(r - 1));
        g.setText(r, 2, names.at(r - 1));
    }
    g.sortRows(1);
    EXPECT_EQ(column(g, 2), QStringList({"dos", "otro dos", "diez", "treinta", "nada"}));
    g.sortRows(1, Qt::DescendingOrder);
    EXPECT_EQ(column(g, 2), QStringList({"treinta", "diez", "dos", "otro dos", "nada"}));
}

TEST(GridSort, TextSortsWithoutRegardToCaseAndDatesInTimeOrder)
{
    Grid g;
    g.setColumnCount(2);
    g.setColumnFormat(2, CellFormat::date());
    fill(g, {"beta", "Alfa", "gamma"});
    g.setText(1, 2, QStringLiteral("01/02/2021"));
    g.setText(2, 2, QStringLiteral("15/01/2022"));
    g.setText(3, 2, QStringLiteral("31/12/2020"));
    g.sortRows(1);
    EXPECT_EQ(column(g, 1), QStringList({"Alfa", "beta", "gamma"}));
    g.sortRows(2);
    EXPECT_EQ(column(g, 1), QStringList({"gamma", "beta", "Alfa"}));
}

TEST(GridSort, HiddenAndSelectedRowsKeepTheirStateAsTheyMove)
{
    Grid g;
    g.setSelectionMode(grid::SelectionMode::MultiRow);
    fill(g, {"c", "a", "b"});
    g.setRowHidden(1, true);
    g.setRowSelected(3, true);
    g.sortRows(1);
    EXPECT_EQ(column(g, 1), QStringList({"a", "b", "c"}));
    EXPECT_TRUE(g.isRowHidden(3));
    EXPECT_FALSE(g.isRowHidden(1));
    EXPECT_EQ(g.selectedRows(), QList<int>({2}));
}

TEST(GridSelection, RowsComeBackInTheOrderTheyWereSelected)
{
    Grid g;
    g.setSelectionMode(grid::SelectionMode::MultiRow);
    fill(g, {"3", "5", "7", "9"});
    g.resize(400, 300);
    g.show();
    QTableWidget* t = g.table();
    auto clickRow = [t](int row) {
        QTest::mouseClick(t->viewport(), Qt::LeftButton, {}, t->visualItemRect(t->item(row - 1, 0)).center());
    };
    clickRow(4);
    clickRow(2);
    clickRow(3);
    EXPECT_EQ(g.selectedRows(), QList<int>({4, 2, 3}));
    clickRow(2);  // a second click deselects
    EXPECT_EQ(g.selectedRows(), QList<int>({4, 3}));
    g.setActiveCell(1, 1);  // moving the cursor leaves the selection alone
    EXPECT_EQ(g.selectedRows(), QList<int>({4, 3}));
    g.selectAllRows();
    EXPECT_EQ(g.selectedRows(), QList<int>({4, 3, 1, 2}));
    g.clearSelection();
    EXPECT_TRUE(g.selectedRows().isEmpty());
}

TEST(GridSelection, SelectAllSkipsHiddenRowsAndDeletedRowsLeaveTheSelection)
{
    Grid g;
    g.setSelectionMode(grid::SelectionMode::MultiRow);
    fill(g, {"a", "b", "c", "d"});
    g.setRowHidden(2, true);
    g.selectAllRows();
    EXPECT_EQ(g.selectedRows(), QList<int>({1, 3, 4}));
    g.deleteRows(1);
    EXPECT_EQ(g.selectedRows(), QList<int>({2, 3}));
}

TEST(GridSelection, SingleRowModeKeepsOneRow)
{
    Grid g;
    g.setSelectionMode(grid::SelectionMode::SingleRow);
    fill(g, {"a", "b", "c"});
    g.setRowSelected(1, true);
    g.setRowSelected(3, true);
    EXPECT_EQ(g.selectedRows(), QList<int>({3}));
    g.setActiveCell(2, 1);
    EXPECT_EQ(g.activeRow(), 2);
    EXPECT_EQ(g.activeColumn(), 1);
    EXPECT_EQ(g.selectedRows(), QList<int>({2}));
}

} // namespace
