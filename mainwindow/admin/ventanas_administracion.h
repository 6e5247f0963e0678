#pragma once

// Registers the staff administration windows with the window registry under their names, so that
// the main window's "&Administración" items open them.
void registraVentanasAdministracion();
