#include "mainwindow/permisos.h"

#include "foundation/database/cls_ado.h"
#include "mainwindow/login_state.h"

QString g_sPermisos;

void CargaPermisos()
{
    adodb::Recordset rs;
    const QString sql = QStringLiteral(
        "SELECT Nombre_Permiso FROM EmpleadosXGrupo,Grupo_Trabajo,PermisosXGrupo_Trabajo,Permisos "
        "WHERE EmpleadosXGrupo.ID_Grupo_Trabajo=Grupo_Trabajo.ID_Grupo_Trabajo "
        "AND EmpleadosXGrupo.ID_Grupo_Trabajo=PermisosXGrupo_Trabajo.ID_Grupo_Trabajo "
        "AND PermisosXGrupo_Trabajo.ID_Permiso=Permisos.ID_Permiso "
        "AND Activo=1 AND ID_Empleado=") + QString::number(g_IdEmpleado);
    g_sPermisos = QStringLiteral("|");
    try {
        if (!g_ClsAdo().Establece_consulta(rs, sql))
            return;
        for (; !rs.eof(); rs.moveNext())
            g_sPermisos += rs.value(QStringLiteral("Nombre_Permiso")).toString() + QLatin1Char('|');
        rs.close();
    } catch (const adodb::ComError&) {
        // Half-read rights would be a guess: none at all.
        g_sPermisos = QStringLiteral("|");
    }
}

bool TienePermiso(const QString& PsPermiso)
{
    if (g_sPermisos.isEmpty())
        return false;
    return g_sPermisos.contains(QLatin1Char('|') + PsPermiso + QLatin1Char('|'));
}
