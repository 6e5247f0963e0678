#include "foundation/forms/filtro.h"

namespace {

AbridorFiltro& abridor()
{
    static AbridorFiltro a;
    return a;
}

} // namespace

void AbreFiltro(QWidget* ventana, const QString& LsTabla, const QList<ColumnaFiltro>& columnas)
{
    // A copy: the dialog may run for long, and nothing it does may pull the opener from under it.
    const AbridorFiltro abre = abridor();
    if (abre)
        abre(ventana, LsTabla, columnas);
}

void setAbridorFiltro(AbridorFiltro nuevo)
{
    abridor() = std::move(nuevo);
}
