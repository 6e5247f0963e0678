#pragma once

#include "platform/grid/cell_format.h"
#include "platform/grid/formula.h"
#include "platform/grid/loaded_cells.h"
#include "platform/grid/print_settings.h"

#include <QColor>
#include <QFont>
#include <QList>
#include <QPoint>
#include <QString>
#include <QVariant>
#include <QWidget>

#include <functional>
#include <memory>
#include <optional>
#include <vector>

class QStyle;
class QItemSelection;
class QTableView;
class QPrinter;
class QTableWidget;
class QTableWidgetItem;

namespace grid {

class ColumnFitter;
class FrozenRows;
class GridDelegate;
class GridItem;
class GridTable;

// How clicks select.
enum class SelectionMode {
    Cell,       // one cell at a time
    SingleRow,  // one whole row at a time
    MultiRow,   // each click selects or deselects its row; any number of rows at once
};

enum class PrintResult { Printed, Cancelled, Failed };

// The lines drawn on a cell's edges.
struct CellBorder {
    Qt::Edges edges;
    QColor color;
    Qt::PenStyle style = Qt::NoPen;
};

// The grid every window of the system uses: a table of cells addressed from 1 (row, column), with
// row 0 the column headers and column 0 the row headers. Rows and columns are added and dropped by
// setting the counts. Each cell has a text (what it shows), a value (what it holds: a number, a
// date, 1/0 of a check box, the position picked in a combo), a type, a lock and a look. Out-of-range
// cells read as empty and ignore writes.
class Grid : public QWidget {
    Q_OBJECT
public:
    explicit Grid(QWidget* parent = nullptr);
    ~Grid() override;

    // --- Size ---------------------------------------------------------------------------------
    // The rows that hold cells, numbered 1 to rowCount().
    int rowCount() const;
    // Lowering drops the rows beyond the count, 0 empties the grid, raising appends empty rows.
    void setRowCount(int rows);
    // The columns that hold cells, numbered 1 to columnCount().
    int columnCount() const;
    // Lowering drops the columns beyond the count; raising appends columns of plain text.
    void setColumnCount(int columns);
    // Inserts empty rows before row (rowCount() + 1 appends); the rows below move down.
    void insertRows(int row, int count = 1);
    // Removes rows from row on; the rows below move up and the row count falls by the rows removed.
    void deleteRows(int row, int count = 1);
    // The last row with a text or value in any column, hidden ones included; 0 when none.
    int lastDataRow() const;
    // Replaces every row by `rows` new rows, each cell taking cell(row, column) as its value, or,
    // with textsAsWritten, a text value as setText writes it. Done at once, the view told once:
    // the way to fill thousands of rows.
    void loadRows(int rows, const std::function<QVariant(int row, int column)>& cell, bool textsAsWritten = false);
    // As loadRows, without copying: each cell is read from `source` when it is first shown, read or
    // written, so the source must answer the same until the next load (a snapshot the grid alone
    // keeps, say).
    void loadRowsOnDemand(int rows, std::function<QVariant(int row, int column)> source, bool textsAsWritten = false);

    // --- Cells --------------------------------------------------------------------------------
    // The text the cell shows ("1"/"0" for a check box); row 0 and column 0 give the headers.
    QString text(int row, int column) const;
    // Writes the cell as typed: read by the cell's type (a number cell takes "12.5", a date cell
    // "5/7/2021" or "2021-07-05"); a text its type cannot read is shown as written, with no value.
    void setText(int row, int column, const QString& text);
    // The value the cell holds: a number for numeric cells, QDate, QTime, 1/0, a combo position,
    // the text of text cells; null when empty.
    QVariant value(int row, int column) const;
    void setValue(int row, int column, const QVariant& value);
    // Empties the cell's text, value and formula; its type, lock and look stay.
    void clearCell(int row, int column);
    // The cell shows the sum of a block: "SUM(C1:C12)"; it follows the block's values.
    void setFormula(int row, int column, const QString& formula);
    QString formula(int row, int column) const;

    // --- Types --------------------------------------------------------------------------------
    CellFormat cellFormat(int row, int column) const;
    // The type alone, without copying the format.
    CellType cellType(int row, int column) const;
    void setCellFormat(int row, int column, const CellFormat& format);
    // Gives every cell of the column the format, and so the rows added later.
    void setColumnFormat(int column, const CellFormat& format);
    CellFormat columnFormat(int column) const;
    // The position picked in a combo cell (0 the first entry); -1 for none or another type.
    int comboIndex(int row, int column) const;

    // --- Locks and protection -----------------------------------------------------------------
    bool isCellLocked(int row, int column) const;
    void setCellLocked(int row, int column, bool locked);
    void setRowLocked(int row, bool locked);
    // Locks or unlocks the column's cells, and those of rows added later.
    void setColumnLocked(int column, bool locked);
    // Locks or unlocks every cell, and those added later.
    void setAllLocked(bool locked);
    // While protected (the default), locked cells refuse editing; unprotected, every cell is editable.
    bool isProtected() const;
    void setProtected(bool on);
    // Whether the user can type into, toggle, pick in or press the cell now.
    bool isCellEditable(int row, int column) const;
    // Off (the default): Enter and Tab keep an entry the cell's type cannot take yet ("25:99") in
    // its editor. On: they end the edit as a click elsewhere does, so that editFinished reports it.
    bool keysEndIncompleteEntries() const;
    void setKeysEndIncompleteEntries(bool on);
    // With it on, Tab and Shift+Tab go from cell to cell that the user can type into, pick in or
    // toggle, row by row, and leave the grid for the window's next control after the last (before
    // the first); off (the default), they leave the grid at once.
    void setTabThroughCells(bool on) { m_tabThroughCells = on; }
    bool tabThroughCells() const { return m_tabThroughCells; }

    // --- Rows and columns ---------------------------------------------------------------------
    bool isRowHidden(int row) const;
    void setRowHidden(int row, bool hidden);
    bool isColumnHidden(int column) const;
    void setColumnHidden(int column, bool hidden);
    // Shows or hides row 0 (column headers) and column 0 (row headers).
    void setColumnHeaderVisible(bool visible);
    bool isColumnHeaderVisible() const;
    void setRowHeaderVisible(bool visible);
    bool isRowHeaderVisible() const;
    // Column width in characters of the grid's font.
    double columnWidth(int column) const;
    void setColumnWidth(int column, double characters);
    // Fits every column's width to its contents.
    void fitColumnWidths();

    // --- Look ---------------------------------------------------------------------------------
    QFont cellFont(int row, int column) const;
    void setCellBold(int row, int column, bool bold);
    void setCellUnderline(int row, int column, bool underline);
    void setCellFontSize(int row, int column, double pointSize);
    Qt::Alignment cellAlignment(int row, int column) const;
    // Horizontal alignment (Qt::AlignLeft, AlignRight, AlignHCenter); numbers align right by default.
    void setCellAlignment(int row, int column, Qt::Alignment alignment);
    // Lines on the chosen edges of the cell (a total's line above: Qt::TopEdge).
    void setCellBorder(int row, int column, Qt::Edges edges, const QColor& color = Qt::black,
                       Qt::PenStyle style = Qt::SolidLine);
    CellBorder cellBorder(int row, int column) const;
    // Joins a block into one cell shown by its top-left cell.
    void setSpan(int row, int column, int rows, int columns);
    int columnSpan(int row, int column) const;
    int rowSpan(int row, int column) const;
    // Whether the cell lies under a span that starts in another cell, and so shows nothing itself.
    bool isSpanCovered(int row, int column) const;
    // Fills the cell's background; an invalid colour returns it to the grid's own.
    void setCellBackground(int row, int column, const QColor& color);
    QColor cellBackground(int row, int column) const;  // invalid when the cell has none of its own

    // --- Blocks -------------------------------------------------------------------------------
    // The same look for every cell of a block (parts outside the grid are left out).
    void setRangeBold(const CellRange& range, bool bold);
    void setRangeBackground(const CellRange& range, const QColor& color);
    // Lines on the block's outer edges only: Qt::TopEdge draws above its first row, Qt::LeftEdge
    // left of its first column, and so on; the lines between its cells stay as they are.
    void setRangeBorder(const CellRange& range, Qt::Edges edges, const QColor& color = Qt::black,
                        Qt::PenStyle style = Qt::SolidLine);

    // --- Row heights and frozen rows ----------------------------------------------------------
    // Height of a row in points, as shown and printed; setting 0 or less returns it to the default.
    double rowHeight(int row) const;
    void setRowHeight(int row, double points);
    // The top rows that stay in view while the rest scroll under them (and that head every
    // printed page after the first); 0 for none.
    int frozenRows() const { return m_frozenRows; }
    void setFrozenRows(int rows);
    // The view that holds the frozen rows in place; null while none are frozen.
    QTableView* frozenView() const;

    // --- Sorting ------------------------------------------------------------------------------
    // Puts the rows in the order of the column: numbers and check boxes by value, dates and times
    // in time order, other cells by text ignoring case. Empty cells go last; equal rows keep their
    // order. Hidden rows and selected rows keep their state as they move.
    void sortRows(int column, Qt::SortOrder order = Qt::AscendingOrder);
    // The rows (from 1) in the order sortRows would put them, without moving any; a column out of
    // range leaves them in their order.
    QList<int> sortedRows(int column, Qt::SortOrder order = Qt::AscendingOrder) const;

    // --- Active cell and selection ------------------------------------------------------------
    // The cell holding the cursor; 0 when none.
    int activeRow() const;
    int activeColumn() const;
    // Moves the cursor (no leaveCell); in Cell and SingleRow mode the selection follows it.
    void setActiveCell(int row, int column);
    SelectionMode selectionMode() const;
    void setSelectionMode(SelectionMode mode);
    // The selected rows, in the order they were selected.
    QList<int> selectedRows() const;
    bool isRowSelected(int row) const;
    void setRowSelected(int row, bool selected);
    // Selects every shown row, in row order.
    void selectAllRows();
    void clearSelection();

    // --- Print-out ----------------------------------------------------------------------------
    const PrintSettings& printSettings() const;
    void setPrintSettings(const PrintSettings& settings);
    // Prints every row, with the abort box while the pages go out: on the printer that Qt's print
    // dialog chooses (a PDF file among them), or straight on `printer` when one is given ready. A
    // failure is reported (see print_job.h); a cancelled dialog prints nothing.
    PrintResult print(QPrinter* printer = nullptr);

    // Writes what is being typed in a cell into the cell, so that a save reads what the user sees;
    // closeEditor also ends the typing. Nothing happens when no cell is being edited.
    void commitEdit(bool closeEditor = true);

    // The table inside, for layouts, tests and the print-out.
    QTableWidget* table() const;

signals:
    void clicked(int row, int column);        // a cell, or a header (row or column 0), was clicked
    void doubleClicked(int row, int column);
    void rightClicked(int row, int column, const QPoint& globalPos);
    void buttonClicked(int row, int column);  // a button cell the user may press was pressed
    // The user moved the cursor off a cell; setting *cancel keeps it there.
    void leaveCell(int row, int column, int newRow, int newColumn, bool* cancel);
    void keyPressed(int key, Qt::KeyboardModifiers modifiers);
    void keyReleased(int key, Qt::KeyboardModifiers modifiers);
    // The user changed a cell: each keystroke while typing, a check box toggled, a combo entry picked.
    void edited(int row, int column);
    // The user ended typing in a cell (Enter, Tab, a click elsewhere; Esc cancels) with a text other
    // than the one the cell started from. `typed` is that text, which the cell now holds when its
    // type can read it (an entry the type refuses leaves the cell as it was). Raised once the editor
    // has closed, so that a handler may rebuild the grid.
    void editFinished(int row, int column, const QString& typed);
    // The user picked an entry in a combo cell (already written into the cell).
    void comboSelectionChanged(int row, int column);

private:
    friend class GridDelegate;
    friend class GridTable;
    friend class QuietCellWrites;

    struct ColumnDefaults {
        FormatPtr format;
        bool locked = false;
        // The header widths the caption needs, in the header's font and in bold, as last
        // measured; -1 before.
        QString fittedCaption;
        int sectionHint = -1;
        int captionWidth = -1;
    };

    // The cell's item, made now for a loaded value that has none yet; null off the grid, and for a
    // cell left empty by quiet writes or by a fill.
    GridItem* item(int row, int column) const;
    // The item the cell has now, without making one for a loaded value: for reads that a loaded
    // cell answers as its column's empty cell does (type, lock, look).
    GridItem* existingItem(int row, int column) const;
    // The value a fill left for the cell, which no item holds yet; null when none.
    std::optional<QVariant> loadedValue(int row, int column) const;
    // Empties the grid and gives it `rows` rows whose cells wait in the store that `load` fills.
    void replaceRows(int rows, const std::function<void()>& load);
    // What the cell shows and holds from its loaded value.
    QString loadedText(int column, const QVariant& loaded) const;
    QVariant loadedCellValue(int column, const QVariant& loaded) const;
    GridItem* makeLoadedItem(int row, int column);
    // Gives every loaded value its item: before rows move or a column changes its type.
    void makeLoadedItems();
    // Widens a column (0-based) to `pixels` once the paint under way is over, unless the user sized
    // it by hand; false then.
    bool widenColumn(int column, int pixels) const;
    // The cell's item, made when missing; null off the grid.
    GridItem* cell(int row, int column);
    GridItem* newItem(int column);
    // Takes the items of the rows about to be dropped for the rows added next; the spares left when
    // quiet writes end, or the grid goes, are freed.
    void keepSpareItems(int firstRow, int lastRow);
    void freeSpareItems();
    const CellFormat& defaultFormat(int column) const;
    bool defaultLocked(int column) const;
    // Gives the cells of the block new items, filled by `content` before they join the table.
    // Without content, while writes are quiet, a cell that shows nothing when empty gets none yet.
    void fillNewCells(int firstRow, int lastRow, int firstColumn, int lastColumn,
                      const std::function<void(GridItem& item, int row, int column)>& content = nullptr);
    QTableWidgetItem* headerItem(int row, int column, bool create);
    // Widens the column when its caption would not show whole in the header's bold font.
    void fitHeader(int column);
    // The column's defaults with its caption's widths measured for the header as it is now.
    const ColumnDefaults& measuredCaption(int column);
    void stampSelection(const QItemSelection& selected);
    bool inRange(int row, int column) const;
    bool writesAreQuiet() const { return m_quietWrites > 0; }
    void beginQuietWrites();
    void endQuietWrites();
    // Repaints every view of the cells.
    void repaintCells();
    // The cell that Tab (forward) or Shift+Tab reaches from the active cell; {0, 0} when none.
    QPoint nextTabCell(bool forward) const;

    GridTable* m_table;
    GridDelegate* m_delegate;
    QList<ColumnDefaults> m_columns;
    bool m_allLocked = false;
    bool m_protected = true;
    bool m_keysEndIncompleteEntries = false;
    SelectionMode m_selectionMode = SelectionMode::Cell;
    quint64 m_selectionCounter = 0;
    int m_quiet = 0;  // above 0 while the grid moves the cursor itself: no leaveCell
    bool m_tabThroughCells = false;
    PrintSettings m_printSettings;
    int m_frozenRows = 0;
    bool m_hadSpans = false;  // no span was ever set: every cell stands alone, without asking the table
    FrozenRows* m_frozen = nullptr;
    ColumnFitter* m_fitter;
    // The header font and style the captions' widths were measured in.
    QFont m_captionFont;
    const QStyle* m_captionStyle = nullptr;
    FormatPtr m_lastCellFormat;  // the type a cell was last given, shared by the next cell given the same
    // Items of dropped rows, for the rows a refreshed report adds: its memory is used again rather
    // than handed back and taken anew.
    std::vector<GridItem*> m_spareItems;
    LoadedCells m_loaded;
    int m_quietWrites = 0;
    bool m_modelWasQuiet = false;
    // The active cell set while writes are quiet, shown when they end.
    bool m_pendingActive = false;
    int m_pendingRow = 0;
    int m_pendingColumn = 0;
};

// While one lives, the grid's cells change with no notice, repaint or scroll per change, so that a
// search writes thousands of rows at the speed of its query: the views repaint once, when the
// outermost ends, and the active cell set meanwhile is shown then. Rows and columns may be added
// or dropped meanwhile; the cells of rows added meanwhile that are never written take no memory
// (they read and behave as the empty cells of their column's type and lock until written or edited).
class QuietCellWrites {
public:
    explicit QuietCellWrites(Grid& grid);
    ~QuietCellWrites();
    Q_DISABLE_COPY_MOVE(QuietCellWrites)

private:
    Grid& m_grid;
};

} // namespace grid
