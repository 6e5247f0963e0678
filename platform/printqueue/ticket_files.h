#pragma once

#include "platform/adodb/adodb.h"

#include <QString>

// Tickets that no system printer takes are written as PDF files, one folder per database, so that
// two databases of one data root (whose job numbers both start at 1) never mix their tickets.
namespace ticketfiles {

// <data root>/tickets/<database name>.
QString folder(const adodb::Connection& conexion);

// Moves the written file into the folder as "<job>.pdf", or "<job>-2.pdf" and so on when that name
// is taken: a file already there is never replaced. Returns the file's path; empty when it could
// not be stored.
QString store(const QString& written, const adodb::Connection& conexion, qint32 trabajo);

} // namespace ticketfiles
