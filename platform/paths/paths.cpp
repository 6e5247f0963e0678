#include "platform/paths/paths.h"

#include <QDir>
#include <QStandardPaths>
#include <QtGlobal>

#include <pwd.h>
#include <unistd.h>

namespace paths {

namespace {

QString cleanJoin(const QString& root, QString rest)
{
    rest.replace(QLatin1Char('\\'), QLatin1Char('/'));
    while (rest.startsWith(QLatin1Char('/')))
        rest.remove(0, 1);
    const bool trailing = rest.endsWith(QLatin1Char('/'));
    QString joined = rest.isEmpty() ? root : QDir::cleanPath(root + QLatin1Char('/') + rest);
    if (trailing && !joined.endsWith(QLatin1Char('/')))
        joined += QLatin1Char('/');
    return joined;
}

} // namespace

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
