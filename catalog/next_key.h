#pragma once

#include <QString>

// How a catalog table's new row gets its key.
enum class KeyForm {
    A,  // the largest key plus one, written by the window; 1 for an empty table
    B,  // the same, from a plain MAX query whose NULL means an empty table
    C,  // none: the database generates it on insert
};

// The query that computes the next key of the table, read from its column "Clave"; empty for form C.
QString nextKeyQuery(KeyForm form, const QString& table, const QString& keyColumn);

// The next key of the table as text, computed now: "1" for an empty table, "" for form C or when
// the table cannot be read.
QString nextKey(KeyForm form, const QString& table, const QString& keyColumn);
