#pragma once

#include "bench/reports_year.h"

#include <string>

struct sqlite3;

// Plain SQLite on the bare connection: statements stepped to their last row, each column read in
// its own type, as the gateway reads them.
namespace desnudo {

// The rows of the statement; `suma` gets the sum of its column `columna` (-1: none).
long long recorre(sqlite3* db, const std::string& sql, int columna = -1, double* suma = nullptr);

// Every figure of the daily sales report, from plain statements that read the period's items once
// (with each item's modifiers, taxes and courtesies), then the taxes and courtesies per type, the
// guests per day part and the payments, folded per day part and category in C++. Returns the net
// sales, to be compared with the window's.
double ventas(sqlite3* db, const anogenerado::Periodo& p);

} // namespace desnudo
