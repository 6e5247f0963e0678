#include "schema/upgrade.h"

#include "platform/keys/key_file_error.h"
#include "schema/central_checks.h"
#include "schema/key_file_check.h"
#include "schema/schema.h"

#include <QDir>
#include <QFile>
#include <QMap>
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

QStringList tableNames(adodb::Connection& connection)
{
    QStringList names;
    for (adodb::Recordset rs = connection.execute(
             QStringLiteral("SELECT name FROM sqlite_master WHERE type = 'table' AND substr(name, 1, 7) <> 'sqlite_'"));
         !rs.eof(); rs.moveNext())
        names << rs.field(0).text();
    return names;
}

QMap<QString, qint64> rowCounts(adodb::Connection& connection)
{
    QMap<QString, qint64> counts;
    for (const QString& table : tableNames(connection)) {
        QString quoted = table;
        quoted.replace(QLatin1Char('"'), QStringLiteral("\"\""));
        counts.insert(table, connection.execute(QStringLiteral("SELECT count(*) FROM \"%1\"").arg(quoted))
                                 .field(0).value().toLongLong());
    }
    return counts;
}

// "paso 6: 5 filas de ProductosXSubmenu" for every table that the step left with fewer rows (a
// table rebuilt under its name is compared by that name; a table dropped lost all of them).
QStringList rowsRemoved(int version, const QMap<QString, qint64>& before, const QMap<QString, qint64>& after)
{
    QStringList lines;
    for (auto it = before.begin(); it != before.end(); ++it) {
        const qint64 removed = it.value() - after.value(it.key(), 0);
        if (removed > 0)
            lines << QStringLiteral("paso %1: %2 %3 de %4")
                         .arg(version)
                         .arg(removed)
                         .arg(removed == 1 ? QStringLiteral("fila") : QStringLiteral("filas"), it.key());
    }
    return lines;
}

// A database without the key file's check value gets the one of the key file present now.
void recordKeyFileWhenPossible(adodb::Connection& connection)
{
    if (!tableNames(connection).contains(QStringLiteral("KeyFileCheck")))
        return;
    try {
        recordKeyFile(connection);
    } catch (const KeyFileError&) {
        // None to record: the first accepted login records it.
    }
}

// Runs the steps after version `from` inside the open transaction; returns the rows they removed.
QStringList runSteps(adodb::Connection& connection, const QList<UpgradeStep>& steps, int from, int to)
{
    QStringList removed;
    QMap<QString, qint64> counts = rowCounts(connection);
    for (const UpgradeStep& step : steps) {
        if (step.version <= from)
            continue;
        try {
            connection.execute(step.script);
        } catch (const adodb::ComError& e) {
            throw stepError(QStringLiteral("el paso %1 falló: %2").arg(step.version).arg(e.description()));
        }
        const QMap<QString, qint64> after = rowCounts(connection);
        removed << rowsRemoved(step.version, counts, after);
        counts = after;
    }
    recordKeyFileWhenPossible(connection);
    connection.execute(QStringLiteral("PRAGMA user_version = %1").arg(to));
    if (const QString dangling = danglingReferences(connection); !dangling.isEmpty())
        throw stepError(dangling);
    return removed;
}

UpgradeOutcome failed(int from, int to, const QString& reason)
{
    const QString what = to > 0 ? QStringLiteral("No se pudo actualizar la base de datos de la versión %1 a la %2")
                                      .arg(from).arg(to)
                                : QStringLiteral("No se pudo actualizar la base de datos");
    return {UpgradeResult::Failed, from, to,
            what + QStringLiteral(": ") + reason + QStringLiteral("\nLa base de datos quedó como estaba."), QString(), {}};
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
        return {UpgradeResult::Newer, from, to, kNewerDatabase, QString(), {}};
    if (stored == to)
        return {UpgradeResult::UpToDate, from, to, QString(), QString(), {}};

    const QString backup = connection.filePath() + QStringLiteral(".v%1.bak").arg(from);
    try {
        backUp(connection, backup);
    } catch (const adodb::ComError& e) {
        return failed(from, to, e.description());
    }

    UpgradeOutcome outcome{UpgradeResult::Upgraded, from, to, QString(), backup, {}};
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
            outcome.removed = runSteps(connection, steps, from, to);
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
    if (const QString motivo = centralUnusable(connection); !motivo.isEmpty())
        return motivo;
    const UpgradeOutcome resultado = upgradeCentral(connection);
    if (resultado.result == UpgradeResult::Newer || resultado.result == UpgradeResult::Failed)
        return resultado.message;
    if (resultado.result == UpgradeResult::Upgraded && nota) {
        *nota = QStringLiteral("Base de datos actualizada a la versión %1 del esquema; copia previa: %2")
                    .arg(resultado.to)
                    .arg(resultado.backup);
        if (!resultado.removed.isEmpty())
            *nota += QStringLiteral("; filas quitadas: ") + resultado.removed.join(QStringLiteral(", "));
    }
    try {
        // The central database is opened as it is stored; a copy put back from a backup is in
        // the rollback journal's mode.
        connection.execute(QStringLiteral("PRAGMA journal_mode=WAL"));
    } catch (const adodb::ComError& e) {
        connection.errors().clear();
        return e.description();
    }
    try {
        refreshTerminalTemplate(terminalTemplatePath());
    } catch (const adodb::ComError& e) {
        return QStringLiteral("No se pudo reconstruir la plantilla de las terminales: ") + e.description();
    }
    return QString();
}

} // namespace schema
