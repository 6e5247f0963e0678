// The layout of a print-out: which columns print, how wide, at what scale, and what each page holds.
#include "platform/grid/page_composer.h"

#include "platform/grid/grid.h"

#include <QAbstractItemModel>
#include <QHeaderView>
#include <QPaintDevice>
#include <QTableWidget>

namespace grid {

namespace {

bool showsSomething(const Grid& grid, int row, int column)
{
    const CellType type = grid.cellType(row, column);
    return type == CellType::CheckBox || type == CellType::Button || !grid.text(row, column).isEmpty();
}

} // namespace

PageComposer::PageComposer(const Grid& grid, const PrintSettings& settings)
    : m_grid(grid), m_settings(settings), m_font(grid.table()->font())
{
}

const PageComposer::FontInfo& PageComposer::fontInfo(const QFont& font) const
{
    auto known = m_fontIndex.constFind(font);
    if (known == m_fontIndex.constEnd()) {
        FontInfo info{QFontMetricsF(font, m_device), {}};
        info.advances.fill(-1);
        m_fonts.push_back(info);
        known = m_fontIndex.insert(font, int(m_fonts.size()) - 1);
    }
    return m_fonts[*known];
}

double PageComposer::neededWidth(const QFont& font, const QString& text, double room) const
{
    const FontInfo& info = fontInfo(font);
    auto& advances = const_cast<std::array<double, 256>&>(info.advances);
    double sum = 2 * m_padding;
    for (const QChar c : text) {
        const char16_t code = c.unicode();
        if (code > 255)
            return info.metrics.horizontalAdvance(text) + 2 * m_padding;
        if (advances[code] < 0)
            advances[code] = info.metrics.horizontalAdvance(c);
        sum += advances[code];
    }
    // Kerning moves a text's width a hair from the sum of its characters': what fits by the sum is
    // drawn to fit (shrunk by that hair if it must), and a text that lacks room asks for a little
    // more than the sum.
    return sum <= room ? sum : sum * 1.03;
}

double PageComposer::bodyPointSize() const
{
    if (m_font.pointSizeF() > 0)
        return m_font.pointSizeF();
    return m_font.pixelSize() * 72.0 / qMax(1, m_grid.table()->logicalDpiY());
}

void PageComposer::layout(const QPaintDevice& device, const QSizeF& pageSize)
{
    m_device = &device;
    m_pageSize = pageSize;
    m_fontIndex.clear();
    m_fonts.clear();
    const QFontMetricsF& body = metrics(m_font);
    m_padding = body.height() * 0.12;

    const double gap = body.height() * 0.5;
    m_headerHeight = linesHeight(parsePrintCodes(m_settings.header, 1, 1));
    m_footerHeight = linesHeight(parsePrintCodes(m_settings.footer, 1, 1));
    if (m_headerHeight > 0)
        m_headerHeight += gap;
    if (m_footerHeight > 0)
        m_footerHeight += gap;

    m_rowHeaderWidth = 0;
    if (m_grid.isRowHeaderVisible())
        m_rowHeaderWidth = body.horizontalAdvance(QString::number(qMax(1, m_grid.rowCount()))) + 4 * m_padding;
    m_columnHeaderHeight = m_grid.isColumnHeaderVisible() ? body.height() + 2 * m_padding : 0;

    findColumns();
    measureRows();
    widenColumns();
    if (tableWidth() > pageSize.width())
        tightenColumns();
    fitToPage();
    splitRows();
}

// The columns in use: shown, and with a caption that prints or a cell that shows something. A grid
// with none prints its shown columns empty.
void PageComposer::findColumns()
{
    const QTableWidget* table = m_grid.table();
    const double toDevice = m_device->logicalDpiX() / double(qMax(1, table->logicalDpiX()));
    QList<int> shown;
    for (int c = 1; c <= m_grid.columnCount(); ++c)
        if (!m_grid.isColumnHidden(c))
            shown.append(c);
    QList<bool> used(shown.size(), false);
    int usedCount = 0;
    for (int i = 0; i < shown.size(); ++i) {
        if (m_grid.isColumnHeaderVisible() && !m_grid.text(0, shown.at(i)).isEmpty()) {
            used[i] = true;
            ++usedCount;
        }
    }
    for (int r = 1; r <= m_grid.rowCount() && usedCount < shown.size(); ++r) {
        if (m_grid.isRowHidden(r))
            continue;
        for (int i = 0; i < shown.size(); ++i) {
            if (!used.at(i) && showsSomething(m_grid, r, shown.at(i))) {
                used[i] = true;
                ++usedCount;
            }
        }
    }
    m_columns.clear();
    m_widths.clear();
    for (int i = 0; i < shown.size(); ++i) {
        if (used.at(i) || usedCount == 0) {
            m_columns.append(shown.at(i));
            m_widths.append(table->columnWidth(shown.at(i) - 1) * toDevice);
        }
    }
}

void PageComposer::measureRows()
{
    const QTableWidget* table = m_grid.table();
    const double toDevice = m_device->logicalDpiX() / double(qMax(1, table->logicalDpiX()));
    const double bodyHeight = metrics(m_font).height();
    m_rows.clear();
    m_heights.clear();
    for (int r = 1; r <= m_grid.rowCount(); ++r) {
        if (m_grid.isRowHidden(r))
            continue;
        double height = bodyHeight;
        for (int c : m_columns) {
            const QFont font = m_grid.cellFont(r, c);
            if (font != m_font)
                height = qMax(height, metrics(font).height());
        }
        height += 2 * m_padding;
        // A height set on the row wins, as on the screen.
        const int shownHeight = table->rowHeight(r - 1);
        if (shownHeight != table->verticalHeader()->defaultSectionSize())
            height = shownHeight * toDevice;
        m_rows.append(r);
        m_heights.append(height);
    }
    m_frozenCount = 0;
    m_frozenHeight = 0;
    while (m_frozenCount < m_rows.size() && m_rows.at(m_frozenCount) <= m_grid.frozenRows())
        m_frozenHeight += m_heights.at(m_frozenCount++);
}

QList<PageComposer::BandCell> PageComposer::bandCells(int row, const Band& band) const
{
    QList<BandCell> cells;
    cells.reserve(band.size());
    double x = m_rowHeaderWidth;
    int coveredUpTo = 0;  // grid columns under a span started in this band
    for (int k = 0; k < band.size(); ++k) {
        const int index = band.at(k);
        const int column = m_columns.at(index);
        const double width = m_widths.at(index);
        if (column <= coveredUpTo && !cells.isEmpty()) {
            cells.last().width += width;
            cells.last().lastIndex = index;
        } else {
            const int span = m_grid.isSpanCovered(row, column) ? 1 : m_grid.columnSpan(row, column);
            coveredUpTo = span > 1 ? column + span - 1 : 0;
            cells.append(BandCell{column, index, x, width});
        }
        x += width;
    }
    return cells;
}

QList<RunCell> PageComposer::runCells(int row, const QList<BandCell>& cells) const
{
    QList<RunCell> runs;
    runs.reserve(cells.size());
    for (const BandCell& cell : cells) {
        RunCell run;
        run.width = cell.width;
        if (m_grid.isSpanCovered(row, cell.column)) {
            run.empty = false;
        } else {
            const CellType type = m_grid.cellType(row, cell.column);
            const QString text = m_grid.text(row, cell.column);
            run.empty = text.isEmpty() && type != CellType::CheckBox && type != CellType::Button;
            if (!text.isEmpty() && type != CellType::CheckBox && type != CellType::Button) {
                run.needed = neededWidth(m_grid.cellFont(row, cell.column), text, cell.width);
                if (run.needed > cell.width) {
                    run.alignment = m_grid.cellAlignment(row, cell.column);
                    run.spills = !staysInCell(type, text);
                }
            }
        }
        runs.append(run);
    }
    return runs;
}

// Each text that does not fit where it may lie widens its column by what it lacks.
void PageComposer::widenColumns()
{
    Band all;
    for (int i = 0; i < m_columns.size(); ++i)
        all.append(i);
    QList<double> lack(m_columns.size(), 0.0);
    if (m_columnHeaderHeight > 0) {
        const QAbstractItemModel* model = m_grid.table()->model();
        for (int i = 0; i < m_columns.size(); ++i) {
            const QString caption = model->headerData(m_columns.at(i) - 1, Qt::Horizontal).toString();
            lack[i] = qMax(lack.at(i), metrics(m_font).horizontalAdvance(caption) + 2 * m_padding - m_widths.at(i));
        }
    }
    for (int row : m_rows) {
        const QList<BandCell> cells = bandCells(row, all);
        const QList<RunCell> runCellsOfRow = runCells(row, cells);
        const QList<TextRun> runs = layTextRuns(runCellsOfRow);
        for (int i = 0; i < runs.size(); ++i) {
            if (runs.at(i).fits)
                continue;
            const int last = cells.at(i).lastIndex;
            lack[last] = qMax(lack.at(last), runCellsOfRow.at(i).needed - runs.at(i).width);
        }
    }
    for (int i = 0; i < m_widths.size(); ++i)
        m_widths[i] += lack.at(i);
}

double PageComposer::tableWidth() const
{
    double width = m_rowHeaderWidth;
    for (double w : m_widths)
        width += w;
    return width;
}

// A table wider than the page first gives up the room its columns do not use: each column narrows
// to its widest text or caption, then widens again for the texts that ran over it.
void PageComposer::tightenColumns()
{
    const double least = metrics(m_font).horizontalAdvance(QLatin1Char('0')) + 2 * m_padding;
    QList<double> content(m_columns.size(), least);
    if (m_columnHeaderHeight > 0) {
        const QAbstractItemModel* model = m_grid.table()->model();
        for (int i = 0; i < m_columns.size(); ++i)
            content[i] = qMax(content.at(i), metrics(m_font).horizontalAdvance(
                                                 model->headerData(m_columns.at(i) - 1, Qt::Horizontal).toString())
                                                 + 2 * m_padding);
    }
    Band all;
    for (int i = 0; i < m_columns.size(); ++i)
        all.append(i);
    for (int row : m_rows) {
        const QList<BandCell> cells = bandCells(row, all);
        const QList<RunCell> runs = runCells(row, cells);
        for (int i = 0; i < cells.size(); ++i) {
            const int index = cells.at(i).lastIndex;
            if (m_columns.at(index) == cells.at(i).column)  // a span widens again below
                content[index] = qMax(content.at(index), runs.at(i).needed);
        }
    }
    for (int i = 0; i < m_widths.size(); ++i)
        m_widths[i] = qMin(m_widths.at(i), content.at(i));
    widenColumns();
}

// The scale that fits the table to the page's width, down to the least readable size; what is still
// wider goes across pages in bands of columns.
void PageComposer::fitToPage()
{
    const double width = tableWidth();
    double widest = 0;
    for (double w : m_widths)
        widest = qMax(widest, w);
    const double pageWidth = m_pageSize.width();
    const double least = qMin(1.0, kLeastPointSize / bodyPointSize());
    m_scale = 1;
    if (width > pageWidth && width > 0)
        m_scale = qMax(pageWidth / width, least);
    // A single column wider than a page is the one thing that prints smaller.
    if (widest > 0 && (m_rowHeaderWidth + widest) * m_scale > pageWidth)
        m_scale = pageWidth / (m_rowHeaderWidth + widest);

    m_bands.clear();
    const double room = pageWidth / m_scale - m_rowHeaderWidth;
    Band band;
    double used = 0;
    for (int i = 0; i < m_widths.size(); ++i) {
        if (!band.isEmpty() && used + m_widths.at(i) > room + 0.01) {
            m_bands.append(band);
            band.clear();
            used = 0;
            // The first column names the rows: it heads every band when there is room beside it.
            if (m_widths.first() + m_widths.at(i) <= room) {
                band.append(0);
                used = m_widths.first();
            }
        }
        band.append(i);
        used += m_widths.at(i);
    }
    m_bands.append(band);
}

// Every page holds at least one row, however high; the frozen rows head every page after the first.
void PageComposer::splitRows()
{
    const double available = (m_pageSize.height() - m_headerHeight - m_footerHeight) / m_scale - m_columnHeaderHeight;
    m_rowPages.clear();
    int i = 0;
    while (i < m_rows.size()) {
        const int first = i;
        double used = first > 0 && m_frozenCount < first ? m_frozenHeight : 0;
        while (i < m_rows.size() && (i == first || used + m_heights.at(i) <= available)) {
            used += m_heights.at(i);
            ++i;
        }
        m_rowPages.append(RowPage{first, i});
    }
    if (m_rowPages.isEmpty())
        m_rowPages.append(RowPage{});
}

} // namespace grid
