#include "mainwindow/arreglo_ventanas.h"

#include <QMdiArea>
#include <QMdiSubWindow>

namespace arreglo {

namespace {

QList<QMdiSubWindow*> abiertas(QMdiArea* area, bool minimizadas)
{
    QList<QMdiSubWindow*> lista;
    for (QMdiSubWindow* sub : area->subWindowList(QMdiArea::CreationOrder)) {
        if (sub->isVisible() && sub->isMinimized() == minimizadas)
            lista << sub;
    }
    return lista;
}

void reparte(QMdiArea* area, bool enFilas)
{
    const QList<QMdiSubWindow*> lista = abiertas(area, false);
    if (lista.isEmpty())
        return;
    const QRect total = area->viewport()->rect();
    const int n = int(lista.size());
    for (int i = 0; i < n; ++i) {
        QMdiSubWindow* sub = lista.at(i);
        if (sub->isMaximized())
            sub->showNormal();
        QRect r;
        if (enFilas) {
            const int top = total.height() * i / n;
            r = QRect(0, top, total.width(), total.height() * (i + 1) / n - top);
        } else {
            const int left = total.width() * i / n;
            r = QRect(left, 0, total.width() * (i + 1) / n - left, total.height());
        }
        sub->setGeometry(r);
    }
}

} // namespace

void iconos(QMdiArea* area)
{
    const QRect total = area->viewport()->rect();
    int x = 0;
    int y = total.bottom();
    for (QMdiSubWindow* sub : abiertas(area, true)) {
        const QSize size = sub->size();
        if (x > 0 && x + size.width() > total.width()) {
            x = 0;
            y -= size.height();
        }
        sub->move(x, y - size.height() + 1);
        x += size.width();
    }
}

void horizontal(QMdiArea* area)
{
    reparte(area, true);
}

void vertical(QMdiArea* area)
{
    reparte(area, false);
}

void cascada(QMdiArea* area)
{
    area->cascadeSubWindows();
}

} // namespace arreglo
