#include "platform/printqueue/abandoned_jobs.h"

#include "platform/paths/paths.h"

#include <QDir>
#include <QFile>
#include <QHash>

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace abandonedjobs {

namespace {

// Far longer than any program keeps a job open.
constexpr int kOldMinutes = 10;

// Every running program holds a shared lock on this file until it ends (the system lets go of it
// however the process ends); whoever gets it exclusively is alone.
QString lockPath()
{
    return QDir(paths::dataRoot()).filePath(QStringLiteral("cola_impresion.lock"));
}

// True when no other program holds the lock. The lock stays held, shared, until this one ends.
bool aloneOnThisDataRoot()
{
    static QHash<QString, int> held;
    const QString path = lockPath();
    int fd = held.value(path, -1);
    if (fd < 0) {
        QDir().mkpath(paths::dataRoot());
        fd = ::open(QFile::encodeName(path).constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
        if (fd < 0)
            return false;
        held.insert(path, fd);
    }
    const bool alone = ::flock(fd, LOCK_EX | LOCK_NB) == 0;
    ::flock(fd, LOCK_SH);
    return alone;
}

} // namespace

int cleanUp(adodb::Connection conexion)
{
    const QString abandonados = aloneOnThisDataRoot()
        ? QStringLiteral("SELECT ID_Trabajo FROM ColaImpresion WHERE IFNULL(Cerrado,0)=0")
        : QStringLiteral("SELECT ID_Trabajo FROM ColaImpresion WHERE IFNULL(Cerrado,0)=0 AND IFNULL(Fecha,'')"
                         " < datetime('now','localtime','-%1 minutes')")
              .arg(kOldMinutes);
    long borrados = 0;
    conexion.beginTrans();
    try {
        conexion.execute(QStringLiteral("DELETE FROM Detallecolaimpresion WHERE ID_Trabajo IN (") + abandonados + QLatin1Char(')'));
        conexion.execute(QStringLiteral("DELETE FROM ColaImpresion WHERE ID_Trabajo IN (") + abandonados + QLatin1Char(')'), &borrados);
        conexion.commitTrans();
    } catch (const adodb::ComError&) {
        if (conexion.inTransaction())
            conexion.rollbackTrans();
        throw;
    }
    return int(borrados);
}

} // namespace abandonedjobs
