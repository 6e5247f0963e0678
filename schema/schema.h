#pragma once

#include "platform/adodb/adodb.h"

#include <QDate>
#include <QString>

// The central database and the terminal database template, written from the scripts of this
// folder.
namespace schema {

// Tables of the central database.
QString centralSql();
// Rows that a new central database starts with (rights, switches, parameters, day parts, company,
// the administrators' work group).
QString seedSql();
// Tables of the terminal database template, with its own starting row.
QString terminalSql();

// Writes the central tables, their starting rows and the program's schema version into the open,
// empty database, in one transaction; the working date becomes workingDate ("ddmmyyyy"). Raises adodb::ComError and
// leaves the database as it was when a statement is refused.
void createCentral(adodb::Connection& connection, const QDate& workingDate);
// The same, with today's date from the program's clock.
void createCentral(adodb::Connection& connection);

// Writes the terminal template to path (a SQLite file with a rollback journal, so that the closed
// file is the whole database). The file is built under a temporary name and renamed into place, so
// a reader never sees half of it; an existing file is replaced. Raises adodb::ComError.
void createTerminalTemplate(const QString& path);

// The template's schema version (its PRAGMA user_version), raised with every change to terminal.sql.
int terminalTemplateVersion();
// Plantilla.mdb in the program's folder.
QString terminalTemplatePath();
// Rebuilds the template at path when it was written by an older terminal.sql or is no database;
// a missing or current template is left alone. True when rebuilt. Raises adodb::ComError.
bool refreshTerminalTemplate(const QString& path);

} // namespace schema
