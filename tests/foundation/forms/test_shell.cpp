#include "test_shell.h"
#include "foundation/forms/child_commands.h"

#include <QAction>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QStatusBar>
#include <QToolBar>

#include <functional>

namespace {

ChildCommands* activeChild(QMdiArea* area)
{
    QMdiSubWindow* sub = area->activeSubWindow();
    return sub ? dynamic_cast<ChildCommands*>(sub->widget()) : nullptr;
}

using Command = std::function<void(ChildCommands&)>;

} // namespace

TestShell::TestShell()
{
    m_area = new QMdiArea(this);
    setCentralWidget(m_area);
    const auto forward = [this](const Command& command) {
        return [this, command] {
            if (ChildCommands* child = activeChild(m_area))
                command(*child);
        };
    };

    QToolBar* toolbar = addToolBar(QStringLiteral("TlbHerramientas"));
    const QList<int> separators{4, 7, 9, 12, 17, 19};
    const QHash<int, Command> commands{
        {1, [](ChildCommands& c) { c.BotonNuevoModificar(true); }},
        {2, [](ChildCommands& c) { c.BotonNuevoModificar(false); }},
        {3, [](ChildCommands& c) { c.BotonBorrar(); }},
        {5, [](ChildCommands& c) { c.BotonAceptar(); }},
        {6, [](ChildCommands& c) { c.BotonCancelar(); }},
        {8, [](ChildCommands& c) { c.BotonBuscar(); }},
        {13, [](ChildCommands& c) { c.BotonPrimerRegistro(); }},
        {14, [](ChildCommands& c) { c.BotonRegistroAnterior(); }},
        {15, [](ChildCommands& c) { c.BotonRegistroSiguiente(); }},
        {16, [](ChildCommands& c) { c.BotonUltimoRegistro(); }},
        {18, [](ChildCommands& c) { c.BotonFiltro(); }},
    };
    m_buttons.append(nullptr);
    for (int i = 1; i <= 21; ++i) {
        QAction* action = separators.contains(i) ? toolbar->addSeparator() : toolbar->addAction(QString::number(i));
        action->setVisible(false);
        if (commands.contains(i))
            connect(action, &QAction::triggered, this, forward(commands.value(i)));
        m_buttons.append(action);
    }

    QMenu* archivo = menuBar()->addMenu(QStringLiteral("&Archivo"));
    for (const char* name : {"mnuArImprimir", "mnuArcPreview", "mnuArCerrar"}) {
        QAction* item = archivo->addAction(QLatin1String(name));
        item->setObjectName(QLatin1String(name));
        item->setVisible(false);
        m_named.append(item);
    }
    QMenu* editar = menuBar()->addMenu(QStringLiteral("&Editar"));
    editar->menuAction()->setObjectName(QStringLiteral("mnuEditar"));
    editar->menuAction()->setVisible(false);
    m_named.append(editar->menuAction());
    QMenu* registro = editar->addMenu(QStringLiteral("&Registro"));
    const QHash<int, int> itemToButton{{0, 13}, {1, 14}, {2, 15}, {3, 16}, {5, 8}, {6, 18},
                                       {8, 1},  {9, 2},  {10, 3}, {12, 5}, {13, 6}};
    for (int i = 0; i <= 13; ++i) {
        QAction* item = (i == 4 || i == 7 || i == 11) ? registro->addSeparator() : registro->addAction(QString::number(i));
        if (itemToButton.contains(i))
            connect(item, &QAction::triggered, this, forward(commands.value(itemToButton.value(i))));
        m_edReg.append(item);
    }

    m_panels.append(nullptr);
    for (int i = 1; i <= 4; ++i) {
        auto* label = new QLabel(this);
        statusBar()->addWidget(label);
        m_panels.append(label);
    }
    setMainWindow(this);
    resize(900, 600);
}

TestShell::~TestShell()
{
    setMainWindow(nullptr);
}

QAction* TestShell::toolbarButton(int index)
{
    return index >= 1 && index <= 21 ? m_buttons.at(index) : nullptr;
}

QAction* TestShell::menuItem(const QString& name)
{
    for (QAction* item : m_named)
        if (item->objectName() == name)
            return item;
    return nullptr;
}

QAction* TestShell::editRecordItem(int index)
{
    return index >= 0 && index <= 13 ? m_edReg.at(index) : nullptr;
}

void TestShell::setStatusPanel(int panel, const QString& text)
{
    if (panel >= 1 && panel <= 4)
        m_panels.at(panel)->setText(text);
}

QString TestShell::statusPanel(int panel) const
{
    return panel >= 1 && panel <= 4 ? m_panels.at(panel)->text() : QString();
}

bool TestShell::click(int index)
{
    QAction* action = toolbarButton(index);
    if (!action || !action->isVisible() || !action->isEnabled())
        return false;
    action->trigger();
    return true;
}
