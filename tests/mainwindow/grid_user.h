#pragma once

#include "platform/grid/grid.h"

#include <QStringList>
#include <QTableWidget>
#include <QTest>

// A grid used as the user uses it: by clicks on its cells.
inline QPoint cellCentre(const grid::Grid* g, int row, int column)
{
    return g->table()->visualRect(g->table()->model()->index(row - 1, column - 1)).center();
}

inline void clickCell(grid::Grid* g, int row, int column)
{
    g->table()->scrollTo(g->table()->model()->index(row - 1, column - 1));
    QTest::mouseClick(g->table()->viewport(), Qt::LeftButton, {}, cellCentre(g, row, column));
}

// A double click is a click followed by the second press.
inline void doubleClickCell(grid::Grid* g, int row, int column)
{
    clickCell(g, row, column);
    QTest::mouseDClick(g->table()->viewport(), Qt::LeftButton, {}, cellCentre(g, row, column));
}

// The texts of a column, top to bottom.
inline QStringList columnTexts(const grid::Grid* g, int column)
{
    QStringList texts;
    for (int r = 1; r <= g->rowCount(); ++r)
        texts << g->text(r, column);
    return texts;
}
