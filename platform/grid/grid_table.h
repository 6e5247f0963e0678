#pragma once

#include "platform/grid/formula.h"

#include <QTableWidget>

namespace grid {

class Grid;

// The view inside a Grid: the table itself, which refuses edits the grid's locks forbid, reports
// the cursor leaving a cell and the keys, and sums blocks for formula cells.
class GridTable : public QTableWidget {
    Q_OBJECT
public:
    explicit GridTable(Grid* grid);

    // The sum of the numeric values in the block (1-based); 0 for an empty block.
    double sum(const CellRange& range) const;
    Grid* grid() const { return m_grid; }
    // Tells the views that a cell's own members changed, so that they repaint it; nothing while the
    // grid fills, whose end tells them once.
    void cellChanged(const QTableWidgetItem* cell);
    // The options the view hands its delegate to measure or paint a cell.
    QStyleOptionViewItem viewItemOption() const;

protected:
    bool edit(const QModelIndex& index, EditTrigger trigger, QEvent* event) override;
    void currentChanged(const QModelIndex& current, const QModelIndex& previous) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    bool focusNextPrevChild(bool next) override;

protected slots:
    void closeEditor(QWidget* editor, QAbstractItemDelegate::EndEditHint hint) override;

private:
    // Moves the cursor to the next (previous) cell that Tab stops at; false when there is none.
    bool tabToCell(bool forward);

    Grid* m_grid;
};

} // namespace grid
