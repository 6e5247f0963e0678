#include "mainwindow/area_tapiz.h"

#include <QPainter>

AreaTapiz::AreaTapiz(QWidget* parent)
    : QMdiArea(parent)
{
}

void AreaTapiz::setTapiz(const QPixmap& picture)
{
    m_tapiz = picture;
    viewport()->update();
}

void AreaTapiz::paintEvent(QPaintEvent* event)
{
    QMdiArea::paintEvent(event);
    if (m_tapiz.isNull())
        return;
    QPainter painter(viewport());
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    const QSize area = viewport()->size();
    QSize size = m_tapiz.size();
    if (size.width() > area.width() || size.height() > area.height())
        size.scale(area, Qt::KeepAspectRatio);
    const QRect target(QPoint((area.width() - size.width()) / 2, (area.height() - size.height()) / 2), size);
    painter.drawPixmap(target, m_tapiz);
}
