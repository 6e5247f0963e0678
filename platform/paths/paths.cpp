#include "platform/paths/paths.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QtGlobal>

#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

namespace paths {

namespace {

// rest lies under root whatever it holds: a ".." never climbs above root.
QString cleanJoin(const QString& root, QString rest)
{
    rest.replace(QLatin1Char('\\'), QLatin1Char('/'));
    const bool trailing = rest.endsWith(QLatin1Char('/'));
    QStringList kept;
    for (const QString& part : rest.split(QLatin1Char('/'), Qt::SkipEmptyParts)) {
        if (part == QLatin1String("..")) {
            if (!kept.isEmpty())
                kept.removeLast();
        }
        else if (part != QLatin1String("."))
            kept << part;
    }
    QString joined = kept.isEmpty() ? root : QDir::cleanPath(root + QLatin1Char('/') + kept.join(QLatin1Char('/')));
    if (trailing && !joined.endsWith(QLatin1Char('/')))
        joined += QLatin1Char('/');
    return joined;
}

// Takes group and other permissions off path and, for a folder, off everything in it; links are
// not followed, and what another user owns or lies under `skip` is left alone.
void takeOthersOff(const QString& path, const QString& skip)
{
    if (path == skip)
        return;
    const QByteArray native = QFile::encodeName(path);
    struct stat info {};
    if (::lstat(native.constData(), &info) != 0 || info.st_uid != ::geteuid())
        return;
    if (!S_ISREG(info.st_mode) && !S_ISDIR(info.st_mode))
        return;
    if (info.st_mode & (S_IRWXG | S_IRWXO))
        ::chmod(native.constData(), info.st_mode & ~(S_IRWXG | S_IRWXO) & 07777);
    if (!S_ISDIR(info.st_mode))
        return;
    const QDir folder(path);
    for (const QString& name : folder.entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot))
        takeOthersOff(folder.filePath(name), skip);
}

} // namespace

void keepPrivate()
{
    ::umask(S_IRWXG | S_IRWXO);
    // A data root set to the home folder (or above it) is the user's to arrange, not the program's.
    const QString root = dataRoot();
    const QString home = QDir::cleanPath(QDir::homePath());
    if (home == root || home.startsWith(root.endsWith(QLatin1Char('/')) ? root : root + QLatin1Char('/')))
        return;
    takeOthersOff(root, sharesRoot());
}

QString dataRoot()
{
    const QString fromEnv = qEnvironmentVariable("ZORVA_DATA");
    if (!fromEnv.isEmpty())
        return QDir::cleanPath(fromEnv);
    return QDir::cleanPath(QDir::homePath() + QStringLiteral("/.local/share/zorva"));
}

QString sharesRoot()
{
    const QString fromEnv = qEnvironmentVariable("ZORVA_SHARES");
    if (!fromEnv.isEmpty())
        return QDir::cleanPath(fromEnv);
    return dataRoot() + QStringLiteral("/shares");
}

QString appFolder()
{
    return dataRoot();
}

QString toLocal(const QString& systemPath)
{
    const QString p = systemPath;
    if (p.startsWith(QStringLiteral("\\\\")) || p.startsWith(QStringLiteral("//")))
        return cleanJoin(sharesRoot(), p.mid(2));
    if (p.size() >= 2 && p.at(1) == QLatin1Char(':') && p.at(0).isLetter()) {
        const QChar drive = p.at(0).toUpper();
        const QString root = drive == QLatin1Char('C') ? dataRoot() : dataRoot() + QLatin1Char('/') + drive;
        return cleanJoin(root, p.mid(2));
    }
    if (p.startsWith(QLatin1Char('\\')))
        return cleanJoin(dataRoot(), p);
    if (p.startsWith(QLatin1Char('/')))
        return p;
    return cleanJoin(appFolder(), p);
}

QString loginName()
{
    if (const passwd* pw = ::getpwuid(::geteuid()); pw && pw->pw_name)
        return QString::fromLocal8Bit(pw->pw_name);
    return qEnvironmentVariable("USER");
}

} // namespace paths
