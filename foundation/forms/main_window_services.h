#pragma once

#include <QString>

class QAction;
class QMdiArea;
class QMenu;
class QPoint;
class QWidget;

// What the main window offers the child windows: its toolbar buttons (by the system's 1-based
// indexes, separators counted), its menu items (by name), the "&Editar" > "&Registro" items (by
// index), the status bar's four panels and the multiple-document area. The main window implements
// it; the windows reach it through mainWindow().
class MainWindowServices {
public:
    virtual ~MainWindowServices() = default;

    // Toolbar TlbHerramientas, buttons 1..21 (4, 7, 9, 12, 17 and 19 are separators).
    virtual QAction* toolbarButton(int index) = 0;
    // A menu item by its name ("mnuEditar", "mnuArCerrar", "mnuArImprimir", "mnuArcPreview", ...);
    // null for an unknown name.
    virtual QAction* menuItem(const QString& name) = 0;
    // "&Editar" > "&Registro" item mnuEdReg(index), 0..13.
    virtual QAction* editRecordItem(int index) = 0;
    // Status bar StbBarradeStatus, panels 1..4.
    virtual void setStatusPanel(int panel, const QString& text) = 0;
    virtual QString statusPanel(int panel) const = 0;
    // The grid pop-up mnuSpread, shown at a screen position.
    virtual void popupGridMenu(const QPoint& globalPos) = 0;
    virtual QMdiArea* mdiArea() = 0;
    virtual QWidget* widget() = 0;
};

// The one main window; null before it exists.
MainWindowServices* mainWindow();
void setMainWindow(MainWindowServices* window);
