// Writing a record's detail rows: a list grid rewrites them, a state grid writes its marks. The
// statements are prepared once per save and bound per row.
#include "catalog/detail_grid.h"
#include "catalog/detail_statements.h"
#include "foundation/database/cls_ado.h"
#include "platform/grid/cell_format.h"
#include "platform/grid/grid.h"
#include "platform/ui/msgbox.h"

#include <QSet>

bool DetailGrid::save(const QString& recordKey, bool newRecord)
{
    if (!isKey(recordKey) || m_table.isEmpty())
        return true;
    DetailStatements statements(m_table, m_recordKeyField, columns());
    const qlonglong clave = recordKey.trimmed().toLongLong();
    const bool ok = m_stateColumn > 0 ? saveStates(statements, clave, newRecord) : saveList(statements, clave);
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

QList<DetailColumn> DetailGrid::columns() const
{
    QList<DetailColumn> out;
    for (const DetailField& field : m_fields)
        out.append({field.name, field.key, !field.key || field.loadedColumn > 0});
    return out;
}

bool DetailGrid::deleteStored(const QString& recordKey)
{
    if (!isKey(recordKey) || m_table.isEmpty())
        return true;
    adodb::Recordset ninguno;
    return g_ClsAdo().Borrar(ninguno, m_table, QVariant(), m_recordKeyField + QLatin1Char('=') + recordKey.trimmed(),
                             false);
}

bool DetailGrid::saveList(DetailStatements& statements, qlonglong recordKey)
{
    if (!deleteStored(QString::number(recordKey)))
        return false;
    // A related row typed twice is stored once.
    QSet<QString> escritos;
    for (int row = 1; row <= m_grid->rowCount(); ++row) {
        if (!writable(row))
            continue;
        QVariantList llave;
        for (const DetailField& field : m_fields)
            if (field.key)
                llave << cellValue(field, row, field.column);
        const QString id = keyText(llave);
        if (!llave.isEmpty() && escritos.contains(id))
            continue;
        escritos.insert(id);
        if (!insertStored(statements, recordKey, row))
            return false;
    }
    return true;
}

bool DetailGrid::saveStates(DetailStatements& statements, qlonglong recordKey, bool newRecord)
{
    if (!newRecord && m_rewriteChanged)
        return rewriteChanged(statements, recordKey);
    // In the order of the save's column, as the grid would sort it; the grid itself stays as the
    // user left it.
    const QList<int> orden = !newRecord && m_saveOrder > 0 ? m_grid->sortedRows(m_saveOrder) : m_grid->sortedRows(0);
    // The first refused row refuses the save: the whole of it is rolled back.
    for (const int row : orden) {
        const QString state = rowState(row);
        // A stored row left as it was has nothing to write.
        if (!newRecord && state != QLatin1String("N") && state != QLatin1String("M") && state != QLatin1String("B"))
            continue;
        if (!writable(row))
            continue;
        bool ok = true;
        if (newRecord || state == QLatin1String("N")) {
            ok = state == QLatin1String("B") || insertStored(statements, recordKey, row);
        } else if (state == QLatin1String("M")) {
            // Each cell read once: a key that never changes is its stored value.
            QVariantList actuales;
            QVariantList valores;
            QVariantList llaves;
            actuales.reserve(m_fields.size());
            valores.reserve(m_fields.size());
            for (const DetailField& field : m_fields) {
                const QVariant& actual = actuales.emplace_back(m_grid->value(row, field.column));
                valores << (field.value ? field.value(*m_grid, row) : storedValue(row, field.column, actual));
                if (field.key)
                    llaves << (field.loadedColumn > 0 ? cellValue(field, row, field.loadedColumn) : valores.constLast());
            }
            const QVariantList* cargados = loaded(llaves);
            QList<bool> cambiados;
            cambiados.reserve(m_fields.size());
            for (int i = 0; i < m_fields.size(); ++i)
                cambiados << !(cargados && cargados->value(i) == actuales.at(i));
            ok = statements.update(recordKey, cambiados, valores, llaves);
        } else if (state == QLatin1String("B")) {
            ok = statements.remove(recordKey, loadedKeys(row));
            if (!ok)
                g_ClsAdo().Reporta_Error();
        }
        if (!ok)
            return false;
    }
    return true;
}

// A changed row is deleted and inserted again; the cells the user did not change take what was
// stored, read before the delete.
bool DetailGrid::rewriteChanged(DetailStatements& statements, qlonglong recordKey)
{
    QHash<int, QVariantList> guardados;
    for (int row = 1; row <= m_grid->rowCount(); ++row) {
        const QString state = rowState(row);
        if (!writable(row) || (state != QLatin1String("B") && state != QLatin1String("M")))
            continue;
        if (state == QLatin1String("M"))
            guardados.insert(row, statements.stored(recordKey, loadedKeys(row)));
        if (!statements.remove(recordKey, loadedKeys(row))) {
            g_ClsAdo().Reporta_Error();
            return false;
        }
    }
    for (int row = 1; row <= m_grid->rowCount(); ++row) {
        const QString state = rowState(row);
        if (writable(row) && (state == QLatin1String("M") || state == QLatin1String("N"))
            && !insertStored(statements, recordKey, row, guardados.value(row)))
            return false;
    }
    return true;
}

bool DetailGrid::writable(int row) const
{
    if (!m_skipEmptyKeys || m_keyColumn <= 0)
        return true;
    // A number, a date or a list's item never shows as empty; a text shows as it is; a cell
    // without a value shows what was typed in it.
    const QVariant valor = m_grid->value(row, m_keyColumn);
    if (valor.isNull())
        return !m_grid->text(row, m_keyColumn).trimmed().isEmpty();
    return valor.typeId() != QMetaType::QString || !valor.toString().trimmed().isEmpty();
}

bool DetailGrid::insertStored(DetailStatements& statements, qlonglong recordKey, int row, const QVariantList& stored)
{
    const QVariantList* cargados = stored.isEmpty() ? nullptr : loaded(loadedKeys(row));
    QVariantList valores;
    valores.reserve(m_fields.size());
    for (int i = 0; i < m_fields.size(); ++i) {
        const DetailField& field = m_fields.at(i);
        const bool guardado = !field.key && i < stored.size() && unchanged(cargados, i, row);
        valores << (guardado ? stored.at(i) : cellValue(field, row, field.column));
    }
    return statements.insert(recordKey, valores);
}

QVariantList DetailGrid::loadedKeys(int row) const
{
    QVariantList llaves;
    for (const DetailField& field : m_fields)
        if (field.key)
            llaves << cellValue(field, row, field.loadedColumn > 0 ? field.loadedColumn : field.column);
    return llaves;
}

QString DetailGrid::keyText(const QVariantList& keys)
{
    if (keys.size() == 1 && !keys.first().isNull())
        return keys.first().toString();
    QString texto;
    for (const QVariant& v : keys) {
        texto += v.isNull() ? QStringLiteral("\x01") : v.toString();
        texto += QChar(0);
    }
    return texto;
}

void DetailGrid::rememberLoaded()
{
    if (!m_loadedDue)
        return;
    m_loadedDue = false;
    m_loaded.clear();
    if (m_stateColumn == 0)
        return;
    m_loaded.reserve(m_grid->rowCount());
    for (int row = 1; row <= m_grid->rowCount(); ++row) {
        QVariantList valores;
        for (const DetailField& field : m_fields)
            valores << m_grid->value(row, field.column);
        m_loaded.insert(keyText(loadedKeys(row)), valores);
    }
}

const QVariantList* DetailGrid::loaded(const QVariantList& keys) const
{
    const auto cargado = m_loaded.constFind(keyText(keys));
    return cargado == m_loaded.constEnd() ? nullptr : &*cargado;
}

bool DetailGrid::unchanged(const QVariantList* loaded, int field, int row) const
{
    return loaded && loaded->value(field) == m_grid->value(row, m_fields.at(field).column);
}

QVariant DetailGrid::cellValue(const DetailField& field, int row, int column) const
{
    if (field.value && column == field.column)
        return field.value(*m_grid, row);
    return storedValue(row, column, m_grid->value(row, column));
}

QVariant DetailGrid::storedValue(int row, int column, const QVariant& valor) const
{
    switch (m_grid->cellType(row, column)) {
    case grid::CellType::CheckBox:
        return valor.toInt() != 0 ? 1 : 0;
    case grid::CellType::Integer:
        return valor.isNull() ? QVariant() : QVariant(valor.toLongLong());
    case grid::CellType::Number:
    case grid::CellType::Currency:
    case grid::CellType::Percent:
        // As the cell shows it.
        return valor.isNull() ? QVariant()
                              : QVariant(grid::formatNumber(valor.toDouble(), m_grid->cellFormat(row, column).decimals,
                                                            false)
                                             .toDouble());
    case grid::CellType::Date:
        return valor.isNull() ? QVariant()
                              : QVariant(valor.toDate().toString(QStringLiteral("yyyy-MM-dd")) + QStringLiteral(" 00:00:00"));
    case grid::CellType::Time:
        return valor.isNull() ? QVariant() : QVariant(valor.toTime().toString(QStringLiteral("HH:mm:ss")));
    default: {
        const QString texto = m_grid->text(row, column);
        return texto.isEmpty() ? QVariant() : QVariant(texto);
    }
    }
}
