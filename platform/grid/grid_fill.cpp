// Quiet writes: many rows and cells written, the views told once.
#include "platform/grid/grid.h"

#include "platform/grid/grid_table.h"

#include <QHeaderView>

namespace grid {

QuietCellWrites::QuietCellWrites(Grid& grid) : m_grid(grid)
{
    m_grid.beginQuietWrites();
}

QuietCellWrites::~QuietCellWrites()
{
    m_grid.endQuietWrites();
}

void Grid::beginQuietWrites()
{
    if (m_quietWrites++ == 0)
        m_modelWasQuiet = m_table->model()->blockSignals(true);
}

void Grid::endQuietWrites()
{
    if (--m_quietWrites > 0)
        return;
    freeSpareItems();
    QAbstractItemModel* model = m_table->model();
    model->blockSignals(m_modelWasQuiet);
    if (m_modelWasQuiet)
        return;
    // Captions written meanwhile may need wider or taller headers.
    if (columnCount() > 0)
        emit model->headerDataChanged(Qt::Horizontal, 0, columnCount() - 1);
    if (rowCount() > 0)
        emit model->headerDataChanged(Qt::Vertical, 0, rowCount() - 1);
    repaintCells();
    if (m_pendingActive) {
        m_pendingActive = false;
        setActiveCell(m_pendingRow, m_pendingColumn);
    }
}

} // namespace grid
