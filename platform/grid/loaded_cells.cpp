#include "platform/grid/loaded_cells.h"

#include <utility>

namespace grid {

void LoadedCells::load(int rows, int columns, bool textsAsWritten,
                       const std::function<QVariant(int row, int column)>& cell)
{
    clear();
    if (rows <= 0 || columns <= 0)
        return;
    // Each value is written once, straight into its place.
    m_values.reserve(std::size_t(rows) * columns);
    for (int r = 1; r <= rows; ++r)
        for (int c = 1; c <= columns; ++c)
            m_values.push_back(cell(r, c));
    m_rows = rows;
    m_columns = columns;
    m_textsAsWritten = textsAsWritten;
}

void LoadedCells::clear()
{
    m_values = std::vector<QVariant>();
    m_rows = 0;
    m_columns = 0;
    m_textsAsWritten = false;
}

QVariant LoadedCells::take(int row, int column)
{
    return std::exchange(at(row, column), QVariant());
}

void LoadedCells::dropRowsFrom(int rows)
{
    if (rows >= m_rows)
        return;
    if (rows <= 0) {
        clear();
        return;
    }
    m_values.resize(std::size_t(rows) * m_columns);
    m_rows = rows;
}

} // namespace grid
