#pragma once

#include "foundation/forms/data_entry_window.h"
#include "tests/mainwindow/mainwindow_fixture.h"

#include <QApplication>
#include <QString>
#include <QStringList>

class QAction;
class QWidget;
struct Diseno;

namespace grid {
class Grid;
}

// The real main window, opened by a user who may use the catalog menus, on a central database
// whose catalog tables are empty; every message box answered by a script.
class CatalogDb : public MainWindowDb {
protected:
    void SetUp() override;
    void TearDown() override;
    // The user's permissions, and the windows the program registers, as the suite needs them.
    virtual QStringList permisos() const;
    virtual void registraVentanas();

    // Chooses the menu item; the window it opened, or null.
    DataEntryWindow* abre(const QString& item, const QString& ventana);
    // Opens the window from its menu item and checks it against its row of a design table: caption,
    // labels and their tags, tool tips, lengths, input rules, hidden code boxes, browse state, tab
    // order in edit mode, filter columns.
    void revisaDiseno(const Diseno& d);
    // A toolbar button, as the user can click it: only while shown and enabled.
    bool click(int boton);
    QString panel(int i) const;

    template <typename T = QWidget>
    T* control(const QString& nombre) const { return ventanaAbierta ? ventanaAbierta->findChild<T*>(nombre) : nullptr; }
    // Types over whatever the box holds.
    static void reemplaza(QWidget* box, const QString& text);
    // Focus order from the focused control, n steps of Tab.
    static QStringList ordenTab(int n);

    // Types a cell of a grid and confirms it with Enter; the cursor stays in the cell.
    static void escribeCelda(grid::Grid* g, int row, int column, const QString& text);
    // Picks a combo cell's entry.
    static void eligeCombo(grid::Grid* g, int row, int column, int entry);
    // A key pressed in the grid, where the user's focus is.
    static void teclaEnGrid(grid::Grid* g, Qt::Key key);

    int cuenta(const QString& tabla);
    QStringList filas(const QString& sql);

    DataEntryWindow* ventanaAbierta = nullptr;
};
