#pragma once

#include <QString>

#include <optional>

class QComboBox;

// A filter combo of a report: the catalog's items (LlenaCombo) followed by the "all" item
// ("TODAS" or "TODOS"), which is selected.
void LlenaComboTodos(QComboBox* combo, const QString& consulta, const QString& todos);

// A combo without an "all" item: the catalog's items, the first one selected when there is one.
void LlenaComboPrimero(QComboBox* combo, const QString& consulta);

// The id of the chosen item; nothing while the "all" item (or no item) is chosen.
std::optional<qint64> idElegido(const QComboBox* combo, const QString& todos = QString());

// The prefix followed by the chosen id (" AND ID_Categoria=3"); nothing for the "all" item.
QString condicionCombo(const QComboBox* combo, const QString& todos, const QString& prefijo);
