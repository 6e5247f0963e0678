#pragma once

#include "tests/catalog/catalog_fixture.h"

class QComboBox;

namespace grid {
class Grid;
}

// The real main window, opened by a user who may use the operation and configuration windows.
class OperationDb : public CatalogDb {
protected:
    QStringList permisos() const override;
    void registraVentanas() override;

    // Picks an entry of a list by its text, as the user does; false when the list lacks it.
    static bool elige(QComboBox* combo, const QString& texto);
    // The words of a list, in order.
    static QStringList entradas(const QComboBox* combo);
    // The values of one column of the filter's result, with every column chosen and the condition
    // given (none when empty).
    // Appends a row per key to a list grid in edit mode and types each key into column 1, leaving
    // the row as the arrow key does; an empty key leaves its row empty.
    static void escribeClaves(grid::Grid* g, const QStringList& claves);
    QStringList filtra(const QString& columna, const QString& campo = QString(), const QString& valor = QString());
};
