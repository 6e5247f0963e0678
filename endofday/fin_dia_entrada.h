#pragma once

#include <QStringList>

#include <cstdio>

// The ways into the end of day: the menu item "&Fin día" and the command line
// "zorva_servidor --fin-dia SERVIDOR BASE".

// For the command line, before the application exists: the daily log's own failures are said once
// on stderr and Qt's notes go to the log, so that no box can open before the run or without a
// screen.
void PreparaFinDiaSinPantalla();

// Registers "&Fin día" with the main window, when the run's steps are complete.
void registraFinDia();

// The run with no screen, login or confirmation: every box is printed (errors on stderr) and
// logged, a communication failure is answered Ignore. argumentos: the program's whole command
// line. Returns 0 when every terminal was collected (or had no database) and sent its new one
// with no row refused, 1 otherwise, 2 for wrong arguments.
int FinDiaSinPantalla(const QStringList& argumentos);

// The same run once the arguments are known: the boxes go to salida and errores, and so does, once,
// a daily log that cannot be written.
int CorreFinDiaSinPantalla(const QString& servidor, const QString& base, std::FILE* salida, std::FILE* errores);
