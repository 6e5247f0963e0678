#pragma once

#include <QString>

struct sqlite3;

namespace findia {

// A terminal's copy attached to the central connection as the schema "terminal", read-only and
// immutable like CopiaTerminal, so that whole tables are collected in one statement (with the SQL
// function datos_terminal of valores_terminal.h registered meanwhile). Attached and
// detached outside any transaction (SQLite allows no other). While it is attached, the work of the
// central connection is bounded by the copy's size as CopiaTerminal bounds its own. A copy that
// cannot be attached is simply not: the collection then reads it row by row.
class CopiaAdjunta {
public:
    CopiaAdjunta(sqlite3* central, const QString& ruta);
    ~CopiaAdjunta();
    CopiaAdjunta(const CopiaAdjunta&) = delete;
    CopiaAdjunta& operator=(const CopiaAdjunta&) = delete;

    // The copy at ruta is what "terminal" names on the central connection.
    static bool estaAdjunta(sqlite3* central, const QString& ruta);
    // The bound was passed: the statement interrupted holds no sales.
    static bool excedida(sqlite3* central);

private:
    sqlite3* m_central;
    bool m_adjunta = false;
    qint64 m_limite = 0;
    qint64 m_pasos = 0;
    friend int progresoAdjunta(void*);
};

} // namespace findia
