#include "platform/adodb/internal.h"

#include <QRegularExpression>

namespace adodb {

namespace {

QString quoted(const QString& name)
{
    return QLatin1Char('\'') + name + QLatin1Char('\'');
}

// Texts of names that go into a provider description must not carry commas: the gateway cuts the
// table's name out of a reference conflict by its commas.
QString safeName(QString name)
{
    return name.replace(QLatin1Char(','), QLatin1Char(' '));
}

QString statementVerb(const QString& sql)
{
    static const QRegularExpression re(QStringLiteral("^\\s*(INSERT|UPDATE|DELETE|REPLACE)"),
                                       QRegularExpression::CaseInsensitiveOption);
    const auto m = re.match(sql);
    return m.hasMatch() ? m.captured(1).toUpper() : QStringLiteral("DELETE");
}

QString statementTable(const QString& sql)
{
    static const QRegularExpression re(
        QStringLiteral("^\\s*(?:DELETE\\s+FROM|UPDATE|INSERT\\s+INTO|REPLACE\\s+INTO)\\s+[\\[\"`]?([A-Za-z0-9_#.]+)"),
        QRegularExpression::CaseInsensitiveOption);
    const auto m = re.match(sql);
    QString t = m.hasMatch() ? m.captured(1) : QString();
    if (t.contains(QLatin1Char('.')))
        t = t.section(QLatin1Char('.'), -1);
    return t;
}

struct Conflict {
    QString child;
    QString parent;
    QString column;
};

void execQuiet(sqlite3* db, const char* sql)
{
    sqlite3_exec(db, sql, nullptr, nullptr, nullptr);
}

// Which foreign key refused the statement: run it again with the checks deferred inside a
// savepoint, ask SQLite which rows now break a reference, and roll everything back.
Conflict findConflict(ConnectionData& c, sqlite3_stmt* stmt)
{
    Conflict out;
    if (!stmt)
        return out;
    sqlite3_reset(stmt);
    execQuiet(c.db, "SAVEPOINT zorva_fk_probe");
    execQuiet(c.db, "PRAGMA defer_foreign_keys = ON");
    int rc;
    while ((rc = sqlite3_step(stmt)) == SQLITE_ROW) {}
    sqlite3_reset(stmt);
    if (rc == SQLITE_DONE) {
        sqlite3_stmt* check = nullptr;
        if (sqlite3_prepare_v2(c.db, "PRAGMA foreign_key_check", -1, &check, nullptr) == SQLITE_OK) {
            if (sqlite3_step(check) == SQLITE_ROW) {
                out.child = QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(check, 0)));
                out.parent = QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(check, 2)));
                const int fkid = sqlite3_column_int(check, 3);
                sqlite3_stmt* list = nullptr;
                const QByteArray q = "PRAGMA foreign_key_list(\"" + out.child.toUtf8() + "\")";
                if (sqlite3_prepare_v2(c.db, q.constData(), -1, &list, nullptr) == SQLITE_OK) {
                    while (sqlite3_step(list) == SQLITE_ROW) {
                        if (sqlite3_column_int(list, 0) == fkid) {
                            out.column = QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(list, 3)));
                            break;
                        }
                    }
                }
                sqlite3_finalize(list);
            }
        }
        sqlite3_finalize(check);
    }
    execQuiet(c.db, "ROLLBACK TO zorva_fk_probe");
    execQuiet(c.db, "RELEASE zorva_fk_probe");
    execQuiet(c.db, "PRAGMA defer_foreign_keys = OFF");
    return out;
}

struct UniqueViolation {
    QString table;
    QStringList columns;
};

UniqueViolation parseUnique(const QString& message)
{
    // "UNIQUE constraint failed: Categoria.Nombre, Categoria.Otro"
    UniqueViolation v;
    const int colon = message.indexOf(QLatin1Char(':'));
    if (colon < 0)
        return v;
    for (const QString& part : message.mid(colon + 1).split(QLatin1Char(','), Qt::SkipEmptyParts)) {
        const QString item = part.trimmed();
        v.table = item.section(QLatin1Char('.'), 0, 0);
        v.columns << item.section(QLatin1Char('.'), 1).toUpper();
    }
    return v;
}

// A unique index created by name ("CREATE UNIQUE INDEX") reports 2601; a PRIMARY KEY or a table's
// UNIQUE constraint reports 2627.
QString namedUniqueIndex(ConnectionData& c, const UniqueViolation& v)
{
    if (v.table.isEmpty())
        return QString();
    sqlite3_stmt* list = nullptr;
    const QByteArray q = "PRAGMA index_list(\"" + v.table.toUtf8() + "\")";
    QString found;
    if (sqlite3_prepare_v2(c.db, q.constData(), -1, &list, nullptr) != SQLITE_OK)
        return found;
    while (found.isEmpty() && sqlite3_step(list) == SQLITE_ROW) {
        const QString name = QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(list, 1)));
        const bool unique = sqlite3_column_int(list, 2) != 0;
        const QString origin = QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(list, 3)));
        if (!unique || origin != QLatin1String("c"))
            continue;
        QStringList cols;
        sqlite3_stmt* info = nullptr;
        const QByteArray qi = "PRAGMA index_info(\"" + name.toUtf8() + "\")";
        if (sqlite3_prepare_v2(c.db, qi.constData(), -1, &info, nullptr) == SQLITE_OK) {
            while (sqlite3_step(info) == SQLITE_ROW)
                cols << QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(info, 2))).toUpper();
        }
        sqlite3_finalize(info);
        if (cols == v.columns)
            found = name;
    }
    sqlite3_finalize(list);
    return found;
}

} // namespace

ComError::ComError(long number, const QString& description, const QString& source)
    : std::runtime_error(description.toStdString())
    , m_number(number)
    , m_description(description)
    , m_source(source)
{
}

QString busyDescription()
{
    return QStringLiteral("La base de datos está en uso por otro proceso; inténtelo más tarde.");
}

QString procedurePrefix()
{
    // Exactly 47 characters, like the bracketed source that a driver puts before a raised message.
    static const QString prefix = QStringLiteral("[ZORVA][Proveedor de datos SQLite][Servidor]").leftJustified(47, QLatin1Char(' '));
    return prefix;
}

void raiseProvider(ConnectionData& c, long number, long nativeError, const QString& sqlState,
                   const QString& description)
{
    Error e;
    e.Number = number;
    e.NativeError = nativeError;
    e.SQLState = sqlState;
    e.Description = description;
    e.Source = QStringLiteral("ZORVA.adodb");
    c.errors = {e};
    throw ComError(number, description, e.Source);
}

void raiseBusy(ConnectionData& c)
{
    // The wait for the other writer was bounded by the command time-out; nothing was written.
    raiseProvider(c, err::ProviderTimeout, native::LostConnection, sqlstate::Busy, busyDescription());
}

void raiseSqlite(ConnectionData& c, int rc, const QString& sql, sqlite3_stmt* stmt)
{
    const QString message = QString::fromUtf8(sqlite3_errmsg(c.db));
    const int extended = sqlite3_extended_errcode(c.db);
    const int primary = extended & 0xFF;
    const long generic = native::SqliteBase + extended;
    const QString db = quoted(safeName(c.databaseName));

    if (extended == SQLITE_CONSTRAINT_PRIMARYKEY || extended == SQLITE_CONSTRAINT_UNIQUE) {
        const UniqueViolation v = parseUnique(message);
        const QString index = namedUniqueIndex(c, v);
        const QString object = quoted(QStringLiteral("dbo.") + safeName(v.table));
        if (!index.isEmpty()) {
            raiseProvider(c, err::ProviderIntegrity, native::DuplicateIndex, QStringLiteral("23000"),
                          QStringLiteral("No se puede insertar una fila de clave duplicada en el objeto %1 con el índice único %2.")
                              .arg(object, quoted(safeName(index))));
        }
        const QString kind = extended == SQLITE_CONSTRAINT_PRIMARYKEY ? QStringLiteral("PRIMARY KEY") : QStringLiteral("UNIQUE KEY");
        const QString constraint = (extended == SQLITE_CONSTRAINT_PRIMARYKEY ? QStringLiteral("PK_") : QStringLiteral("UQ_"))
                                   + safeName(v.table) + (v.columns.isEmpty() ? QString() : QLatin1Char('_') + v.columns.join(QLatin1Char('_')));
        raiseProvider(c, err::ProviderIntegrity, native::DuplicateKey, QStringLiteral("23000"),
                      QStringLiteral("Infracción de la restricción %1 %2. No se puede insertar una clave duplicada en el objeto %3.")
                          .arg(kind, quoted(constraint), object));
    }
    if (extended == SQLITE_CONSTRAINT_FOREIGNKEY) {
        const QString verb = statementVerb(sql);
        const QString target = statementTable(sql);
        const Conflict conflict = findConflict(c, stmt);
        // A refused delete names the table that still refers to the row; a refused insert or
        // update names the table it should refer to.
        const bool targetIsChild = !conflict.child.isEmpty() && conflict.child.compare(target, Qt::CaseInsensitive) == 0;
        const QString table = targetIsChild ? conflict.parent : (conflict.child.isEmpty() ? target : conflict.child);
        const QString kind = targetIsChild ? QStringLiteral("FOREIGN KEY") : QStringLiteral("REFERENCE");
        const QString constraint = QStringLiteral("FK_%1_%2").arg(safeName(conflict.child), safeName(conflict.parent));
        raiseProvider(c, err::ProviderIntegrity, native::ReferenceConflict, QStringLiteral("23000"),
                      QStringLiteral("Instrucción %1 en conflicto con la restricción %2 %3. El conflicto ha aparecido en la base de datos %4, tabla %5, columna %6.")
                          .arg(verb, kind, quoted(constraint), db, quoted(safeName(table)), quoted(safeName(conflict.column))));
    }
    if (extended == SQLITE_CONSTRAINT_NOTNULL) {
        raiseProvider(c, err::ProviderIntegrity, native::NullNotAllowed, QStringLiteral("23000"),
                      QStringLiteral("No se puede insertar el valor NULL: %1.").arg(message));
    }
    if (primary == SQLITE_CONSTRAINT) {
        raiseProvider(c, err::ProviderIntegrity, native::ConstraintFailed, QStringLiteral("23000"), message);
    }
    if (primary == SQLITE_BUSY || primary == SQLITE_LOCKED)
        raiseBusy(c);
    // The database file could not be used: the gateway's table knows one number for all of these,
    // the state and the description say which.
    if (primary == SQLITE_CANTOPEN) {
        raiseProvider(c, err::ProviderSyntax, native::LostConnection, QStringLiteral("08S01"),
                      QStringLiteral("Error de acceso a la base de datos: %1").arg(message));
    }
    if (primary == SQLITE_FULL) {
        raiseProvider(c, err::ProviderSyntax, native::LostConnection, sqlstate::DiskFull,
                      QStringLiteral("El disco está lleno: no se pudo escribir en la base de datos"));
    }
    if (primary == SQLITE_READONLY) {
        raiseProvider(c, err::ProviderSyntax, native::LostConnection, sqlstate::ReadOnly,
                      QStringLiteral("La base de datos no se puede escribir: es de solo lectura"));
    }
    if (primary == SQLITE_IOERR) {
        raiseProvider(c, err::ProviderSyntax, native::LostConnection, sqlstate::IoError,
                      QStringLiteral("Error de lectura o escritura en el archivo de la base de datos"));
    }
    if (primary == SQLITE_CORRUPT || primary == SQLITE_NOTADB) {
        raiseProvider(c, err::ProviderSyntax, native::LostConnection, sqlstate::Damaged,
                      QStringLiteral("El archivo de la base de datos está dañado"));
    }
    if (message.startsWith(QLatin1String("no such table"))) {
        raiseProvider(c, err::ProviderSyntax, native::InvalidObject, QStringLiteral("42S02"),
                      QStringLiteral("El nombre de objeto no es válido: %1").arg(message.section(QLatin1Char(':'), 1).trimmed()));
    }
    if (message.startsWith(QLatin1String("no such column"))) {
        raiseProvider(c, err::ProviderSyntax, native::InvalidColumn, QStringLiteral("42S22"),
                      QStringLiteral("El nombre de columna no es válido: %1").arg(message.section(QLatin1Char(':'), 1).trimmed()));
    }
    if (message.contains(QLatin1String("syntax error")) || message.startsWith(QLatin1String("incomplete input"))) {
        raiseProvider(c, err::ProviderSyntax, native::SyntaxError, QStringLiteral("42000"),
                      QStringLiteral("Sintaxis incorrecta: %1").arg(message));
    }
    Q_UNUSED(rc);
    raiseProvider(c, err::ProviderSyntax, generic, QStringLiteral("42000"), message);
}

} // namespace adodb
