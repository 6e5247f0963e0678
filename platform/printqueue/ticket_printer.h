#pragma once

#include "platform/printqueue/ticket_layout.h"

class QPrinter;

namespace ticketlayout {

// Prints the lines on a roll 32 monospace columns wide, one page as long as the ticket; a double-
// height line takes two lines' room. False when the printer cannot be started.
bool imprime(const QList<Renglon>& renglones, QPrinter& impresora);

} // namespace ticketlayout
