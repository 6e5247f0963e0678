#pragma once

#include <QString>

// The logged-in employee's rights, read once when the main window loads: "|" followed by every
// permission name granted through the employee's active work groups, each followed by "|".
// "" until loaded; "|" for no rights.
extern QString g_sPermisos;

// Reads the rights of g_IdEmpleado through the shared gateway. Rights that cannot be read leave
// the employee without rights.
void CargaPermisos();

// True when the rights hold the name exactly (case and blanks count).
bool TienePermiso(const QString& PsPermiso);
