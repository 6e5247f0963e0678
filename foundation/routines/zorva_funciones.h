#pragma once

#include <QString>
#include <QStringList>

class QComboBox;

namespace adodb {
class Connection;
}

// Doubles every apostrophe, so that the text can go between apostrophes in SQL.
QString DuplicaComillas(const QString& texto);

// Turns every "*" into "%", so that a user's wildcard works in a LIKE pattern.
QString ComodinAPorcentaje(const QString& texto);

// Adds one item per row of a two-column query (shown text, integer item data) after the items the
// combo box already holds. A query that cannot be opened raises adodb::ComError.
void LlenaCombo(QComboBox* combo, const QString& consulta);

// The value of the first row of "SELECT columna [FROM tabla] [WHERE condicion]" as text; empty when
// there is no row or the value is null. A column with an alias, or a qualified one, is read as
// _RESULT. A query that cannot be opened raises adodb::ComError.
QString BuscaValor(const QString& tabla, const QString& columna, const QString& condicion);

// Copies the rows of "SELECT columnas FROM origen [WHERE condicion]" on the central database into
// the table destino of the terminal database Zorva_Terminal.mdb in the program's folder. A row that
// the terminal refuses is written to the daily log and the copy goes on with the next. Returns the
// number of rows that could not be copied, or -1 when the source query or the terminal database
// could not be opened (also logged).
int CopiaTablaTerminal(const QString& origen, const QString& destino, const QString& columnas,
                       const QString& condicion);
// The same into a terminal database the caller holds open (and may keep in one transaction); each
// row refused is also described in *rechazos, "destino: reason (values)".
int CopiaTablaTerminal(adodb::Connection& terminal, const QString& origen, const QString& destino, const QString& columnas,
                       const QString& condicion, QStringList* rechazos = nullptr);
