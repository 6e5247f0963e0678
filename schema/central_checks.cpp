#include "schema/central_checks.h"

#include <QFileInfo>

#include <sqlite3.h>

namespace schema {

namespace {

QString notOurs(const QString& path)
{
    if (QFileInfo(path).size() == 0)
        return QStringLiteral("La base de datos %1 es un archivo vacío; no se modificó.").arg(path);
    return QStringLiteral("El archivo %1 no es una base de datos de este programa; no se modificó.").arg(path);
}

QString readOnly(const QString& path)
{
    return QStringLiteral("La base de datos %1 es de solo lectura para este usuario y el programa necesita "
                          "escribir en ella; no se modificó.")
        .arg(path);
}

// Every central database, from the first set-up on, has its employees and its parameters.
bool isCentral(adodb::Connection& connection)
{
    const adodb::Recordset rs = connection.execute(QStringLiteral(
        "SELECT count(*) FROM sqlite_master WHERE type = 'table' AND name IN ('Empleado', 'Parametros')"));
    return rs.field(0).value().toInt() == 2;
}

// Takes the write lock and gives it back: waits for another writer as long as any statement would.
QString writeLockRefusal(adodb::Connection& connection)
{
    const QString path = connection.filePath();
    try {
        connection.execute(QStringLiteral("BEGIN IMMEDIATE"));
        connection.rollbackTrans();
        return QString();
    } catch (const adodb::ComError& e) {
        const QString state = connection.errors().isEmpty() ? QString() : connection.errors().first().SQLState;
        connection.errors().clear();
        if (connection.inTransaction())
            connection.rollbackTrans();
        if (state == adodb::sqlstate::Busy)
            return QStringLiteral("La base de datos %1 está en uso por otro proceso; inténtelo más tarde. No se "
                                  "modificó nada.")
                .arg(path);
        if (state == adodb::sqlstate::ReadOnly)
            return readOnly(path);
        return e.description();
    }
}

} // namespace

QString centralUnusable(adodb::Connection& connection)
{
    const QString path = connection.filePath();
    try {
        if (!isCentral(connection))
            return notOurs(path);
    } catch (const adodb::ComError& e) {
        connection.errors().clear();
        return e.description();
    }
    // A file this user may only read is opened read-only, and then even the write lock is granted.
    if (sqlite3_db_readonly(connection.handle(), "main") == 1)
        return readOnly(path);
    return writeLockRefusal(connection);
}

} // namespace schema
