#include "platform/printsystem/printer_options.h"

#include <QPrintEngine>
#include <QPrinter>

namespace printsystem {

namespace {

// Where Qt's print dialog keeps the print system's options it was given (page ranges, pages per
// sheet, banners...), as name, value, name, value.
constexpr auto kDialogOptions = QPrintEngine::PrintEnginePropertyKey(0xfe00);

QByteArray sides(const QPrinter& printer)
{
    switch (printer.duplex()) {
    case QPrinter::DuplexNone:
        return "one-sided";
    case QPrinter::DuplexAuto:
        return printer.pageLayout().orientation() == QPageLayout::Portrait ? "two-sided-long-edge" : "two-sided-short-edge";
    case QPrinter::DuplexLongSide:
        return "two-sided-long-edge";
    case QPrinter::DuplexShortSide:
        return "two-sided-short-edge";
    }
    return "one-sided";
}

} // namespace

bool isSystemQueue(const QPrinter& printer)
{
    return printer.outputFormat() == QPrinter::NativeFormat && printer.outputFileName().isEmpty()
        && !printer.printerName().isEmpty();
}

QString queueOf(const QPrinter& printer)
{
    return printer.printerName().section(QLatin1Char('/'), 0, 0);
}

Options optionsOf(const QPrinter& printer)
{
    Options options = optionsOf(printer.pageLayout());
    for (auto& [name, value] : options)
        if (name == "sides")
            value = sides(printer);
    if (printer.copyCount() > 1) {
        options.append(qMakePair(QByteArray("copies"), QByteArray::number(printer.copyCount())));
        if (printer.collateCopies())
            options.append(qMakePair(QByteArray("Collate"), QByteArray("True")));
    }
    if (QPrintEngine* engine = printer.printEngine()) {
        const QStringList chosen = engine->property(kDialogOptions).toStringList();
        for (qsizetype i = 0; i + 1 < chosen.size(); i += 2)
            options.append(qMakePair(chosen.at(i).toUtf8(), chosen.at(i + 1).toUtf8()));
    }
    return options;
}

Options optionsOf(const QPageLayout& paper)
{
    Options options;
    options.append(qMakePair(QByteArray("media"), paper.pageSize().key().toUtf8()));
    options.append(qMakePair(QByteArray("sides"), QByteArray("one-sided")));
    if (paper.orientation() == QPageLayout::Landscape)
        options.append(qMakePair(QByteArray("landscape"), QByteArray()));
    return options;
}

} // namespace printsystem
