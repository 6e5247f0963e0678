#include "platform/printqueue/ticket_files.h"

#include "platform/paths/paths.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace ticketfiles {

namespace {

constexpr int kMaxCopies = 1000;

bool makePrivateFolder(const QString& path)
{
    if (!QDir().mkpath(path))
        return false;
    // The tickets show what each table bought: private to the program's user, like the databases.
    const auto owner = QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner;
    QFile::setPermissions(path, owner);
    QFile::setPermissions(QFileInfo(path).absolutePath(), owner);
    return true;
}

} // namespace

QString folder(const adodb::Connection& conexion)
{
    const QString base = QFileInfo(conexion.filePath()).completeBaseName();
    return QDir(paths::dataRoot()).filePath(QStringLiteral("tickets/") + (base.isEmpty() ? QStringLiteral("sin_base") : base));
}

QString store(const QString& written, const adodb::Connection& conexion, qint32 trabajo)
{
    const QString destination = folder(conexion);
    if (!makePrivateFolder(destination))
        return QString();
    const QDir dir(destination);
    for (int copy = 1; copy <= kMaxCopies; ++copy) {
        const QString name = copy == 1 ? QStringLiteral("%1.pdf").arg(trabajo) : QStringLiteral("%1-%2.pdf").arg(trabajo).arg(copy);
        const QString path = dir.filePath(name);
        // rename never replaces an existing file, so a name taken meanwhile is simply passed by.
        if (QFile::rename(written, path)) {
            QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
            return path;
        }
        if (!QFileInfo::exists(path))
            return QString();
    }
    return QString();
}

} // namespace ticketfiles
