#pragma once

namespace grid {
class Grid;
}

// What the windows over fixed rows share (rights per group, feature switches): rows are edited but
// never added or deleted there, and the rows are listed in grids.
namespace catalogo_fijo {

// Disables the main window's new and delete commands: toolbar buttons 1 and 3 and "&Editar" >
// "&Registro" items 8 and 10.
void DeshabilitaNuevoYBorrar();

// "Función no disponible en este catálogo", then new and delete disabled.
void FuncionNoDisponible();

// Makes the grid wide enough for its columns beside the row numbers and a scroll bar, and `filas`
// rows high.
void TamanoMinimo(grid::Grid* rejilla, int filas);

} // namespace catalogo_fijo
