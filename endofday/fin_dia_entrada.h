#pragma once

#include <QStringList>

#include <cstdio>

// The ways into the end of day: the menu item "&Fin día" and the command line
// "zorva_servidor --fin-dia SERVIDOR BASE".

// Registers "&Fin día" with the main window, when the run's steps are complete.
void registraFinDia();

// The run with no screen, login or confirmation: every box is printed (errors on stderr) and
// logged, a communication failure is answered Ignore. argumentos: the program's whole command
// line. Returns 0 when every terminal was collected (or had no database) and sent its new one
// with no row refused, 1 otherwise, 2 for wrong arguments.
int FinDiaSinPantalla(const QStringList& argumentos);

// The same run once the arguments are known: the boxes go to salida and errores.
int CorreFinDiaSinPantalla(const QString& servidor, const QString& base, std::FILE* salida, std::FILE* errores);
