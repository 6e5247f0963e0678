#include "platform/grid/grid_preview.h"

#include "platform/grid/grid.h"
#include "platform/grid/grid_printer.h"

#include <QAbstractScrollArea>
#include <QPrintPreviewWidget>
#include <QShortcut>
#include <QWheelEvent>
#include <QPrinter>
#include <QVBoxLayout>

namespace grid {

namespace {

constexpr qreal kZoomStep = 1.25;

} // namespace

GridPreview::GridPreview(QWidget* parent)
    : QWidget(parent)
{
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
}

// The printer and its view are made when a preview is first asked for: making a printer asks the
// print system for its default printer, and a window that only shows its grid must not wait on it.
void GridPreview::ensureView()
{
    if (m_view)
        return;
    m_printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    m_view = new QPrintPreviewWidget(m_printer.get(), this);
    m_view->setObjectName(QStringLiteral("previewView"));
    layout()->addWidget(m_view);
    connect(m_view, &QPrintPreviewWidget::paintRequested, this, &GridPreview::paintPages);

    // The page fills the width at first; Ctrl with the wheel or with + and - zooms.
    m_view->fitToWidth();
    addZoomShortcut(QKeySequence::ZoomIn, &GridPreview::zoomIn);
    addZoomShortcut(QKeySequence(Qt::CTRL | Qt::Key_Equal), &GridPreview::zoomIn);
    addZoomShortcut(QKeySequence::ZoomOut, &GridPreview::zoomOut);
    for (QAbstractScrollArea* area : m_view->findChildren<QAbstractScrollArea*>())
        area->viewport()->installEventFilter(this);
}

void GridPreview::addZoomShortcut(const QKeySequence& keys, void (GridPreview::*zoom)())
{
    auto* shortcut = new QShortcut(keys, this);
    shortcut->setContext(Qt::WidgetWithChildrenShortcut);
    connect(shortcut, &QShortcut::activated, this, zoom);
}

void GridPreview::zoomIn()
{
    if (m_view)
        m_view->zoomIn(kZoomStep);
}

void GridPreview::zoomOut()
{
    if (m_view)
        m_view->zoomOut(kZoomStep);
}

bool GridPreview::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::Wheel) {
        const auto* wheel = static_cast<QWheelEvent*>(event);
        if (wheel->modifiers() & Qt::ControlModifier) {
            const int delta = wheel->angleDelta().y();
            if (delta > 0)
                zoomIn();
            else if (delta < 0)
                zoomOut();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

GridPreview::~GridPreview()
{
    // The view paints on the printer: it goes first.
    delete m_view;
}

void GridPreview::attach(Grid* grid)
{
    m_grid = grid;
    refresh();
}

void GridPreview::refresh()
{
    ensureView();
    if (m_grid)
        applyPageSetup(*m_printer, m_grid->printSettings());
    m_view->updatePreview();
}

int GridPreview::pageCount() const
{
    return m_view ? m_view->pageCount() : 0;
}

void GridPreview::paintPages(QPrinter* printer)
{
    if (m_grid)
        GridPrinter(*m_grid).render(*printer);
}

} // namespace grid
