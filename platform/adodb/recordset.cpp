#include "platform/adodb/internal.h"
#include "platform/adodb/criteria.h"

namespace adodb {

namespace {

[[noreturn]] void noCurrentRecord()
{
    throw ComError(err::NoCurrentRecord,
                   QStringLiteral("BOF o EOF es verdadero, o el registro actual se eliminó; la operación requiere un registro actual."));
}

QString quoteName(const QString& name)
{
    QString n = name;
    n.replace(QLatin1Char('"'), QStringLiteral("\"\""));
    return QLatin1Char('"') + n + QLatin1Char('"');
}

// The columns of the base table that the recordset shows: (recordset column, table column).
QList<QPair<int, QString>> baseColumns(const RecordsetData& r)
{
    QList<QPair<int, QString>> out;
    for (int i = 0; i < int(r.columns.size()); ++i)
        if (!r.columns[i].origin.isEmpty() && r.columns[i].table.compare(r.baseTable, Qt::CaseInsensitive) == 0)
            out.append({i, r.columns[i].origin});
    return out;
}

// Finds the stored row that the snapshot row `values` was read from: by the table's primary key when
// the recordset shows all of it, else by every column of the table that it shows.
sqlite3_int64 locateRow(RecordsetData& r, const std::vector<QVariant>& values)
{
    ConnectionData& c = *r.connection;
    const TableInfo& info = c.tableInfo(r.baseTable);
    const auto shown = baseColumns(r);
    QStringList conditions;
    QVariantList bindings;
    bool keyShown = !info.primaryKey.isEmpty();
    for (const QString& key : info.primaryKey) {
        bool found = false;
        for (const auto& s : shown)
            if (s.second.compare(key, Qt::CaseInsensitive) == 0) found = true;
        keyShown = keyShown && found;
    }
    for (const auto& s : shown) {
        bool isKey = false;
        for (const QString& key : info.primaryKey)
            if (s.second.compare(key, Qt::CaseInsensitive) == 0) isKey = true;
        if (keyShown && !isKey)
            continue;
        conditions << quoteName(s.second) + QStringLiteral(" IS ?");
        bindings << values[s.first];
    }
    if (conditions.isEmpty())
        raiseProvider(c, err::RowNotFound, native::SqliteBase, QStringLiteral("42000"),
                      QStringLiteral("No se puede localizar la fila: la consulta no muestra columnas de la tabla."));
    const QString sql = QStringLiteral("SELECT rowid FROM %1 WHERE %2 LIMIT 1")
                            .arg(quoteName(r.baseTable), conditions.join(QStringLiteral(" AND ")));
    ResultSet found = runStatement(c, sql, bindings);
    if (found.rows.empty())
        raiseProvider(c, err::RowNotFound, native::SqliteBase, QStringLiteral("42000"),
                      QStringLiteral("No se encuentra la fila para actualizarla: algunos valores han cambiado desde la última lectura."));
    return found.rows.front().values.front().toLongLong();
}

// Reads the stored row back into the snapshot: generated keys, defaults and stored forms show.
void rereadRow(RecordsetData& r, Row& row, sqlite3_int64 rowid)
{
    const auto shown = baseColumns(r);
    if (shown.isEmpty())
        return;
    QStringList names;
    for (const auto& s : shown)
        names << quoteName(s.second);
    const QString sql = QStringLiteral("SELECT %1 FROM %2 WHERE rowid = ?").arg(names.join(QLatin1Char(',')), quoteName(r.baseTable));
    ResultSet fresh = runStatement(*r.connection, sql, {QVariant(qlonglong(rowid))});
    if (fresh.rows.empty())
        return;
    for (int i = 0; i < shown.size(); ++i) {
        QVariant v = fresh.rows.front().values[i];
        const DataType t = r.columns[shown[i].first].type;
        if (t == DataType::Boolean && v.isValid() && !v.isNull())
            v = QVariant(v.toLongLong() != 0);
        row.values[shown[i].first] = v;
    }
}

void insertRow(RecordsetData& r, Row& row)
{
    ConnectionData& c = *r.connection;
    QStringList names;
    QStringList marks;
    QVariantList bindings;
    for (const auto& s : baseColumns(r)) {
        if (row.values[s.first].isValid()) {  // assigned, possibly to null
            names << quoteName(s.second);
            marks << QStringLiteral("?");
            bindings << row.values[s.first];
        }
    }
    const QString sql = names.isEmpty()
        ? QStringLiteral("INSERT INTO %1 DEFAULT VALUES").arg(quoteName(r.baseTable))
        : QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)").arg(quoteName(r.baseTable), names.join(QLatin1Char(',')), marks.join(QLatin1Char(',')));
    runStatement(c, sql, bindings);
    rereadRow(r, row, sqlite3_last_insert_rowid(c.db));
}

void updateRow(RecordsetData& r, Row& row)
{
    QStringList sets;
    QVariantList bindings;
    for (const auto& s : baseColumns(r)) {
        const QVariant& now = row.values[s.first];
        const QVariant& was = r.original[s.first];
        if (now == was && now.isNull() == was.isNull())
            continue;
        sets << quoteName(s.second) + QStringLiteral(" = ?");
        bindings << now;
    }
    if (sets.isEmpty())
        return;
    const sqlite3_int64 rowid = locateRow(r, r.original);
    bindings << QVariant(qlonglong(rowid));
    runStatement(*r.connection, QStringLiteral("UPDATE %1 SET %2 WHERE rowid = ?").arg(quoteName(r.baseTable), sets.join(QLatin1Char(','))), bindings);
    rereadRow(r, row, rowid);
}

} // namespace

Recordset wrapRecordset(std::shared_ptr<RecordsetData> data)
{
    Recordset rs;
    rs.d = std::move(data);
    return rs;
}

void RecordsetData::load(ResultSet&& result)
{
    columns = std::move(result.columns);
    rows = std::move(result.rows);
    columnIndex.clear();
    for (int i = int(columns.size()) - 1; i >= 0; --i)  // the first of two equal names wins
        columnIndex.insert(columns[i].name.toUpper(), i);
    baseTable.clear();
    for (const ColumnInfo& col : columns) {
        if (!col.table.isEmpty()) {
            baseTable = col.table;
            break;
        }
    }
    nextBookmark = int(rows.size()) + 1;
    pos = 0;
    currentDeleted = false;
    mode = EditMode::None;
    original.clear();
    open = true;
}

void RecordsetData::requireOpen() const
{
    if (!open)
        throw ComError(err::ObjectClosed, QStringLiteral("No se permite la operación si el objeto está cerrado."));
}

void RecordsetData::requireRow() const
{
    requireOpen();
    if (!onRow())
        noCurrentRecord();
}

int RecordsetData::columnOf(const QString& name) const
{
    requireOpen();
    const auto it = columnIndex.constFind(name.toUpper());
    if (it == columnIndex.constEnd())
        throw ComError(err::ItemNotFound, QStringLiteral("No se encuentra el elemento '%1' en la colección.").arg(name));
    return it.value();
}

void RecordsetData::commitPending()
{
    if (mode == EditMode::None)
        return;
    if (baseTable.isEmpty())
        throw ComError(err::OperationNotAllowed, QStringLiteral("El conjunto de registros no se puede actualizar."));
    Row& row = rows[pos];
    if (mode == EditMode::Add)
        insertRow(*this, row);
    else
        updateRow(*this, row);
    mode = EditMode::None;
    original.clear();
}

// --- Recordset -----------------------------------------------------------------------------------

Recordset Recordset::create()
{
    return wrapRecordset(std::make_shared<RecordsetData>());
}

void Recordset::openQuery(const Connection& connection, const QString& sql)
{
    if (!d)
        d = std::make_shared<RecordsetData>();
    auto c = connection.d;
    if (!c)
        throw ComError(err::ObjectNotOpen, QStringLiteral("La conexión no está abierta."));
    c->requireOpen();
    d->open = false;
    d->connection = c;
    d->source = sql;
    // A script runs whole; its first statement that returns rows gives the recordset.
    for (const QString& statement : splitStatements(sql)) {
        Recordset called;
        if (runProcedureCall(c, statement, &called)) {
            if (!d->open && !called.isNull() && called.d->open) {
                d->columns = called.d->columns;
                // The procedure's own rows are taken, not copied, when nothing else holds them.
                if (called.d.use_count() == 1)
                    d->rows = std::move(called.d->rows);
                else
                    d->rows = called.d->rows;
                d->columnIndex = called.d->columnIndex;
                d->baseTable = called.d->baseTable;
                d->nextBookmark = called.d->nextBookmark;
                d->pos = 0;
                d->currentDeleted = false;
                d->mode = EditMode::None;
                d->open = true;
            }
            continue;
        }
        ResultSet result = runStatement(*c, statement);
        if (result.hasColumns && !d->open)
            d->load(std::move(result));
    }
}

Recordset Recordset::open(const Connection& connection, const QString& sql)
{
    Recordset rs = create();
    rs.openQuery(connection, sql);
    return rs;
}

bool Recordset::isOpen() const { return d && d->open; }

void Recordset::close()
{
    if (!d) return;
    d->open = false;
    d->rows.clear();
    d->columns.clear();
    d->columnIndex.clear();
    d->mode = EditMode::None;
}

QString Recordset::source() const { return d ? d->source : QString(); }

Connection Recordset::activeConnection() const
{
    return d ? wrapConnection(d->connection) : Connection::null();
}

int Recordset::recordCount() const
{
    d->requireOpen();
    return int(d->rows.size());
}

bool Recordset::bof() const
{
    d->requireOpen();
    return d->rows.empty() || d->pos < 0;
}

bool Recordset::eof() const
{
    d->requireOpen();
    return d->rows.empty() || d->pos >= int(d->rows.size());
}

int Recordset::absolutePosition() const
{
    d->requireOpen();
    if (d->rows.empty() || d->pos < 0) return PosBOF;
    if (d->pos >= int(d->rows.size())) return PosEOF;
    return d->pos + 1;
}

void Recordset::setAbsolutePosition(int position)
{
    d->requireOpen();
    if (position < 1 || position > int(d->rows.size()))
        throw ComError(err::BadArgument, QStringLiteral("La posición %1 está fuera del intervalo.").arg(position));
    d->commitPending();
    d->pos = position - 1;
    d->currentDeleted = false;
}

void Recordset::moveFirst()
{
    d->requireOpen();
    d->commitPending();
    if (d->rows.empty()) noCurrentRecord();
    d->pos = 0;
    d->currentDeleted = false;
}

void Recordset::moveLast()
{
    d->requireOpen();
    d->commitPending();
    if (d->rows.empty()) noCurrentRecord();
    d->pos = int(d->rows.size()) - 1;
    d->currentDeleted = false;
}

void Recordset::moveNext()
{
    d->requireOpen();
    if (eof()) noCurrentRecord();
    d->commitPending();
    if (d->currentDeleted)
        d->currentDeleted = false;  // the next row already stands where the deleted one was
    else
        ++d->pos;
}

void Recordset::movePrevious()
{
    d->requireOpen();
    if (bof()) noCurrentRecord();
    d->commitPending();
    d->currentDeleted = false;
    --d->pos;
}

void Recordset::move(int rows)
{
    d->requireOpen();
    if (rows == 0) return;
    if (d->rows.empty()) noCurrentRecord();
    d->commitPending();
    const int from = d->pos;
    int target = from + rows;
    if (d->currentDeleted && rows > 0) --target;
    d->currentDeleted = false;
    d->pos = qBound(-1, target, int(d->rows.size()));
}

QVariant Recordset::bookmark() const
{
    d->requireRow();
    return d->rows[d->pos].bookmark;
}

void Recordset::setBookmark(const QVariant& bookmark)
{
    d->requireOpen();
    const int wanted = bookmark.toInt();
    for (int i = 0; i < int(d->rows.size()); ++i) {
        if (d->rows[i].bookmark == wanted) {
            d->commitPending();
            d->pos = i;
            d->currentDeleted = false;
            return;
        }
    }
    throw ComError(err::BadArgument, QStringLiteral("El marcador no es válido."));
}

void Recordset::requery()
{
    d->requireOpen();
    d->mode = EditMode::None;
    d->original.clear();
    Recordset fresh = open(wrapConnection(d->connection), d->source);
    if (!fresh.d->open)
        throw ComError(err::ObjectClosed, QStringLiteral("La consulta ya no devuelve registros."));
    d->columns = std::move(fresh.d->columns);
    d->rows = std::move(fresh.d->rows);
    d->columnIndex = std::move(fresh.d->columnIndex);
    d->baseTable = fresh.d->baseTable;
    d->nextBookmark = fresh.d->nextBookmark;
    d->pos = 0;
    d->currentDeleted = false;
}

void Recordset::find(const QString& criteria, int skipRows, SearchDirection direction)
{
    d->requireOpen();
    const Criteria c = Criteria::parse(criteria);
    const int column = d->columnOf(c.column);
    d->commitPending();
    const int step = direction == SearchDirection::Forward ? 1 : -1;
    int i = d->pos;
    if (d->currentDeleted && step < 0) --i;
    if (!d->currentDeleted || step < 0)
        i += skipRows * step;
    d->currentDeleted = false;
    if (step > 0 && i < 0) i = 0;
    for (; i >= 0 && i < int(d->rows.size()); i += step) {
        if (c.matches(d->rows[i].values[column])) {
            d->pos = i;
            return;
        }
    }
    d->pos = step > 0 ? int(d->rows.size()) : -1;
}

int Recordset::fieldCount() const
{
    d->requireOpen();
    return int(d->columns.size());
}

Field Recordset::field(int index) const
{
    d->requireOpen();
    if (index < 0 || index >= int(d->columns.size()))
        throw ComError(err::ItemNotFound, QStringLiteral("No se encuentra el elemento %1 en la colección.").arg(index));
    return Field(d, index);
}

Field Recordset::field(const QString& name) const
{
    return Field(d, d->columnOf(name));
}

bool Recordset::hasField(const QString& name) const
{
    return d && d->open && d->columnIndex.contains(name.toUpper());
}

QStringList Recordset::fieldNames() const
{
    d->requireOpen();
    QStringList names;
    for (const ColumnInfo& c : d->columns)
        names << c.name;
    return names;
}

QStringList Recordset::keyFields() const
{
    d->requireOpen();
    if (d->baseTable.isEmpty() || !d->connection)
        return {};
    const auto shown = baseColumns(*d);
    QStringList out;
    for (const QString& key : d->connection->tableInfo(d->baseTable).primaryKey) {
        QString column;
        for (const auto& s : shown)
            if (s.second.compare(key, Qt::CaseInsensitive) == 0)
                column = d->columns[s.first].name;
        if (column.isEmpty())
            return {};
        out << column;
    }
    return out;
}

void Recordset::addNew()
{
    d->requireOpen();
    d->commitPending();
    Row row;
    row.bookmark = d->nextBookmark++;
    row.values.resize(d->columns.size());  // invalid QVariant: not assigned
    d->rows.push_back(std::move(row));
    d->pos = int(d->rows.size()) - 1;
    d->currentDeleted = false;
    d->mode = EditMode::Add;
}

void Recordset::update()
{
    d->requireOpen();
    if (d->mode == EditMode::None)
        return;
    d->commitPending();
}

void Recordset::cancelUpdate()
{
    d->requireOpen();
    if (d->mode == EditMode::Add) {
        d->rows.erase(d->rows.begin() + d->pos);
        d->pos = d->rows.empty() ? 0 : int(d->rows.size()) - 1;
    } else if (d->mode == EditMode::InProgress) {
        d->rows[d->pos].values = d->original;
    }
    d->mode = EditMode::None;
    d->original.clear();
}

void Recordset::deleteCurrent()
{
    d->requireRow();
    if (d->mode == EditMode::Add) {
        cancelUpdate();
        return;
    }
    if (d->baseTable.isEmpty())
        throw ComError(err::OperationNotAllowed, QStringLiteral("El conjunto de registros no se puede actualizar."));
    const std::vector<QVariant>& values = d->mode == EditMode::InProgress ? d->original : d->rows[d->pos].values;
    const sqlite3_int64 rowid = locateRow(*d, values);
    runStatement(*d->connection, QStringLiteral("DELETE FROM %1 WHERE rowid = ?").arg(quoteName(d->baseTable)),
                 {QVariant(qlonglong(rowid))});
    d->mode = EditMode::None;
    d->original.clear();
    d->rows.erase(d->rows.begin() + d->pos);
    d->currentDeleted = true;
}

EditMode Recordset::editMode() const
{
    return d ? d->mode : EditMode::None;
}

QVariant Recordset::cell(int row, int column) const
{
    const QVariant& v = d->rows[row].values[column];
    return v.isValid() ? v : QVariant();
}

// --- Field ---------------------------------------------------------------------------------------

QString Field::name() const { return d->columns[m_index].name; }

DataType Field::type() const { return d->columns[m_index].type; }

QVariant Field::value() const
{
    d->requireRow();
    const QVariant& v = d->rows[d->pos].values[m_index];
    return v.isValid() ? v : QVariant();
}

void Field::setValue(const QVariant& value)
{
    d->requireRow();
    if (d->mode == EditMode::None) {
        d->original = d->rows[d->pos].values;
        d->mode = EditMode::InProgress;
    }
    // A null that was assigned stays valid, so that an insert writes it instead of the default.
    d->rows[d->pos].values[m_index] = value.isValid() ? value : QVariant(QMetaType::fromType<QString>());
}

} // namespace adodb
