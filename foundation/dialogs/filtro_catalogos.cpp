#include "foundation/dialogs/filtro_catalogos.h"
#include "foundation/dialogs/frm_cat_filtro.h"
#include "foundation/forms/filtro.h"

#include <QWidget>

void registraFiltroCatalogos()
{
    setAbridorFiltro([](QWidget* ventana, const QString& LsTabla, const QList<ColumnaFiltro>& columnas) {
        FrmCatFiltro filtro(ventana ? ventana->window() : nullptr);
        filtro.LsTabla = LsTabla;
        for (const ColumnaFiltro& c : columnas)
            filtro.addColumn(c.titulo, c.columnaLista, c.columnaCondicion);
        filtro.exec();
    });
}
