#include "catalog/grid_width.h"
#include "platform/grid/grid.h"

#include <QHeaderView>
#include <QScrollBar>
#include <QTableWidget>

void anchoParaColumnas(grid::Grid* grid)
{
    QTableWidget* tabla = grid->table();
    int ancho = 0;
    for (int c = 0; c < tabla->columnCount(); ++c)
        if (!tabla->isColumnHidden(c))
            ancho += tabla->columnWidth(c);
    ancho += tabla->verticalHeader()->sizeHint().width() + tabla->verticalScrollBar()->sizeHint().width()
             + 2 * tabla->frameWidth() + 4;
    grid->setMinimumWidth(ancho);
}
