#include "platform/grid/queue_print.h"

#include "platform/grid/grid_printer.h"
#include "platform/grid/print_job.h"
#include "platform/printsystem/printer_options.h"
#include "platform/ui/msgbox.h"
#include "platform/ui/wait_cursor.h"

#include <QPrinter>
#include <QTemporaryDir>

namespace grid {

QueueJob QueueJob::forPrinter(const QPrinter& printer, const QString& title)
{
    QueueJob job;
    job.queue = printsystem::queueOf(printer);
    job.title = title;
    job.layout = printer.pageLayout();
    job.resolution = printer.resolution();
    job.options = printsystem::optionsOf(printer);
    return job;
}

QString windowCaption(const QWidget& widget)
{
    for (const QWidget* w = &widget; w; w = w->parentWidget())
        if (!w->windowTitle().isEmpty())
            return w->windowTitle();
    return QString();
}

PrintResult printToQueue(const Grid& grid, const QueueJob& job)
{
    QTemporaryDir folder;
    if (!folder.isValid()) {
        reportPrintFailure(QStringLiteral("No se pudo preparar la impresión en la impresora ") + job.queue);
        return PrintResult::Failed;
    }
    QPrinter pages(QPrinter::HighResolution);
    pages.setOutputFormat(QPrinter::PdfFormat);
    pages.setOutputFileName(folder.filePath(QStringLiteral("impresion.pdf")));
    pages.setResolution(job.resolution);
    pages.setPageLayout(job.layout);
    pages.setDocName(job.title);
    const PrintResult rendered = GridPrinter(grid).print(pages, GridPrinter::PageSetup::AsChosen);
    if (rendered != PrintResult::Printed) {
        if (rendered == PrintResult::Failed)
            reportPrintFailure(QStringLiteral("No se pudo preparar la impresión en la impresora ") + job.queue);
        return rendered;
    }
    printsystem::JobFate fate;
    {
        ui::WaitCursor reloj;
        fate = printsystem::printSystem().submit(job.queue, job.title, pages.outputFileName(), job.options);
    }
    const QString text = printsystem::fateText(job.queue, fate);
    switch (fate.fate) {
    case printsystem::Fate::Printed:
    case printsystem::Fate::Queued:
        return PrintResult::Printed;
    case printsystem::Fate::Held:
        ui::msgBox(text, ui::Exclamation);
        return PrintResult::Printed;
    case printsystem::Fate::Refused:
    case printsystem::Fate::NoAnswer:
        break;
    }
    reportPrintFailure(text);
    return PrintResult::Failed;
}

} // namespace grid
