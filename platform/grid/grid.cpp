#include "platform/grid/grid.h"

#include "platform/grid/column_fitter.h"
#include "platform/grid/frozen_rows.h"
#include "platform/grid/grid_delegate.h"
#include "platform/grid/grid_item.h"
#include "platform/grid/grid_table.h"

#include <QAbstractItemDelegate>
#include <QApplication>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include <vector>

namespace grid {

namespace {

// A check box or a button draws itself in an empty cell, and a combo is picked from its item.
bool needsItemWhenEmpty(const CellFormat& format)
{
    return format.type == CellType::CheckBox || format.type == CellType::Button || format.type == CellType::Combo;
}

const FormatPtr& plainText()
{
    static const FormatPtr format = std::make_shared<const CellFormat>();
    return format;
}

// Rows and columns come and go with the model's signals on, also while writes are quiet: the views
// must follow the table's shape.
class ShapeChange {
public:
    explicit ShapeChange(QAbstractItemModel* model) : m_model(model), m_wasBlocked(model->blockSignals(false)) {}
    ~ShapeChange() { m_model->blockSignals(m_wasBlocked); }
    ShapeChange(const ShapeChange&) = delete;
    ShapeChange& operator=(const ShapeChange&) = delete;

private:
    QAbstractItemModel* m_model;
    bool m_wasBlocked;
};

} // namespace

Grid::Grid(QWidget* parent)
    : QWidget(parent), m_table(new GridTable(this)), m_delegate(new GridDelegate(this)), m_fitter(new ColumnFitter(m_table))
{
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_table);
    setFocusProxy(m_table);

    m_table->setItemDelegate(m_delegate);
    m_table->setItemPrototype(new GridItem(plainText(), false));
    m_table->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed
                             | QAbstractItemView::AnyKeyPressed);
    m_table->setContextMenuPolicy(Qt::CustomContextMenu);
    // Tab leaves the grid for the window's next control, as in every other control of a window.
    m_table->setTabKeyNavigation(false);
    setSelectionMode(SelectionMode::Cell);

    connect(m_table, &QTableWidget::cellClicked, this, [this](int r, int c) { emit clicked(r + 1, c + 1); });
    connect(m_table, &QTableWidget::cellDoubleClicked, this,
            [this](int r, int c) { emit doubleClicked(r + 1, c + 1); });
    connect(m_table->horizontalHeader(), &QHeaderView::sectionClicked, this,
            [this](int c) { emit clicked(0, c + 1); });
    connect(m_table->verticalHeader(), &QHeaderView::sectionClicked, this,
            [this](int r) { emit clicked(r + 1, 0); });
    connect(m_table, &QWidget::customContextMenuRequested, this, [this](const QPoint& pos) {
        const QModelIndex index = m_table->indexAt(pos);
        emit rightClicked(index.isValid() ? index.row() + 1 : 0, index.isValid() ? index.column() + 1 : 0,
                          m_table->viewport()->mapToGlobal(pos));
    });
    connect(m_table->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            [this](const QItemSelection& selected) { stampSelection(selected); });
}

Grid::~Grid()
{
    // The table frees its model and its open editor as it goes: nothing may follow it there. The
    // frozen rows' view follows the model's resets, and an editor losing its focus commits its
    // text through the delegate, into cells being freed.
    delete m_frozen;
    m_frozen = nullptr;
    disconnect(m_delegate, nullptr, m_table, nullptr);
    disconnect(m_table, nullptr, this, nullptr);
    disconnect(m_table->selectionModel(), nullptr, this, nullptr);
    delete m_table;
    freeSpareItems();
}

QTableWidget* Grid::table() const
{
    return m_table;
}

void Grid::commitEdit(bool closeEditor)
{
    QWidget* editor = QApplication::focusWidget();
    while (editor && editor->parentWidget() != m_table->viewport())
        editor = editor->parentWidget();
    if (!editor)
        return;
    QAbstractItemDelegate* delegado = m_table->itemDelegateForIndex(m_table->currentIndex());
    emit delegado->commitData(editor);
    if (closeEditor)
        emit delegado->closeEditor(editor, QAbstractItemDelegate::NoHint);
}

bool Grid::widenColumn(int column, int pixels) const
{
    return m_fitter->widen(column, pixels);
}

bool Grid::inRange(int row, int column) const
{
    return row >= 1 && column >= 1 && row <= rowCount() && column <= columnCount();
}

GridItem* Grid::existingItem(int row, int column) const
{
    // The table answers no item outside its rows and columns.
    return static_cast<GridItem*>(m_table->item(row - 1, column - 1));
}

GridItem* Grid::item(int row, int column) const
{
    GridItem* existing = existingItem(row, column);
    if (existing || !inRange(row, column) || !m_loaded.covers(row, column))
        return existing;
    return const_cast<Grid*>(this)->makeLoadedItem(row, column);
}

std::optional<QVariant> Grid::loadedValue(int row, int column) const
{
    if (!inRange(row, column) || !m_loaded.covers(row, column) || existingItem(row, column))
        return std::nullopt;
    return m_loaded.value(row, column);
}

QString Grid::loadedText(int column, const QVariant& loaded) const
{
    if (loaded.isNull())
        return QString();
    const CellFormat& format = defaultFormat(column);
    return GridItem::textOf(format, GridItem::contentOf(format, loaded, m_loaded.textsAsWritten()));
}

QVariant Grid::loadedCellValue(int column, const QVariant& loaded) const
{
    if (loaded.isNull())
        return QVariant();
    return GridItem::contentOf(defaultFormat(column), loaded, m_loaded.textsAsWritten()).value;
}

GridItem* Grid::makeLoadedItem(int row, int column)
{
    const QVariant value = m_loaded.take(row, column);
    if (value.isNull() && !needsItemWhenEmpty(defaultFormat(column)))
        return nullptr;
    GridItem* made = newItem(column);
    if (m_loaded.textsAsWritten() && value.typeId() == QMetaType::QString)
        made->setCellText(value.toString());
    else
        made->setCellValue(value);
    const QSignalBlocker quiet(m_table->model());
    m_table->setItem(row - 1, column - 1, made);
    return made;
}

void Grid::makeLoadedItems()
{
    if (m_loaded.isEmpty())
        return;
    const int rows = qMin(m_loaded.rows(), rowCount());
    const int columns = qMin(m_loaded.columns(), columnCount());
    for (int r = 1; r <= rows; ++r)
        for (int c = 1; c <= columns; ++c)
            if (!existingItem(r, c))
                makeLoadedItem(r, c);
    m_loaded.clear();
}

GridItem* Grid::cell(int row, int column)
{
    if (!inRange(row, column))
        return nullptr;
    if (GridItem* existing = item(row, column))
        return existing;
    // An empty item looks like no item: the views need not hear of it.
    const QSignalBlocker quiet(m_table->model());
    GridItem* made = newItem(column);
    m_table->setItem(row - 1, column - 1, made);
    return made;
}

GridItem* Grid::newItem(int column)
{
    const ColumnDefaults& defaults = m_columns.at(column - 1);
    if (m_spareItems.empty())
        return new GridItem(defaults.format, defaults.locked);
    GridItem* spare = m_spareItems.back();
    m_spareItems.pop_back();
    spare->reset(defaults.format, defaults.locked);
    return spare;
}

void Grid::keepSpareItems(int firstRow, int lastRow)
{
    const QSignalBlocker quiet(m_table->model());
    for (int r = firstRow; r <= lastRow; ++r)
        for (int c = 1; c <= columnCount(); ++c)
            if (QTableWidgetItem* taken = m_table->takeItem(r - 1, c - 1))
                m_spareItems.push_back(static_cast<GridItem*>(taken));
}

void Grid::freeSpareItems()
{
    for (GridItem* spare : m_spareItems)
        delete spare;
    m_spareItems.clear();
    m_spareItems.shrink_to_fit();
}

const CellFormat& Grid::defaultFormat(int column) const
{
    return *m_columns.at(column - 1).format;
}

bool Grid::defaultLocked(int column) const
{
    return m_columns.at(column - 1).locked;
}

void Grid::fillNewCells(int firstRow, int lastRow, int firstColumn, int lastColumn,
                        const std::function<void(GridItem& item, int row, int column)>& content)
{
    if (firstRow > lastRow || firstColumn > lastColumn)
        return;
    std::vector<bool> made(lastColumn - firstColumn + 1, true);
    for (int c = firstColumn; c <= lastColumn; ++c)
        made[c - firstColumn] = content || needsItemWhenEmpty(defaultFormat(c));
    {
        const QSignalBlocker quiet(m_table->model());
        for (int r = firstRow; r <= lastRow; ++r) {
            for (int c = firstColumn; c <= lastColumn; ++c) {
                if (!made[c - firstColumn])
                    continue;
                GridItem* item = newItem(c);
                if (content)
                    content(*item, r, c);
                m_table->setItem(r - 1, c - 1, item);
            }
        }
    }
    // One notice for the whole block instead of one per cell; none while writes are quiet, whose
    // end repaints everything.
    if (!writesAreQuiet()) {
        QAbstractItemModel* model = m_table->model();
        emit model->dataChanged(model->index(firstRow - 1, firstColumn - 1), model->index(lastRow - 1, lastColumn - 1));
    }
}

void Grid::loadRows(int rows, const std::function<QVariant(int row, int column)>& cell, bool textsAsWritten)
{
    replaceRows(rows, [&] { m_loaded.load(rowCount(), columnCount(), textsAsWritten, cell); });
}

void Grid::loadRowsOnDemand(int rows, std::function<QVariant(int row, int column)> source, bool textsAsWritten)
{
    replaceRows(rows, [&] { m_loaded.share(rowCount(), columnCount(), textsAsWritten, std::move(source)); });
}

void Grid::replaceRows(int rows, const std::function<void()>& load)
{
    ++m_quiet;
    m_loaded.clear();
    {
        const ShapeChange shape(m_table->model());
        m_table->setRowCount(0);
        m_table->setRowCount(qMax(0, rows));
    }
    // The values wait in the store; a cell gets its item when it is first shown, written or styled.
    load();
    if (!writesAreQuiet() && rowCount() > 0 && columnCount() > 0) {
        QAbstractItemModel* model = m_table->model();
        emit model->dataChanged(model->index(0, 0), model->index(rowCount() - 1, columnCount() - 1));
    }
    --m_quiet;
}

void Grid::repaintCells()
{
    m_table->viewport()->update();
    if (m_frozen)
        m_frozen->viewport()->update();
}

// --- Size ------------------------------------------------------------------------------------

int Grid::rowCount() const
{
    return m_table->rowCount();
}

void Grid::setRowCount(int rows)
{
    rows = qMax(0, rows);
    const int old = rowCount();
    ++m_quiet;
    m_loaded.dropRowsFrom(rows);
    if (rows < old)
        keepSpareItems(rows + 1, old);
    {
        const ShapeChange shape(m_table->model());
        m_table->setRowCount(rows);
    }
    if (rows > old)
        fillNewCells(old + 1, rows, 1, columnCount());
    --m_quiet;
}

int Grid::columnCount() const
{
    return m_table->columnCount();
}

void Grid::setColumnCount(int columns)
{
    columns = qMax(0, columns);
    const int old = columnCount();
    if (columns < old)
        makeLoadedItems();
    ++m_quiet;
    while (m_columns.size() < columns) {
        ColumnDefaults added;
        added.format = plainText();
        added.locked = m_allLocked;
        m_columns.append(added);
    }
    m_columns.resize(columns);
    {
        const ShapeChange shape(m_table->model());
        m_table->setColumnCount(columns);
    }
    if (columns > old)
        fillNewCells(1, rowCount(), old + 1, columns);
    --m_quiet;
}

void Grid::insertRows(int row, int count)
{
    if (row < 1 || row > rowCount() + 1 || count <= 0)
        return;
    makeLoadedItems();
    ++m_quiet;
    {
        const ShapeChange shape(m_table->model());
        m_table->model()->insertRows(row - 1, count);
    }
    fillNewCells(row, row + count - 1, 1, columnCount());
    --m_quiet;
}

void Grid::deleteRows(int row, int count)
{
    if (row < 1 || row > rowCount() || count <= 0)
        return;
    makeLoadedItems();
    ++m_quiet;
    const ShapeChange shape(m_table->model());
    m_table->model()->removeRows(row - 1, qMin(count, rowCount() - row + 1));
    --m_quiet;
}

int Grid::lastDataRow() const
{
    for (int r = rowCount(); r >= 1; --r) {
        for (int c = 1; c <= columnCount(); ++c) {
            if (const std::optional<QVariant> loaded = loadedValue(r, c)) {
                if (!loaded->isNull())
                    return r;
            } else if (const GridItem* cell = existingItem(r, c); cell && cell->holdsData()) {
                return r;
            }
        }
    }
    return 0;
}

// --- Cells -----------------------------------------------------------------------------------

QTableWidgetItem* Grid::headerItem(int row, int column, bool create)
{
    const bool columnHeader = row == 0 && column >= 1 && column <= columnCount();
    const bool rowHeader = column == 0 && row >= 1 && row <= rowCount();
    if (!columnHeader && !rowHeader)
        return nullptr;
    QTableWidgetItem* header = columnHeader ? m_table->horizontalHeaderItem(column - 1)
                                            : m_table->verticalHeaderItem(row - 1);
    if (!header && create) {
        header = new QTableWidgetItem;
        if (columnHeader)
            m_table->setHorizontalHeaderItem(column - 1, header);
        else
            m_table->setVerticalHeaderItem(row - 1, header);
    }
    return header;
}

QString Grid::text(int row, int column) const
{
    if (row == 0 || column == 0) {
        QTableWidgetItem* header = const_cast<Grid*>(this)->headerItem(row, column, false);
        return header ? header->text() : QString();
    }
    if (const GridItem* cell = existingItem(row, column))
        return cell->cellText();
    if (inRange(row, column) && m_loaded.covers(row, column))
        return loadedText(column, m_loaded.value(row, column));
    return QString();
}

void Grid::setText(int row, int column, const QString& text)
{
    if (row == 0 || column == 0) {
        if (QTableWidgetItem* header = headerItem(row, column, true)) {
            header->setText(text);
            if (row == 0)
                fitHeader(column);
        }
        return;
    }
    if (GridItem* made = cell(row, column))
        made->setCellText(text);
}

QVariant Grid::value(int row, int column) const
{
    if (row == 0 || column == 0) {
        const QString header = text(row, column);
        return header.isEmpty() ? QVariant() : QVariant(header);
    }
    if (const GridItem* cell = existingItem(row, column))
        return cell->data(GridItem::kValueRole);
    if (inRange(row, column) && m_loaded.covers(row, column))
        return loadedCellValue(column, m_loaded.value(row, column));
    return QVariant();
}

void Grid::setValue(int row, int column, const QVariant& value)
{
    if (row == 0 || column == 0) {
        setText(row, column, value.toString());
        return;
    }
    if (GridItem* made = cell(row, column))
        made->setCellValue(value);
}

void Grid::clearCell(int row, int column)
{
    if (GridItem* cell = item(row, column))
        cell->setCellValue(QVariant());
}

void Grid::setFormula(int row, int column, const QString& formula)
{
    if (GridItem* made = cell(row, column))
        made->setFormula(formula);
}

QString Grid::formula(int row, int column) const
{
    const GridItem* cell = existingItem(row, column);
    return cell ? cell->formula() : QString();
}

// --- Types -----------------------------------------------------------------------------------

CellFormat Grid::cellFormat(int row, int column) const
{
    if (const GridItem* cell = existingItem(row, column))
        return cell->format();
    return inRange(row, column) ? defaultFormat(column) : CellFormat();
}

CellType Grid::cellType(int row, int column) const
{
    if (const GridItem* cell = existingItem(row, column))
        return cell->format().type;
    return inRange(row, column) ? defaultFormat(column).type : CellType::Text;
}

void Grid::setCellFormat(int row, int column, const CellFormat& format)
{
    GridItem* made = cell(row, column);
    if (!made)
        return;
    // A report gives thousands of cells the same type one by one: they share one copy of it.
    if (!m_lastCellFormat || !(*m_lastCellFormat == format))
        m_lastCellFormat = std::make_shared<const CellFormat>(format);
    made->setFormat(m_lastCellFormat);
}

void Grid::setColumnFormat(int column, const CellFormat& format)
{
    if (column < 1 || column > columnCount())
        return;
    // A loaded value was read by the column's old type: its cell re-reads it as an item does.
    makeLoadedItems();
    const FormatPtr shared = std::make_shared<const CellFormat>(format);
    m_columns[column - 1].format = shared;
    const bool needsItems = needsItemWhenEmpty(format);
    for (int r = 1; r <= rowCount(); ++r) {
        if (GridItem* existing = item(r, column))
            existing->setFormat(shared);
        else if (needsItems)
            cell(r, column);
    }
}

CellFormat Grid::columnFormat(int column) const
{
    if (column < 1 || column > columnCount())
        return CellFormat();
    return *m_columns.at(column - 1).format;
}

int Grid::comboIndex(int row, int column) const
{
    const GridItem* cell = item(row, column);
    if (!cell || cell->format().type != CellType::Combo || cell->cellValue().isNull())
        return -1;
    return cell->cellValue().toInt();
}

// --- Print-out -------------------------------------------------------------------------------

const PrintSettings& Grid::printSettings() const
{
    return m_printSettings;
}

void Grid::setPrintSettings(const PrintSettings& settings)
{
    m_printSettings = settings;
}

} // namespace grid
