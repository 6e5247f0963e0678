#pragma once

#include "tests/catalog/catalog_fixture.h"

class QComboBox;

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
    QStringList filtra(const QString& columna, const QString& campo = QString(), const QString& valor = QString());
};
