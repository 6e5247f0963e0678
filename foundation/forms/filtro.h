#pragma once

#include <QList>
#include <QString>

#include <functional>

class QWidget;

// A column that a data-entry window offers in the filter dialog: the caption the user picks, the
// expression shown in the result list, and the column that a condition is applied to.
struct ColumnaFiltro {
    QString titulo;
    QString columnaLista;
    QString columnaCondicion;
};

// Opens the filter dialog modally over a data-entry window, on a from-clause ("Departamentos WHERE")
// with the columns offered in their order, and returns when the user has closed it.
void AbreFiltro(QWidget* ventana, const QString& LsTabla, const QList<ColumnaFiltro>& columnas);

// The filter dialog belongs to a library above the data-entry windows, so the program installs it
// here once at start-up; until then the filter command opens nothing.
using AbridorFiltro = std::function<void(QWidget* ventana, const QString& LsTabla, const QList<ColumnaFiltro>& columnas)>;
void setAbridorFiltro(AbridorFiltro abridor);
