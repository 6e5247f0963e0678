// Sorting rows on a column.
#include "platform/grid/grid.h"

#include "platform/grid/grid_item.h"
#include "platform/grid/grid_table.h"

#include <QItemSelectionModel>
#include <QTime>

#include <algorithm>
#include <vector>

namespace grid {

namespace {

// What a cell is sorted by: numbers before texts, empty cells after everything.
struct SortKey {
    enum Kind { Number, Text, Empty } kind = Empty;
    double number = 0;
    QString text;
};

SortKey keyOf(const GridItem* item)
{
    if (!item)
        return {};
    const GridItem& cell = *item;
    const QVariant value = cell.data(GridItem::kValueRole);
    const CellFormat& format = cell.format();
    if (!value.isNull()) {
        if (format.isNumeric())
            return {SortKey::Number, value.toDouble(), {}};
        if (format.type == CellType::Date)
            return {SortKey::Number, double(value.toDate().toJulianDay()), {}};
        if (format.type == CellType::Time)
            return {SortKey::Number, double(value.toTime().msecsSinceStartOfDay()), {}};
    }
    const QString text = cell.cellText();
    if (text.isEmpty())
        return {};
    return {SortKey::Text, 0, text};
}

// <0, 0, >0 as a sorts before, with or after b in ascending order.
int compareKeys(const SortKey& a, const SortKey& b)
{
    if (a.kind != b.kind)
        return a.kind < b.kind ? -1 : 1;
    if (a.kind == SortKey::Number)
        return a.number < b.number ? -1 : a.number > b.number ? 1 : 0;
    if (a.kind == SortKey::Text)
        return a.text.compare(b.text, Qt::CaseInsensitive);
    return 0;
}

} // namespace

QList<int> Grid::sortedRows(int column, Qt::SortOrder order) const
{
    const int rows = rowCount();
    QList<int> sorted(rows);
    for (int r = 0; r < rows; ++r)
        sorted[r] = r + 1;
    if (column < 1 || column > columnCount() || rows < 2)
        return sorted;
    std::vector<SortKey> keys(rows);
    for (int r = 0; r < rows; ++r)
        keys[r] = keyOf(item(r + 1, column));
    std::stable_sort(sorted.begin(), sorted.end(), [&](int a, int b) {
        const SortKey& ka = keys[a - 1];
        const SortKey& kb = keys[b - 1];
        if (ka.kind == SortKey::Empty || kb.kind == SortKey::Empty || ka.kind != kb.kind)
            return compareKeys(ka, kb) < 0;
        return order == Qt::AscendingOrder ? compareKeys(ka, kb) < 0 : compareKeys(kb, ka) < 0;
    });
    return sorted;
}

void Grid::sortRows(int column, Qt::SortOrder order)
{
    const int rows = rowCount();
    const int columns = columnCount();
    if (column < 1 || column > columns || rows < 2)
        return;

    // Rows move item by item.
    makeLoadedItems();
    std::vector<int> sorted;
    sorted.reserve(rows);
    for (int r : sortedRows(column, order))
        sorted.push_back(r - 1);

    // A row's items, hidden state and selection travel together.
    std::vector<std::vector<QTableWidgetItem*>> items(rows, std::vector<QTableWidgetItem*>(columns));
    std::vector<bool> hidden(rows), selected(rows);
    ++m_quiet;
    for (int r = 0; r < rows; ++r) {
        hidden[r] = m_table->isRowHidden(r);
        selected[r] = isRowSelected(r + 1);
        for (int c = 0; c < columns; ++c)
            items[r][c] = m_table->takeItem(r, c);
    }
    QItemSelection selection;
    for (int r = 0; r < rows; ++r) {
        const int from = sorted[r];
        for (int c = 0; c < columns; ++c)
            m_table->setItem(r, c, items[from][c]);
        m_table->setRowHidden(r, hidden[from]);
        if (selected[from])
            selection.select(m_table->model()->index(r, 0), m_table->model()->index(r, columns - 1));
    }
    QSignalBlocker noStamps(m_table->selectionModel());
    m_table->selectionModel()->select(selection, QItemSelectionModel::ClearAndSelect);
    --m_quiet;
    m_table->viewport()->update();
}

} // namespace grid
