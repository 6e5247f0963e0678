// The painting of a print-out's pages, once PageComposer::layout has laid them out.
#include "platform/grid/page_composer.h"

#include "platform/grid/grid.h"
#include "platform/grid/shown_texts.h"

#include <QAbstractItemModel>
#include <QPaintDevice>
#include <QPainter>
#include <QTableWidget>

#include <algorithm>

namespace grid {

namespace {

const QColor kGridLine(190, 190, 190);
const QColor kHeaderFill(235, 235, 235);

} // namespace

QFont PageComposer::runFont(const PrintRun& run) const
{
    QFont font = m_font;
    font.setBold(run.bold);
    if (run.pointSize > 0)
        font.setPointSizeF(run.pointSize);
    return font;
}

double PageComposer::lineHeight(const PrintLine& line) const
{
    double height = 0;
    for (const QList<PrintRun>* part : {&line.left, &line.centre, &line.right})
        for (const PrintRun& run : *part)
            height = qMax(height, metrics(runFont(run)).height());
    // An empty line is as high as a line of the normal font.
    return height > 0 ? height : metrics(m_font).height();
}

double PageComposer::linesHeight(const QList<PrintLine>& lines) const
{
    double height = 0;
    for (const PrintLine& line : lines)
        height += lineHeight(line);
    return height;
}

void PageComposer::paintPage(QPainter& painter, int page) const
{
    if (page < 1 || page > pageCount())
        return;
    const QList<PrintLine> footer = parsePrintCodes(m_settings.footer, page, pageCount());
    paintLines(painter, parsePrintCodes(m_settings.header, page, pageCount()), 0);
    paintLines(painter, footer, m_pageSize.height() - linesHeight(footer));

    painter.save();
    painter.translate(0, m_headerHeight);
    painter.scale(m_scale, m_scale);
    const int bands = int(m_bands.size());
    paintTable(painter, m_rowPages.at((page - 1) / bands), m_bands.at((page - 1) % bands));
    painter.restore();
}

// A part of a line wider than the page (a long title) prints smaller rather than off the page.
void PageComposer::paintLines(QPainter& painter, const QList<PrintLine>& lines, double top) const
{
    painter.save();
    painter.setPen(Qt::black);
    double y = top;
    const double width = m_pageSize.width();
    for (const PrintLine& line : lines) {
        double ascent = 0;
        for (const QList<PrintRun>* part : {&line.left, &line.centre, &line.right})
            for (const PrintRun& run : *part)
                ascent = qMax(ascent, metrics(runFont(run)).ascent());
        const double baseline = y + ascent;
        for (const QList<PrintRun>* part : {&line.left, &line.centre, &line.right}) {
            QList<QFont> fonts;
            double partWidth = 0;
            for (const PrintRun& run : *part) {
                fonts.append(runFont(run));
                partWidth += metrics(fonts.last()).horizontalAdvance(run.text);
            }
            if (partWidth > width) {
                for (QFont& font : fonts)
                    font.setPointSizeF(font.pointSizeF() * width / partWidth * 0.98);
                partWidth = 0;
                for (int i = 0; i < part->size(); ++i)
                    partWidth += metrics(fonts.at(i)).horizontalAdvance(part->at(i).text);
            }
            double x = part == &line.left ? 0 : part == &line.centre ? (width - partWidth) / 2 : width - partWidth;
            for (int i = 0; i < part->size(); ++i) {
                painter.setFont(fonts.at(i));
                painter.drawText(QPointF(x, baseline), part->at(i).text);
                x += metrics(fonts.at(i)).horizontalAdvance(part->at(i).text);
            }
        }
        y += lineHeight(line);
    }
    painter.restore();
}

double PageComposer::bandWidth(const Band& band) const
{
    double width = m_rowHeaderWidth;
    for (int index : band)
        width += m_widths.at(index);
    return width;
}

void PageComposer::paintTable(QPainter& painter, const RowPage& rows, const Band& band) const
{
    double y = 0;
    if (m_columnHeaderHeight > 0) {
        paintColumnHeaders(painter, band, y);
        y += m_columnHeaderHeight;
    }
    if (rows.first > 0 && rows.first >= m_frozenCount)
        for (int i = 0; i < m_frozenCount; ++i)
            y += paintRow(painter, i, band, y);
    for (int i = rows.first; i < rows.end; ++i)
        y += paintRow(painter, i, band, y);
    if (m_settings.printBorder) {
        painter.setPen(QPen(Qt::black, 0));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(QRectF(0, 0, bandWidth(band), y));
    }
}

void PageComposer::paintColumnHeaders(QPainter& painter, const Band& band, double top) const
{
    const QAbstractItemModel* model = m_grid.table()->model();
    painter.save();
    painter.setPen(QPen(kGridLine, 0));
    painter.setBrush(kHeaderFill);
    double x = 0;
    if (m_rowHeaderWidth > 0) {
        painter.drawRect(QRectF(0, top, m_rowHeaderWidth, m_columnHeaderHeight));
        x = m_rowHeaderWidth;
    }
    for (int index : band) {
        const QRectF rect(x, top, m_widths.at(index), m_columnHeaderHeight);
        painter.setPen(QPen(kGridLine, 0));
        painter.drawRect(rect);
        painter.setPen(Qt::black);
        drawWholeText(painter, rect.adjusted(m_padding, 0, -m_padding, 0), Qt::AlignCenter,
                      model->headerData(m_columns.at(index) - 1, Qt::Horizontal).toString(), m_font);
        x += m_widths.at(index);
    }
    painter.restore();
}

// The cells' boxes first, then their texts, so that a text running over a neighbour stays on top.
double PageComposer::paintRow(QPainter& painter, int index, const Band& band, double top) const
{
    const int row = m_rows.at(index);
    const double height = m_heights.at(index);
    if (m_rowHeaderWidth > 0) {
        const QRectF rect(0, top, m_rowHeaderWidth, height);
        painter.save();
        painter.setPen(QPen(kGridLine, 0));
        painter.setBrush(kHeaderFill);
        painter.drawRect(rect);
        painter.setPen(Qt::black);
        painter.setFont(m_font);
        painter.drawText(rect, Qt::AlignCenter | Qt::TextSingleLine,
                         m_grid.table()->model()->headerData(row - 1, Qt::Vertical).toString());
        painter.restore();
    }
    const QList<BandCell> cells = bandCells(row, band);
    const QList<TextRun> runs = layTextRuns(runCells(row, cells));
    const auto runRect = [&](const TextRun& run) {
        const BandCell& first = cells.at(run.first);
        const BandCell& last = cells.at(run.last);
        return QRectF(first.x, top, last.x + last.width - first.x, height);
    };
    for (const BandCell& cell : cells) {
        const QColor background = m_grid.cellBackground(row, cell.column);
        if (background.isValid())
            painter.fillRect(QRectF(cell.x, top, cell.width, height), background);
    }
    // The grid lines go round a text and the cells it runs over, not through the text.
    painter.save();
    painter.setPen(QPen(kGridLine, 0));
    painter.setBrush(Qt::NoBrush);
    for (int i = 0; i < cells.size(); ++i) {
        const bool runOver = std::any_of(runs.cbegin(), runs.cend(), [i](const TextRun& run) {
            return run.first != run.last && run.first <= i && i <= run.last;
        });
        if (!runOver)
            painter.drawRect(runRect(TextRun{i, i}));
        else if (runs.at(i).first != runs.at(i).last)
            painter.drawRect(runRect(runs.at(i)));
    }
    painter.restore();
    for (const BandCell& cell : cells)
        paintCellBorder(painter, row, cell.column, QRectF(cell.x, top, cell.width, height));
    for (int i = 0; i < cells.size(); ++i)
        paintCellText(painter, row, cells.at(i), runRect(runs.at(i)));
    return height;
}

void PageComposer::paintCellBorder(QPainter& painter, int row, int column, const QRectF& rect) const
{
    const CellBorder border = m_grid.cellBorder(row, column);
    if (!border.edges)
        return;
    painter.save();
    painter.setPen(QPen(border.color, 0, border.style));
    if (border.edges & Qt::TopEdge)
        painter.drawLine(rect.topLeft(), rect.topRight());
    if (border.edges & Qt::BottomEdge)
        painter.drawLine(rect.bottomLeft(), rect.bottomRight());
    if (border.edges & Qt::LeftEdge)
        painter.drawLine(rect.topLeft(), rect.bottomLeft());
    if (border.edges & Qt::RightEdge)
        painter.drawLine(rect.topRight(), rect.bottomRight());
    painter.restore();
}

// The text over the cells of its run; shrunk only where a band of columns ends beside it.
void PageComposer::paintCellText(QPainter& painter, int row, const BandCell& cell, const QRectF& rect) const
{
    if (m_grid.isSpanCovered(row, cell.column))
        return;
    const QFont font = m_grid.cellFont(row, cell.column);
    const CellFormat format = m_grid.cellFormat(row, cell.column);
    QRectF inner = rect.adjusted(m_padding, 0, -m_padding, 0);
    QString text = m_grid.text(row, cell.column);
    painter.save();
    painter.setPen(Qt::black);
    if (format.type == CellType::CheckBox) {
        const double side = metrics(font).ascent();
        const QRectF box(inner.left(), inner.center().y() - side / 2, side, side);
        painter.setPen(QPen(Qt::black, side * 0.08));
        painter.drawRect(box);
        if (m_grid.value(row, cell.column).toInt()) {
            painter.setPen(QPen(Qt::black, side * 0.14));
            painter.drawLine(QPointF(box.left() + side * 0.2, box.center().y()),
                             QPointF(box.left() + side * 0.45, box.bottom() - side * 0.2));
            painter.drawLine(QPointF(box.left() + side * 0.45, box.bottom() - side * 0.2),
                             QPointF(box.right() - side * 0.15, box.top() + side * 0.2));
        }
        painter.setPen(Qt::black);
        inner.setLeft(box.right() + m_padding);
        text = format.caption;
    } else if (format.type == CellType::Button) {
        text = format.caption;
    }
    if (!text.isEmpty())
        drawWholeText(painter, inner, int(m_grid.cellAlignment(row, cell.column) | Qt::AlignVCenter), text, font);
    painter.restore();
}

} // namespace grid
