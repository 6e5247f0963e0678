#include "platform/grid/grid_preview.h"

#include "platform/grid/grid.h"
#include "platform/grid/grid_printer.h"

#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QVBoxLayout>

namespace grid {

GridPreview::GridPreview(QWidget* parent)
    : QWidget(parent), m_printer(std::make_unique<QPrinter>(QPrinter::HighResolution))
{
    m_view = new QPrintPreviewWidget(m_printer.get(), this);
    m_view->setObjectName(QStringLiteral("previewView"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_view);
    connect(m_view, &QPrintPreviewWidget::paintRequested, this, &GridPreview::paintPages);
}

GridPreview::~GridPreview() = default;

void GridPreview::attach(Grid* grid)
{
    m_grid = grid;
    refresh();
}

void GridPreview::refresh()
{
    if (m_grid)
        applyPageSetup(*m_printer, m_grid->printSettings());
    m_view->updatePreview();
}

int GridPreview::pageCount() const
{
    return m_view->pageCount();
}

void GridPreview::paintPages(QPrinter* printer)
{
    if (m_grid)
        GridPrinter(*m_grid).render(*printer);
}

} // namespace grid
