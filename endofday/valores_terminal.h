#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

struct sqlite3;
struct sqlite3_stmt;
struct sqlite3_value;

// A sales value as a terminal wrote it, read as the central column that takes it. A value that
// cannot be read as its column's kind is refused, never stored altered.
namespace findia {

enum class Clase {
    Clave,         // a key: a whole number from 0 up to the largest a folio can follow exactly
    Entero,        // a whole number of that size, or none
    Monto,         // an amount within the range of money, or none
    Bandera,       // yes or no, whatever the terminal wrote: true is 1, anything else 0
    Texto,         // text of at most `largo` characters, or none
    Fecha,         // a date and time in ISO form ("yyyy-mm-dd hh:mm:ss"), or none
    FechaTrabajo,  // a working date "ddmmyyyy", or none
};

struct Columna {
    const char* nombre;
    Clase clase;
    int largo = 0;
};

// The value to store: the terminal's own, or the same value in the column's own type (a number
// written as text, a date written another ISO way).
struct ValorCentral {
    enum class Tipo { Original, Entero, Real, Texto } tipo = Tipo::Original;
    qint64 entero = 0;
    double real = 0;
    QByteArray texto;
};

// Reads v as the column takes it into *valor; returns why it cannot be stored, empty when it can.
QString LeeValorTerminal(sqlite3_value* v, const Columna& columna, ValorCentral* valor);

// Binds the value read (or the terminal's own, v) to parameter i of s.
void EnlazaValor(sqlite3_stmt* s, int i, sqlite3_value* v, const ValorCentral& valor);

// The SQL function datos_terminal(clase, largo, valor, clase, largo, valor, ...), on db: 1 when
// every valor can be stored as it stands in a column of its kind (LeeValorTerminal takes it,
// unchanged), 0 otherwise. Registered for as long as a copy is attached (copia_adjunta.h);
// QuitaDatosTerminal takes it away.
void RegistraDatosTerminal(sqlite3* db);
void QuitaDatosTerminal(sqlite3* db);
// The call of datos_terminal for the columns of a row, each on the SQL expression prefijo + name.
QString DatosTerminal(const QList<Columna>& columnas, const QString& prefijo);

// A terminal's value as text for a message, cut short when it is long.
QString TextoValorTerminal(sqlite3_value* v);

} // namespace findia
