#include "mainwindow/admin/lista_bloqueable.h"

#include <QKeyEvent>
#include <QWheelEvent>

ListaBloqueable::ListaBloqueable(QWidget* parent) : QComboBox(parent) {}

void ListaBloqueable::showPopup()
{
    if (!m_bloqueada)
        QComboBox::showPopup();
}

void ListaBloqueable::keyPressEvent(QKeyEvent* event)
{
    // Locked, the list lets the focus move on and passes every other key to the window.
    if (m_bloqueada && event->key() != Qt::Key_Tab && event->key() != Qt::Key_Backtab) {
        event->ignore();
        return;
    }
    QComboBox::keyPressEvent(event);
}

void ListaBloqueable::wheelEvent(QWheelEvent* event)
{
    if (m_bloqueada) {
        event->ignore();
        return;
    }
    QComboBox::wheelEvent(event);
}
