#include "platform/grid/recordset_fill.h"

#include "platform/grid/grid.h"

#include <QDateTime>

namespace grid {

namespace {

// Time stamps show day first, as every date of the system does; a midnight stamp shows its date.
QVariant dayFirst(const QVariant& value)
{
    if (value.isNull())
        return value;
    QDateTime moment = value.toDateTime();
    if (!moment.isValid())
        moment = QDateTime::fromString(value.toString().trimmed(), Qt::ISODate);
    if (!moment.isValid())
        moment = QDateTime::fromString(value.toString().trimmed(), QStringLiteral("yyyy-MM-dd HH:mm:ss"));
    if (!moment.isValid())
        return value;
    return moment.toString(moment.time() == QTime(0, 0) ? QStringLiteral("dd/MM/yyyy")
                                                         : QStringLiteral("dd/MM/yyyy HH:mm:ss"));
}

} // namespace

CellFormat formatForField(adodb::DataType type)
{
    switch (type) {
    case adodb::DataType::Integer:
    case adodb::DataType::BigInt:
        return CellFormat::integer();
    case adodb::DataType::Double:
        return CellFormat::number(2);
    case adodb::DataType::Currency:
        return CellFormat::currency(2);
    case adodb::DataType::Date:
        return CellFormat::date();
    case adodb::DataType::Boolean:
        return CellFormat::checkBox();
    default:
        return CellFormat::text();
    }
}

namespace {

// `row` counts the records from 1.
QVariant shownValue(const adodb::Recordset& recordset, const QList<bool>& stamps, int row, int column)
{
    if (row < 1)
        return QVariant();
    const QVariant value = recordset.cell(row - 1, column - 1);
    return stamps.at(column - 1) ? dayFirst(value) : value;
}

// Empties the grid and gives it the recordset's columns unless it keeps its own; the time-stamp
// fields are marked in `stamps`. The columns the fields fill; -1 when there is nothing to fill.
int prepareColumns(Grid& grid, const adodb::Recordset& recordset, const FillOptions& options, QList<bool>& stamps)
{
    grid.setRowCount(0);
    if (recordset.isNull() || !recordset.isOpen())
        return -1;
    const int fields = recordset.fieldCount();
    stamps = QList<bool>(fields, false);
    if (!options.keepDesignColumns) {
        grid.setColumnCount(fields);
        for (int f = 0; f < fields; ++f) {
            const adodb::Field field = recordset.field(f);
            grid.setText(0, f + 1, field.name());
            grid.setColumnFormat(f + 1, formatForField(field.type()));
            stamps[f] = field.type() == adodb::DataType::DBTimeStamp;
        }
    }
    return qMin(fields, grid.columnCount());
}

} // namespace

void fillFromRecordset(Grid& grid, const adodb::Recordset& recordset, const FillOptions& options)
{
    QList<bool> stamps;
    const int columns = prepareColumns(grid, recordset, options, stamps);
    if (columns < 0)
        return;
    const int above = qMax(0, options.firstRow - 1);
    grid.loadRows(above + recordset.recordCount(), [&](int row, int column) {
        return column <= columns ? shownValue(recordset, stamps, row - above, column) : QVariant();
    });
    if (options.fitColumnWidths)
        grid.fitColumnWidths();
}

void fillFromRecordset(Grid& grid, adodb::Recordset&& recordset, const FillOptions& options)
{
    QList<bool> stamps;
    const int columns = prepareColumns(grid, recordset, options, stamps);
    if (columns < 0)
        return;
    const int above = qMax(0, options.firstRow - 1);
    const int rows = above + recordset.recordCount();
    grid.loadRowsOnDemand(rows, [rs = std::move(recordset), stamps, columns, above](int row, int column) {
        return column <= columns ? shownValue(rs, stamps, row - above, column) : QVariant();
    });
    if (options.fitColumnWidths)
        grid.fitColumnWidths();
}

} // namespace grid
