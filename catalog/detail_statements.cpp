#include "catalog/detail_statements.h"
#include "foundation/database/cls_ado.h"
#include "foundation/routines/zorva_funciones.h"

#include <QLocale>
#include <QStringList>

namespace {

// A value as the gateway's texts write it, for the activity log.
QString literal(const QVariant& value)
{
    if (value.isNull() || !value.isValid())
        return QStringLiteral("NULL");
    switch (value.metaType().id()) {
    case QMetaType::Int: case QMetaType::LongLong: case QMetaType::UInt: case QMetaType::ULongLong:
    case QMetaType::Long: case QMetaType::ULong: case QMetaType::Short: case QMetaType::UShort:
        return QString::number(value.toLongLong());
    case QMetaType::Double: case QMetaType::Float:
        return QString::number(value.toDouble(), 'g', QLocale::FloatingPointShortest);
    case QMetaType::Bool:
        return value.toBool() ? QStringLiteral("1") : QStringLiteral("0");
    default:
        return QLatin1Char('\'') + DuplicaComillas(value.toString()) + QLatin1Char('\'');
    }
}

} // namespace

DetailStatements::DetailStatements(const QString& table, const QString& recordKeyField,
                                   const QList<DetailColumn>& columns)
    : m_table(table), m_recordKeyField(recordKeyField), m_columns(columns)
{
}

DetailStatements::~DetailStatements() = default;

// The record's key, then every key column: "IS" finds a key stored as NULL too.
QString DetailStatements::whereText() const
{
    QString texto = QStringLiteral(" WHERE ") + m_recordKeyField + QStringLiteral("=?");
    for (const DetailColumn& c : m_columns)
        if (c.key)
            texto += QStringLiteral(" AND ") + c.name + QStringLiteral(" IS ?");
    return texto;
}

QString DetailStatements::keyConditionText(qlonglong recordKey, const QVariantList& keys) const
{
    QString texto = m_recordKeyField + QLatin1Char('=') + QString::number(recordKey);
    int i = 0;
    for (const DetailColumn& c : m_columns) {
        if (!c.key)
            continue;
        const QVariant valor = keys.value(i++);
        texto += QStringLiteral(" AND ") + c.name
                 + (valor.isNull() ? QStringLiteral(" IS NULL") : QLatin1Char('=') + literal(valor));
    }
    return texto;
}

bool DetailStatements::run(std::unique_ptr<adodb::PreparedStatement>& statement,
                           const std::function<QString()>& sql, const QVariantList& values)
{
    try {
        if (!statement)
            statement = std::make_unique<adodb::PreparedStatement>(g_ClsAdo().conexion(), sql());
        statement->run(values);
        return true;
    } catch (const adodb::ComError&) {
        return false;
    }
}

QString DetailStatements::columnList() const
{
    QStringList campos{m_recordKeyField};
    for (const DetailColumn& c : m_columns)
        campos << c.name;
    return campos.join(QLatin1Char(','));
}

bool DetailStatements::insert(qlonglong recordKey, const QVariantList& values)
{
    const auto sql = [this] {
        QStringList marcas(m_columns.size() + 1, QStringLiteral("?"));
        return QStringLiteral("INSERT INTO ") + m_table + QStringLiteral(" (") + columnList()
               + QStringLiteral(") VALUES (") + marcas.join(QLatin1Char(',')) + QLatin1Char(')');
    };
    QVariantList enlaces;
    enlaces.reserve(values.size() + 1);
    enlaces << recordKey;
    enlaces += values;
    if (!run(m_insert, sql, enlaces))
        return false;
    if (g_ClsAdo().Registrando()) {
        QStringList valores{QString::number(recordKey)};
        for (const QVariant& v : values)
            valores << literal(v);
        g_ClsAdo().Registra({QStringLiteral("Valor insertado en "), m_table, QStringLiteral(" campos: "), columnList(),
                             QStringLiteral(" valores: "), valores.join(QLatin1Char(','))});
    }
    return true;
}

bool DetailStatements::update(qlonglong recordKey, const QList<bool>& changed, const QVariantList& values,
                              const QVariantList& keys)
{
    // One text for every row: a column the row does not change keeps what is stored.
    QVariantList enlaces;
    enlaces.reserve(2 * m_columns.size() + 1 + keys.size());
    bool alguna = false;
    for (int i = 0; i < m_columns.size(); ++i) {
        if (!m_columns.at(i).updatable)
            continue;
        const bool cambia = changed.value(i);
        enlaces << (cambia ? 1 : 0) << (cambia ? values.value(i) : QVariant());
        alguna = alguna || cambia;
    }
    if (!alguna)
        return true;
    enlaces << recordKey;
    enlaces += keys;
    const auto sql = [this] {
        QStringList asignaciones;
        for (const DetailColumn& c : m_columns)
            if (c.updatable)
                asignaciones << c.name + QStringLiteral("=CASE WHEN ? THEN ? ELSE ") + c.name + QStringLiteral(" END");
        return QStringLiteral("UPDATE ") + m_table + QStringLiteral(" SET ") + asignaciones.join(QLatin1Char(','))
               + whereText();
    };
    if (!run(m_update, sql, enlaces))
        return false;
    if (g_ClsAdo().Registrando()) {
        QStringList cambios;
        for (int i = 0; i < m_columns.size(); ++i)
            if (m_columns.at(i).updatable && changed.value(i))
                cambios << m_columns.at(i).name + QLatin1Char('=') + literal(values.value(i));
        g_ClsAdo().Registra({QStringLiteral("Modificacion en "), m_table, QStringLiteral(" Valor: "),
                             cambios.join(QLatin1Char(','))});
    }
    return true;
}

bool DetailStatements::remove(qlonglong recordKey, const QVariantList& keys)
{
    const auto sql = [this] { return QStringLiteral("DELETE FROM ") + m_table + whereText(); };
    if (!run(m_delete, sql, QVariantList{recordKey} + keys))
        return false;
    if (g_ClsAdo().Registrando())
        g_ClsAdo().Registra({QStringLiteral("Valor borrado en "), m_table, QStringLiteral(" condicion: "),
                             keyConditionText(recordKey, keys)});
    return true;
}

QVariantList DetailStatements::stored(qlonglong recordKey, const QVariantList& keys)
{
    try {
        if (!m_select) {
            QStringList campos;
            for (const DetailColumn& c : m_columns)
                campos << c.name;
            m_select = std::make_unique<adodb::PreparedStatement>(
                g_ClsAdo().conexion(),
                QStringLiteral("SELECT ") + campos.join(QLatin1Char(',')) + QStringLiteral(" FROM ") + m_table + whereText());
        }
        return m_select->firstRow(QVariantList{recordKey} + keys);
    } catch (const adodb::ComError&) {
        return {};
    }
}
