#pragma once

#include <QList>
#include <QStringList>

#include <ostream>
#include <utility>

// What the design of a record window must show, one row of a design test's table.
struct Diseno {
    const char* item;
    const char* ventana;
    const char* titulo;
    QList<std::pair<const char*, const char*>> etiquetas;  // caption, tag ("" none): every label of the window
    QList<std::pair<const char*, const char*>> ayudas;     // control, tool tip
    QList<std::pair<const char*, int>> largos;             // control, maximum length
    QList<std::pair<const char*, const char*>> reglas;     // control, tag
    QStringList tabulador;                                 // focus order in edit mode
    QStringList filtro;                                    // caption|list expression|condition column
    QStringList ocultos = {};                              // code boxes the user never sees
};

inline void PrintTo(const Diseno& d, std::ostream* out)
{
    *out << d.ventana;
}
