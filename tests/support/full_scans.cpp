#include "full_scans.h"

#include <sqlite3.h>

namespace testsupport {

FullScans::FullScans(const adodb::Connection& connection) : m_db(connection.handle())
{
    sqlite3_trace_v2(m_db, SQLITE_TRACE_PROFILE, &FullScans::traced, this);
}

FullScans::~FullScans()
{
    sqlite3_trace_v2(m_db, 0, nullptr, nullptr);
}

int FullScans::traced(unsigned event, void* self, void* statement, void*)
{
    if (event != SQLITE_TRACE_PROFILE)
        return 0;
    auto* stmt = static_cast<sqlite3_stmt*>(statement);
    if (const int steps = sqlite3_stmt_status(stmt, SQLITE_STMTSTATUS_FULLSCAN_STEP, 0); steps > 0)
        static_cast<FullScans*>(self)->m_statements << QStringLiteral("%1 steps: %2").arg(steps).arg(QString::fromUtf8(sqlite3_sql(stmt)));
    return 0;
}

} // namespace testsupport
