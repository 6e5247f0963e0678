#include "platform/grid/frozen_rows.h"

#include "platform/grid/grid_table.h"
#include "platform/grid/shown_texts.h"

#include <QEvent>
#include <QHeaderView>
#include <QPaintEvent>
#include <QScrollBar>

namespace grid {

FrozenRows::FrozenRows(GridTable* table, int rows) : QTableView(table), m_table(table)
{
    setObjectName(QStringLiteral("frozenRows"));
    setModel(table->model());
    setSelectionModel(table->selectionModel());
    setItemDelegate(table->itemDelegate());
    setFocusPolicy(Qt::NoFocus);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionMode(table->selectionMode());
    setSelectionBehavior(table->selectionBehavior());
    horizontalHeader()->hide();
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setHorizontalScrollMode(table->horizontalScrollMode());
    setFrameShape(QFrame::NoFrame);
    setFont(table->font());

    connect(table->horizontalScrollBar(), &QScrollBar::valueChanged, horizontalScrollBar(), &QScrollBar::setValue);
    connect(table->horizontalHeader(), &QHeaderView::sectionResized, this,
            [this](int column, int, int size) { setColumnWidth(column, size); follow(); });
    connect(table->verticalHeader(), &QHeaderView::sectionResized, this, [this](int row, int, int size) {
        if (row < m_rows) {
            setRowHeight(row, size);
            follow();
        }
    });
    for (const auto signal : {&QAbstractItemModel::rowsInserted, &QAbstractItemModel::rowsRemoved,
                              &QAbstractItemModel::columnsInserted, &QAbstractItemModel::columnsRemoved})
        connect(table->model(), signal, this, [this] { follow(); });
    connect(table->model(), &QAbstractItemModel::modelReset, this, [this] { follow(); });
    // The row numbers widen their column as the rows grow.
    connect(table->verticalHeader(), &QHeaderView::geometriesChanged, this, [this] { follow(); });
    table->installEventFilter(this);
    table->viewport()->installEventFilter(this);
    setRows(rows);
}

void FrozenRows::setRows(int rows)
{
    m_rows = rows;
    follow();
}

bool FrozenRows::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::Resize || event->type() == QEvent::Show)
        follow();
    return QTableView::eventFilter(watched, event);
}

void FrozenRows::paintEvent(QPaintEvent* event)
{
    QTableView::paintEvent(event);
    paintSpilledTexts(*m_table->grid(), *this, event->region());
}

void FrozenRows::follow()
{
    const int rows = qMin(m_rows, m_table->rowCount());
    verticalHeader()->setVisible(m_table->verticalHeader()->isVisible());
    verticalHeader()->setFixedWidth(m_table->verticalHeader()->width());
    int height = 0;
    for (int r = 0; r < m_table->rowCount(); ++r) {
        const bool shown = r < rows && !m_table->isRowHidden(r);
        setRowHidden(r, !shown);
        if (!shown)
            continue;
        setRowHeight(r, m_table->rowHeight(r));
        height += m_table->rowHeight(r);
        for (int c = 0; c < m_table->columnCount(); ++c) {
            const int rs = m_table->rowSpan(r, c), cs = m_table->columnSpan(r, c);
            if (rs != rowSpan(r, c) || cs != columnSpan(r, c))
                setSpan(r, c, rs, cs);
        }
    }
    for (int c = 0; c < m_table->columnCount(); ++c) {
        setColumnHidden(c, m_table->isColumnHidden(c));
        setColumnWidth(c, m_table->columnWidth(c));
    }
    const int frame = m_table->frameWidth();
    const int top = frame + (m_table->horizontalHeader()->isVisible() ? m_table->horizontalHeader()->height() : 0);
    setGeometry(frame, top, m_table->viewport()->width() + (verticalHeader()->isVisible() ? verticalHeader()->width() : 0),
                height);
    horizontalScrollBar()->setValue(m_table->horizontalScrollBar()->value());
    setVisible(rows > 0 && height > 0);
    if (isVisible())
        raise();
}

} // namespace grid
