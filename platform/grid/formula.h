#pragma once

#include <QString>

#include <optional>

namespace grid {

// A block of cells, 1-based and inclusive; empty when the last row or column lies before the first.
struct CellRange {
    int firstRow = 0;
    int firstColumn = 0;
    int lastRow = 0;
    int lastColumn = 0;

    bool operator==(const CellRange&) const = default;
};

// Reads the one formula the reports write, "SUM(C1:C12)": columns by letter (A is 1, AA is 27),
// rows by number, case-insensitive, blanks allowed. Nothing for any other text.
std::optional<CellRange> parseSumFormula(const QString& formula);

} // namespace grid
