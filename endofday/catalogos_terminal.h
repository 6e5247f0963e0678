#pragma once

#include <QString>
#include <QStringList>

namespace adodb {
class Connection;
}

namespace findia {

// Copies the central catalogs into the template copy open on plantilla (Zorva_Terminal.mdb in the
// program's folder), which the run has just made from Plantilla.mdb. A catalog that cannot be
// copied at all raises FallaPaso 53, which ends the run as a missing template does: the terminals
// must not receive a half-built copy. Returns the rows that the copy refused, one line each (they
// are logged by CopiaTablaTerminal too). Of a tax type's rates in force, the one with the latest
// start is sent.
QStringList CopiaCatalogosTerminal(adodb::Connection& plantilla);

// The condition "row in force today" on a start and an end column, by day: started on or before
// today (or no start), and ending today or later (or no end). Today is the program's clock.
QString CondicionVigente(const QString& inicio, const QString& fin);

} // namespace findia
