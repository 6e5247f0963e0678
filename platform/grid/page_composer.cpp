#include "platform/grid/page_composer.h"

#include "platform/grid/grid.h"

#include <QFontMetricsF>
#include <QHash>
#include <QHeaderView>
#include <QPaintDevice>
#include <QPainter>
#include <QTableWidget>

namespace grid {

namespace {

const QColor kGridLine(190, 190, 190);
const QColor kHeaderFill(235, 235, 235);

double segmentWidth(const QList<PrintRun>& runs, const QList<QFont>& fonts, const QPaintDevice* device)
{
    double width = 0;
    for (int i = 0; i < runs.size(); ++i)
        width += QFontMetricsF(fonts.at(i), device).horizontalAdvance(runs.at(i).text);
    return width;
}

} // namespace

PageComposer::PageComposer(const Grid& grid, const PrintSettings& settings)
    : m_grid(grid), m_settings(settings), m_font(grid.table()->font())
{
}

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
            height = qMax(height, QFontMetricsF(runFont(run), m_device).height());
    // An empty line is as high as a line of the normal font.
    return height > 0 ? height : QFontMetricsF(m_font, m_device).height();
}

double PageComposer::linesHeight(const QList<PrintLine>& lines) const
{
    double height = 0;
    for (const PrintLine& line : lines)
        height += lineHeight(line);
    return height;
}

void PageComposer::layout(const QPaintDevice& device, const QSizeF& pageSize)
{
    m_device = &device;
    m_pageSize = pageSize;
    const QTableWidget* table = m_grid.table();
    const double toDevice = device.logicalDpiX() / double(qMax(1, table->logicalDpiX()));
    const QFontMetricsF metrics(m_font, m_device);
    m_padding = metrics.height() * 0.15;

    const double gap = metrics.height() * 0.5;
    m_headerHeight = linesHeight(parsePrintCodes(m_settings.header, 1, 1));
    m_footerHeight = linesHeight(parsePrintCodes(m_settings.footer, 1, 1));
    if (m_headerHeight > 0)
        m_headerHeight += gap;
    if (m_footerHeight > 0)
        m_footerHeight += gap;

    m_columns.clear();
    m_widths.clear();
    for (int c = 1; c <= m_grid.columnCount(); ++c) {
        if (m_grid.isColumnHidden(c))
            continue;
        m_columns.append(c);
        m_widths.append(table->columnWidth(c - 1) * toDevice);
    }
    m_rowHeaderWidth = 0;
    if (m_grid.isRowHeaderVisible())
        m_rowHeaderWidth = metrics.horizontalAdvance(QString::number(qMax(1, m_grid.rowCount()))) + 4 * m_padding;
    m_columnHeaderHeight = m_grid.isColumnHeaderVisible() ? metrics.height() + 2 * m_padding : 0;

    QHash<QString, double> fontHeights;
    m_rows.clear();
    m_heights.clear();
    for (int r = 1; r <= m_grid.rowCount(); ++r) {
        if (m_grid.isRowHidden(r))
            continue;
        double height = metrics.height();
        for (int c : m_columns) {
            const QFont font = m_grid.cellFont(r, c);
            if (font == m_font)
                continue;
            auto known = fontHeights.find(font.key());
            if (known == fontHeights.end())
                known = fontHeights.insert(font.key(), QFontMetricsF(font, m_device).height());
            height = qMax(height, *known);
        }
        height += 2 * m_padding;
        // A height set on the row wins, as on the screen.
        const int shown = table->rowHeight(r - 1);
        if (shown != table->verticalHeader()->defaultSectionSize())
            height = shown * toDevice;
        m_rows.append(r);
        m_heights.append(height);
    }
    // The frozen rows head every page after the first.
    m_frozenCount = 0;
    m_frozenHeight = 0;
    while (m_frozenCount < m_rows.size() && m_rows.at(m_frozenCount) <= m_grid.frozenRows())
        m_frozenHeight += m_heights.at(m_frozenCount++);

    double tableWidth = m_rowHeaderWidth;
    for (double w : m_widths)
        tableWidth += w;
    m_scale = tableWidth > pageSize.width() && tableWidth > 0 ? pageSize.width() / tableWidth : 1.0;

    // Every page holds at least one row, however high.
    const double available = (pageSize.height() - m_headerHeight - m_footerHeight) / m_scale - m_columnHeaderHeight;
    m_pages.clear();
    int i = 0;
    while (i < m_rows.size()) {
        const int first = i;
        double used = first > 0 && m_frozenCount < first ? m_frozenHeight : 0;
        while (i < m_rows.size() && (i == first || used + m_heights.at(i) <= available)) {
            used += m_heights.at(i);
            ++i;
        }
        m_pages.append(Page{first, i});
    }
    if (m_pages.isEmpty())
        m_pages.append(Page{});
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
    paintTable(painter, m_pages.at(page - 1));
    painter.restore();
}

void PageComposer::paintLines(QPainter& painter, const QList<PrintLine>& lines, double top) const
{
    painter.save();
    painter.setPen(Qt::black);
    double y = top;
    for (const PrintLine& line : lines) {
        double ascent = 0;
        for (const QList<PrintRun>* part : {&line.left, &line.centre, &line.right})
            for (const PrintRun& run : *part)
                ascent = qMax(ascent, QFontMetricsF(runFont(run), m_device).ascent());
        const double baseline = y + ascent;
        const double width = m_pageSize.width();
        for (const QList<PrintRun>* part : {&line.left, &line.centre, &line.right}) {
            QList<QFont> fonts;
            for (const PrintRun& run : *part)
                fonts.append(runFont(run));
            const double partWidth = segmentWidth(*part, fonts, m_device);
            double x = part == &line.left ? 0 : part == &line.centre ? (width - partWidth) / 2 : width - partWidth;
            for (int i = 0; i < part->size(); ++i) {
                painter.setFont(fonts.at(i));
                painter.drawText(QPointF(x, baseline), part->at(i).text);
                x += QFontMetricsF(fonts.at(i), m_device).horizontalAdvance(part->at(i).text);
            }
        }
        y += lineHeight(line);
    }
    painter.restore();
}

void PageComposer::paintTable(QPainter& painter, const Page& page) const
{
    double y = 0;
    if (m_columnHeaderHeight > 0) {
        paintColumnHeaders(painter, y);
        y += m_columnHeaderHeight;
    }
    if (page.first > 0 && page.first >= m_frozenCount)
        for (int i = 0; i < m_frozenCount; ++i)
            y += paintRow(painter, i, y);
    for (int i = page.first; i < page.end; ++i)
        y += paintRow(painter, i, y);
    if (m_settings.printBorder) {
        double width = m_rowHeaderWidth;
        for (double w : m_widths)
            width += w;
        painter.setPen(QPen(Qt::black, 0));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(QRectF(0, 0, width, y));
    }
}

void PageComposer::paintColumnHeaders(QPainter& painter, double top) const
{
    const QAbstractItemModel* model = m_grid.table()->model();
    painter.save();
    painter.setFont(m_font);
    painter.setPen(QPen(kGridLine, 0));
    painter.setBrush(kHeaderFill);
    double x = 0;
    if (m_rowHeaderWidth > 0) {
        painter.drawRect(QRectF(0, top, m_rowHeaderWidth, m_columnHeaderHeight));
        x = m_rowHeaderWidth;
    }
    for (int i = 0; i < m_columns.size(); ++i) {
        const QRectF rect(x, top, m_widths.at(i), m_columnHeaderHeight);
        painter.setPen(QPen(kGridLine, 0));
        painter.drawRect(rect);
        painter.setPen(Qt::black);
        painter.drawText(rect.adjusted(m_padding, 0, -m_padding, 0), Qt::AlignCenter | Qt::TextSingleLine,
                         model->headerData(m_columns.at(i) - 1, Qt::Horizontal).toString());
        x += m_widths.at(i);
    }
    painter.restore();
}

double PageComposer::paintRow(QPainter& painter, int index, double top) const
{
    const int row = m_rows.at(index);
    const double height = m_heights.at(index);
    double x = 0;
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
        x = m_rowHeaderWidth;
    }
    int coveredUpTo = 0;  // columns hidden under a span reaching across them
    for (int i = 0; i < m_columns.size(); ++i) {
        const int column = m_columns.at(i);
        double width = m_widths.at(i);
        if (column <= coveredUpTo)
            continue;
        const int span = m_grid.columnSpan(row, column);
        if (span > 1) {
            coveredUpTo = column + span - 1;
            for (int j = i + 1; j < m_columns.size() && m_columns.at(j) <= coveredUpTo; ++j)
                width += m_widths.at(j);
        }
        paintCell(painter, row, column, QRectF(x, top, width, height));
        x += width;
    }
    return height;
}

void PageComposer::paintCell(QPainter& painter, int row, int column, const QRectF& rect) const
{
    painter.save();
    const QColor background = m_grid.cellBackground(row, column);
    painter.setPen(QPen(kGridLine, 0));
    painter.setBrush(background.isValid() ? QBrush(background) : QBrush(Qt::NoBrush));
    painter.drawRect(rect);

    const CellBorder border = m_grid.cellBorder(row, column);
    if (border.edges) {
        painter.setPen(QPen(border.color, 0, border.style));
        if (border.edges & Qt::TopEdge)
            painter.drawLine(rect.topLeft(), rect.topRight());
        if (border.edges & Qt::BottomEdge)
            painter.drawLine(rect.bottomLeft(), rect.bottomRight());
        if (border.edges & Qt::LeftEdge)
            painter.drawLine(rect.topLeft(), rect.bottomLeft());
        if (border.edges & Qt::RightEdge)
            painter.drawLine(rect.topRight(), rect.bottomRight());
    }

    const QFont font = m_grid.cellFont(row, column);
    const CellFormat format = m_grid.cellFormat(row, column);
    QRectF inner = rect.adjusted(m_padding, 0, -m_padding, 0);
    QString text = m_grid.text(row, column);
    painter.setFont(font);
    painter.setPen(Qt::black);
    painter.setClipRect(rect);
    if (format.type == CellType::CheckBox) {
        const double side = QFontMetricsF(font, m_device).ascent();
        const QRectF box(inner.left(), inner.center().y() - side / 2, side, side);
        painter.setPen(QPen(Qt::black, side * 0.08));
        painter.drawRect(box);
        if (m_grid.value(row, column).toInt()) {
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
    painter.drawText(inner, int(m_grid.cellAlignment(row, column) | Qt::AlignVCenter) | Qt::TextSingleLine, text);
    painter.restore();
}

} // namespace grid
