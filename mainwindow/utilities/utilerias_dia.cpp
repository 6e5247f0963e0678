#include "mainwindow/utilities/utilerias_dia.h"

#include "foundation/database/cls_ado.h"
#include "foundation/database/guardado.h"
#include "platform/ui/msgbox.h"

void mnuBorrarDatos_Click()
{
    if (ui::msgBox(QStringLiteral("En verdad desea eliminar los datos?"), ui::YesNo) != ui::Yes)
        return;
    if (ui::msgBox(QStringLiteral("Esta operacion eliminara todas las ventas!"), ui::OkCancel) != ui::Ok)
        return;
    Guardado guardado;
    if (g_ClsAdo().dbExecStored(QStringLiteral("EXEC Borrar_Comanda '010106',1"), false, nullptr, false).toInt() != 1) {
        guardado.cancela(true);
        return;
    }
    guardado.termina();
}

void mnuBorrarCola_Click()
{
    if (ui::msgBox(QStringLiteral("En verdad desea eliminar los datos de la cola de impresión?"), ui::YesNo) != ui::Yes)
        return;
    if (ui::msgBox(QStringLiteral("Esta operacion eliminara todas las impresiones de cocina!"), ui::OkCancel) != ui::Ok)
        return;
    Guardado guardado;
    adodb::Recordset sinConsulta;
    // The lines before their jobs.
    for (const QString& tabla : {QStringLiteral("Detallecolaimpresion"), QStringLiteral("ColaImpresion")}) {
        if (!g_ClsAdo().Borrar(sinConsulta, tabla, QVariant(), QString(), false)) {
            guardado.cancela(true);
            return;
        }
    }
    guardado.termina();
}

void mnuDesfirmar_Click()
{
    if (ui::msgBox(QStringLiteral("En verdad desea desfirmar a todos los empleados del sistema?"), ui::YesNo) != ui::Yes)
        return;
    Guardado guardado;
    adodb::Recordset sinConsulta;
    if (!g_ClsAdo().Modificar(sinConsulta, QStringLiteral("Empleado"), QStringLiteral("Id_Terminal=0"),
                              QStringLiteral("Id_Terminal<>0"), false)) {
        guardado.cancela(false);
        return;
    }
    guardado.termina();
}
