#pragma once

#include "mainwindow/admin/frm_usuarios.h"
#include "tests/mainwindow/mainwindow_fixture.h"

#include <QLineEdit>
#include <QString>

#include <functional>

namespace grid {
class Grid;
}

// The employees window opened from the real main window's menu, by an administrator of users
// (employee 1, "ADMIN") or by a manager without that right (employee 2, "JEFE"), with the two
// departments COCINA and BARRA.
class EmpleadosDb : public MainWindowDb {
protected:
    void SetUp() override;

    // Opens "&Empleados" for the employee; null when the menu does not offer it. `antes` runs once
    // the main window has read the employee's rights.
    FrmUsuarios* abre(qint16 empleado = 1, bool adminUsuarios = true, const std::function<void()>& antes = {});
    // The main window active again after a dialog, so that keys reach the focused control.
    void reactiva();

    template <typename T = QLineEdit>
    T* control(const QString& nombre) const { return ventana->findChild<T*>(nombre); }
    grid::Grid* spr(const QString& nombre) const;
    // The texts of one column of a grid, row by row.
    static QStringList columna(grid::Grid* spr, int col);

    // Answers the password dialog that the next action opens: both boxes typed, then "Aceptar"
    // (or "Cancelar"); a dialog that stays open after "Aceptar" is cancelled, so that no test hangs.
    void contestaContrasena(const QString& contrasena, const QString& confirmacion, bool cancela = false);
    // Types a new employee's four required fields.
    void llenaRequeridos(const QString& usuario, const QString& nombre = QStringLiteral("Pedro"));
    // Selects the grid's row that shows the name, or the row given, and presses the arrow button.
    void mueve(const QString& grid, const QString& nombre, const QString& boton);
    void mueveFila(const QString& grid, int fila, const QString& boton);
    // Types into a cell through its editor, which stays open.
    void tecleaCelda(const QString& grid, int fila, int col, const QString& texto);

    int cuenta(const QString& tabla, const QString& condicion = QStringLiteral("1=1"));

    int departamentoCocina = 0;
    int departamentoBarra = 0;
    int grupoMeseros = 0;
    int grupoJefes = 0;
    FrmUsuarios* ventana = nullptr;
    int dialogosContrasena = 0;
    QStringList mensajesDialogo;
};
