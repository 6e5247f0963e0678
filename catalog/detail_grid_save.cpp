// Writing a record's detail rows: a list grid rewrites them, a state grid writes its marks.
#include "catalog/detail_grid.h"
#include "foundation/database/cls_ado.h"
#include "foundation/routines/zorva_funciones.h"
#include "platform/grid/cell_format.h"
#include "platform/grid/grid.h"
#include "platform/ui/msgbox.h"

#include <QSet>

namespace {

QString quoted(const QString& text)
{
    return QLatin1Char('\'') + DuplicaComillas(text) + QLatin1Char('\'');
}

} // namespace

bool DetailGrid::save(const QString& recordKey, bool newRecord)
{
    if (!isKey(recordKey) || m_table.isEmpty())
        return true;
    const bool ok = m_stateColumn > 0 ? saveStates(recordKey.trimmed(), newRecord) : saveList(recordKey.trimmed());
    if (ok)
        return true;
    QList<adodb::Error>& errores = g_ClsAdo().conexion().errors();
    const bool repetido = !errores.isEmpty() && (errores.first().NativeError == adodb::native::DuplicateKey
                                                 || errores.first().NativeError == adodb::native::DuplicateIndex);
    if (!m_refusalMessage.isEmpty()) {
        errores.clear();
        ui::msgBox(m_refusalMessage, ui::Exclamation);
    } else if (const QString fila = repetido ? repeatedRowMessage() : QString(); !fila.isEmpty()) {
        // The record's own duplicate words would blame the record.
        errores.clear();
        ui::msgBox(fila, ui::Exclamation, g_ClsAdo().CpsTitulo);
    } else {
        // What the database said; a refused delete has been reported by the gateway already.
        g_ClsAdo().Reporta_Error();
    }
    return false;
}

bool DetailGrid::deleteStored(const QString& recordKey)
{
    if (!isKey(recordKey) || m_table.isEmpty())
        return true;
    adodb::Recordset ninguno;
    return g_ClsAdo().Borrar(ninguno, m_table, QVariant(), m_recordKeyField + QLatin1Char('=') + recordKey.trimmed(),
                             false);
}

bool DetailGrid::saveList(const QString& recordKey)
{
    if (!deleteStored(recordKey))
        return false;
    // A related row typed twice is stored once.
    QSet<QStringList> escritos;
    for (int row = 1; row <= m_grid->rowCount(); ++row) {
        if (!writable(row))
            continue;
        QStringList llave;
        for (const DetailField& field : m_fields)
            if (field.key)
                llave << valueSql(field, row, field.column);
        if (!llave.isEmpty() && escritos.contains(llave))
            continue;
        escritos.insert(llave);
        if (!insertStored(recordKey, row))
            return false;
    }
    return true;
}

bool DetailGrid::saveStates(const QString& recordKey, bool newRecord)
{
    if (!newRecord && m_rewriteChanged)
        return rewriteChanged(recordKey);
    if (!newRecord && m_saveOrder > 0)
        m_grid->sortRows(m_saveOrder);
    // The first refused row refuses the save: the whole of it is rolled back.
    for (int row = 1; row <= m_grid->rowCount(); ++row) {
        if (!writable(row))
            continue;
        const QString state = rowState(row);
        bool ok = true;
        if (newRecord || state == QLatin1String("N"))
            ok = state == QLatin1String("B") || insertStored(recordKey, row);
        else if (state == QLatin1String("M"))
            ok = updateStored(recordKey, row);
        else if (state == QLatin1String("B"))
            ok = deleteRowStored(recordKey, row);
        if (!ok)
            return false;
    }
    return true;
}

bool DetailGrid::rewriteChanged(const QString& recordKey)
{
    for (int row = 1; row <= m_grid->rowCount(); ++row) {
        const QString state = rowState(row);
        if (writable(row) && (state == QLatin1String("B") || state == QLatin1String("M"))
            && !deleteRowStored(recordKey, row))
            return false;
    }
    for (int row = 1; row <= m_grid->rowCount(); ++row) {
        const QString state = rowState(row);
        if (writable(row) && (state == QLatin1String("M") || state == QLatin1String("N"))
            && !insertStored(recordKey, row))
            return false;
    }
    return true;
}

bool DetailGrid::writable(int row) const
{
    return !(m_skipEmptyKeys && m_keyColumn > 0 && m_grid->text(row, m_keyColumn).trimmed().isEmpty());
}

bool DetailGrid::insertStored(const QString& recordKey, int row)
{
    QStringList campos{m_recordKeyField};
    QStringList valores{recordKey};
    for (const DetailField& field : m_fields) {
        campos << field.name;
        valores << valueSql(field, row, field.column);
    }
    return g_ClsAdo().Alta(m_table, campos.join(QLatin1Char(',')), valores.join(QLatin1Char(',')));
}

bool DetailGrid::updateStored(const QString& recordKey, int row)
{
    QStringList cambios;
    for (const DetailField& field : m_fields)
        if (!field.key || field.loadedColumn > 0)
            cambios << field.name + QLatin1Char('=') + valueSql(field, row, field.column);
    if (cambios.isEmpty())
        return true;
    adodb::Recordset ninguno;
    return g_ClsAdo().Modificar(ninguno, m_table, cambios.join(QLatin1Char(',')), condition(recordKey, row), false);
}

bool DetailGrid::deleteRowStored(const QString& recordKey, int row)
{
    adodb::Recordset ninguno;
    return g_ClsAdo().Borrar(ninguno, m_table, QVariant(), condition(recordKey, row), false);
}

QString DetailGrid::condition(const QString& recordKey, int row) const
{
    QString texto = m_recordKeyField + QLatin1Char('=') + recordKey;
    for (const DetailField& field : m_fields) {
        if (!field.key)
            continue;
        const int column = field.loadedColumn > 0 ? field.loadedColumn : field.column;
        const QString valor = valueSql(field, row, column);
        texto += QStringLiteral(" AND ") + field.name + (valor == QLatin1String("NULL") ? QStringLiteral(" IS NULL")
                                                                                        : QLatin1Char('=') + valor);
    }
    return texto;
}

QString DetailGrid::valueSql(const DetailField& field, int row, int column) const
{
    if (field.sql && column == field.column)
        return field.sql(*m_grid, row);
    const grid::CellFormat format = m_grid->cellFormat(row, column);
    const QVariant valor = m_grid->value(row, column);
    const QString texto = m_grid->text(row, column);
    switch (format.type) {
    case grid::CellType::CheckBox:
        return valor.toInt() != 0 ? QStringLiteral("1") : QStringLiteral("0");
    case grid::CellType::Integer:
        return valor.isNull() ? QStringLiteral("NULL") : QString::number(valor.toLongLong());
    case grid::CellType::Number:
    case grid::CellType::Currency:
    case grid::CellType::Percent:
        return valor.isNull() ? QStringLiteral("NULL") : grid::formatNumber(valor.toDouble(), format.decimals, false);
    case grid::CellType::Date:
        return valor.isNull() ? QStringLiteral("NULL")
                              : quoted(valor.toDate().toString(QStringLiteral("yyyy-MM-dd")) + QStringLiteral(" 00:00:00"));
    case grid::CellType::Time:
        return valor.isNull() ? QStringLiteral("NULL") : quoted(valor.toTime().toString(QStringLiteral("HH:mm:ss")));
    default:
        return texto.isEmpty() ? QStringLiteral("NULL") : quoted(texto);
    }
}
