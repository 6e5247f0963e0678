#pragma once

#include "platform/grid/cell_format.h"

#include <QList>
#include <QString>
#include <Qt>

namespace grid {

// One cell of a row, as its text is laid out: the row's shown cells in order, a span as one cell.
struct RunCell {
    double width = 0;                         // the cell's own width
    double needed = 0;                        // the width its text takes, margins included
    Qt::Alignment alignment = Qt::AlignLeft;  // horizontal
    bool empty = true;                        // shows nothing: a text may run over it
    bool spills = false;                      // a text that may run over empty neighbours
};

// The cells a text is laid across, first to last (both its own cell when it stays in it).
struct TextRun {
    int first = 0;
    int last = 0;
    double width = 0;  // of the cells first to last
    bool fits = true;  // the text fits in that width
};

// Lays out the texts of one row as a spreadsheet does: a text wider than its cell runs over the
// empty cells beside it, rightwards when it is aligned left, leftwards when aligned right, to both
// sides when centred, as far as it needs; a cell run over is taken, so two texts never meet. What
// still does not fit must widen its column or shrink, never be cut.
QList<TextRun> layTextRuns(const QList<RunCell>& cells);

// Whether the cell's text stays in its own cell: numbers, dates and times (typed or written as text)
// are kept whole where they belong, never spread over their neighbours.
bool staysInCell(CellType type, const QString& text);

} // namespace grid
