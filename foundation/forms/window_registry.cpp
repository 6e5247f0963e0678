#include "foundation/forms/window_registry.h"
#include "foundation/forms/main_window_services.h"

#include <QHash>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPointer>
#include <QWidget>

namespace {

struct Entry {
    WindowRegistry::Factory factory;
    QPointer<QWidget> open;
};

QHash<QString, Entry>& entries()
{
    static QHash<QString, Entry> e;
    return e;
}

} // namespace

void WindowRegistry::add(const QString& name, Factory factory)
{
    entries()[name].factory = std::move(factory);
}

bool WindowRegistry::contains(const QString& name)
{
    return entries().contains(name) && entries().value(name).factory;
}

QWidget* WindowRegistry::find(const QString& name)
{
    const auto it = entries().constFind(name);
    return it == entries().constEnd() ? nullptr : it->open.data();
}

QWidget* WindowRegistry::show(const QString& name)
{
    auto it = entries().find(name);
    MainWindowServices* main = mainWindow();
    if (it == entries().end() || !it->factory || !main || !main->mdiArea())
        return nullptr;
    QMdiArea* area = main->mdiArea();
    if (QWidget* open = it->open.data()) {
        for (QMdiSubWindow* sub : area->subWindowList()) {
            if (sub->widget() == open) {
                if (sub->isMinimized())
                    sub->showNormal();
                area->setActiveSubWindow(sub);
                break;
            }
        }
        return open;
    }
    QWidget* window = it->factory();
    if (!window)
        return nullptr;
    window->setAttribute(Qt::WA_DeleteOnClose);
    QMdiSubWindow* sub = area->addSubWindow(window);
    sub->setAttribute(Qt::WA_DeleteOnClose);
    it->open = window;
    sub->show();
    area->setActiveSubWindow(sub);
    return window;
}

void WindowRegistry::clear()
{
    entries().clear();
}
