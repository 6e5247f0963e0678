#include "platform/grid/grid_stack.h"

#include "platform/grid/grid.h"
#include "platform/grid/grid_preview.h"

namespace grid {

GridStack::GridStack(QWidget* parent)
    : QStackedWidget(parent), m_grid(new Grid(this)), m_preview(new GridPreview(this))
{
    addWidget(m_grid);
    addWidget(m_preview);
    setCurrentWidget(m_grid);
}

bool GridStack::togglePreview()
{
    if (isPreviewShown()) {
        showGrid();
        return false;
    }
    m_preview->attach(m_grid);
    setCurrentWidget(m_preview);
    return true;
}

void GridStack::showGrid()
{
    setCurrentWidget(m_grid);
}

bool GridStack::isPreviewShown() const
{
    return currentWidget() == m_preview;
}

} // namespace grid
