#pragma once

// Connection, Recordset, Field and Errors with the meaning that the gateway and the windows expect
// of a data-access library, over SQLite.
//
//  - A Connection and a Recordset are handles: copying one refers to the same object, a
//    default-constructed one refers to nothing (isNull()).
//  - A failure raises adodb::ComError (number, description, source). Provider failures also leave
//    their entries in the connection's error list (Connection::errors()), which callers clear.
//  - A recordset is a static client-side snapshot: it knows its record count, keeps its rows in
//    memory, and writes changes of the current row back to the row's table.

#include <QList>
#include <QString>
#include <QStringList>
#include <QVariant>

#include <functional>
#include <memory>
#include <stdexcept>

struct sqlite3;
struct sqlite3_stmt;

namespace adodb {

// Error numbers as the gateway's error handler reads them.
namespace err {
inline constexpr long ProviderGeneric = -2147467259;    // &H80004005: open failed
inline constexpr long ProviderSyntax = -2147217900;     // &H80040E14: the statement failed
inline constexpr long ProviderIntegrity = -2147217873;  // &H80040E2F: a constraint refused it
inline constexpr long ProviderLogin = -2147217843;      // &H80040E4D
inline constexpr long ProviderTimeout = -2147217871;    // &H80040E31
inline constexpr long NoCurrentRecord = 3021;           // BOF or EOF, or the row was deleted
inline constexpr long ObjectClosed = 3704;              // operation on a closed object
inline constexpr long ObjectNotOpen = 3709;             // the connection is not open
inline constexpr long BadArgument = 3001;               // wrong argument (bad bookmark, bad criteria)
inline constexpr long ItemNotFound = 3265;              // no field of that name or index
inline constexpr long RowNotFound = -2147217864;        // &H80040E38: the row changed or vanished
inline constexpr long OperationNotAllowed = 3219;      // not allowed in this context
inline constexpr long NotInTransaction = 3724;
}

// Native (server) error numbers carried by provider errors.
// SQLite failures with no server number of their own carry 100000 + SQLite's extended result code.
namespace native {
inline constexpr long SqliteBase = 100000;
inline constexpr long LostConnection = 232;
inline constexpr long ConstraintFailed = 3621;
inline constexpr long DuplicateKey = 2627;       // PRIMARY KEY or table UNIQUE constraint
inline constexpr long DuplicateIndex = 2601;     // unique index created by name
inline constexpr long ReferenceConflict = 547;   // foreign key refused the change
inline constexpr long NullNotAllowed = 515;
inline constexpr long InvalidObject = 208;       // no such table
inline constexpr long InvalidColumn = 207;
inline constexpr long SyntaxError = 102;
inline constexpr long RaisedByProcedure = 50000; // an error raised by a stored procedure
}

// The states that tell apart the failures reported with native LostConnection.
namespace sqlstate {
inline const QString LostConnection = QStringLiteral("08S01");  // the file cannot be reached
inline const QString DiskFull = QStringLiteral("53100");
inline const QString ReadOnly = QStringLiteral("25006");
inline const QString IoError = QStringLiteral("58030");
inline const QString Damaged = QStringLiteral("XX001");
inline const QString Busy = QStringLiteral("HYT00");  // another process held it past the time-out
}

// What a wait for another process's lock that ran out says (the error of SQL state Busy).
QString busyDescription();

// Descriptions of errors raised by a procedure begin with this 47-character source prefix, which
// the error handler cuts off before showing the message.
QString procedurePrefix();

// ADO's field type numbers.
enum class DataType : int {
    Empty = 0,
    Double = 5,
    Currency = 6,
    Date = 7,
    Boolean = 11,
    Integer = 3,
    BigInt = 20,
    Char = 129,
    DBTimeStamp = 135,
    VarChar = 200,
};

struct Error {
    long Number = 0;
    long NativeError = 0;
    QString SQLState;
    QString Description;
    QString Source;
};

class ComError : public std::runtime_error {
public:
    ComError(long number, const QString& description, const QString& source = QStringLiteral("ZORVA.adodb"));
    long number() const { return m_number; }
    const QString& description() const { return m_description; }
    const QString& source() const { return m_source; }

private:
    long m_number;
    QString m_description;
    QString m_source;
};

class Recordset;
class Connection;
struct ConnectionData;
struct RecordsetData;
Recordset wrapRecordset(std::shared_ptr<RecordsetData> data);
Connection wrapConnection(std::shared_ptr<ConnectionData> data);

// What a database held at one moment. Two stamps of one connection are equal only when nothing was
// committed in between, by that connection or any other; a stamp that could not be read equals none.
struct ContentStamp {
    qint64 opening = -1;  // which opening of a connection the counts below belong to
    qint64 others = -1;   // the file's data version, as that connection last saw it
    qint64 own = -1;      // rows that connection has changed since it opened
    bool operator==(const ContentStamp& o) const
    {
        return others >= 0 && opening == o.opening && others == o.others && own == o.own;
    }
};

class Connection {
public:
    Connection();  // a fresh, closed connection object
    static Connection null() { return Connection(nullptr); }
    bool isNull() const { return !d; }

    // "server=S;driver={SQL Server};database=D": the central database D.db in the folder that S
    // names ("."/"(local)"/"localhost": the data root), opened as it is stored: nothing is written
    // to it, not even its journal mode. "Driver={Microsoft Access Driver (*.mdb)};Dbq=PATH": a
    // terminal database file. A missing file is a failed open, never a new file; a file that is no
    // database fails at the first read. A lock held by another process past the command time-out
    // raises the error of SQL state Busy.
    void open(const QString& connectionString, const QString& user = QString(),
              const QString& password = QString());
    // Opens a database file directly (set-up, tests).
    void openFile(const QString& filePath, bool createIfMissing = false, bool wal = true);
    void close();
    bool isOpen() const;
    QString filePath() const;

    // Runs a statement or a script. The first statement that returns rows gives the recordset
    // (null otherwise). "EXEC name args" runs a registered procedure.
    Recordset execute(const QString& sql, long* recordsAffected = nullptr);
    // One statement with its values bound to the "?" marks, so that no value can break the text.
    long executeBound(const QString& sql, const QVariantList& values);

    void beginTrans();
    void commitTrans();
    void rollbackTrans();
    bool inTransaction() const;
    ContentStamp contentStamp() const;

    // Seconds; becomes the busy time-out: how long a statement waits for another process's lock.
    void setCommandTimeout(int seconds);
    int commandTimeout() const;

    QList<Error>& errors();
    const QList<Error>& errors() const;

    // The SQLite handle, for the few places (benchmarks, set-up) that need it.
    ::sqlite3* handle() const;

    bool operator==(const Connection& other) const { return d == other.d; }

private:
    enum class Journal { Wal, Rollback, AsStored };
    void openDatabase(const QString& filePath, bool createIfMissing, Journal journal);
    explicit Connection(std::nullptr_t) {}
    explicit Connection(std::shared_ptr<ConnectionData> data) : d(std::move(data)) {}
    friend class Recordset;
    friend class Procedures;
    friend class PreparedStatement;
    friend Connection wrapConnection(std::shared_ptr<ConnectionData> data);
    std::shared_ptr<ConnectionData> d;
};

// A row of a query as it is read, its columns by their index from 0, as stored: valid only while
// the row is handed over.
class RowReader {
public:
    bool isNull(int column) const;
    qint64 integer(int column) const;
    double real(int column) const;

private:
    friend class PreparedStatement;
    explicit RowReader(::sqlite3_stmt* stmt) : m_stmt(stmt) {}
    ::sqlite3_stmt* m_stmt;
};

// One statement prepared once and run many times, its "?" marks bound to each run's values, as a
// save of many rows writes them. A refusal raises as Connection::execute does, the connection's
// errors saying why; the statement stays usable for the next run.
class PreparedStatement {
public:
    PreparedStatement(const Connection& connection, const QString& sql);
    ~PreparedStatement();
    PreparedStatement(const PreparedStatement&) = delete;
    PreparedStatement& operator=(const PreparedStatement&) = delete;

    // Runs the statement with these values; the rows it changed.
    long run(const QVariantList& values);
    // Runs a query with these values; its first row as stored (integers, reals, texts, null), or
    // nothing when it returns no row.
    QVariantList firstRow(const QVariantList& values);
    // Runs a query with these values and hands each row to `row` as it is read, keeping none: for
    // summing many rows in one pass.
    void forEachRow(const QVariantList& values, const std::function<void(const RowReader&)>& row);

private:
    void bind(const QVariantList& values);
    [[noreturn]] void fail(int rc);
    std::shared_ptr<ConnectionData> d;
    QString m_sql;
    ::sqlite3_stmt* m_stmt = nullptr;
};

class Field {
public:
    QString name() const;
    DataType type() const;
    QVariant value() const;
    void setValue(const QVariant& value);
    // The value as text, "" for null.
    QString text() const { return value().toString(); }
    bool isNull() const { return value().isNull(); }
    int index() const { return m_index; }

private:
    friend class Recordset;
    Field(std::shared_ptr<RecordsetData> d, int index) : d(std::move(d)), m_index(index) {}
    std::shared_ptr<RecordsetData> d;
    int m_index;
};

enum class EditMode { None, InProgress, Add };
enum class SearchDirection { Forward = 1, Backward = -1 };

class Recordset {
public:
    Recordset() = default;  // refers to nothing
    bool isNull() const { return !d; }

    // Opens a static snapshot of the rows that sql returns.
    static Recordset open(const Connection& connection, const QString& sql);
    // A new recordset object, not open yet; openQuery opens it (raising on failure, when it stays
    // closed).
    static Recordset create();
    void openQuery(const Connection& connection, const QString& sql);
    bool isOpen() const;
    void close();
    QString source() const;
    Connection activeConnection() const;

    int recordCount() const;
    bool bof() const;
    bool eof() const;
    // 1-based position of the current row; PosBOF or PosEOF off the rows.
    static constexpr int PosBOF = -2;
    static constexpr int PosEOF = -3;
    int absolutePosition() const;
    void setAbsolutePosition(int position);

    void moveFirst();
    void moveLast();
    void moveNext();
    void movePrevious();
    void move(int rows);

    QVariant bookmark() const;
    void setBookmark(const QVariant& bookmark);

    // Reads the rows again from the same SQL; the cursor goes to the first row.
    void requery();

    // criteria: "col = 'v'", "col = 5", "col LIKE '%v%'" (also <, >, <=, >=, <>), case-insensitive.
    // Searches from the current row (after skipRows) in the direction given; not found leaves the
    // cursor at EOF (forward) or BOF (backward).
    void find(const QString& criteria, int skipRows = 0, SearchDirection direction = SearchDirection::Forward);

    int fieldCount() const;
    Field field(int index) const;
    Field field(const QString& name) const;  // case-insensitive
    Field operator[](const QString& name) const { return field(name); }
    Field operator[](int index) const { return field(index); }
    QVariant value(const QString& name) const { return field(name).value(); }
    bool hasField(const QString& name) const;
    QStringList fieldNames() const;
    // The recordset's columns that hold its table's primary key, in key order; empty when the
    // recordset does not show all of it.
    QStringList keyFields() const;

    // Rows added, edited and deleted are written to the row's table: AddNew then Update inserts,
    // a field assignment then Update updates, Delete deletes at once. Moving off a row with a
    // pending change commits it first; a refusal raises and the cursor stays.
    void addNew();
    void update();
    void cancelUpdate();
    void deleteCurrent();
    EditMode editMode() const;

    // Direct access for fast readers (grids): the value of a cell of the snapshot, 0-based row.
    QVariant cell(int row, int column) const;

    bool operator==(const Recordset& other) const { return d == other.d; }

private:
    friend Recordset wrapRecordset(std::shared_ptr<RecordsetData> data);
    std::shared_ptr<RecordsetData> d;
};

// Stored procedures: C++ routines that "EXEC name args" (or a bare "name args") runs. Arguments
// arrive parsed: quoted texts unquoted, numbers as numbers, NULL as a null variant. A routine
// raises ComError to fail; it may return a recordset.
using Procedure = std::function<Recordset(Connection& connection, const QVariantList& arguments)>;

class Procedures {
public:
    static void add(const QString& name, Procedure procedure);
    static bool contains(const QString& name);
    static Procedure find(const QString& name);
    // Raises a provider error with native 50000 and the procedure prefix, as a procedure would.
    [[noreturn]] static void raise(Connection& connection, const QString& message);
};

// The file of central database `database` on server `server`: ".", "(local)" and "localhost" (or
// nothing) mean the data root, a Windows path maps under it, any other word is a folder path.
QString centralDatabasePath(const QString& server, const QString& database);

// Splits a script into statements at the semicolons that end them (quotes, comments respected).
QStringList splitStatements(const QString& script);

// Rounds to n decimals, ties to the even neighbour.
double roundHalfEven(double value, int decimals);

} // namespace adodb
