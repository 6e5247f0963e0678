#pragma once

#include <QString>

namespace findia {

// Copies the central catalogs into the template copy (Zorva_Terminal.mdb in the program's folder),
// which the run has just made from Plantilla.mdb. A catalog that cannot be copied at all raises
// FallaPaso 53, which ends the run as a missing template does: the terminals must not receive a
// half-built copy. Rows that the copy refuses are
// logged by CopiaTablaTerminal; returns their number.
int CopiaCatalogosTerminal();

// The condition "row in force today" on a start and an end column: by day, with the end day
// counted whole, a NULL end in force whatever the start. Today is the program's clock.
QString CondicionVigente(const QString& inicio, const QString& fin);

} // namespace findia
