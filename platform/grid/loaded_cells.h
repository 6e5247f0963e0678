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
    // Takes cell(row, column) for every cell of the block.
    void load(int rows, int columns, bool textsAsWritten, const std::function<QVariant(int row, int column)>& cell);
    void clear();
    bool isEmpty() const { return m_values.empty(); }
    int rows() const { return m_rows; }
    int columns() const { return m_columns; }
    // Whether the value is to be read as typed text rather than as a value.
    bool textsAsWritten() const { return m_textsAsWritten; }

    bool covers(int row, int column) const { return row <= m_rows && column <= m_columns; }
    QVariant& at(int row, int column) { return m_values[index(row, column)]; }
    const QVariant& at(int row, int column) const { return m_values[index(row, column)]; }
    // Hands the value over to the cell's new item: the store keeps nothing of it.
    QVariant take(int row, int column);
    // Forgets the rows beyond `rows`.
    void dropRowsFrom(int rows);

private:
    std::size_t index(int row, int column) const { return std::size_t(row - 1) * m_columns + (column - 1); }

    std::vector<QVariant> m_values;
    int m_rows = 0;
    int m_columns = 0;
    bool m_textsAsWritten = false;
};

} // namespace grid
