#include "mainwindow/utilities/utilerias.h"

#include "foundation/forms/menu_commands.h"
#include "foundation/forms/window_registry.h"
#include "mainwindow/utilities/comandos_script.h"
#include "mainwindow/utilities/frm_borrar_dia.h"
#include "mainwindow/utilities/utilerias_dia.h"

void registraUtilerias()
{
    MenuCommands::add(QStringLiteral("mnuAbrirScript"), mnuAbrirScript_Click);
    MenuCommands::add(QStringLiteral("mnuEjecutar"), mnuEjecutar_Click);
    MenuCommands::add(QStringLiteral("mnuBorrarDatos"), mnuBorrarDatos_Click);
    MenuCommands::add(QStringLiteral("mnuBorrarCola"), mnuBorrarCola_Click);
    MenuCommands::add(QStringLiteral("mnuDesfirmar"), mnuDesfirmar_Click);
    WindowRegistry::add(QStringLiteral("frmBorrarDia"), [] { return new frmBorrarDia; });
}
