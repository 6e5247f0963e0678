#include "platform/grid/print_job.h"

#include "platform/grid/grid.h"
#include "platform/grid/grid_printer.h"
#include "platform/grid/queue_print.h"
#include "platform/printsystem/printer_options.h"
#include "platform/ui/msgbox.h"

#include <QPrintDialog>
#include <QPrinter>

namespace grid {

namespace {

PrintFailureLog& failureLog()
{
    static PrintFailureLog log;
    return log;
}

} // namespace

void setPrintFailureLog(PrintFailureLog log)
{
    failureLog() = std::move(log);
}

QString printFailureText(const QPrinter& printer)
{
    if (!printer.outputFileName().isEmpty())
        return QStringLiteral("No se pudo imprimir en el archivo ") + printer.outputFileName();
    if (!printer.printerName().isEmpty())
        return QStringLiteral("No se pudo imprimir en la impresora ") + printer.printerName();
    return QStringLiteral("No se pudo imprimir: no hay una impresora disponible");
}

void reportPrintFailure(const QPrinter& printer)
{
    reportPrintFailure(printFailureText(printer));
}

void reportPrintFailure(const QString& text)
{
    if (failureLog())
        failureLog()(text);
    ui::msgBox(text, ui::Critical);
}

PrintResult Grid::print(QPrinter* chosen)
{
    QPrinter own(QPrinter::HighResolution);
    QPrinter& printer = chosen ? *chosen : own;
    // The dialog opens with the print-out's own orientation and margins; what the user changes
    // there is what prints.
    applyPageSetup(printer, m_printSettings);
    if (!chosen) {
        QPrintDialog dialog(&printer, window());
        dialog.setOption(QAbstractPrintDialog::PrintToFile, true);
        if (dialog.exec() != QDialog::Accepted)
            return PrintResult::Cancelled;
    }
    if (printsystem::isSystemQueue(printer))
        return printToQueue(*this, QueueJob::forPrinter(printer, windowCaption(*this)));
    printer.setDocName(windowCaption(*this));
    const PrintResult result = GridPrinter(*this).print(printer, GridPrinter::PageSetup::AsChosen);
    if (result == PrintResult::Failed)
        reportPrintFailure(printer);
    return result;
}

} // namespace grid
