#pragma once

namespace grid {
class Grid;
}

// Makes a grid at least as wide as its visible columns, with room for the row numbers and a
// vertical scroll bar, so that no column of a short list hides behind a horizontal scroll.
void anchoParaColumnas(grid::Grid* grid);
