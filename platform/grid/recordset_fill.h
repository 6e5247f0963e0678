#pragma once

#include "platform/adodb/adodb.h"
#include "platform/grid/cell_format.h"

namespace grid {

class Grid;

struct FillOptions {
    // Keep the grid's own columns, headings and cell types, the fields filling columns 1, 2, ...
    // in order (fields beyond the last column are left out). Otherwise the grid takes one column
    // per field, headed by the field's name, typed by the field's type.
    bool keepDesignColumns = false;
    // Fit the column widths to the rows.
    bool fitColumnWidths = false;
    // The row of the first record; the rows above it stay empty, for a heading of the caller's.
    int firstRow = 1;
};

// Fills the grid with every row of the recordset, in its order, then lets it go: the rows stay in
// the grid and nothing typed there reaches the recordset. A null or closed recordset leaves the
// grid empty (row count 0).
void fillFromRecordset(Grid& grid, const adodb::Recordset& recordset, const FillOptions& options = {});
// The same for a recordset the caller gives up (a query's result that nobody else holds): the grid
// keeps it and reads each cell from it when the cell is first shown, read or written, instead of
// copying every value at once. Nothing may change the recordset meanwhile.
void fillFromRecordset(Grid& grid, adodb::Recordset&& recordset, const FillOptions& options = {});

// The cell type a column of the field's type takes.
CellFormat formatForField(adodb::DataType type);

} // namespace grid
