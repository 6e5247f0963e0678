#include "endofday/conexion_terminal.h"

#include "platform/keys/clsclaves.h"

namespace findia {

QString CadenaConexionTerminal(const QString& carpeta)
{
    return QStringLiteral("Driver={Microsoft Access Driver (*.mdb)};Dbq=Zorva_Terminal.mdb;DefaultDir=") + carpeta
           + QStringLiteral(";Uid=") + g_ClsClaves.UsuarioTerminal() + QStringLiteral(";Pwd=")
           + g_ClsClaves.ContrasenaTerminal() + QStringLiteral(";");
}

} // namespace findia
