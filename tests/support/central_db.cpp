#include "central_db.h"

#include "schema/schema.h"

#include <QDir>
#include <QFile>

namespace testsupport {

QString createCentralDb(const QString& folder, const QString& name, const QDate& workingDate)
{
    const QString path = QDir(folder).filePath(name + QStringLiteral(".db"));
    adodb::Connection setup;
    setup.openFile(path, true, true);
    schema::createCentral(setup, workingDate);
    setup.close();
    return path;
}

QString createLandedCentralDb(const QString& folder, const QString& name)
{
    QFile script(QStringLiteral(":/pruebas/baseline_v1.sql"));
    if (!script.open(QIODevice::ReadOnly))
        throw adodb::ComError(adodb::err::ProviderGeneric, QStringLiteral("baseline_v1.sql missing from the resources"));
    const QString path = QDir(folder).filePath(name + QStringLiteral(".db"));
    adodb::Connection setup;
    setup.openFile(path, true, true);
    setup.execute(QString::fromUtf8(script.readAll()));
    setup.close();
    return path;
}

QString centralConnectionString(const QString& name)
{
    return QStringLiteral("server=.;driver={SQL Server};database=") + name;
}

} // namespace testsupport

void CentralDbFixture::SetUp()
{
    testsupport::createCentralDb(root.path());
    db.open(testsupport::centralConnectionString());
}

QVariant CentralDbFixture::scalar(const QString& sql)
{
    adodb::Recordset rs = db.execute(sql);
    return rs.isNull() || rs.eof() ? QVariant() : rs.field(0).value();
}

long CentralDbFixture::nativeErrorOf(const QString& sql)
{
    db.errors().clear();
    try {
        db.execute(sql);
    } catch (const adodb::ComError&) {
        return db.errors().isEmpty() ? -1 : db.errors().first().NativeError;
    }
    return 0;
}
