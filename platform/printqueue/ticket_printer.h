#pragma once

#include "platform/printqueue/ticket_layout.h"

class QPdfWriter;

namespace ticketlayout {

// Writes the lines on a roll 32 monospace columns wide, one page as long as the ticket; a double-
// height line takes two lines' room. A PDF writer, not a printer: making a QPrinter asks the print
// system for its default printer, with no bound on the wait. False when the file cannot be written.
bool imprime(const QList<Renglon>& renglones, QPdfWriter& impresora);

} // namespace ticketlayout
