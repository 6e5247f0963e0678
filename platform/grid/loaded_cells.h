#pragma once

#include <QVariant>

#include <functional>
#include <vector>

namespace grid {

// The values a one-step fill wrote that no cell item holds yet. A grid that only shows what it
// loaded makes items for the cells on screen alone; the rest answer from here until they are
// written, styled or edited. Addressed from 1, as the grid's cells.
class LoadedCells {
public:
    using Source = std::function<QVariant(int row, int column)>;

    // Copies cell(row, column) for every cell of the block.
    void load(int rows, int columns, bool textsAsWritten, const Source& cell);
    // Reads the cells from `source` when asked, which must answer the same until the next load.
    void share(int rows, int columns, bool textsAsWritten, Source source);
    void clear();
    bool isEmpty() const { return m_rows == 0; }
    int rows() const { return m_rows; }
    int columns() const { return m_columns; }
    // Whether the value is to be read as typed text rather than as a value.
    bool textsAsWritten() const { return m_textsAsWritten; }

    bool covers(int row, int column) const { return row <= m_rows && column <= m_columns; }
    QVariant value(int row, int column) const;
    // Hands the value over to the cell's new item: the store keeps nothing of it.
    QVariant take(int row, int column);
    // Forgets the rows beyond `rows`.
    void dropRowsFrom(int rows);

private:
    std::size_t index(int row, int column) const { return std::size_t(row - 1) * m_columns + (column - 1); }

    std::vector<QVariant> m_values;
    Source m_source;
    std::vector<bool> m_taken;  // of a shared source: the cells that have their items
    int m_rows = 0;
    int m_columns = 0;
    bool m_textsAsWritten = false;
};

} // namespace grid
