#include "mainwindow/admin/ventanas_administracion.h"
#include "foundation/forms/menu_commands.h"
#include "foundation/forms/window_registry.h"
#include "mainwindow/admin/frm_contrasena.h"
#include "mainwindow/admin/frm_departamentos.h"
#include "mainwindow/admin/frm_funciones.h"
#include "mainwindow/admin/frm_funxgrupo.h"
#include "mainwindow/admin/frm_grupos.h"
#include "mainwindow/admin/frm_usuarios.h"

void registraVentanasAdministracion()
{
    WindowRegistry::add(QStringLiteral("FrmDepartamentos"), [] { return new FrmDepartamentos; });
    WindowRegistry::add(QStringLiteral("FrmGrupos"), [] { return new FrmGrupos; });
    WindowRegistry::add(QStringLiteral("FrmFunXGrupo"), [] { return new FrmFunXGrupo; });
    WindowRegistry::add(QStringLiteral("FrmFunciones"), [] { return new FrmFunciones; });
    WindowRegistry::add(QStringLiteral("FrmUsuarios"), [] { return new FrmUsuarios; });
    MenuCommands::add(QStringLiteral("mnuUtlContraseña"), CambiaContrasenaPropia);
}
