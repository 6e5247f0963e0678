#pragma once

#include "catalog/detail_statements.h"
#include "platform/grid/grid.h"

#include <QHash>
#include <QList>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <QVariant>

#include <functional>

class QPoint;

// The picker that a button column opens.
enum class DetailPicker { None, Products, ModifierTypes, Printers };

// A column of the detail table and the grid column that gives its value.
struct DetailField {
    QString name;
    int column = 0;
    // Part of what tells the record's rows apart: the condition of an UPDATE and a DELETE.
    bool key = false;
    // A key that the user may change: the hidden column holding it as loaded, which the condition
    // uses while the new value goes into the SET text. 0 for a key that never changes.
    int loadedColumn = 0;
    // The value stored, where the cell's own type does not say it (null: by the cell's type).
    std::function<QVariant(const grid::Grid& grid, int row)> value = nullptr;
};

// Where a typed key is looked up, and what is said when it is not there.
struct DetailLookup {
    QString table;
    QString nameField;
    QString idField;
    QString message;
};

// The rows that belong to a catalog record, edited in a grid beside it and written to their own
// table when the record is saved.
//
// A list grid rewrites the record's rows as a whole; a state grid (setStateColumn) marks each row
// in a hidden column, blank for a stored row, "N" new, "M" changed, "B" to delete (hidden), and
// writes only those: of a changed row, only the cells the user changed, so that a stored value the
// grid shows rounded is kept as stored. The grid follows the record's mode: read-only while browsing, open while a new
// record is entered, and while a record is changed either open or, when the window names them, open
// only in the columns a stored row may change. In edit mode Insert appends a row and Delete drops
// the active one (a new row at once, a stored row of a state grid by its "B" mark); a button column
// opens a picker whose rows replace the clicked row; a typed key is looked up when the cursor leaves
// its row's cell and its name shown; a combo column writes the picked entry's id into its key column.
class DetailGrid : public QObject {
    Q_OBJECT
public:
    enum class Mode { Browse, New, Modify };

    // The grid keeps its design (columns, captions, cell types, hidden columns); every cell starts
    // locked and the grid protected.
    explicit DetailGrid(grid::Grid* grid, QObject* parent = nullptr);
    ~DetailGrid() override;

    grid::Grid* grid() const { return m_grid; }

    // --- Design ---------------------------------------------------------------------------------
    // The hidden column of the row states: the grid becomes a state grid.
    void setStateColumn(int column);
    int stateColumn() const { return m_stateColumn; }
    // The query that gives the record's rows in the grid's column order; the record's key is
    // appended to it ("... WHERE ID_Grupo=").
    void setFillQuery(const QString& query) { m_fillQuery = query; }
    // The detail table and its column holding the record's key. The record's rows of that table
    // are deleted with the record.
    void setTable(const QString& table, const QString& recordKeyField);
    QString table() const { return m_table; }
    QString recordKeyField() const { return m_recordKeyField; }
    void addField(const DetailField& field) { m_fields.append(field); }
    // The column holding the related row's key; with skipEmpty a row whose key is empty is not
    // written.
    void setKeyColumn(int column, bool skipEmpty = true);
    // The column showing the related row's name, filled by the lookup and the picker.
    void setNameColumn(int column) { m_nameColumn = column; }
    void setLookup(const DetailLookup& lookup) { m_lookup = lookup; }
    void setPicker(int buttonColumn, DetailPicker picker);
    // A combo column listing the names of listQuery (id, name; in the order to list them), whose
    // picked entry's id goes into keyColumn.
    void addComboColumn(int comboColumn, int keyColumn, const QString& listQuery);
    // Lists the combo columns' entries again, as they stand now; the rows keep their texts.
    void refreshLists();
    // The value that Insert puts into a column of the new row.
    void setInsertValue(int column, const QVariant& value);
    // While a record is changed, only these columns of stored rows, and these of rows added during
    // the change, can be edited; otherwise every cell can.
    void setModifyColumns(const QList<int>& storedRows, const QList<int>& addedRows);
    // Insert appends only when no row at the end is empty.
    void setInsertOnlyAfterData(bool on) { m_insertOnlyAfterData = on; }
    // The column that the cursor goes to in a row that Insert appends (0: it does not move).
    void setInsertColumn(int column) { m_insertColumn = column; }
    // A changed record's rows are written in the order of this column (0: as they stand).
    void setSaveOrder(int column) { m_saveOrder = column; }
    // A changed record's "B" and "M" rows are deleted by their loaded key before its "M" and "N" rows
    // are inserted, so that rows trading keys (two start days swapped) never meet a row not yet
    // written: what is stored is what the grid shows.
    void setRewriteChanged(bool on) { m_rewriteChanged = on; }
    // A right click in edit mode pops up the main window's grid menu.
    void setPopupMenu(bool on) { m_popupMenu = on; }
    bool hasPopupMenu() const { return m_popupMenu; }
    // Said when the database refuses a row (which refuses the whole save); when empty, what the
    // database said is shown.
    void setRefusalMessage(const QString& message) { m_refusalMessage = message; }

    // The grid asks for the width of its visible columns and the height of `rows` rows, so that
    // its window opens showing them whole.
    void sizeToColumns(int rows);

    // --- Use --------------------------------------------------------------------------------------
    Mode mode() const { return m_mode; }
    void setMode(Mode mode);
    // Shows the stored rows of the record; empty for no record.
    void fill(const QString& recordKey);
    void insertRow();
    void deleteRow();
    // The state of a row of a state grid: "", "N", "M" or "B".
    QString rowState(int row) const;
    // Ends the typing in a cell and looks up the key of the row being edited, so that a save
    // reads what the user sees.
    void finishEditing();
    // Writes the rows for the record, stopping at the first row the database refuses: false then,
    // after saying why.
    bool save(const QString& recordKey, bool newRecord);
    // Deletes every stored row of the record; false (the gateway has said why) when refused.
    bool deleteStored(const QString& recordKey);

    // Whether a key text can go into SQL: a whole number.
    static bool isKey(const QString& text);

private:
    void onKey(int key);
    void onLeaveCell(int row, int column, int newRow, int newColumn, bool* cancel);
    void onButton(int row, int column);
    void onEdited(int row, int column);
    void onComboPicked(int row, int column);
    void onRightClick(int row, int column, const QPoint& globalPos);
    void lookUp(int row);
    void markChanged(int row);
    void setRowState(int row, const QString& state);
    void unlockAddedRow(int row);

    bool saveList(DetailStatements& statements, qlonglong recordKey);
    bool saveStates(DetailStatements& statements, qlonglong recordKey, bool newRecord);
    bool rewriteChanged(DetailStatements& statements, qlonglong recordKey);
    bool insertStored(DetailStatements& statements, qlonglong recordKey, int row,
                      const QVariantList& stored = {});
    bool writable(int row) const;
    QList<DetailColumn> columns() const;
    // The value stored for a cell of a field (the loaded column of a changeable key).
    QVariant cellValue(const DetailField& field, int row, int column) const;
    // The cell's value `valor`, as its column stores it.
    QVariant storedValue(int row, int column, const QVariant& valor) const;
    // The values of the row's key fields as loaded.
    QVariantList loadedKeys(int row) const;
    // What was loaded into the stored row of these keys; null for a row not loaded.
    const QVariantList* loaded(const QVariantList& keys) const;
    // Whether the row's field holds what was loaded into it.
    bool unchanged(const QVariantList* loaded, int field, int row) const;
    // Takes the rows as loaded, once after each fill.
    void rememberLoaded();
    // A row's key values as one text, to find the row among others.
    static QString keyText(const QVariantList& keys);
    // After the database refused a row as a duplicate: the message that names the row repeating an
    // earlier one; empty when the grid shows no such row.
    QString repeatedRowMessage() const;

    struct Combo {
        int column;
        int keyColumn;
        QString listQuery;
        QList<qlonglong> ids;
    };
    void readList(Combo& combo);

    QPointer<grid::Grid> m_grid;
    Mode m_mode = Mode::Browse;
    int m_stateColumn = 0;
    QString m_fillQuery;
    QString m_table;
    QString m_recordKeyField;
    QList<DetailField> m_fields;
    int m_keyColumn = 0;
    bool m_skipEmptyKeys = true;
    int m_nameColumn = 0;
    DetailLookup m_lookup;
    int m_buttonColumn = 0;
    DetailPicker m_picker = DetailPicker::None;
    QList<Combo> m_combos;
    QList<std::pair<int, QVariant>> m_insertValues;
    QList<int> m_modifyStored;
    QList<int> m_modifyAdded;
    bool m_limitModify = false;
    bool m_insertOnlyAfterData = false;
    int m_insertColumn = 0;
    int m_saveOrder = 0;
    bool m_rewriteChanged = false;
    bool m_popupMenu = false;
    QString m_refusalMessage;
    // The stored rows' field values as loaded, by their loaded keys.
    QHash<QString, QVariantList> m_loaded;
    bool m_loadedDue = false;
};
