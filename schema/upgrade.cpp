#include "schema/upgrade.h"

#include "schema/schema.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>

#include <cstdio>

namespace schema {

namespace {

adodb::ComError stepError(const QString& text)
{
    return adodb::ComError(adodb::err::ProviderGeneric, text);
}

int storedVersion(adodb::Connection& connection)
{
    return connection.execute(QStringLiteral("PRAGMA user_version")).field(0).value().toInt();
}

// A copy of the whole database that a reader can open on its own, put in place by a rename so
// that an older copy of the same version is replaced only by a complete one.
void backUp(adodb::Connection& connection, const QString& target)
{
    const QString building = target + QStringLiteral(".nuevo");
    QFile::remove(building);
    try {
        connection.executeBound(QStringLiteral("VACUUM INTO ?"), {building});
    } catch (const adodb::ComError& e) {
        QFile::remove(building);
        throw stepError(QStringLiteral("No se pudo hacer la copia de seguridad %1: %2").arg(target, e.description()));
    }
    if (std::rename(QFile::encodeName(building).constData(), QFile::encodeName(target).constData()) != 0) {
        QFile::remove(building);
        throw stepError(QStringLiteral("No se pudo hacer la copia de seguridad %1.").arg(target));
    }
}

QString danglingReferences(adodb::Connection& connection)
{
    adodb::Recordset rows = connection.execute(QStringLiteral("PRAGMA foreign_key_check"));
    if (rows.isNull() || rows.eof())
        return QString();
    return QStringLiteral("la tabla %1 tiene filas que apuntan a filas inexistentes de %2.")
        .arg(rows.field(0).text(), rows.field(2).text());
}

// Runs the steps after version `from` inside the open transaction.
void runSteps(adodb::Connection& connection, const QList<UpgradeStep>& steps, int from, int to)
{
    for (const UpgradeStep& step : steps) {
        if (step.version <= from)
            continue;
        try {
            connection.execute(step.script);
        } catch (const adodb::ComError& e) {
            throw stepError(QStringLiteral("el paso %1 falló: %2").arg(step.version).arg(e.description()));
        }
    }
    connection.execute(QStringLiteral("PRAGMA user_version = %1").arg(to));
    if (const QString dangling = danglingReferences(connection); !dangling.isEmpty())
        throw stepError(dangling);
}

UpgradeOutcome failed(int from, int to, const QString& reason)
{
    const QString what = to > 0 ? QStringLiteral("No se pudo actualizar la base de datos de la versión %1 a la %2")
                                      .arg(from).arg(to)
                                : QStringLiteral("No se pudo actualizar la base de datos");
    return {UpgradeResult::Failed, from, to,
            what + QStringLiteral(": ") + reason + QStringLiteral("\nLa base de datos quedó como estaba."), QString()};
}

} // namespace

QString upgradeFolder()
{
    return QStringLiteral(":/schema/upgrades");
}

QList<UpgradeStep> upgradeSteps(const QString& folder)
{
    static const QRegularExpression name(QStringLiteral("^(\\d{3})\\.sql$"));
    QList<UpgradeStep> steps;
    const QDir dir(folder);
    for (const QString& file : dir.entryList(QDir::Files, QDir::Name)) {
        const QRegularExpressionMatch match = name.match(file);
        if (!match.hasMatch())
            throw stepError(QStringLiteral("El paso de actualización %1 no se llama NNN.sql.").arg(file));
        QFile source(dir.filePath(file));
        if (!source.open(QIODevice::ReadOnly))
            throw stepError(QStringLiteral("No se puede leer el paso de actualización %1.").arg(file));
        steps.append({match.captured(1).toInt(), QString::fromUtf8(source.readAll())});
    }
    // The first step is 2: version 1 is the first set-up's schema.
    for (int i = 0; i < steps.size(); ++i) {
        if (steps.at(i).version != i + 2)
            throw stepError(QStringLiteral("Falta el paso de actualización %1.").arg(i + 2, 3, 10, QLatin1Char('0')));
    }
    return steps;
}

int schemaVersion(const QList<UpgradeStep>& steps)
{
    return steps.isEmpty() ? 1 : steps.last().version;
}

int schemaVersion()
{
    return schemaVersion(upgradeSteps());
}

UpgradeOutcome upgradeCentral(adodb::Connection& connection, const QString& folder)
{
    // Raises nothing: the caller only has to show the message.
    int stored = 0;
    QList<UpgradeStep> steps;
    try {
        stored = storedVersion(connection);
        steps = upgradeSteps(folder);
    } catch (const adodb::ComError& e) {
        return failed(stored, 0, e.description());
    }
    const int from = stored == 0 ? 1 : stored;
    const int to = schemaVersion(steps);
    if (stored > to)
        return {UpgradeResult::Newer, from, to, kNewerDatabase, QString()};
    if (stored == to)
        return {UpgradeResult::UpToDate, from, to, QString(), QString()};

    const QString backup = connection.filePath() + QStringLiteral(".v%1.bak").arg(from);
    try {
        backUp(connection, backup);
    } catch (const adodb::ComError& e) {
        return failed(from, to, e.description());
    }

    UpgradeOutcome outcome{UpgradeResult::Upgraded, from, to, QString(), backup};
    try {
        // A step may rebuild a table (new table, copy, drop, rename): the references are checked
        // once, at the end, and renaming the new table must not rewrite the views that name the
        // old one.
        connection.execute(QStringLiteral("PRAGMA foreign_keys = OFF; PRAGMA legacy_alter_table = ON"));
        // Immediate: a second program starting at the same moment waits here, then finds the
        // database up to date.
        connection.execute(QStringLiteral("BEGIN IMMEDIATE"));
        if (storedVersion(connection) != stored) {
            connection.rollbackTrans();
            outcome.result = UpgradeResult::UpToDate;
        } else {
            runSteps(connection, steps, from, to);
            connection.commitTrans();
        }
    } catch (const adodb::ComError& e) {
        outcome = failed(from, to, e.description());
    }
    try {
        if (connection.inTransaction())
            connection.rollbackTrans();
        connection.execute(QStringLiteral("PRAGMA legacy_alter_table = OFF; PRAGMA foreign_keys = ON"));
    } catch (const adodb::ComError& e) {
        if (outcome.result != UpgradeResult::Failed)
            outcome = failed(from, to, e.description());
    }
    if (outcome.result == UpgradeResult::UpToDate)
        return upgradeCentral(connection, folder);
    return outcome;
}

QString bringUpToDate(adodb::Connection& connection, QString* nota)
{
    const UpgradeOutcome resultado = upgradeCentral(connection);
    if (resultado.result == UpgradeResult::Newer || resultado.result == UpgradeResult::Failed)
        return resultado.message;
    if (resultado.result == UpgradeResult::Upgraded && nota)
        *nota = QStringLiteral("Base de datos actualizada a la versión %1 del esquema; copia previa: %2")
                    .arg(resultado.to)
                    .arg(resultado.backup);
    try {
        refreshTerminalTemplate(terminalTemplatePath());
    } catch (const adodb::ComError& e) {
        return QStringLiteral("No se pudo reconstruir la plantilla de las terminales: ") + e.description();
    }
    return QString();
}

} // namespace schema
