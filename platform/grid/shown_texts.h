#pragma once

#include <QFont>
#include <QList>
#include <QRect>

class QPainter;
class QRegion;
class QStyleOptionViewItem;
class QTableView;

namespace grid {

class Grid;

// A cell's text that does not fit its own cell on the screen, where it is shown instead of being
// cut to "...": over the empty cells beside it; what still lacks room widens its column, and shrinks
// until then (or for good in a column sized by hand).
struct WideText {
    int column = -1;       // the model column of the cell that holds it
    QRect rect;            // the cells it lies across, in the view's viewport
    bool spills = false;   // it runs beyond its own cell
    QList<int> innerColumns;  // the model columns of the cells it runs over, but the last
    int lacking = 0;          // pixels it lacks even so; 0 when it fits
    int widenColumn = -1;     // the model column to widen for it: its own, or its span's last
};

// The texts of a row (0-based) of a view over the grid that do not fit their own cells.
QList<WideText> wideTexts(const Grid& grid, const QTableView& view, int row);

// Whether the cell's text, as the option shows it, fits its cell (the measure wideTexts takes).
bool fitsCell(const QStyleOptionViewItem& option);

// Paints, over what the view has painted in the region, the texts that run over their
// neighbours: the neighbours paint after the cell that holds the text and would cover it.
void paintSpilledTexts(const Grid& grid, QTableView& view, const QRegion& region);

// Draws a text on one line in the rect with the flags' alignment, in the font or, when it is
// wider than the rect, in the largest smaller size of it that fits: never cut.
void drawWholeText(QPainter& painter, const QRectF& rect, int flags, const QString& text, const QFont& font);

// The font shrunk until the text fits the width (the font itself when it already fits).
QFont fittingFont(const QFont& font, const QString& text, double width, const QPaintDevice* device);

} // namespace grid
