// Filling: many rows and cells written with one notice to the views.
#include "platform/grid/grid.h"

#include "platform/grid/grid_table.h"

namespace grid {

Grid::Filling::Filling(Grid& grid) : m_grid(grid)
{
    m_grid.beginFill();
}

Grid::Filling::~Filling()
{
    m_grid.endFill();
}

void Grid::beginFill()
{
    if (m_filling++ == 0)
        m_table->model()->blockSignals(true);
}

void Grid::endFill()
{
    if (--m_filling > 0)
        return;
    freeSpareItems();
    QAbstractItemModel* model = m_table->model();
    model->blockSignals(false);
    const int rows = rowCount(), columns = columnCount();
    if (rows > 0 && columns > 0)
        emit model->dataChanged(model->index(0, 0), model->index(rows - 1, columns - 1));
    if (columns > 0)
        emit model->headerDataChanged(Qt::Horizontal, 0, columns - 1);
    if (rows > 0)
        emit model->headerDataChanged(Qt::Vertical, 0, rows - 1);
    if (m_pendingActive) {
        m_pendingActive = false;
        setActiveCell(m_pendingRow, m_pendingColumn);
    }
}

} // namespace grid
