#include "platform/grid/grid_table.h"

#include "platform/grid/grid.h"
#include "platform/grid/grid_delegate.h"
#include "platform/grid/grid_item.h"
#include "platform/grid/shown_texts.h"

#include <QKeyEvent>
#include <QPaintEvent>

namespace grid {

GridTable::GridTable(Grid* grid) : QTableWidget(grid), m_grid(grid)
{
}

double GridTable::sum(const CellRange& range) const
{
    double total = 0;
    for (int r = qMax(1, range.firstRow); r <= qMin(range.lastRow, rowCount()); ++r) {
        for (int c = qMax(1, range.firstColumn); c <= qMin(range.lastColumn, columnCount()); ++c) {
            // A cell's own formula is not followed, so a block that holds its total adds nothing twice.
            if (const GridItem* cell = m_grid->existingItem(r, c))
                total += cell->formula().isEmpty() ? cell->cellValue().toDouble() : 0;
            else
                total += m_grid->value(r, c).toDouble();
        }
    }
    return total;
}

QStyleOptionViewItem GridTable::viewItemOption() const
{
    QStyleOptionViewItem option;
    initViewItemOption(&option);
    return option;
}

void GridTable::cellChanged(const QTableWidgetItem* cell)
{
    // Quiet writes hold back the model's signals.
    if (model()->signalsBlocked())
        return;
    const QModelIndex index = indexFromItem(cell);
    if (index.isValid())
        emit model()->dataChanged(index, index);
}

bool GridTable::edit(const QModelIndex& index, EditTrigger trigger, QEvent* event)
{
    if (index.isValid() && !m_grid->isCellEditable(index.row() + 1, index.column() + 1))
        return false;
    // The editor is made from the cell's item: a cell quiet writes left unwritten gets its item now.
    if (index.isValid())
        m_grid->cell(index.row() + 1, index.column() + 1);
    return QTableWidget::edit(index, trigger, event);
}

void GridTable::currentChanged(const QModelIndex& current, const QModelIndex& previous)
{
    // The cell left is committed first, so a handler reads what was typed there.
    QTableWidget::currentChanged(current, previous);
    if (m_grid->m_quiet > 0 || !previous.isValid())
        return;
    const QPersistentModelIndex left(previous);
    bool cancel = false;
    emit m_grid->leaveCell(previous.row() + 1, previous.column() + 1, current.isValid() ? current.row() + 1 : 0,
                           current.isValid() ? current.column() + 1 : 0, &cancel);
    if (cancel && left.isValid())
        m_grid->setActiveCell(left.row() + 1, left.column() + 1);
}

void GridTable::closeEditor(QWidget* editor, QAbstractItemDelegate::EndEditHint hint)
{
    const std::optional<GridDelegate::FinishedEdit> finished = GridDelegate::finishedEdit(editor, hint);
    // Tab out of an editor goes where Tab goes from the cell itself.
    const bool tab = m_grid->tabThroughCells()
                     && (hint == QAbstractItemDelegate::EditNextItem || hint == QAbstractItemDelegate::EditPreviousItem);
    QTableWidget::closeEditor(editor, tab ? QAbstractItemDelegate::NoHint : hint);
    if (finished && finished->index.isValid())
        emit m_grid->editFinished(finished->index.row() + 1, finished->index.column() + 1, finished->typed);
    if (tab)
        focusNextPrevChild(hint == QAbstractItemDelegate::EditNextItem);
}

bool GridTable::focusNextPrevChild(bool next)
{
    if (m_grid->tabThroughCells() && tabToCell(next))
        return true;
    return QTableWidget::focusNextPrevChild(next);
}

bool GridTable::tabToCell(bool forward)
{
    const QPoint cell = m_grid->nextTabCell(forward);
    if (cell.isNull())
        return false;
    // The user's own move: the cell left is looked at as after a click elsewhere.
    setCurrentIndex(model()->index(cell.y() - 1, cell.x() - 1));
    return true;
}

void GridTable::keyPressEvent(QKeyEvent* event)
{
    emit m_grid->keyPressed(event->key(), event->modifiers());
    QTableWidget::keyPressEvent(event);
}

void GridTable::paintEvent(QPaintEvent* event)
{
    QTableWidget::paintEvent(event);
    paintSpilledTexts(*m_grid, *this, event->region());
}

void GridTable::keyReleaseEvent(QKeyEvent* event)
{
    emit m_grid->keyReleased(event->key(), event->modifiers());
    QTableWidget::keyReleaseEvent(event);
}

} // namespace grid
