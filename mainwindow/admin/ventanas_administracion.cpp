#include "mainwindow/admin/ventanas_administracion.h"
#include "foundation/forms/window_registry.h"
#include "mainwindow/admin/frm_departamentos.h"
#include "mainwindow/admin/frm_grupos.h"

void registraVentanasAdministracion()
{
    WindowRegistry::add(QStringLiteral("FrmDepartamentos"), [] { return new FrmDepartamentos; });
    WindowRegistry::add(QStringLiteral("FrmGrupos"), [] { return new FrmGrupos; });
}
