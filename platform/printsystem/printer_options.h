#pragma once

#include "platform/printsystem/print_system.h"

class QPageLayout;
class QPrinter;

namespace printsystem {

// Whether the printer is a queue of the print system (rather than a file or a preview).
bool isSystemQueue(const QPrinter& printer);
// The queue a system printer sends to: its name without the instance ("Oficina/dos" -> "Oficina").
QString queueOf(const QPrinter& printer);
// The job options that a printer chosen in the print dialog stands for: the paper, copies,
// collation, sides and orientation, and the print system's own options chosen in the dialog.
Options optionsOf(const QPrinter& printer);
// The job options of a document written on this paper: its size and orientation, one-sided.
Options optionsOf(const QPageLayout& paper);

} // namespace printsystem
