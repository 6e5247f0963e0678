#pragma once

// Shared between the sources of the data layer; not for its users.

#include "platform/adodb/adodb.h"

#include <QHash>
#include <sqlite3.h>

#include <vector>

namespace adodb {

struct TableInfo {
    QStringList columns;
    QStringList primaryKey;  // in key order
    bool loaded = false;
};

struct ConnectionData {
    sqlite3* db = nullptr;
    QString path;
    QString databaseName;  // the file's name without extension, for the providers' texts
    QList<Error> errors;
    int commandTimeout = 30;
    QHash<QString, TableInfo> tables;  // keyed by upper-cased name
    qint64 opening = 0;                // which opening of any connection this is, counted from 1

    ~ConnectionData();
    void requireOpen() const;
    const TableInfo& tableInfo(const QString& table);
};

struct ColumnInfo {
    QString name;
    QString table;   // the table the column comes from, empty for expressions
    QString origin;  // the column's name in that table
    DataType type = DataType::Empty;
};

struct Row {
    std::vector<QVariant> values;
    int bookmark = 0;
};

// The rows and columns of one statement's result.
struct ResultSet {
    bool hasColumns = false;
    std::vector<ColumnInfo> columns;
    std::vector<Row> rows;
};

struct RecordsetData {
    std::shared_ptr<ConnectionData> connection;
    QString source;
    bool open = false;
    std::vector<ColumnInfo> columns;
    QHash<QString, int> columnIndex;  // upper-cased name -> index
    std::vector<Row> rows;
    int pos = 0;                 // index of the current row; -1 BOF, rows.size() EOF
    bool currentDeleted = false; // the current row was deleted; pos is where the next one stands
    EditMode mode = EditMode::None;
    std::vector<QVariant> original;  // the row as read, while it is being edited
    int nextBookmark = 1;
    QString baseTable;

    void load(ResultSet&& result);
    bool onRow() const { return pos >= 0 && pos < int(rows.size()) && !currentDeleted; }
    void requireRow() const;
    void requireOpen() const;
    int columnOf(const QString& name) const;
    void commitPending();
};

// Raises the error after putting it into the connection's list (replacing what it held).
[[noreturn]] void raiseProvider(ConnectionData& c, long number, long nativeError, const QString& sqlState,
                                const QString& description);

// Another process held the database past the command time-out.
[[noreturn]] void raiseBusy(ConnectionData& c);

// Turns a failed SQLite call into the provider error that a server would have given, and raises it.
// stmt, when given, is the statement that failed (still prepared, with its bindings).
[[noreturn]] void raiseSqlite(ConnectionData& c, int rc, const QString& sql, sqlite3_stmt* stmt = nullptr);

// Prepares and runs one statement; rows are collected when it returns columns.
ResultSet runStatement(ConnectionData& c, const QString& sql, const QVariantList& bindings = {},
                       long* changes = nullptr);

// Runs a registered procedure when the statement calls one ("EXEC name args" or "name args"),
// returning true and its recordset.
bool runProcedureCall(const std::shared_ptr<ConnectionData>& c, const QString& statement, Recordset* result);

void bindValue(sqlite3_stmt* stmt, int index, const QVariant& value);
QVariant readValue(sqlite3_stmt* stmt, int column, DataType type);
// The same, when the value's storage class (SQLITE_INTEGER...) is already known.
QVariant readValue(sqlite3_stmt* stmt, int column, DataType type, int storage);
DataType typeFromDeclared(const char* declared);

void registerFunctions(sqlite3* db);

Recordset wrapRecordset(std::shared_ptr<RecordsetData> data);
Connection wrapConnection(std::shared_ptr<ConnectionData> data);

} // namespace adodb
