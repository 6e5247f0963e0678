#pragma once

#include "endofday/valores_terminal.h"

#include <QList>

namespace findia {

// One sales table as the collection takes it: its key, the table whose row it hangs on, what
// makes a central row with the same key the same sale, and the columns of the insert and of the
// update.
struct Miembro {
    const char* tabla;
    QList<const char*> clave;
    // The table whose accepted rows this one hangs on and the column that names that row; none
    // for an order.
    const char* padre;
    const char* columnaPadre;
    // Condition on c (the central row) and the terminal's values (:column, and
    // :ID_Terminal_Origen, the terminal's number) under which the central row is the same sale;
    // nullptr: any row of the key.
    const char* mismaVenta;
    // The central column that records the terminal a row came from; nullptr when it has none.
    const char* origen;
    QList<Columna> inserta;
    QList<const char*> actualiza;
};

// The seven sales tables, in the order they are collected: a table after the one it hangs on.
const QList<Miembro>& MiembrosVentas();

} // namespace findia
