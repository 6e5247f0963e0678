#pragma once

#include <QApplication>
#include <QString>
#include <QTest>
#include <QWidget>

// Typing as a keyboard does: one key press and release per character, with the character's text
// (also for characters outside Latin-1, which QTest::keyClicks cannot send).
inline void teclea(QWidget* widget, const QString& text)
{
    for (const QChar c : text) {
        const auto key = Qt::Key(c.toUpper().unicode());
        QTest::sendKeyEvent(QTest::Press, widget, key, QString(c), Qt::NoModifier);
        QTest::sendKeyEvent(QTest::Release, widget, key, QString(c), Qt::NoModifier);
    }
}

// A key pressed where the user's focus is.
inline void pulsa(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    QWidget* target = QApplication::focusWidget();
    if (target)
        QTest::keyClick(target, key, modifiers);
}

// Shows a top-level window and waits until it is the active one, so that focus moves as on screen.
inline bool muestraActiva(QWidget* window)
{
    window->show();
    window->activateWindow();
    return QTest::qWaitForWindowActive(window);
}

#include <ostream>

// Readable QString and QStringList values in test failures.
inline void PrintTo(const QString& text, std::ostream* out)
{
    *out << '"' << text.toStdString() << '"';
}

inline void PrintTo(const QStringList& list, std::ostream* out)
{
    *out << '{' << list.join(QStringLiteral(", ")).toStdString() << '}';
}
