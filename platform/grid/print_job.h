#pragma once

#include <QString>

#include <functional>

class QPrinter;

namespace grid {

// Every print-out of the program goes through Grid::print: Qt's print dialog chooses the printer
// (printing to a PDF file is one of its choices) and the page set-up, starting from the grid's;
// a print that fails (the print system refused the job, or did not answer) says so in a message
// box and in the log set here; a cancelled dialog prints nothing and says nothing.

// Where a failed print is written besides the message (the program's daily log); none by default.
using PrintFailureLog = std::function<void(const QString& text)>;
void setPrintFailureLog(PrintFailureLog log);

// The message of a print that failed on this printer.
QString printFailureText(const QPrinter& printer);

// Shows the message and writes the log line of a failed print.
void reportPrintFailure(const QPrinter& printer);
void reportPrintFailure(const QString& text);

} // namespace grid
