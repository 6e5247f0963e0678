#include "mainwindow/utilities/utilerias_dia.h"

#include "foundation/database/cls_ado.h"
#include "mainwindow/admin/guardado.h"
#include "platform/ui/msgbox.h"

void mnuBorrarDatos_Click()
{
    if (ui::msgBox(QStringLiteral("En verdad desea eliminar los datos?"), ui::YesNo) != ui::Yes)
        return;
    if (ui::msgBox(QStringLiteral("Esta operacion eliminara todas las ventas!"), ui::OkCancel) != ui::Ok)
        return;
    guardado::Inicia();
    if (g_ClsAdo().dbExecStored(QStringLiteral("EXEC Borrar_Comanda '010106',1"), false, nullptr, false).toInt() != 1) {
        guardado::Cancela(true);
        return;
    }
    guardado::Termina();
}

void mnuBorrarCola_Click()
{
    if (ui::msgBox(QStringLiteral("En verdad desea eliminar los datos de la cola de impresión?"), ui::YesNo) != ui::Yes)
        return;
    if (ui::msgBox(QStringLiteral("Esta operacion eliminara todas las impresiones de cocina!"), ui::OkCancel) != ui::Ok)
        return;
    guardado::Inicia();
    adodb::Recordset sinConsulta;
    // The lines before their jobs.
    for (const QString& tabla : {QStringLiteral("Detallecolaimpresion"), QStringLiteral("ColaImpresion")}) {
        if (!g_ClsAdo().Borrar(sinConsulta, tabla, QVariant(), QString(), false)) {
            guardado::Cancela(true);
            return;
        }
    }
    guardado::Termina();
}

void mnuDesfirmar_Click()
{
    if (ui::msgBox(QStringLiteral("En verdad desea desfirmar a todos los empleados del sistema?"), ui::YesNo) != ui::Yes)
        return;
    guardado::Inicia();
    adodb::Recordset sinConsulta;
    if (!g_ClsAdo().Modificar(sinConsulta, QStringLiteral("Empleado"), QStringLiteral("Id_Terminal=0"),
                              QStringLiteral("Id_Terminal<>0"), false)) {
        guardado::Cancela(false);
        return;
    }
    guardado::Termina();
}
