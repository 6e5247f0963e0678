#pragma once

#include <QString>
#include <functional>

// The menu items of the main window that run a command of another part of the program rather than
// open a child window ("mnuUtlProcFin", "mnuEjecutar", "mnuDesfirmar"): the program registers the
// command under the item's name, and the item runs it. An item with nothing registered does nothing.
class MenuCommands {
public:
    using Command = std::function<void()>;

    static void add(const QString& itemName, Command command);
    static bool contains(const QString& itemName);
    // Runs the command; false when none is registered.
    static bool run(const QString& itemName);
    // Forgets every command (tests).
    static void clear();
};
