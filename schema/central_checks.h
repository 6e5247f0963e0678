#pragma once

#include "platform/adodb/adodb.h"

#include <QString>

namespace schema {

// Why the open central database cannot be worked on, or empty: the file is empty or another
// program's, this user cannot write it, or another process held its lock past the connection's
// command time-out. Only reads and an empty write transaction are tried, so nothing is written.
QString centralUnusable(adodb::Connection& connection);

} // namespace schema
