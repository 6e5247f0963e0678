#include "platform/adodb/internal.h"
#include "platform/paths/paths.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>

#include <climits>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace adodb {

namespace {

QHash<QString, QString> parseConnectionString(const QString& text)
{
    QHash<QString, QString> out;
    int i = 0;
    while (i < text.size()) {
        const int eq = text.indexOf(QLatin1Char('='), i);
        if (eq < 0)
            break;
        const QString key = text.mid(i, eq - i).trimmed().toLower();
        int j = eq + 1;
        QString value;
        if (j < text.size() && text.at(j) == QLatin1Char('{')) {
            const int close = text.indexOf(QLatin1Char('}'), j);
            value = text.mid(j + 1, (close < 0 ? text.size() : close) - j - 1);
            j = close < 0 ? text.size() : close + 1;
            const int semi = text.indexOf(QLatin1Char(';'), j);
            j = semi < 0 ? text.size() : semi + 1;
        } else {
            const int semi = text.indexOf(QLatin1Char(';'), j);
            value = text.mid(j, (semi < 0 ? text.size() : semi) - j).trimmed();
            j = semi < 0 ? text.size() : semi + 1;
        }
        out.insert(key, value);
        i = j;
    }
    return out;
}

QString centralFolder(const QString& server)
{
    const QString s = server.trimmed();
    if (s.isEmpty() || s == QLatin1String(".") || s.compare(QLatin1String("(local)"), Qt::CaseInsensitive) == 0
        || s.compare(QLatin1String("localhost"), Qt::CaseInsensitive) == 0)
        return paths::dataRoot();
    if (s.contains(QLatin1Char('\\')) || (s.size() >= 2 && s.at(1) == QLatin1Char(':')))
        return paths::toLocal(s);
    return QDir(s).absolutePath();
}

QString sqlText(sqlite3_stmt* stmt, int column)
{
    const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(stmt, column));
    return QString::fromUtf8(text, sqlite3_column_bytes(stmt, column));
}

QVariant parseDate(const QString& text)
{
    if (text.size() >= 19) {
        const QDateTime dt = QDateTime::fromString(text.left(19), Qt::ISODate);
        if (dt.isValid())
            return dt;
    } else if (text.size() == 10) {
        const QDate d = QDate::fromString(text, Qt::ISODate);
        if (d.isValid())
            return QDateTime(d, QTime(0, 0));
    }
    return text;
}

// The texts a column repeats down its rows (names, products, days) are read once and shared by every
// row that holds them, so that a long result costs one string per distinct text, not one per cell.
// A column of mostly different texts soon stops being remembered.
class RepeatedTexts {
public:
    QVariant value(sqlite3_stmt* stmt, int column, DataType type)
    {
        const auto* bytes = reinterpret_cast<const char*>(sqlite3_column_text(stmt, column));
        const std::string_view text(bytes, size_t(sqlite3_column_bytes(stmt, column)));
        if (m_full || text.size() > kLongest)
            return readValue(stmt, column, type, SQLITE_TEXT);
        ++m_reads;
        if (const auto seen = m_seen.find(text); seen != m_seen.end()) {
            ++m_repeats;
            return seen->second;
        }
        QVariant read = readValue(stmt, column, type, SQLITE_TEXT);
        m_seen.emplace(std::string(text), read);
        m_full = m_seen.size() >= kMostTexts || (m_reads >= kTrial && m_repeats * 4 < m_reads);
        return read;
    }

private:
    static constexpr size_t kLongest = 64;
    static constexpr size_t kMostTexts = 1024;
    // A column that repeats under a quarter of its first texts is not worth remembering.
    static constexpr size_t kTrial = 64;
    size_t m_reads = 0;
    size_t m_repeats = 0;
    struct Hash {
        using is_transparent = void;
        size_t operator()(std::string_view s) const { return std::hash<std::string_view>{}(s); }
    };
    std::unordered_map<std::string, QVariant, Hash, std::equal_to<>> m_seen;
    bool m_full = false;
};

int busyMilliseconds(int seconds)
{
    const long long ms = qMax(0LL, static_cast<long long>(seconds) * 1000);
    return int(qMin<long long>(ms, INT_MAX));
}

} // namespace

ConnectionData::~ConnectionData()
{
    if (db)
        sqlite3_close_v2(db);
}

void ConnectionData::requireOpen() const
{
    if (!db)
        throw ComError(err::ObjectNotOpen, QStringLiteral("La conexión no está abierta."));
}

const TableInfo& ConnectionData::tableInfo(const QString& table)
{
    TableInfo& info = tables[table.toUpper()];
    if (info.loaded)
        return info;
    sqlite3_stmt* stmt = nullptr;
    const QByteArray q = "PRAGMA table_info(\"" + table.toUtf8() + "\")";
    QList<QPair<int, QString>> keys;
    if (sqlite3_prepare_v2(db, q.constData(), -1, &stmt, nullptr) == SQLITE_OK) {
        while (sqlite3_step(stmt) == SQLITE_ROW) {
            const QString name = sqlText(stmt, 1);
            info.columns << name;
            if (const int pk = sqlite3_column_int(stmt, 5); pk > 0)
                keys.append({pk, name});
        }
    }
    sqlite3_finalize(stmt);
    std::sort(keys.begin(), keys.end());
    for (const auto& k : keys)
        info.primaryKey << k.second;
    info.loaded = true;
    return info;
}

DataType typeFromDeclared(const char* declared)
{
    if (!declared)
        return DataType::Empty;
    const QByteArray t = QByteArray(declared).toUpper();
    if (t.contains("MONEY") || t.contains("CURRENCY"))
        return DataType::Currency;
    if (t.contains("BIT") || t.contains("BOOL"))
        return DataType::Boolean;
    if (t.contains("DATE") || t.contains("TIME"))
        return DataType::DBTimeStamp;
    if (t.contains("INT"))
        return DataType::Integer;
    if (t.startsWith("CHAR") || t.startsWith("NCHAR"))
        return DataType::Char;
    if (t.contains("CHAR") || t.contains("TEXT") || t.contains("CLOB"))
        return DataType::VarChar;
    if (t.contains("REAL") || t.contains("FLOA") || t.contains("DOUB") || t.contains("NUM") || t.contains("DEC"))
        return DataType::Double;
    return DataType::VarChar;
}

QVariant readValue(sqlite3_stmt* stmt, int column, DataType type)
{
    return readValue(stmt, column, type, sqlite3_column_type(stmt, column));
}

QVariant readValue(sqlite3_stmt* stmt, int column, DataType type, int storage)
{
    switch (storage) {
    case SQLITE_NULL:
        return QVariant();
    case SQLITE_INTEGER: {
        const sqlite3_int64 v = sqlite3_column_int64(stmt, column);
        if (type == DataType::Boolean)
            return QVariant(v != 0);
        if (type == DataType::Currency || type == DataType::Double)
            return QVariant(double(v));
        if (v >= INT_MIN && v <= INT_MAX)
            return QVariant(int(v));
        return QVariant(qlonglong(v));
    }
    case SQLITE_FLOAT: {
        const double v = sqlite3_column_double(stmt, column);
        if (type == DataType::Boolean)
            return QVariant(v != 0.0);
        return QVariant(v);
    }
    case SQLITE_BLOB:
        return QByteArray(static_cast<const char*>(sqlite3_column_blob(stmt, column)), sqlite3_column_bytes(stmt, column));
    default: {
        const QString text = sqlText(stmt, column);
        return type == DataType::DBTimeStamp ? parseDate(text) : QVariant(text);
    }
    }
}

void bindValue(sqlite3_stmt* stmt, int index, const QVariant& value)
{
    if (value.isNull() || !value.isValid()) {
        sqlite3_bind_null(stmt, index);
        return;
    }
    switch (value.metaType().id()) {
    case QMetaType::Bool:
        sqlite3_bind_int(stmt, index, value.toBool() ? 1 : 0);
        break;
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::Long:
    case QMetaType::LongLong:
    case QMetaType::Short:
    case QMetaType::UShort:
    case QMetaType::Char:
    case QMetaType::SChar:
    case QMetaType::UChar:
        sqlite3_bind_int64(stmt, index, value.toLongLong());
        break;
    case QMetaType::ULongLong:
    case QMetaType::ULong:
        sqlite3_bind_int64(stmt, index, sqlite3_int64(value.toULongLong()));
        break;
    case QMetaType::Double:
    case QMetaType::Float:
        sqlite3_bind_double(stmt, index, value.toDouble());
        break;
    case QMetaType::QDateTime: {
        const QByteArray t = value.toDateTime().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")).toUtf8();
        sqlite3_bind_text(stmt, index, t.constData(), int(t.size()), SQLITE_TRANSIENT);
        break;
    }
    case QMetaType::QDate: {
        const QByteArray t = value.toDate().toString(QStringLiteral("yyyy-MM-dd 00:00:00")).toUtf8();
        sqlite3_bind_text(stmt, index, t.constData(), int(t.size()), SQLITE_TRANSIENT);
        break;
    }
    case QMetaType::QByteArray: {
        const QByteArray b = value.toByteArray();
        sqlite3_bind_blob(stmt, index, b.constData(), int(b.size()), SQLITE_TRANSIENT);
        break;
    }
    default: {
        const QByteArray t = value.toString().toUtf8();
        sqlite3_bind_text(stmt, index, t.constData(), int(t.size()), SQLITE_TRANSIENT);
        break;
    }
    }
}

ResultSet runStatement(ConnectionData& c, const QString& sql, const QVariantList& bindings, long* changes)
{
    c.requireOpen();
    ResultSet result;
    const QByteArray utf8 = sql.toUtf8();
    sqlite3_stmt* stmt = nullptr;
    int rc = sqlite3_prepare_v2(c.db, utf8.constData(), int(utf8.size()), &stmt, nullptr);
    if (rc != SQLITE_OK)
        raiseSqlite(c, rc, sql);
    if (!stmt) {  // only blanks or comments
        return result;
    }
    struct Finalizer {
        sqlite3_stmt* s;
        ~Finalizer() { sqlite3_finalize(s); }
    } finalizer{stmt};

    for (int i = 0; i < bindings.size(); ++i)
        bindValue(stmt, i + 1, bindings.at(i));

    const int columnCount = sqlite3_column_count(stmt);
    result.hasColumns = columnCount > 0;
    result.columns.resize(columnCount);
    for (int i = 0; i < columnCount; ++i) {
        ColumnInfo& col = result.columns[i];
        col.name = QString::fromUtf8(sqlite3_column_name(stmt, i));
        if (const char* t = sqlite3_column_table_name(stmt, i))
            col.table = QString::fromUtf8(t);
        if (const char* o = sqlite3_column_origin_name(stmt, i))
            col.origin = QString::fromUtf8(o);
        col.type = typeFromDeclared(sqlite3_column_decltype(stmt, i));
    }

    const sqlite3_int64 changedBefore = sqlite3_total_changes64(c.db);
    std::vector<RepeatedTexts> texts(columnCount);
    int bookmark = 1;
    while ((rc = sqlite3_step(stmt)) == SQLITE_ROW) {
        Row& row = result.rows.emplace_back();
        row.bookmark = bookmark++;
        row.values.reserve(columnCount);
        for (int i = 0; i < columnCount; ++i) {
            ColumnInfo& col = result.columns[i];
            const int storage = sqlite3_column_type(stmt, i);
            if (col.type == DataType::Empty) {
                // An expression column takes its type from the first value it shows.
                switch (storage) {
                case SQLITE_INTEGER: col.type = DataType::Integer; break;
                case SQLITE_FLOAT: col.type = DataType::Double; break;
                case SQLITE_TEXT: col.type = DataType::VarChar; break;
                default: break;
                }
            }
            row.values.push_back(storage == SQLITE_TEXT ? texts[i].value(stmt, i, col.type)
                                                        : readValue(stmt, i, col.type, storage));
        }
    }
    if (rc != SQLITE_DONE)
        raiseSqlite(c, rc, sql, stmt);
    for (ColumnInfo& col : result.columns)
        if (col.type == DataType::Empty)
            col.type = DataType::VarChar;
    // sqlite3_changes keeps the last DML's count across DDL; count only what this statement did.
    if (changes)
        *changes = sqlite3_total_changes64(c.db) != changedBefore ? sqlite3_changes(c.db) : 0;
    return result;
}

Connection::Connection()
    : d(std::make_shared<ConnectionData>())
{
}

Connection wrapConnection(std::shared_ptr<ConnectionData> data)
{
    return Connection(std::move(data));
}

void Connection::openFile(const QString& filePath, bool createIfMissing, bool wal)
{
    openDatabase(filePath, createIfMissing, wal ? Journal::Wal : Journal::Rollback);
}

void Connection::openDatabase(const QString& filePath, bool createIfMissing, Journal journal)
{
    if (!d)
        d = std::make_shared<ConnectionData>();
    close();
    d->path = filePath;
    d->databaseName = QFileInfo(filePath).completeBaseName();
    if (!createIfMissing && !QFileInfo(filePath).isFile()) {
        raiseProvider(*d, err::ProviderGeneric, native::SqliteBase + SQLITE_CANTOPEN, QStringLiteral("08001"),
                      QStringLiteral("No existe la base de datos '%1'.").arg(filePath));
    }
    // A connection is used only by the thread that opened it: no lock around every call.
    int flags = SQLITE_OPEN_READWRITE | SQLITE_OPEN_NOMUTEX;
    if (createIfMissing)
        flags |= SQLITE_OPEN_CREATE;
    sqlite3* db = nullptr;
    int rc = sqlite3_open_v2(QFile::encodeName(filePath).constData(), &db, flags, nullptr);
    if (rc == SQLITE_OK) {
        sqlite3_extended_result_codes(db, 1);
        sqlite3_busy_timeout(db, busyMilliseconds(d->commandTimeout));
        // A file that is no database fails here, at the first read; reading writes nothing.
        const char* firstRead = journal == Journal::Wal        ? "PRAGMA journal_mode=WAL"
                                : journal == Journal::Rollback ? "PRAGMA journal_mode=DELETE"
                                                               : "SELECT count(*) FROM sqlite_master";
        rc = sqlite3_exec(db, firstRead, nullptr, nullptr, nullptr);
    }
    if (rc != SQLITE_OK) {
        const QString message = db ? QString::fromUtf8(sqlite3_errmsg(db)) : QStringLiteral("sin memoria");
        sqlite3_close_v2(db);
        if ((rc & 0xFF) == SQLITE_BUSY || (rc & 0xFF) == SQLITE_LOCKED)
            raiseBusy(*d);
        raiseProvider(*d, err::ProviderGeneric, native::SqliteBase + rc, QStringLiteral("08001"),
                      QStringLiteral("No se puede abrir la base de datos '%1': %2").arg(filePath, message));
    }
    sqlite3_exec(db, "PRAGMA foreign_keys=ON", nullptr, nullptr, nullptr);
    registerFunctions(db);
    d->db = db;
    static qint64 openings = 0;
    d->opening = ++openings;
    setCommandTimeout(d->commandTimeout);
}

void Connection::open(const QString& connectionString, const QString& user, const QString& password)
{
    Q_UNUSED(user);
    Q_UNUSED(password);
    const QHash<QString, QString> parts = parseConnectionString(connectionString);
    if (parts.contains(QStringLiteral("dbq"))) {
        // A terminal's database: one file that must stay copyable while closed. A bare file name
        // lies in DefaultDir when the string gives one.
        const QString dbq = parts.value(QStringLiteral("dbq"));
        const QString folder = parts.value(QStringLiteral("defaultdir"));
        const bool bare = !dbq.contains(QLatin1Char('\\')) && !dbq.contains(QLatin1Char('/')) && !dbq.contains(QLatin1Char(':'));
        openFile(bare && !folder.isEmpty() ? QDir(paths::toLocal(folder)).filePath(dbq) : paths::toLocal(dbq), false, false);
        return;
    }
    const QString database = parts.value(QStringLiteral("database"));
    if (!d)
        d = std::make_shared<ConnectionData>();
    if (database.isEmpty()) {
        raiseProvider(*d, err::ProviderGeneric, native::SqliteBase + SQLITE_CANTOPEN, QStringLiteral("08001"),
                      QStringLiteral("La cadena de conexión no indica la base de datos."));
    }
    // Nothing is written on opening: the file may be empty or another program's, which whoever
    // opened it checks first.
    openDatabase(centralDatabasePath(parts.value(QStringLiteral("server")), database), false, Journal::AsStored);
}

QString centralDatabasePath(const QString& server, const QString& database)
{
    return QDir(centralFolder(server)).filePath(database.trimmed() + QStringLiteral(".db"));
}

void Connection::close()
{
    if (d && d->db) {
        sqlite3_close_v2(d->db);
        d->db = nullptr;
        d->tables.clear();
    }
}

bool Connection::isOpen() const
{
    return d && d->db;
}

QString Connection::filePath() const
{
    return d ? d->path : QString();
}

Recordset Connection::execute(const QString& sql, long* recordsAffected)
{
    d->requireOpen();
    long total = 0;
    Recordset first;
    const QStringList statements = splitStatements(sql);
    for (const QString& statement : statements) {
        Recordset rs;
        if (runProcedureCall(d, statement, &rs)) {
            if (first.isNull() && !rs.isNull() && rs.isOpen())
                first = rs;
            continue;
        }
        long changes = 0;
        ResultSet result = runStatement(*d, statement, {}, &changes);
        if (result.hasColumns) {
            if (first.isNull()) {
                auto data = std::make_shared<RecordsetData>();
                data->connection = d;
                data->source = statement;
                data->load(std::move(result));
                first = wrapRecordset(data);
            }
        } else {
            total += changes;
        }
    }
    if (recordsAffected)
        *recordsAffected = total;
    return first;
}

long Connection::executeBound(const QString& sql, const QVariantList& values)
{
    d->requireOpen();
    long changes = 0;
    runStatement(*d, sql, values, &changes);
    return changes;
}

void Connection::beginTrans()
{
    d->requireOpen();
    if (!sqlite3_get_autocommit(d->db))
        throw ComError(err::OperationNotAllowed, QStringLiteral("Ya hay una transacción abierta en esta conexión."));
    runStatement(*d, QStringLiteral("BEGIN"));
}

void Connection::commitTrans()
{
    d->requireOpen();
    if (sqlite3_get_autocommit(d->db))
        throw ComError(err::NotInTransaction, QStringLiteral("No hay ninguna transacción abierta."));
    runStatement(*d, QStringLiteral("COMMIT"));
}

void Connection::rollbackTrans()
{
    d->requireOpen();
    if (sqlite3_get_autocommit(d->db))
        throw ComError(err::NotInTransaction, QStringLiteral("No hay ninguna transacción abierta."));
    runStatement(*d, QStringLiteral("ROLLBACK"));
}

bool Connection::inTransaction() const
{
    return d && d->db && !sqlite3_get_autocommit(d->db);
}

ContentStamp Connection::contentStamp() const
{
    ContentStamp stamp;
    if (!d || !d->db)
        return stamp;
    sqlite3_stmt* stmt = nullptr;
    if (sqlite3_prepare_v2(d->db, "PRAGMA data_version", -1, &stmt, nullptr) == SQLITE_OK
        && sqlite3_step(stmt) == SQLITE_ROW) {
        stamp.opening = d->opening;
        stamp.others = sqlite3_column_int64(stmt, 0);
        stamp.own = sqlite3_total_changes64(d->db);
    }
    sqlite3_finalize(stmt);
    return stamp;
}

void Connection::setCommandTimeout(int seconds)
{
    d->commandTimeout = seconds;
    if (d->db)
        sqlite3_busy_timeout(d->db, busyMilliseconds(seconds));
}

int Connection::commandTimeout() const
{
    return d->commandTimeout;
}

QList<Error>& Connection::errors()
{
    return d->errors;
}

const QList<Error>& Connection::errors() const
{
    return d->errors;
}

sqlite3* Connection::handle() const
{
    return d ? d->db : nullptr;
}

} // namespace adodb
