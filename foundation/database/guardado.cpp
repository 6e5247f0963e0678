#include "foundation/database/guardado.h"
#include "foundation/database/cls_ado.h"
#include "platform/ui/msgbox.h"

void Guardado::cancela(bool yaReportado)
{
    QList<adodb::Error>& errores = g_ClsAdo().conexion().errors();
    const QList<adodb::Error> pendientes = errores;
    // Rolled back before the box, so that the tables are not held while it is read.
    m_transaccion.rollback();
    errores.clear();
    if (!pendientes.isEmpty())
        ui::msgBox(QString::number(pendientes.first().Number) + pendientes.first().Description, ui::OkOnly);
    else if (!yaReportado)
        ui::msgBox(QStringLiteral("No se pudieron guardar los cambios"), ui::OkOnly);
}

bool Guardado::termina()
{
    if (m_transaccion.commit())
        return true;
    cancela(false);
    return false;
}
