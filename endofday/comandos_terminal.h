#pragma once

#include <QString>

// The commands that tell the terminals to stop and to start again: one Transacciones row and one
// TransaccionesXTerminal row per active terminal other than the server (parameter TERMINAL),
// written in one transaction and marked complete (Escribiendo=0) last. With no addressee nothing
// is written. A failure rolls the command back, shows the error number and its description run
// together, and returns false.
bool ApagaTerminales();
bool EnciendeTerminales();

namespace findia {

// The routine that both share; comando is "!OFF " or "!ON".
bool PublicaComando(const QString& comando);

} // namespace findia
