#pragma once

#include <sqlite3.h>

#include <string>

// A prepared insert for the benches' bulk loads: bind the values of one row, then run it.
struct Insercion {
    sqlite3_stmt* stmt = nullptr;
    Insercion(sqlite3* db, const char* sql) { sqlite3_prepare_v2(db, sql, -1, &stmt, nullptr); }
    ~Insercion() { sqlite3_finalize(stmt); }
    Insercion(const Insercion&) = delete;
    Insercion& operator=(const Insercion&) = delete;
    Insercion& entero(int i, long long v) { sqlite3_bind_int64(stmt, i, v); return *this; }
    Insercion& real(int i, double v) { sqlite3_bind_double(stmt, i, v); return *this; }
    Insercion& texto(int i, const std::string& v) { sqlite3_bind_text(stmt, i, v.c_str(), -1, SQLITE_TRANSIENT); return *this; }
    Insercion& nulo(int i) { sqlite3_bind_null(stmt, i); return *this; }
    void ejecuta() { sqlite3_step(stmt); sqlite3_reset(stmt); sqlite3_clear_bindings(stmt); }
};
