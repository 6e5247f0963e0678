#pragma once

#include "platform/grid/print_codes.h"
#include "platform/grid/print_settings.h"
#include "platform/grid/text_runs.h"

#include <QFont>
#include <QFontMetricsF>
#include <QHash>
#include <QList>
#include <QRectF>

#include <array>
#include <deque>

class QPaintDevice;
class QPainter;

namespace grid {

class Grid;

// Lays a grid's shown rows out into pages and paints them: the header at the top of every page,
// the column headers above the rows of every page, the footer at the bottom. The first pass counts
// the pages, so that "/pc" is known before the first page is painted.
//
// Only the columns in use print (a column with no text in any shown row and no caption is left
// out). No text is cut: a text wider than its cell runs over the empty cells beside it, and a
// column widens for what still does not fit (numbers never run over). A table wider than the page
// narrows its columns to their texts, then is scaled down, but never below a body text of kLeastPointSize; beyond that it goes on across
// pages, the first column repeated on each, every band of columns of a set of rows before the next
// rows.
class PageComposer {
public:
    static constexpr double kLeastPointSize = 8;

    PageComposer(const Grid& grid, const PrintSettings& settings);

    // First pass, for pages of the given size (device pixels) on the device that will be painted.
    void layout(const QPaintDevice& device, const QSizeF& pageSize);
    int pageCount() const { return int(m_rowPages.size() * m_bands.size()); }
    // Paints a page (1-based) with the painter's origin at the top-left of the printable area.
    void paintPage(QPainter& painter, int page) const;
    // What the table is drawn at: 1 for its own size.
    double scale() const { return m_scale; }
    // The grid columns that print, in order, and the bands of them that pages go across.
    const QList<int>& printedColumns() const { return m_columns; }
    int bandCount() const { return int(m_bands.size()); }

private:
    struct RowPage {
        int first = 0;  // indexes into m_rows
        int end = 0;
    };
    // A page's columns: indexes into m_columns.
    using Band = QList<int>;
    // A shown cell of a row within a band: a span counts once, as wide as the columns it covers.
    struct BandCell {
        int column = 0;     // grid column
        int lastIndex = 0;  // index into m_columns of the last column it covers
        double x = 0;
        double width = 0;
    };

    // --- Layout (page_composer.cpp) ---
    void findColumns();
    void measureRows();
    void widenColumns();
    void tightenColumns();
    double tableWidth() const;
    void fitToPage();
    void splitRows();
    QList<BandCell> bandCells(int row, const Band& band) const;
    QList<RunCell> runCells(int row, const QList<BandCell>& cells) const;
    struct FontInfo {
        QFontMetricsF metrics;
        std::array<double, 256> advances;  // of the Latin-1 characters, negative until measured
    };
    const FontInfo& fontInfo(const QFont& font) const;
    const QFontMetricsF& metrics(const QFont& font) const { return fontInfo(font).metrics; }
    // The width a text takes in the font with the cell's margins, from its characters' widths.
    double neededWidth(const QFont& font, const QString& text, double room) const;
    double bodyPointSize() const;

    // --- Painting (page_painter.cpp) ---
    double linesHeight(const QList<PrintLine>& lines) const;
    double lineHeight(const PrintLine& line) const;
    QFont runFont(const PrintRun& run) const;
    void paintLines(QPainter& painter, const QList<PrintLine>& lines, double top) const;
    void paintTable(QPainter& painter, const RowPage& rows, const Band& band) const;
    double bandWidth(const Band& band) const;
    void paintColumnHeaders(QPainter& painter, const Band& band, double top) const;
    double paintRow(QPainter& painter, int index, const Band& band, double top) const;
    void paintCellBorder(QPainter& painter, int row, int column, const QRectF& rect) const;
    void paintCellText(QPainter& painter, int row, const BandCell& cell, const QRectF& rect) const;

    const Grid& m_grid;
    PrintSettings m_settings;
    const QPaintDevice* m_device = nullptr;
    QSizeF m_pageSize;
    QFont m_font;
    double m_scale = 1;          // table units to device pixels
    double m_padding = 0;        // inside each cell, table units
    double m_headerHeight = 0;   // the header codes' lines plus the gap below them, device pixels
    double m_footerHeight = 0;
    double m_rowHeaderWidth = 0; // table units; 0 when the row headers are hidden
    double m_columnHeaderHeight = 0;
    QList<int> m_columns;        // printed columns
    QList<double> m_widths;      // their widths, table units
    QList<int> m_rows;           // shown rows
    QList<double> m_heights;     // their heights, table units
    QList<Band> m_bands;
    QList<RowPage> m_rowPages;
    int m_frozenCount = 0;       // the first entries of m_rows that are frozen
    double m_frozenHeight = 0;
    mutable QHash<QFont, int> m_fontIndex;
    mutable std::deque<FontInfo> m_fonts;  // deque: what metrics() handed out stays in place
};

} // namespace grid
