#include "schema/schema.h"

#include "platform/clock/clock.h"
#include "platform/paths/paths.h"
#include "schema/upgrade.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cstdio>

namespace schema {

namespace {

// Raise it with every change to terminal.sql: the program then rebuilds older templates at start.
constexpr int kTerminalTemplateVersion = 1;

QString setVersion(int version)
{
    return QStringLiteral("\nPRAGMA user_version = %1;").arg(version);
}

QString resourceText(const QString& name)
{
    QFile file(QStringLiteral(":/schema/") + name);
    if (!file.open(QIODevice::ReadOnly))
        throw adodb::ComError(adodb::err::ProviderGeneric,
                              QStringLiteral("No se encuentra el guion %1 del esquema.").arg(name));
    return QString::fromUtf8(file.readAll());
}

// Runs the script inside a transaction; a refused statement undoes the whole script.
void runScript(adodb::Connection& connection, const QString& script)
{
    connection.beginTrans();
    try {
        connection.execute(script);
        connection.commitTrans();
    } catch (...) {
        if (connection.inTransaction())
            connection.rollbackTrans();
        throw;
    }
}

QString workingDateText(const QDate& date)
{
    return date.toString(QStringLiteral("ddMMyyyy"));
}

} // namespace

QString centralSql()
{
    return resourceText(QStringLiteral("central.sql"));
}

QString seedSql()
{
    return resourceText(QStringLiteral("seed.sql"));
}

QString terminalSql()
{
    return resourceText(QStringLiteral("terminal.sql"));
}

void createCentral(adodb::Connection& connection, const QDate& workingDate)
{
    const QString setDate = QStringLiteral("UPDATE Parametros SET Valor_Cad='%1' WHERE ID_Parametro='FECHA_TRABAJO';")
                                .arg(workingDateText(workingDate));
    runScript(connection, centralSql() + QLatin1Char('\n') + seedSql() + QLatin1Char('\n') + setDate
                              + setVersion(schemaVersion()));
}

void createCentral(adodb::Connection& connection)
{
    createCentral(connection, appclock::now().date());
}

void createTerminalTemplate(const QString& path)
{
    const QString building = path + QStringLiteral(".nuevo");
    QFile::remove(building);
    try {
        adodb::Connection connection;
        connection.openFile(building, true, false);
        runScript(connection, terminalSql() + setVersion(kTerminalTemplateVersion));
        connection.close();
    } catch (...) {
        QFile::remove(building);
        throw;
    }
    // rename() replaces an existing template in one step.
    if (std::rename(QFile::encodeName(building).constData(), QFile::encodeName(path).constData()) != 0) {
        QFile::remove(building);
        throw adodb::ComError(adodb::err::ProviderGeneric,
                              QStringLiteral("No se puede escribir la plantilla %1.").arg(path));
    }
}

int terminalTemplateVersion()
{
    return kTerminalTemplateVersion;
}

QString terminalTemplatePath()
{
    return QDir(paths::appFolder()).filePath(QStringLiteral("Plantilla.mdb"));
}

bool refreshTerminalTemplate(const QString& path)
{
    if (!QFileInfo::exists(path))
        return false;
    // A file that does not open as a database is no template: it is rebuilt too.
    int version = 0;
    try {
        adodb::Connection current;
        current.openFile(path, false, false);
        version = current.execute(QStringLiteral("PRAGMA user_version")).field(0).value().toInt();
    } catch (const adodb::ComError&) {
        version = 0;
    }
    if (version >= kTerminalTemplateVersion)
        return false;
    createTerminalTemplate(path);
    return true;
}

} // namespace schema
