#include "endofday/rutas_terminal.h"

#include "platform/keys/clsclaves.h"
#include "platform/paths/paths.h"

#include <QDir>

namespace rutas {

QString carpetaTerminal(const QString& nombreTerminal)
{
    return QDir(paths::appFolder()).filePath(nombreTerminal);
}

QString copiaTerminal(const QString& nombreTerminal)
{
    return QDir(carpetaTerminal(nombreTerminal)).filePath(QStringLiteral("Zorva_Terminal.mdb"));
}

QString baseEnShare(const QString& nombreTerminal, const QString& dirTermBD)
{
    return paths::toLocal(QStringLiteral("\\\\") + nombreTerminal + QStringLiteral("\\") + dirTermBD
                          + QStringLiteral("\\Zorva_Terminal.mdb"));
}

QString plantilla()
{
    return QDir(paths::appFolder()).filePath(QStringLiteral("Plantilla.mdb"));
}

QString copiaPlantilla()
{
    return QDir(paths::appFolder()).filePath(QStringLiteral("Zorva_Terminal.mdb"));
}

QString cadenaConexion(const QString& carpeta)
{
    return QStringLiteral("Driver={Microsoft Access Driver (*.mdb)};Dbq=Zorva_Terminal.mdb;DefaultDir=") + carpeta
           + QStringLiteral(";Uid=") + g_ClsClaves.UsuarioTerminal() + QStringLiteral(";Pwd=")
           + g_ClsClaves.ContrasenaTerminal() + QStringLiteral(";");
}

} // namespace rutas
