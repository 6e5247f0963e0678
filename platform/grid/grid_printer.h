#pragma once

#include "platform/grid/grid.h"

#include <QObject>

#include "platform/grid/abort_box.h"
#include <QPointer>

class QPrinter;

namespace grid {


// Prints a grid with its print settings: the orientation and margins go to the printer, the pages
// are laid out first and then painted one by one. While printing, the settings' abort text shows
// in a box whose Cancel stops the print before the next page.
class GridPrinter : public QObject {
    Q_OBJECT
public:
    explicit GridPrinter(const Grid& grid, QObject* parent = nullptr);

    // Where the page's orientation and margins come from: the grid's print settings, or the
    // printer as the user set it up in the print dialog.
    enum class PageSetup { FromSettings, AsChosen };

    // Prints every page; a cancelled print to a file leaves no file behind.
    PrintResult print(QPrinter& printer, PageSetup pageSetup = PageSetup::FromSettings);
    // Paints every page without the abort box (the preview's pages).
    void render(QPrinter& printer);
    // The pages of the last print or render.
    int pageCount() const { return m_pageCount; }
    // The abort box while a print runs, else null.
    AbortBox* abortBox() const { return m_box; }

signals:
    // A page has been painted; the abort box's Cancel is looked at right after.
    void pagePrinted(int page, int pageCount);

private:
    const Grid& m_grid;
    int m_pageCount = 0;
    QPointer<AbortBox> m_box;
};

} // namespace grid
