#pragma once

#include <functional>

// Ends the program with the given exit status: the login's cancel and failed connection, the main
// window's close, F12 in a data-entry window. By default it leaves the application's event loops,
// so main() returns the status; tests install a handler that records the call instead.
void endProgram(int status = 0);

using ProgramEndHandler = std::function<void(int status)>;
// An empty handler restores the default.
void setProgramEndHandler(ProgramEndHandler handler);
