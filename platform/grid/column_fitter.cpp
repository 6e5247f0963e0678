#include "platform/grid/column_fitter.h"

#include <QEvent>
#include <QHeaderView>
#include <QTableView>
#include <QTimer>

namespace grid {

ColumnFitter::ColumnFitter(QTableView* view) : QObject(view), m_view(view)
{
    QHeaderView* header = view->horizontalHeader();
    header->viewport()->installEventFilter(this);
    connect(header, &QHeaderView::sectionResized, this, [this](int column) {
        if (m_dragging && !m_applying)
            m_sizedByHand.insert(column);
    });
    connect(header, &QHeaderView::sectionHandleDoubleClicked, this, [this](int column) { m_sizedByHand.insert(column); });
}

bool ColumnFitter::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::MouseButtonPress)
        m_dragging = true;
    else if (event->type() == QEvent::MouseButtonRelease)
        m_dragging = false;
    return QObject::eventFilter(watched, event);
}

bool ColumnFitter::widen(int column, int pixels)
{
    if (m_sizedByHand.contains(column))
        return false;
    if (pixels <= m_view->columnWidth(column) || pixels <= m_pending.value(column))
        return true;
    if (m_pending.isEmpty())
        QTimer::singleShot(0, this, &ColumnFitter::apply);
    m_pending.insert(column, pixels);
    return true;
}

void ColumnFitter::apply()
{
    m_applying = true;
    for (auto it = m_pending.cbegin(); it != m_pending.cend(); ++it)
        if (it.key() < m_view->model()->columnCount() && !m_sizedByHand.contains(it.key())
            && m_view->columnWidth(it.key()) < it.value())
            m_view->setColumnWidth(it.key(), it.value());
    m_pending.clear();
    m_applying = false;
}

} // namespace grid
