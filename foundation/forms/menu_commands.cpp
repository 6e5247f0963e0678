#include "foundation/forms/menu_commands.h"

#include <QHash>

namespace {

QHash<QString, MenuCommands::Command>& commands()
{
    static QHash<QString, MenuCommands::Command> c;
    return c;
}

} // namespace

void MenuCommands::add(const QString& itemName, Command command)
{
    commands()[itemName] = std::move(command);
}

bool MenuCommands::contains(const QString& itemName)
{
    return commands().contains(itemName) && commands().value(itemName);
}

bool MenuCommands::run(const QString& itemName)
{
    // A copy: the command may register or clear commands while it runs.
    const Command command = commands().value(itemName);
    if (!command)
        return false;
    command();
    return true;
}

void MenuCommands::clear()
{
    commands().clear();
}
