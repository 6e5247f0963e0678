#pragma once

// Registers the script window's commands, the day utilities and the delete-a-day window with the
// main window's menu items ("mnuAbrirScript", "mnuEjecutar", "mnuBorrarCola", "mnuDesfirmar",
// "mnuBorrarDatos", "frmBorrarDia").
void registraUtilerias();
