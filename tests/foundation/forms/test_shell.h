#pragma once

#include "foundation/forms/main_window_services.h"

#include <QList>
#include <QMainWindow>

class QAction;
class QLabel;
class QMdiArea;
class QMenu;

// A main window for the forms' tests: the document area, the 21 toolbar buttons (hidden until a
// child shows them), "&Archivo" and "&Editar" > "&Registro" with their named items, and the four
// status-bar panels. Toolbar buttons and "&Registro" items forward their commands to the active child.
class TestShell : public QMainWindow, public MainWindowServices {
public:
    TestShell();
    ~TestShell() override;

    QAction* toolbarButton(int index) override;
    QAction* menuItem(const QString& name) override;
    QAction* editRecordItem(int index) override;
    void setStatusPanel(int panel, const QString& text) override;
    QString statusPanel(int panel) const override;
    void popupGridMenu(const QPoint&) override {}
    QMdiArea* mdiArea() override { return m_area; }
    QWidget* widget() override { return this; }

    // Clicks a toolbar button as the user would: only when it is visible and enabled.
    bool click(int index);

private:
    QMdiArea* m_area;
    QList<QAction*> m_buttons;   // index 0 unused
    QList<QAction*> m_edReg;
    QList<QAction*> m_named;
    QList<QLabel*> m_panels;     // index 0 unused
};
