#include "platform/grid/grid_printer.h"

#include "platform/grid/abort_box.h"
#include "platform/grid/page_composer.h"

#include <QApplication>
#include <QFile>
#include <QPainter>
#include <QPrinter>

#include <memory>

namespace grid {

namespace {

QSizeF printableSize(const QPrinter& printer)
{
    return printer.pageLayout().paintRectPixels(printer.resolution()).size();
}

} // namespace

GridPrinter::GridPrinter(const Grid& grid, QObject* parent) : QObject(parent), m_grid(grid)
{
}

void GridPrinter::render(QPrinter& printer)
{
    PageComposer composer(m_grid, m_grid.printSettings());
    composer.layout(printer, printableSize(printer));
    m_pageCount = composer.pageCount();
    QPainter painter(&printer);
    for (int page = 1; page <= m_pageCount; ++page) {
        if (page > 1)
            printer.newPage();
        composer.paintPage(painter, page);
    }
}

PrintResult GridPrinter::print(QPrinter& printer, PageSetup pageSetup)
{
    const PrintSettings& settings = m_grid.printSettings();
    if (pageSetup == PageSetup::FromSettings)
        applyPageSetup(printer, settings);
    PageComposer composer(m_grid, settings);
    composer.layout(printer, printableSize(printer));
    m_pageCount = composer.pageCount();

    QPainter painter;
    if (!painter.begin(&printer))
        return PrintResult::Failed;
    std::unique_ptr<AbortBox> box;
    if (!settings.abortText.isEmpty()) {
        box = std::make_unique<AbortBox>(settings.abortText, QApplication::activeWindow());
        m_box = box.get();
        box->show();
        QApplication::processEvents();
    }
    PrintResult result = PrintResult::Printed;
    for (int page = 1; page <= m_pageCount; ++page) {
        if (page > 1 && !printer.newPage()) {
            result = PrintResult::Failed;
            break;
        }
        composer.paintPage(painter, page);
        emit pagePrinted(page, m_pageCount);
        QApplication::processEvents();
        if (box && box->isCancelled() && page < m_pageCount) {
            result = PrintResult::Cancelled;
            break;
        }
    }
    if (result != PrintResult::Printed)
        printer.abort();
    painter.end();
    if (result == PrintResult::Printed && printer.printerState() == QPrinter::Error)
        result = PrintResult::Failed;  // the spooler or the file refused the pages
    if (result != PrintResult::Printed && !printer.outputFileName().isEmpty())
        QFile::remove(printer.outputFileName());
    return result;
}

} // namespace grid
