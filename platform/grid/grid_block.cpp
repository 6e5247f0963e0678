// Blocks of cells, backgrounds, row heights and frozen rows.
#include "platform/grid/grid.h"

#include "platform/grid/frozen_rows.h"
#include "platform/grid/grid_item.h"
#include "platform/grid/grid_table.h"

#include <QHeaderView>

#include <cmath>

namespace grid {

namespace {

double pixelsPerPoint(const QWidget* widget)
{
    return widget->logicalDpiY() / 72.0;
}

} // namespace

int Grid::rowSpan(int row, int column) const
{
    return m_hadSpans && inRange(row, column) ? m_table->rowSpan(row - 1, column - 1) : 1;
}

bool Grid::isSpanCovered(int row, int column) const
{
    if (!m_hadSpans || !inRange(row, column) || (rowSpan(row, column) == 1 && columnSpan(row, column) == 1))
        return false;
    // A span answers its size for every cell under it; only its first cell starts where it does.
    const QRect rect = m_table->visualRect(m_table->model()->index(row - 1, column - 1));
    return rect.left() != m_table->columnViewportPosition(column - 1) || rect.top() != m_table->rowViewportPosition(row - 1);
}

void Grid::setCellBackground(int row, int column, const QColor& color)
{
    if (!color.isValid() && !existingItem(row, column))
        return;
    if (GridItem* made = cell(row, column))
        made->setData(Qt::BackgroundRole, color.isValid() ? QVariant(QBrush(color)) : QVariant());
}

QColor Grid::cellBackground(int row, int column) const
{
    const GridItem* cell = existingItem(row, column);
    if (!cell)
        return QColor();
    const QVariant brush = cell->data(Qt::BackgroundRole);
    return brush.isValid() ? brush.value<QBrush>().color() : QColor();
}

void Grid::setRangeBold(const CellRange& range, bool bold)
{
    for (int r = qMax(1, range.firstRow); r <= qMin(range.lastRow, rowCount()); ++r)
        for (int c = qMax(1, range.firstColumn); c <= qMin(range.lastColumn, columnCount()); ++c)
            setCellBold(r, c, bold);
}

void Grid::setRangeBackground(const CellRange& range, const QColor& color)
{
    for (int r = qMax(1, range.firstRow); r <= qMin(range.lastRow, rowCount()); ++r)
        for (int c = qMax(1, range.firstColumn); c <= qMin(range.lastColumn, columnCount()); ++c)
            setCellBackground(r, c, color);
}

void Grid::setRangeBorder(const CellRange& range, Qt::Edges edges, const QColor& color, Qt::PenStyle style)
{
    for (int r = qMax(1, range.firstRow); r <= qMin(range.lastRow, rowCount()); ++r) {
        for (int c = qMax(1, range.firstColumn); c <= qMin(range.lastColumn, columnCount()); ++c) {
            Qt::Edges outer;
            if (r == range.firstRow)
                outer |= edges & Qt::TopEdge;
            if (r == range.lastRow)
                outer |= edges & Qt::BottomEdge;
            if (c == range.firstColumn)
                outer |= edges & Qt::LeftEdge;
            if (c == range.lastColumn)
                outer |= edges & Qt::RightEdge;
            if (outer)
                setCellBorder(r, c, cellBorder(r, c).edges | outer, color, style);
        }
    }
}

double Grid::rowHeight(int row) const
{
    if (row < 1 || row > rowCount())
        return 0;
    return m_table->rowHeight(row - 1) / pixelsPerPoint(m_table);
}

void Grid::setRowHeight(int row, double points)
{
    if (row < 1 || row > rowCount())
        return;
    const int pixels = points > 0 ? int(std::lround(points * pixelsPerPoint(m_table)))
                                  : m_table->verticalHeader()->defaultSectionSize();
    m_table->setRowHeight(row - 1, pixels);
}

void Grid::setFrozenRows(int rows)
{
    m_frozenRows = qMax(0, rows);
    if (!m_frozen && m_frozenRows > 0)
        m_frozen = new FrozenRows(m_table, m_frozenRows);
    else if (m_frozen)
        m_frozen->setRows(m_frozenRows);
}

QTableView* Grid::frozenView() const
{
    return m_frozenRows > 0 ? m_frozen : nullptr;
}

} // namespace grid
