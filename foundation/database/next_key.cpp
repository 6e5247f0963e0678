#include "foundation/database/next_key.h"
#include "foundation/database/cls_ado.h"

namespace {

QString quoted(const QString& text)
{
    return QLatin1Char('\'') + QString(text).replace(QLatin1Char('\''), QStringLiteral("''")) + QLatin1Char('\'');
}

} // namespace

QString nextKeyQuery(KeyForm form, const QString& table, const QString& keyColumn)
{
    if (form == KeyForm::C)
        return QString();
    return QStringLiteral("SELECT MAX(IFNULL((SELECT MAX(%1) FROM %2),0),"
                          "IFNULL((SELECT Clave FROM Ultima_Clave WHERE Tabla=%3),0))+1 AS Clave")
        .arg(keyColumn, table, quoted(table));
}

QString nextKey(KeyForm form, const QString& table, const QString& keyColumn)
{
    const QString query = nextKeyQuery(form, table, keyColumn);
    if (query.isEmpty())
        return QString();
    adodb::Recordset clave;
    if (!g_ClsAdo().Establece_consulta(clave, query, 3, 3, 1) || clave.eof())
        return QString();
    const qlonglong siguiente = qMax<qlonglong>(1, clave.value(QStringLiteral("Clave")).toLongLong());
    try {
        g_ClsAdo().conexion().execute(
            QStringLiteral("INSERT INTO Ultima_Clave (Tabla, Clave) VALUES (%1, %2) "
                           "ON CONFLICT(Tabla) DO UPDATE SET Clave=excluded.Clave")
                .arg(quoted(table))
                .arg(siguiente));
    } catch (const adodb::ComError&) {
        return QString();
    }
    return QString::number(siguiente);
}
