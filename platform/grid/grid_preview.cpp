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
    : QWidget(parent), m_printer(std::make_unique<QPrinter>(QPrinter::HighResolution))
{
    m_view = new QPrintPreviewWidget(m_printer.get(), this);
    m_view->setObjectName(QStringLiteral("previewView"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_view);
    connect(m_view, &QPrintPreviewWidget::paintRequested, this, &GridPreview::paintPages);

    // The page fills the width at first; Ctrl with the wheel or with + and - zooms.
    m_view->fitToWidth();
    const auto atajo = [this](const QKeySequence& keys, void (QPrintPreviewWidget::*zoom)(qreal)) {
        auto* shortcut = new QShortcut(keys, this);
        shortcut->setContext(Qt::WidgetWithChildrenShortcut);
        connect(shortcut, &QShortcut::activated, m_view, [this, zoom] { (m_view->*zoom)(kZoomStep); });
    };
    atajo(QKeySequence::ZoomIn, &QPrintPreviewWidget::zoomIn);
    atajo(QKeySequence(Qt::CTRL | Qt::Key_Equal), &QPrintPreviewWidget::zoomIn);
    atajo(QKeySequence::ZoomOut, &QPrintPreviewWidget::zoomOut);
    for (QAbstractScrollArea* area : m_view->findChildren<QAbstractScrollArea*>())
        area->viewport()->installEventFilter(this);
}

bool GridPreview::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::Wheel) {
        const auto* wheel = static_cast<QWheelEvent*>(event);
        if (wheel->modifiers() & Qt::ControlModifier) {
            const int delta = wheel->angleDelta().y();
            if (delta > 0)
                m_view->zoomIn(kZoomStep);
            else if (delta < 0)
                m_view->zoomOut(kZoomStep);
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
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
