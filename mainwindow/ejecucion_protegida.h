#pragma once

#include <QString>
#include <functional>

// Runs a command of the main window or of a child window so that an error escaping it ends that
// command only: the error is written to the activity log and the program goes on.
void EjecutaProtegido(const QString& comando, const std::function<void()>& accion);
