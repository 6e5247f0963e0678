#pragma once

#include <QList>
#include <QString>

namespace grid {

// A piece of header or footer text printed in one style.
struct PrintRun {
    QString text;
    bool bold = false;
    double pointSize = 0;  // 0: the print-out's normal size

    bool operator==(const PrintRun&) const = default;
};

// One printed line of a header or footer: a left, a centred and a right-aligned part.
struct PrintLine {
    QList<PrintRun> left;
    QList<PrintRun> centre;
    QList<PrintRun> right;

    bool isEmpty() const { return left.isEmpty() && centre.isEmpty() && right.isEmpty(); }
    bool operator==(const PrintLine&) const = default;
};

// Reads the header and footer codes into lines:
//   "/c" centres and "/r" right-aligns the text that follows (each line starts at the left),
//   "/n" starts a new line, "/fb1" and "/fb0" turn bold on and off, "/fz" and a point size between
//   double quotes ("/fz\"18\"") sets the size of what follows, "/p" is the page number, "/pc" the
//   page count, "//" one "/". Anything else, unknown codes included, prints as written. Bold and
//   size carry over to the next line.
QList<PrintLine> parsePrintCodes(const QString& codes, int page, int pageCount);

} // namespace grid
