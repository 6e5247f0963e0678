#include "foundation/forms/filtro.h"

// The one place where a data-entry window's filter command reaches the filter dialog. The dialog is
// not part of the program yet, so the command shows nothing; when it is, this function loads it, sets
// its from-clause, adds each column (caption to the column list and to the condition list, shown
// expression to the hidden list, condition column through Asigna_Campos) and shows it modally.
void AbreFiltro(const QString& LsTabla, const QList<ColumnaFiltro>& columnas)
{
    Q_UNUSED(LsTabla);
    Q_UNUSED(columnas);
}
