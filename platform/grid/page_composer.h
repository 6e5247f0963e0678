#pragma once

#include "platform/grid/print_codes.h"
#include "platform/grid/print_settings.h"

#include <QFont>
#include <QList>
#include <QRectF>

class QPaintDevice;
class QPainter;

namespace grid {

class Grid;

// Lays a grid's shown rows out into pages and paints them: the header at the top of every page,
// the column headers above the rows of every page, the footer at the bottom. The first pass counts
// the pages, so that "/pc" is known before the first page is painted. A grid wider than the page
// is scaled down to the page's width.
class PageComposer {
public:
    PageComposer(const Grid& grid, const PrintSettings& settings);

    // First pass, for pages of the given size (device pixels) on the device that will be painted.
    void layout(const QPaintDevice& device, const QSizeF& pageSize);
    int pageCount() const { return int(m_pages.size()); }
    // Paints a page (1-based) with the painter's origin at the top-left of the printable area.
    void paintPage(QPainter& painter, int page) const;

private:
    struct Page {
        int first = 0;  // indexes into m_rows
        int end = 0;
    };

    double linesHeight(const QList<PrintLine>& lines) const;
    double lineHeight(const PrintLine& line) const;
    QFont runFont(const PrintRun& run) const;
    void paintLines(QPainter& painter, const QList<PrintLine>& lines, double top) const;
    void paintTable(QPainter& painter, const Page& page) const;
    void paintColumnHeaders(QPainter& painter, double top) const;
    double paintRow(QPainter& painter, int row, double top) const;
    void paintCell(QPainter& painter, int row, int column, const QRectF& rect) const;

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
    QList<int> m_columns;        // shown columns
    QList<double> m_widths;      // their widths, table units
    QList<int> m_rows;           // shown rows
    QList<double> m_heights;     // their heights, table units
    QList<Page> m_pages;
    int m_frozenCount = 0;       // the first entries of m_rows that are frozen
    double m_frozenHeight = 0;
};

} // namespace grid
