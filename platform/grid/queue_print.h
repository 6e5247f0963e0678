#pragma once

#include "platform/grid/grid.h"
#include "platform/printsystem/print_system.h"

#include <QPageLayout>

class QPrinter;

namespace grid {

// A print-out for a queue of the print system: the pages are written to a PDF as the dialog set
// them up, and handed to the queue as one job titled with the window's caption, whose fate the
// print system is asked for.
struct QueueJob {
    QString queue;
    QString title;
    QPageLayout layout;
    int resolution = 1200;
    printsystem::Options options;

    // The job for a printer chosen in the print dialog, titled `title`.
    static QueueJob forPrinter(const QPrinter& printer, const QString& title);
};

// Prints the grid through the queue. A refused job, or a print system that does not answer, is a
// failure reported as every failed print is; a held job is printed and said.
PrintResult printToQueue(const Grid& grid, const QueueJob& job);

// The caption of the window that holds the widget: the job's title.
QString windowCaption(const QWidget& widget);

} // namespace grid
