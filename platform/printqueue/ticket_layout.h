#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// How the ticket printer lays out the pieces of a job on its 32 columns: every piece starts a new
// line; CR LF and "<N>" end a line, and a piece that ends with "<N>" leaves a blank line after it; a longer line wraps at the last blank within 32 columns (the
// blanks at the break are dropped) and only a word longer than a line is cut at 32; "<B>"/"</B>"
// switch bold print and "<H>"/"</H>" double height, both carried across lines.
namespace ticketlayout {

inline constexpr int kColumnas = 32;

struct Tramo {
    QString texto;
    bool negrita = false;
    bool alta = false;
};

struct Renglon {
    QList<Tramo> tramos;
    QString texto() const;
    bool alto() const;
};

QList<Renglon> compone(const QStringList& piezas);

} // namespace ticketlayout
