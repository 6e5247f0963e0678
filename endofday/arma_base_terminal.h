#pragma once

#include <QString>

// Builds the template copy (Zorva_Terminal.mdb in the program's folder): a fresh copy of
// Plantilla.mdb, made under a temporary name and renamed, filled with the central catalogs.
// A template that cannot be copied raises adodb::ComError 53 naming Plantilla.mdb, and a catalog
// that cannot be copied at all raises too: the terminals must never receive a copy left by an
// earlier run. Rows that the copy refuses are logged by CopiaTablaTerminal; returns their number.
int ArmaBaseTerminal();

// The condition "row in force today" on a start and an end column: by day, with the end day
// counted whole, a NULL end in force whatever the start. Today is the program's clock.
QString CondicionVigente(const QString& inicio, const QString& fin);
