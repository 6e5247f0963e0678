#include "log_fixture.h"

#include "platform/clock/clock.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

LogFixture::LogFixture()
{
    appclock::setNow(fixedNow());
}

LogFixture::~LogFixture()
{
    appclock::reset();
}

QDateTime LogFixture::fixedNow()
{
    return QDateTime(QDate(2021, 3, 5), QTime(14, 3, 9));
}

QString LogFixture::content(const QString& relative) const
{
    QFile file(local(relative));
    if (!file.open(QIODevice::ReadOnly))
        return QString();
    return QString::fromUtf8(file.readAll());
}

void LogFixture::write(const QString& relative, const QByteArray& bytes) const
{
    const QString path = local(relative);
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(bytes);
}
