#include "catalog/detail_grid.h"
#include "foundation/database/cls_ado.h"
#include "platform/grid/grid.h"

#include <QApplication>
#include <QHeaderView>
#include <QScrollBar>
#include <QRegularExpression>
#include <QTableWidget>

DetailGrid::DetailGrid(grid::Grid* grid, QObject* parent) : QObject(parent), m_grid(grid)
{
    grid->setAllLocked(true);
    grid->setProtected(true);
    // A row is typed from its first cell to its last, as a record's fields are.
    grid->setTabThroughCells(true);
    connect(grid, &grid::Grid::keyPressed, this, [this](int key, Qt::KeyboardModifiers) { onKey(key); });
    connect(grid, &grid::Grid::leaveCell, this, &DetailGrid::onLeaveCell);
    connect(grid, &grid::Grid::buttonClicked, this, &DetailGrid::onButton);
    connect(grid, &grid::Grid::edited, this, &DetailGrid::onEdited);
    connect(grid, &grid::Grid::comboSelectionChanged, this, &DetailGrid::onComboPicked);
    connect(grid, &grid::Grid::rightClicked, this, &DetailGrid::onRightClick);
}

DetailGrid::~DetailGrid() = default;

bool DetailGrid::isKey(const QString& text)
{
    static const QRegularExpression entero(QStringLiteral("^[+-]?[0-9]+$"));
    return entero.match(text.trimmed()).hasMatch();
}

void DetailGrid::setStateColumn(int column)
{
    m_stateColumn = column;
}

void DetailGrid::setTable(const QString& table, const QString& recordKeyField)
{
    m_table = table;
    m_recordKeyField = recordKeyField;
}

void DetailGrid::setKeyColumn(int column, bool skipEmpty)
{
    m_keyColumn = column;
    m_skipEmptyKeys = skipEmpty;
}

void DetailGrid::setPicker(int buttonColumn, DetailPicker picker)
{
    m_buttonColumn = buttonColumn;
    m_picker = picker;
}

void DetailGrid::setInsertValue(int column, const QVariant& value)
{
    m_insertValues.append({column, value});
}

void DetailGrid::setModifyColumns(const QList<int>& storedRows, const QList<int>& addedRows)
{
    m_modifyStored = storedRows;
    m_modifyAdded = addedRows;
    m_limitModify = true;
}

void DetailGrid::addComboColumn(int comboColumn, int keyColumn, const QString& listQuery)
{
    Combo combo{comboColumn, keyColumn, listQuery, {}};
    readList(combo);
    m_combos.append(combo);
}

void DetailGrid::readList(Combo& combo)
{
    combo.ids.clear();
    QStringList names;
    adodb::Recordset lista;
    if (g_ClsAdo().Establece_consulta(lista, combo.listQuery, 3, 3, 1)) {
        for (int r = 0; r < lista.recordCount(); ++r) {
            combo.ids.append(lista.cell(r, 0).toLongLong());
            names.append(lista.cell(r, 1).toString());
        }
    }
    m_grid->setColumnFormat(combo.column, grid::CellFormat::combo(names));
}

void DetailGrid::refreshLists()
{
    for (Combo& combo : m_combos)
        readList(combo);
}

void DetailGrid::setMode(Mode mode)
{
    m_mode = mode;
    if (mode == Mode::Modify)
        rememberLoaded();
    const bool limited = mode == Mode::Modify && m_limitModify;
    m_grid->setProtected(mode == Mode::Browse || limited);
    for (int column : m_modifyStored)
        m_grid->setColumnLocked(column, !limited);
    // Browsing, the rows can still be looked through; nothing in them can be changed.
    if (mode == Mode::Browse)
        m_grid->setEnabled(true);
}

void DetailGrid::fill(const QString& recordKey)
{
    m_loaded.clear();
    m_loadedDue = false;
    adodb::Recordset filas;
    if (!isKey(recordKey) || m_fillQuery.isEmpty()
        || !g_ClsAdo().Establece_consulta(filas, m_fillQuery + recordKey.trimmed(), 3, 3, 1)) {
        m_grid->setRowCount(0);
        return;
    }
    const int columns = filas.fieldCount();
    const int rows = filas.recordCount();
    // Texts go in as written, so that a name the combo's list lacks still shows. The grid alone
    // keeps the rows read, and takes each from them when it is first needed.
    m_grid->loadRowsOnDemand(
        rows,
        [filas = std::move(filas), columns](int row, int column) {
            return column <= columns ? filas.cell(row - 1, column - 1) : QVariant();
        },
        true);
    // What the rows hold as loaded is taken when a change begins: nothing has touched them by then.
    m_loadedDue = true;
    if (m_mode == Mode::Modify)
        rememberLoaded();
}

QString DetailGrid::rowState(int row) const
{
    return m_stateColumn > 0 ? m_grid->text(row, m_stateColumn).trimmed() : QString();
}

void DetailGrid::setRowState(int row, const QString& state)
{
    if (m_stateColumn > 0)
        m_grid->setText(row, m_stateColumn, state);
}

void DetailGrid::markChanged(int row)
{
    if (m_stateColumn > 0 && row >= 1 && row <= m_grid->rowCount() && rowState(row) != QLatin1String("N"))
        setRowState(row, QStringLiteral("M"));
}

void DetailGrid::unlockAddedRow(int row)
{
    if (m_mode != Mode::Modify)
        return;
    for (int column : m_modifyAdded)
        m_grid->setCellLocked(row, column, false);
}

void DetailGrid::onKey(int key)
{
    // The key that started an edit of the record (Insert while browsing) has moved the focus away.
    const QWidget* foco = QApplication::focusWidget();
    if (m_mode == Mode::Browse || !foco || !(foco == m_grid || m_grid->isAncestorOf(foco)))
        return;
    if (key == Qt::Key_Insert)
        insertRow();
    else if (key == Qt::Key_Delete)
        deleteRow();
}

void DetailGrid::insertRow()
{
    if (m_mode == Mode::Browse)
        return;
    if (m_insertOnlyAfterData && m_grid->rowCount() != m_grid->lastDataRow())
        return;
    const int row = m_grid->rowCount() + 1;
    m_grid->setRowCount(row);
    for (const auto& [column, value] : m_insertValues)
        m_grid->setValue(row, column, value);
    setRowState(row, QStringLiteral("N"));
    unlockAddedRow(row);
    if (m_insertColumn > 0)
        m_grid->setActiveCell(row, m_insertColumn);
}

void DetailGrid::deleteRow()
{
    const int row = m_grid->activeRow();
    if (m_mode == Mode::Browse || row < 1 || row > m_grid->rowCount())
        return;
    // A row that was never stored has nothing to delete: it goes at once.
    if (m_stateColumn == 0 || rowState(row) == QLatin1String("N")) {
        m_grid->deleteRows(row);
        return;
    }
    setRowState(row, QStringLiteral("B"));
    m_grid->setRowHidden(row, true);
}

void DetailGrid::sizeToColumns(int rows)
{
    QTableWidget* t = m_grid->table();
    const int ancho = t->verticalHeader()->sizeHint().width() + t->horizontalHeader()->length()
                      + t->verticalScrollBar()->sizeHint().width() + 2 * t->frameWidth();
    const int alto = t->horizontalHeader()->sizeHint().height() + rows * t->verticalHeader()->defaultSectionSize()
                     + 2 * t->frameWidth();
    m_grid->setMinimumSize(ancho, alto);
}
