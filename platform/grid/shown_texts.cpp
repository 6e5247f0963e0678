#include "platform/grid/shown_texts.h"

#include "platform/grid/grid.h"
#include "platform/grid/text_runs.h"

#include <QApplication>
#include <QFontMetricsF>
#include <QItemSelectionModel>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionViewItem>
#include <QTableView>

#include <cmath>

namespace grid {

namespace {

// A pixel more than the text measures: the style's own layout of a text that fills its cell to the
// pixel wraps or elides it.
constexpr int kSlack = 1;

// The blank the style leaves on each side of a cell's text.
int textMargin(const QWidget* view)
{
    const QStyle* style = view ? view->style() : QApplication::style();
    return style->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, view) + 1;
}

bool showsText(CellType type)
{
    return type != CellType::CheckBox && type != CellType::Button;
}

// The grid lines between the cells a text runs over, painted over in the cells' own background so
// that they do not cross the text; left where a cell is selected.
void hideInnerGridLines(QPainter& painter, const QTableView& view, int row, const WideText& wide)
{
    if (!view.showGrid())
        return;
    const QItemSelectionModel* selection = view.selectionModel();
    const QAbstractItemModel* model = view.model();
    for (int column : wide.innerColumns)
        if (selection && (selection->isSelected(model->index(row, column))
                          || selection->isSelected(model->index(row, column + 1))))
            return;
    for (int column : wide.innerColumns) {
        const QRect cell = view.visualRect(model->index(row, column));
        const QVariant background = model->index(row, column).data(Qt::BackgroundRole);
        const QBrush brush = background.canConvert<QBrush>() ? background.value<QBrush>() : view.palette().base();
        // The view draws a cell's right line just beyond the rect it gives the cell.
        painter.fillRect(QRect(cell.right() + 1, cell.top(), 1, cell.height()), brush);
    }
}

} // namespace

QFont fittingFont(const QFont& font, const QString& text, double width, const QPaintDevice* device)
{
    // A text laid out to the width exactly may measure a hair over it.
    width += 0.01;
    const double natural = QFontMetricsF(font, device).horizontalAdvance(text);
    if (natural <= width || natural <= 0 || width <= 0.01)
        return font;
    QFont smaller = font;
    double scale = width / natural;
    // Sizes do not scale the advance exactly (hinting): step down until the text fits.
    for (int attempt = 0; attempt < 12; ++attempt) {
        if (font.pointSizeF() > 0)
            smaller.setPointSizeF(font.pointSizeF() * scale);
        else
            smaller.setPixelSize(qMax(1, int(font.pixelSize() * scale)));
        if (QFontMetricsF(smaller, device).horizontalAdvance(text) <= width)
            break;
        scale *= 0.95;
    }
    return smaller;
}

void drawWholeText(QPainter& painter, const QRectF& rect, int flags, const QString& text, const QFont& font)
{
    painter.setFont(fittingFont(font, text, rect.width(), painter.device()));
    painter.drawText(rect, flags | Qt::TextSingleLine | Qt::TextDontClip, text);
}

bool fitsCell(const QStyleOptionViewItem& option)
{
    return QFontMetricsF(option.font).horizontalAdvance(option.text) + 2 * textMargin(option.widget) + kSlack
        <= option.rect.width();
}

QList<WideText> wideTexts(const Grid& grid, const QTableView& view, int row)
{
    const int margin = textMargin(&view);
    const QAbstractItemModel* model = view.model();
    QList<RunCell> cells;
    QList<int> columns;
    QList<int> lastColumns;  // a span's last shown column; the cell's own otherwise
    QList<QRect> rects;
    const int rowTop = view.rowViewportPosition(row);
    for (int c = 0; c < model->columnCount(); ++c) {
        if (view.isColumnHidden(c))
            continue;
        const QRect rect = view.visualRect(model->index(row, c));
        if (rect.left() != view.columnViewportPosition(c))
            continue;  // under a span that starts to its left
        RunCell cell;
        cell.width = rect.width();
        const CellType type = grid.cellType(row + 1, c + 1);
        const QString text = grid.text(row + 1, c + 1);
        if (rect.top() != rowTop || !showsText(type)) {
            cell.empty = false;  // under a span from above, a check box or a button
        } else if (!text.isEmpty()) {
            cell.empty = false;
            cell.needed = QFontMetricsF(grid.cellFont(row + 1, c + 1)).horizontalAdvance(text) + 2 * margin + kSlack;
            cell.alignment = grid.cellAlignment(row + 1, c + 1);
            cell.spills = cell.needed > cell.width && !staysInCell(type, text);
        }
        int last = c;
        for (int k = c + 1; k < c + grid.columnSpan(row + 1, c + 1); ++k)
            if (!view.isColumnHidden(k))
                last = k;
        cells.append(cell);
        columns.append(c);
        lastColumns.append(last);
        rects.append(rect);
    }
    QList<WideText> wide;
    const QList<TextRun> runs = layTextRuns(cells);
    for (int i = 0; i < runs.size(); ++i) {
        if (cells.at(i).needed <= cells.at(i).width)
            continue;
        const TextRun& run = runs.at(i);
        WideText text{columns.at(i), rects.at(run.first).united(rects.at(run.last)), run.first != run.last, {},
                      run.fits ? 0 : int(std::ceil(cells.at(i).needed - run.width)), lastColumns.at(i)};
        for (int k = run.first; k < run.last; ++k)
            text.innerColumns.append(columns.at(k));
        wide.append(text);
    }
    return wide;
}

void paintSpilledTexts(const Grid& grid, QTableView& view, const QRegion& region)
{
    const QRect bounds = region.boundingRect();
    const int first = view.rowAt(bounds.top());
    if (first < 0)
        return;
    int last = view.rowAt(bounds.bottom());
    if (last < 0)
        last = view.model()->rowCount() - 1;
    const int margin = textMargin(&view);
    QPainter painter(view.viewport());
    painter.setClipRegion(region);
    for (int row = first; row <= last; ++row) {
        if (view.isRowHidden(row))
            continue;
        for (const WideText& wide : wideTexts(grid, view, row)) {
            if (!wide.spills || !region.intersects(wide.rect))
                continue;
            hideInnerGridLines(painter, view, row, wide);
            const QModelIndex index = view.model()->index(row, wide.column);
            const QVariant foreground = index.data(Qt::ForegroundRole);
            painter.setPen(foreground.canConvert<QBrush>() ? foreground.value<QBrush>().color()
                                                          : view.palette().color(QPalette::Text));
            drawWholeText(painter, QRectF(wide.rect.adjusted(margin, 0, -margin, 0)),
                          int(grid.cellAlignment(row + 1, wide.column + 1) | Qt::AlignVCenter),
                          grid.text(row + 1, wide.column + 1), grid.cellFont(row + 1, wide.column + 1));
        }
    }
}

} // namespace grid
