#include "platform/grid/print_settings.h"

#include "platform/clock/clock.h"
#include "platform/grid/spanish_dates.h"

#include <QMarginsF>
#include <QPageLayout>
#include <QPrinter>

namespace grid {

QString abortText()
{
    return QStringLiteral("Imprimiendo - Presionar Cancel para salir");
}

QString titleCode()
{
    return QStringLiteral("/c/fb1ZORVA VEREDUDA/fb0");
}

QString companyLineHeader(const QString& windowHeader)
{
    return windowHeader + titleCode();
}

QString titledHeader(const QString& title)
{
    return QStringLiteral("/c/fb1ZORVA VEREDUDA/fb0/n/n/c/fz\"18\"/fb1") + title + QStringLiteral("/fb0/n");
}

QString standardFooter(const QDateTime& moment)
{
    return QStringLiteral("/r") + spanish::formatDateTime(moment, QStringLiteral("dd//mmmm//yyyy hh:mm:ss"))
        + QStringLiteral(" página /p de /pc");
}

PrintSettings standardPrintSettings(const QString& windowHeader)
{
    PrintSettings settings;
    settings.abortText = abortText();
    settings.header = companyLineHeader(windowHeader);
    settings.footer = standardFooter(appclock::now());
    return settings;
}

void applyPageSetup(QPrinter& printer, const PrintSettings& settings)
{
    printer.setPageOrientation(settings.orientation == Orientation::Landscape ? QPageLayout::Landscape
                                                                               : QPageLayout::Portrait);
    constexpr double kTwipsPerPoint = 20.0;
    const QMarginsF wanted(settings.marginLeft / kTwipsPerPoint, settings.marginTop / kTwipsPerPoint,
                           settings.marginRight / kTwipsPerPoint, settings.marginBottom / kTwipsPerPoint);
    if (!printer.setPageMargins(wanted, QPageLayout::Point)) {
        QPageLayout layout = printer.pageLayout();
        layout.setUnits(QPageLayout::Point);
        const QMarginsF least = layout.minimumMargins();
        printer.setPageMargins(QMarginsF(qMax(wanted.left(), least.left()), qMax(wanted.top(), least.top()),
                                         qMax(wanted.right(), least.right()),
                                         qMax(wanted.bottom(), least.bottom())),
                               QPageLayout::Point);
    }
}

} // namespace grid
