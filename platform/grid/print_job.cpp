#include "platform/grid/print_job.h"

#include "platform/grid/grid.h"
#include "platform/grid/grid_printer.h"
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
    const QString text = printFailureText(printer);
    if (failureLog())
        failureLog()(text);
    ui::msgBox(text, ui::Critical);
}

PrintResult Grid::print(QPrinter* chosen)
{
    QPrinter own(QPrinter::HighResolution);
    QPrinter& printer = chosen ? *chosen : own;
    if (!chosen) {
        // The dialog opens with the print-out's own orientation and margins.
        applyPageSetup(printer, m_printSettings);
        QPrintDialog dialog(&printer, window());
        dialog.setOption(QAbstractPrintDialog::PrintToFile, true);
        if (dialog.exec() != QDialog::Accepted)
            return PrintResult::Cancelled;
    }
    const PrintResult result = GridPrinter(*this).print(printer);
    if (result == PrintResult::Failed)
        reportPrintFailure(printer);
    return result;
}

} // namespace grid
