#pragma once

#include <QtGlobal>

namespace adodb {
class Connection;
}

namespace findia {

// Gives the template copy open on plantilla the submenus and prices of a menu: the previous menu's
// submenus go, every price goes back to 0 (a product this menu does not price is sent at 0, never
// at the previous menu's price), then the menu's prices are written.
void CambiaMenuPlantilla(adodb::Connection& plantilla, int menu);

// Writes a terminal's number and next item folio into the template copy's parameters (the rows
// that the copy holds; none is created).
void FijaParametrosTerminal(adodb::Connection& plantilla, qint64 idTerminal, qint64 folio);

} // namespace findia
