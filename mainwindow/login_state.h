#pragma once

#include <QString>
#include <QStringList>
#include <QtGlobal>

// Who is logged in and what the program was started with; written only by the login window and
// kept for the whole run.

// The program's arguments as they were given: word 0 the server, word 1 the database.
extern QStringList g_Argumentos;
// ID_Empleado of the logged-in employee.
extern qint16 g_IdEmpleado;
// Admin_Usuarios of the logged-in employee.
extern bool g_bAdminUsuarios;
// The user name with which the employee logged in.
extern QString g_UsuarioActual;

// Clears the login state (tests).
void LimpiaEstadoLogin();
