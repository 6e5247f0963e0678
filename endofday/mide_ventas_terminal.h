#pragma once

#include "endofday/medidas_ventas.h"

#include <QString>

// The reconciliation's two temporary tables on the gateway's connection: one row of counts and one
// of amounts per measured terminal. Creating them first drops what an earlier stopped run left.
void CreaTablasConciliacion();
void BorraTablasConciliacion();

// Measures the fetched copy of a terminal (<program folder>/<terminal>/Zorva_Terminal.mdb) and
// writes its row into each temporary table, with its name as it is (an apostrophe or more than 25
// characters kept). Returns the measures; a copy that cannot be opened or read raises
// adodb::ComError.
MedidasVentas MideVentasTerminal(int idTerminal, const QString& nombreTerminal);
