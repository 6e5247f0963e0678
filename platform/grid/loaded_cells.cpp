#include "platform/grid/loaded_cells.h"

#include <utility>

namespace grid {

void LoadedCells::load(int rows, int columns, bool textsAsWritten, const Source& cell)
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

void LoadedCells::share(int rows, int columns, bool textsAsWritten, Source source)
{
    clear();
    if (rows <= 0 || columns <= 0 || !source)
        return;
    m_source = std::move(source);
    m_taken.assign(std::size_t(rows) * columns, false);
    m_rows = rows;
    m_columns = columns;
    m_textsAsWritten = textsAsWritten;
}

void LoadedCells::clear()
{
    m_values = std::vector<QVariant>();
    m_source = nullptr;
    m_taken = std::vector<bool>();
    m_rows = 0;
    m_columns = 0;
    m_textsAsWritten = false;
}

QVariant LoadedCells::value(int row, int column) const
{
    if (!m_source)
        return m_values[index(row, column)];
    return m_taken[index(row, column)] ? QVariant() : m_source(row, column);
}

QVariant LoadedCells::take(int row, int column)
{
    if (!m_source)
        return std::exchange(m_values[index(row, column)], QVariant());
    QVariant value = this->value(row, column);
    m_taken[index(row, column)] = true;
    return value;
}

void LoadedCells::dropRowsFrom(int rows)
{
    if (rows >= m_rows)
        return;
    if (rows <= 0) {
        clear();
        return;
    }
    if (m_source)
        m_taken.resize(std::size_t(rows) * m_columns);
    else
        m_values.resize(std::size_t(rows) * m_columns);
    m_rows = rows;
}

} // namespace grid
