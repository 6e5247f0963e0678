// Locks, protection, hidden rows and columns, widths and the look of cells.
#include "platform/grid/grid.h"

#include "platform/grid/frozen_rows.h"
#include "platform/grid/grid_item.h"
#include "platform/grid/grid_table.h"

#include <QFontMetricsF>
#include <QHeaderView>
#include <QStyle>
#include <QStyleOptionHeader>

#include <cmath>

namespace grid {

namespace {

// A width in characters counts the digit "0" of the grid's font plus the cell's padding.
double characterWidth(const QWidget* widget)
{
    return QFontMetricsF(widget->font()).horizontalAdvance(QLatin1Char('0'));
}

constexpr int kCellPadding = 6;

} // namespace

// --- Locks and protection --------------------------------------------------------------------

bool Grid::isCellLocked(int row, int column) const
{
    if (const GridItem* cell = existingItem(row, column))
        return cell->isLocked();
    return inRange(row, column) && defaultLocked(column);
}

void Grid::setCellLocked(int row, int column, bool locked)
{
    if (!inRange(row, column))
        return;
    if (GridItem* existing = item(row, column))
        existing->setLocked(locked);
    else if (locked != defaultLocked(column))
        cell(row, column)->setLocked(locked);
}

void Grid::setRowLocked(int row, bool locked)
{
    for (int c = 1; c <= columnCount(); ++c)
        setCellLocked(row, c, locked);
}

void Grid::setColumnLocked(int column, bool locked)
{
    if (column < 1 || column > columnCount())
        return;
    m_columns[column - 1].locked = locked;
    for (int r = 1; r <= rowCount(); ++r)
        if (GridItem* existing = existingItem(r, column))
            existing->setLocked(locked);
}

void Grid::setAllLocked(bool locked)
{
    m_allLocked = locked;
    for (int c = 1; c <= columnCount(); ++c)
        setColumnLocked(c, locked);
}

bool Grid::isProtected() const
{
    return m_protected;
}

void Grid::setProtected(bool on)
{
    m_protected = on;
}

bool Grid::keysEndIncompleteEntries() const
{
    return m_keysEndIncompleteEntries;
}

void Grid::setKeysEndIncompleteEntries(bool on)
{
    m_keysEndIncompleteEntries = on;
}

bool Grid::isCellEditable(int row, int column) const
{
    if (!inRange(row, column) || cellFormat(row, column).type == CellType::StaticText || !isEnabled())
        return false;
    return !m_protected || !isCellLocked(row, column);
}

QPoint Grid::nextTabCell(bool forward) const
{
    const int columns = columnCount();
    const int rows = rowCount();
    if (columns < 1 || rows < 1)
        return {};
    // Cells counted row by row; before the first cell when there is no cursor.
    int at = activeRow() > 0 ? (activeRow() - 1) * columns + (activeColumn() - 1) : (forward ? -1 : rows * columns);
    for (at += forward ? 1 : -1; at >= 0 && at < rows * columns; at += forward ? 1 : -1) {
        const int row = at / columns + 1;
        const int column = at % columns + 1;
        if (isRowHidden(row) || isColumnHidden(column) || !isCellEditable(row, column))
            continue;
        // A button is pressed with the mouse; Tab stops where something is typed, picked or ticked.
        if (cellFormat(row, column).type != CellType::Button)
            return {column, row};
    }
    return {};
}

// --- Rows and columns ------------------------------------------------------------------------

bool Grid::isRowHidden(int row) const
{
    return row >= 1 && row <= rowCount() && m_table->isRowHidden(row - 1);
}

void Grid::setRowHidden(int row, bool hidden)
{
    if (row >= 1 && row <= rowCount())
        m_table->setRowHidden(row - 1, hidden);
    if (m_frozen)
        m_frozen->follow();
}

bool Grid::isColumnHidden(int column) const
{
    if (column == 0)
        return !isRowHeaderVisible();
    return column >= 1 && column <= columnCount() && m_table->isColumnHidden(column - 1);
}

void Grid::setColumnHidden(int column, bool hidden)
{
    if (column == 0)
        setRowHeaderVisible(!hidden);
    else if (column >= 1 && column <= columnCount())
        m_table->setColumnHidden(column - 1, hidden);
    if (m_frozen)
        m_frozen->follow();
}

void Grid::setColumnHeaderVisible(bool visible)
{
    m_table->horizontalHeader()->setVisible(visible);
    if (m_frozen)
        m_frozen->follow();
}

bool Grid::isColumnHeaderVisible() const
{
    return !m_table->horizontalHeader()->isHidden();
}

void Grid::setRowHeaderVisible(bool visible)
{
    m_table->verticalHeader()->setVisible(visible);
    if (m_frozen)
        m_frozen->follow();
}

bool Grid::isRowHeaderVisible() const
{
    return !m_table->verticalHeader()->isHidden();
}

double Grid::columnWidth(int column) const
{
    if (column < 1 || column > columnCount())
        return 0;
    return (m_table->columnWidth(column - 1) - kCellPadding) / characterWidth(m_table);
}

void Grid::setColumnWidth(int column, double characters)
{
    if (column >= 1 && column <= columnCount()) {
        m_table->setColumnWidth(column - 1,
                                int(std::lround(characters * characterWidth(m_table))) + kCellPadding);
        fitHeader(column);
    }
}

void Grid::fitColumnWidths()
{
    m_table->resizeColumnsToContents();
    for (int column = 1; column <= columnCount(); ++column)
        fitHeader(column);
}

void Grid::fitHeader(int column)
{
    // The header shows the current column's caption in bold: the section is wide enough for that.
    const QString caption = text(0, column);
    if (caption.isEmpty() || column < 1 || column > columnCount())
        return;
    QHeaderView* header = m_table->horizontalHeader();
    QStyleOptionHeader option;
    option.initFrom(header);
    option.section = column - 1;
    option.text = caption;
    option.textAlignment = header->defaultAlignment();
    QFont bold = header->font();
    bold.setBold(true);
    option.fontMetrics = QFontMetrics(bold);
    const int needed = header->style()->sizeFromContents(QStyle::CT_HeaderSection, &option, QSize(), header).width();
    if (m_table->columnWidth(column - 1) < needed)
        m_table->setColumnWidth(column - 1, needed);
}

// --- Look ------------------------------------------------------------------------------------

QFont Grid::cellFont(int row, int column) const
{
    const GridItem* cell = existingItem(row, column);
    if (!cell)
        return m_table->font();
    const QVariant own = cell->data(Qt::FontRole);
    return own.isValid() ? own.value<QFont>() : m_table->font();
}

void Grid::setCellBold(int row, int column, bool bold)
{
    if (GridItem* made = cell(row, column)) {
        QFont font = cellFont(row, column);
        font.setBold(bold);
        made->setFont(font);
    }
}

void Grid::setCellUnderline(int row, int column, bool underline)
{
    if (GridItem* made = cell(row, column)) {
        QFont font = cellFont(row, column);
        font.setUnderline(underline);
        made->setFont(font);
    }
}

void Grid::setCellFontSize(int row, int column, double pointSize)
{
    if (GridItem* made = pointSize > 0 ? cell(row, column) : nullptr) {
        QFont font = cellFont(row, column);
        font.setPointSizeF(pointSize);
        made->setFont(font);
    }
}

Qt::Alignment Grid::cellAlignment(int row, int column) const
{
    if (!inRange(row, column))
        return Qt::AlignLeft;
    const GridItem* cell = existingItem(row, column);
    const int alignment = cell ? cell->data(Qt::TextAlignmentRole).toInt() : GridItem::defaultAlignment(defaultFormat(column));
    return Qt::Alignment(alignment) & Qt::AlignHorizontal_Mask;
}

void Grid::setCellAlignment(int row, int column, Qt::Alignment alignment)
{
    if (GridItem* made = cell(row, column))
        made->setData(Qt::TextAlignmentRole, int((alignment & Qt::AlignHorizontal_Mask) | Qt::AlignVCenter));
}

void Grid::setCellBorder(int row, int column, Qt::Edges edges, const QColor& color, Qt::PenStyle style)
{
    if (GridItem* made = cell(row, column))
        made->setBorder(edges, color, style);
}

CellBorder Grid::cellBorder(int row, int column) const
{
    const GridItem* cell = existingItem(row, column);
    if (!cell)
        return CellBorder();
    return CellBorder{cell->borderEdges(), cell->borderColor(), cell->borderStyle()};
}

void Grid::setSpan(int row, int column, int rows, int columns)
{
    if (inRange(row, column) && rows >= 1 && columns >= 1) {
        m_table->setSpan(row - 1, column - 1, qMin(rows, rowCount() - row + 1),
                         qMin(columns, columnCount() - column + 1));
        m_hadSpans = true;
    }
    if (m_frozen)
        m_frozen->follow();
}

int Grid::columnSpan(int row, int column) const
{
    return m_hadSpans && inRange(row, column) ? m_table->columnSpan(row - 1, column - 1) : 1;
}

} // namespace grid
