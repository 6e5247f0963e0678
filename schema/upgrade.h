#pragma once

#include "platform/adodb/adodb.h"

#include <QList>
#include <QString>
#include <QStringList>

// The schema version of the central database (PRAGMA user_version) and the steps that bring an
// older database up to date. A step is a script "NNN.sql" that takes the database from version
// NNN-1 to NNN; version 1 is what the first set-up command wrote (its databases carry 0).
namespace schema {

struct UpgradeStep {
    int version = 0;
    QString script;
};

// Where the program keeps its steps.
QString upgradeFolder();

// The steps of folder in order. Raises adodb::ComError for a file not named NNN.sql, a gap in
// the run 2..N, or an unreadable file.
QList<UpgradeStep> upgradeSteps(const QString& folder = upgradeFolder());

// The version that the steps reach: the highest, 1 without steps.
int schemaVersion(const QList<UpgradeStep>& steps);
// The version of the program's schema (the one that central.sql writes).
int schemaVersion();

enum class UpgradeResult {
    UpToDate,
    Upgraded,
    Newer,   // a newer program wrote the database: refused, nothing changed
    Failed,  // nothing changed
};

struct UpgradeOutcome {
    UpgradeResult result = UpgradeResult::Failed;
    int from = 0;
    int to = 0;
    QString message;  // Spanish, for Newer and Failed
    QString backup;   // the copy made before the steps
    QStringList removed;  // "paso N: R filas de TABLA", for each table a step left with fewer rows
};

inline const QString kNewerDatabase = QStringLiteral("La base de datos es de una versión más nueva que este programa");

// Brings the open central database up to the steps' version: a copy "<file>.v<from>.bak" first,
// then every missing step and the new version in one transaction, whose foreign keys are checked
// before the commit. Any failure rolls everything back.
UpgradeOutcome upgradeCentral(adodb::Connection& connection, const QString& folder = upgradeFolder());

// What every way into the program does right after connecting: a database that is no central
// one, that this user cannot write or that another process holds refused (centralUnusable), then
// the central database and the terminal template brought up to this program's schema. Returns why
// not (Spanish; nothing was changed), or empty. `nota` receives the log line of an upgrade made,
// with the rows its steps removed, when there was one.
QString bringUpToDate(adodb::Connection& connection, QString* nota);

} // namespace schema
