#pragma once

#include <QList>
#include <QString>

// A list of ids as the user types or pastes it ("1,,2,"): whole numbers separated by ",", blanks
// around them allowed, empty items skipped. Only the numbers read here ever reach a statement.
struct ListaIds {
    QList<qint64> ids;
    QString invalido;  // the first item that is not a whole number; empty when the list is sound

    bool valida() const { return invalido.isEmpty(); }
    // "1,2": the numbers in decimal digits, for an IN (...) list.
    QString texto() const;
};

ListaIds parseaListaIds(const QString& texto);
