#pragma once

#include <QDateTime>
#include <QString>

class QPrinter;

namespace grid {

enum class Orientation { Portrait, Landscape };

// How a grid prints: the texts of the print-out and the page set-up. A grid keeps its settings
// until they are replaced; its preview shows them as they are at that moment.
struct PrintSettings {
    QString abortText;  // shown with a Cancel button while the pages print; empty: no box
    QString header;     // print codes (see parsePrintCodes)
    QString footer;
    int marginTop = 0;  // twips, 1440 to the inch
    int marginBottom = 0;
    int marginLeft = 0;
    int marginRight = 0;
    Orientation orientation = Orientation::Portrait;
    bool printBorder = true;  // a frame around the printed cells

    void setMargins(int twips) { marginTop = marginBottom = marginLeft = marginRight = twips; }
};

// "Imprimiendo - Presionar Cancel para salir"
QString abortText();
// "/c/fb1ZORVA VEREDUDA/fb0": the company line that every print-out carries once.
QString titleCode();
// The header of a grid whose window has its own header text: that text, then the company line.
// Composed afresh from the window's text each time, so printing again never adds a second line.
QString companyLineHeader(const QString& windowHeader = QString());
// The header of the titled reports: the company line, an empty line, the title centred, bold, 18 pt.
QString titledHeader(const QString& title);
// "/r" + the moment as "dd//mmmm//yyyy hh:mm:ss" + " página /p de /pc": prints, right-aligned,
// "05/julio/2021 14:03:22 página 1 de 3".
QString standardFooter(const QDateTime& moment);
// The settings every print-out starts from: the abort text, companyLineHeader(windowHeader) and
// the standard footer dated by the program's clock; margins and orientation left at their defaults.
PrintSettings standardPrintSettings(const QString& windowHeader = QString());

// Gives a printer the orientation and margins of the settings (margins the printer cannot take are
// widened to its least).
void applyPageSetup(QPrinter& printer, const PrintSettings& settings);

} // namespace grid
