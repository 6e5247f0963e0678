// The active cell and the row selection.
#include "platform/grid/grid.h"

#include "platform/grid/grid_item.h"
#include "platform/grid/grid_table.h"

#include <QItemSelectionModel>
#include <QSet>

#include <algorithm>

namespace grid {

int Grid::activeRow() const
{
    return m_pendingActive ? m_pendingRow : m_table->currentRow() + 1;
}

int Grid::activeColumn() const
{
    return m_pendingActive ? m_pendingColumn : m_table->currentColumn() + 1;
}

void Grid::setActiveCell(int row, int column)
{
    if (!inRange(row, column))
        return;
    // Moving the cursor scrolls the view to it: while writes are quiet, only the last move is made, at
    // their end.
    if (writesAreQuiet()) {
        m_pendingActive = true;
        m_pendingRow = row;
        m_pendingColumn = column;
        return;
    }
    QItemSelectionModel::SelectionFlags flags = QItemSelectionModel::NoUpdate;
    if (m_selectionMode == SelectionMode::Cell)
        flags = QItemSelectionModel::ClearAndSelect;
    else if (m_selectionMode == SelectionMode::SingleRow)
        flags = QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows;
    const QModelIndex index = m_table->model()->index(row - 1, column - 1);
    ++m_quiet;
    m_table->selectionModel()->setCurrentIndex(index, flags);
    m_table->scrollTo(index);
    --m_quiet;
}

SelectionMode Grid::selectionMode() const
{
    return m_selectionMode;
}

void Grid::setSelectionMode(SelectionMode mode)
{
    m_selectionMode = mode;
    switch (mode) {
    case SelectionMode::Cell:
        m_table->setSelectionMode(QAbstractItemView::SingleSelection);
        m_table->setSelectionBehavior(QAbstractItemView::SelectItems);
        break;
    case SelectionMode::SingleRow:
        m_table->setSelectionMode(QAbstractItemView::SingleSelection);
        m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
        break;
    case SelectionMode::MultiRow:
        m_table->setSelectionMode(QAbstractItemView::MultiSelection);
        m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
        break;
    }
    m_table->clearSelection();
}

QList<int> Grid::selectedRows() const
{
    QSet<int> candidates;
    for (const QItemSelectionRange& range : m_table->selectionModel()->selection())
        for (int r = range.top(); r <= range.bottom(); ++r)
            candidates.insert(r + 1);
    QList<int> rows;
    for (int r : candidates)
        if (isRowSelected(r))
            rows.append(r);
    std::sort(rows.begin(), rows.end(), [this](int a, int b) {
        const GridItem* ia = item(a, 1);
        const GridItem* ib = item(b, 1);
        const quint64 sa = ia ? ia->selectionStamp() : 0;
        const quint64 sb = ib ? ib->selectionStamp() : 0;
        return sa != sb ? sa < sb : a < b;
    });
    return rows;
}

bool Grid::isRowSelected(int row) const
{
    return inRange(row, 1) && m_table->selectionModel()->isRowSelected(row - 1, QModelIndex());
}

void Grid::setRowSelected(int row, bool selected)
{
    if (!inRange(row, 1))
        return;
    QItemSelectionModel::SelectionFlags flags =
        selected ? QItemSelectionModel::Select : QItemSelectionModel::Deselect;
    if (selected && m_selectionMode != SelectionMode::MultiRow)
        flags = QItemSelectionModel::ClearAndSelect;
    m_table->selectionModel()->select(m_table->model()->index(row - 1, 0), flags | QItemSelectionModel::Rows);
}

void Grid::selectAllRows()
{
    QItemSelection all;
    const QAbstractItemModel* model = m_table->model();
    for (int r = 1; r <= rowCount() && columnCount() > 0; ++r)
        if (!isRowHidden(r))
            all.select(model->index(r - 1, 0), model->index(r - 1, columnCount() - 1));
    m_table->selectionModel()->select(all, QItemSelectionModel::Select);
}

void Grid::clearSelection()
{
    m_table->clearSelection();
}

void Grid::stampSelection(const QItemSelection& selected)
{
    QSet<int> stamped;
    for (const QItemSelectionRange& range : selected) {
        for (int r = range.top(); r <= range.bottom(); ++r) {
            if (stamped.contains(r))
                continue;
            stamped.insert(r);
            if (GridItem* first = cell(r + 1, 1))
                first->setSelectionStamp(++m_selectionCounter);
        }
    }
}

} // namespace grid
