#include "foundation/routines/period_sales.h"

#include "foundation/routines/fecha_trabajo.h"

namespace {

const QString kRange = QStringLiteral("#PeriodRange");

QString range(const QDate& from, const QDate& to)
{
    return fechatrabajo::orden(from) + QLatin1Char('-') + fechatrabajo::orden(to);
}

// The range staged on the connection, "yyyymmdd-yyyymmdd"; empty when none.
QString stagedRange(adodb::Connection& connection)
{
    adodb::Recordset tables = connection.execute(
        QStringLiteral("SELECT COUNT(*) FROM sqlite_temp_master WHERE type='table' AND name='") + kRange + QLatin1Char('\''));
    if (tables.isNull() || tables.eof() || tables.field(0).value().toInt() == 0)
        return QString();
    adodb::Recordset rs = connection.execute(QStringLiteral("SELECT \"From\" || '-' || \"To\" FROM temp.\"#PeriodRange\""));
    return rs.isNull() || rs.eof() ? QString() : rs.field(0).value().toString();
}

// Per item, the sums of its rows in a side table; the items are walked in key order, so the side
// table's rows are read in its own key order and grouped as they come.
QString sideSums(const QString& table, const QString& sums, const QString& side)
{
    return QStringLiteral("INSERT INTO temp.\"%1\" SELECT V.ID_ProductosXCuenta, %2 FROM temp.\"#PeriodItems\" V"
                          " CROSS JOIN %3 X ON X.ID_ProductosXCuenta=V.ID_ProductosXCuenta GROUP BY V.ID_ProductosXCuenta")
        .arg(table, sums, side);
}

} // namespace

QStringList PeriodSales::tables()
{
    return {QStringLiteral("#PeriodItems"), QStringLiteral("#PeriodModifiers"), QStringLiteral("#PeriodTaxes"),
            QStringLiteral("#PeriodCourtesies"), kRange};
}

QStringList PeriodSales::statements(const QDate& from, const QDate& to)
{
    return {
        QStringLiteral("CREATE TEMP TABLE \"#PeriodItems\" (ID_ProductosXCuenta INTEGER PRIMARY KEY, ID_Comanda INTEGER,"
                       " ID_Producto INTEGER, ID_Promocion INTEGER, Precio_Venta REAL, Precio_Original REAL,"
                       " Voided INTEGER, SameControl INTEGER)"),
        QStringLiteral("CREATE TEMP TABLE \"#PeriodModifiers\" (ID_ProductosXCuenta INTEGER PRIMARY KEY, Price REAL, Tax REAL,"
                       " Net REAL)"),
        QStringLiteral("CREATE TEMP TABLE \"#PeriodTaxes\" (ID_ProductosXCuenta INTEGER PRIMARY KEY, Amount REAL,"
                       " LowestType INTEGER)"),
        QStringLiteral("CREATE TEMP TABLE \"#PeriodCourtesies\" (ID_ProductosXCuenta INTEGER PRIMARY KEY, Amount REAL)"),
        QStringLiteral("CREATE TEMP TABLE \"#PeriodRange\" (\"From\" TEXT, \"To\" TEXT)"),
        QStringLiteral("INSERT INTO temp.\"#PeriodItems\" SELECT P.ID_ProductosXCuenta, P.ID_Comanda, P.ID_Producto,"
                       " P.ID_Promocion, P.Precio_Venta, P.Precio_Original, P.ID_Tipo_Anulacion IS NOT NULL,"
                       " CASE WHEN P.Control=C.Control THEN 1 ELSE 0 END"
                       " FROM Comanda C CROSS JOIN ProductosXCuenta P ON P.ID_Comanda=C.ID_Comanda WHERE")
            + fechatrabajo::periodo(from, to, QStringLiteral("C.Fecha_Trabajo")),
        sideSums(QStringLiteral("#PeriodModifiers"),
                 QStringLiteral("SUM(X.Precio_Modificador), SUM(X.impuesto_modificador),"
                                " SUM(X.Precio_Modificador-X.impuesto_modificador)"),
                 QStringLiteral("Modificador")),
        sideSums(QStringLiteral("#PeriodTaxes"), QStringLiteral("SUM(X.Monto_ImpuestosXCuenta), MIN(X.ID_Tipo_Impuesto)"),
                 QStringLiteral("ImpuestosXCuenta")),
        sideSums(QStringLiteral("#PeriodCourtesies"), QStringLiteral("SUM(X.Monto)"), QStringLiteral("Cortesia")),
        QStringLiteral("INSERT INTO temp.\"#PeriodRange\" VALUES ('%1', '%2')")
            .arg(fechatrabajo::orden(from), fechatrabajo::orden(to)),
    };
}

PeriodSales::PeriodSales(adodb::Connection& connection, const QDate& from, const QDate& to) : m_connection(connection)
{
    if (stagedRange(connection) == range(from, to))
        return;
    drop(connection);
    m_owner = true;
    try {
        for (const QString& sql : statements(from, to))
            connection.execute(sql);
    } catch (...) {
        drop(connection);
        throw;
    }
}

PeriodSales::~PeriodSales()
{
    if (m_owner)
        drop(m_connection);
}

void PeriodSales::drop(adodb::Connection& connection)
{
    if (connection.isNull() || !connection.isOpen())
        return;
    for (const QString& table : tables()) {
        try {
            connection.execute(QStringLiteral("DROP TABLE IF EXISTS temp.\"") + table + QLatin1Char('"'));
        } catch (const adodb::ComError&) {
            connection.errors().clear();
        }
    }
}
