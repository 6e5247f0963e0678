#pragma once

#include <QList>
#include <QString>

// A column that a data-entry window offers in the filter dialog: the caption the user picks, the
// expression shown in the result list, and the column that a condition is applied to.
struct ColumnaFiltro {
    QString titulo;
    QString columnaLista;
    QString columnaCondicion;
};

// Opens the filter dialog modally on a from-clause ("Departamentos WHERE") with the columns offered,
// in their order, and returns when the user has closed it.
void AbreFiltro(const QString& LsTabla, const QList<ColumnaFiltro>& columnas);
