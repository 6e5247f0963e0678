#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// How the ticket printer lays out the pieces of a job on its 32 columns: every piece starts a new
// line; CR LF and "<N>" end a line; a longer line wraps at 32 (blanks that would open a new line are
// dropped); "<B>"/"</B>" switch bold print and "<H>"/"</H>" double height, both carried across lines.
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
