#include "mainwindow/admin/guardado.h"

#include "foundation/database/cls_ado.h"
#include "platform/ui/msgbox.h"

namespace guardado {

void Inicia()
{
    g_ClsAdo().conexion().errors().clear();
    g_ClsAdo().Inicia_Transaccion();
}

void Cancela(bool yaReportado)
{
    QList<adodb::Error>& errores = g_ClsAdo().conexion().errors();
    const QList<adodb::Error> pendientes = errores;
    errores.clear();
    // Rolled back before the box, so that the tables are not held while it is read.
    g_ClsAdo().Cancela_Transaccion();
    errores.clear();
    if (!pendientes.isEmpty())
        ui::msgBox(QString::number(pendientes.first().Number) + pendientes.first().Description, ui::OkOnly);
    else if (!yaReportado)
        ui::msgBox(QStringLiteral("No se pudieron guardar los cambios"), ui::OkOnly);
}

bool Termina()
{
    g_ClsAdo().Termina_Transaccion();
    if (!g_ClsAdo().conexion().inTransaction())
        return true;
    Cancela(false);
    return false;
}

} // namespace guardado
