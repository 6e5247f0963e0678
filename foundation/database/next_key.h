#pragma once

#include <QString>

// How a table's new row gets its key.
enum class KeyForm {
    A,  // one past the highest key the table ever had, written by the window; 1 for a new table
    B,  // the same (the two forms differ only in how the windows once asked for it)
    C,  // none: the database generates it on insert
};

// The highest key the table ever had is kept in Ultima_Clave, so that a deleted row's key (and the
// sales, hours and history recorded under it) never passes to a new row.

// The query that computes the next key of the table, read from its column "Clave"; empty for form C.
QString nextKeyQuery(KeyForm form, const QString& table, const QString& keyColumn);

// Gives the next key of the table as text and records it as given: "1" for a new table, "" for
// form C or when the table cannot be read. Called inside the save's transaction, a refused save
// rolls the record back and the key may be given again.
QString nextKey(KeyForm form, const QString& table, const QString& keyColumn);
