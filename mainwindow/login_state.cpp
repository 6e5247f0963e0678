#include "mainwindow/login_state.h"

QStringList g_Argumentos;
qint16 g_IdEmpleado = 0;
bool g_bAdminUsuarios = false;
QString g_UsuarioActual;

void LimpiaEstadoLogin()
{
    g_Argumentos.clear();
    g_IdEmpleado = 0;
    g_bAdminUsuarios = false;
    g_UsuarioActual.clear();
}
