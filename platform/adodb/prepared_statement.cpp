#include "platform/adodb/internal.h"

namespace adodb {

PreparedStatement::PreparedStatement(const Connection& connection, const QString& sql)
    : d(connection.d), m_sql(sql)
{
    if (!d)
        throw ComError(err::ObjectClosed, QStringLiteral("No se permite la operación si el objeto está cerrado."));
    d->requireOpen();
    const QByteArray utf8 = sql.toUtf8();
    const int rc = sqlite3_prepare_v3(d->db, utf8.constData(), int(utf8.size()), SQLITE_PREPARE_PERSISTENT, &m_stmt,
                                      nullptr);
    if (rc != SQLITE_OK)
        raiseSqlite(*d, rc, sql);
}

PreparedStatement::~PreparedStatement()
{
    sqlite3_finalize(m_stmt);
}

void PreparedStatement::bind(const QVariantList& values)
{
    d->requireOpen();
    sqlite3_reset(m_stmt);
    sqlite3_clear_bindings(m_stmt);
    for (int i = 0; i < values.size(); ++i)
        bindValue(m_stmt, i + 1, values.at(i));
}

void PreparedStatement::fail(int rc)
{
    try {
        raiseSqlite(*d, rc, m_sql, m_stmt);
    } catch (...) {
        // A statement left unreset would keep its read open.
        sqlite3_reset(m_stmt);
        throw;
    }
}

long PreparedStatement::run(const QVariantList& values)
{
    bind(values);
    const sqlite3_int64 before = sqlite3_total_changes64(d->db);
    int rc = SQLITE_ROW;
    while (rc == SQLITE_ROW)
        rc = sqlite3_step(m_stmt);
    if (rc != SQLITE_DONE)
        fail(rc);
    sqlite3_reset(m_stmt);
    return sqlite3_total_changes64(d->db) != before ? long(sqlite3_changes(d->db)) : 0;
}

QVariantList PreparedStatement::firstRow(const QVariantList& values)
{
    bind(values);
    const int rc = sqlite3_step(m_stmt);
    QVariantList row;
    if (rc == SQLITE_ROW) {
        for (int i = 0; i < sqlite3_column_count(m_stmt); ++i)
            row.append(readValue(m_stmt, i, DataType::Empty));
    } else if (rc != SQLITE_DONE) {
        fail(rc);
    }
    sqlite3_reset(m_stmt);
    return row;
}

void PreparedStatement::forEachRow(const QVariantList& values, const std::function<void(const RowReader&)>& row)
{
    bind(values);
    const RowReader reader(m_stmt);
    int rc = sqlite3_step(m_stmt);
    try {
        for (; rc == SQLITE_ROW; rc = sqlite3_step(m_stmt))
            row(reader);
    } catch (...) {
        sqlite3_reset(m_stmt);
        throw;
    }
    if (rc != SQLITE_DONE)
        fail(rc);
    sqlite3_reset(m_stmt);
}

bool RowReader::isNull(int column) const
{
    return sqlite3_column_type(m_stmt, column) == SQLITE_NULL;
}

qint64 RowReader::integer(int column) const
{
    return sqlite3_column_int64(m_stmt, column);
}

double RowReader::real(int column) const
{
    return sqlite3_column_double(m_stmt, column);
}

} // namespace adodb
