#include "catalog/next_key.h"
#include "foundation/database/cls_ado.h"

QString nextKeyQuery(KeyForm form, const QString& table, const QString& keyColumn)
{
    switch (form) {
    case KeyForm::A:
        return QStringLiteral("SELECT case IFNULL(MAX(%1),0) when 0 then 1 else MAX(%1)+1 end AS Clave FROM %2")
            .arg(keyColumn, table);
    case KeyForm::B:
        return QStringLiteral("SELECT MAX(%1)+1 AS Clave FROM %2").arg(keyColumn, table);
    case KeyForm::C:
        break;
    }
    return QString();
}

QString nextKey(KeyForm form, const QString& table, const QString& keyColumn)
{
    const QString query = nextKeyQuery(form, table, keyColumn);
    if (query.isEmpty())
        return QString();
    adodb::Recordset clave;
    if (!g_ClsAdo().Establece_consulta(clave, query, 3, 3, 1) || clave.eof())
        return QString();
    const QVariant valor = clave.value(QStringLiteral("Clave"));
    return valor.isNull() ? QStringLiteral("1") : QString::number(valor.toLongLong());
}
