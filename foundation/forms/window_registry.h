#pragma once

#include <QString>
#include <functional>

class QWidget;

// The child windows that the main window's menu items open, by the window's name ("OpCategoria",
// "FrmDepartamentos"). The program registers a factory for each window it has; the main window
// shows a registered window as a child of its document area, creating it on first use and bringing
// it forward when it is open already.
class WindowRegistry {
public:
    using Factory = std::function<QWidget*()>;

    static void add(const QString& name, Factory factory);
    static bool contains(const QString& name);
    // The open instance, or null.
    static QWidget* find(const QString& name);
    // Opens (or brings forward) the window as a child of the main window; null when the name is not
    // registered or there is no main window.
    static QWidget* show(const QString& name);
    // Forgets every factory (tests).
    static void clear();
};
