#pragma once

#include "platform/adodb/adodb.h"

#include <QStringList>

struct sqlite3;

namespace testsupport {

// While it lives, notes every statement the connection finishes that stepped through a table from
// end to end (SQLite's full-scan steps), so that a test can see a statement read a whole history
// where it should find its rows by key. Only one may watch a connection at a time.
class FullScans {
public:
    explicit FullScans(const adodb::Connection& connection);
    ~FullScans();
    FullScans(const FullScans&) = delete;
    FullScans& operator=(const FullScans&) = delete;

    // "N steps: statement" for each finished statement that scanned, in order; empty when none did.
    const QStringList& statements() const { return m_statements; }

private:
    static int traced(unsigned event, void* self, void* statement, void* elapsed);

    sqlite3* m_db;
    QStringList m_statements;
};

} // namespace testsupport
