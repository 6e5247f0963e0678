#pragma once

#include <QString>

// "&Archivo" > "&Abrir Script": the main window's open-file dialog, then the script loader.
void mnuAbrirScript_Click();
// Reads the file into the script window as it stands (Windows-1252 text) and shows the window
// modally. A file that cannot be opened ends the command silently; an empty name is refused.
void CargaScript(const QString& FileName);
// "&Utilerias" > "&Ejecutar Script": the script window, empty.
void mnuEjecutar_Click();
