#pragma once

#include <QString>

namespace grid {
class Grid;
}

// The rows of the reports that write their cells one by one.

// Appends a row: column 1 the label in bold static text, column 2 a locked, right-aligned currency
// cell, which is left as the active cell for the amount the caller writes next.
void AgregaRenglon(grid::Grid& rejilla, const QString& etiqueta);

// Appends a section title: column 1 bold, underlined, 10 points.
void AgregaTitulo(grid::Grid& rejilla, const QString& titulo);
// Writes a section title into a row the grid has already.
void EscribeTitulo(grid::Grid& rejilla, int fila, const QString& titulo);

// A total row: AgregaRenglon with the label, the amount written, and a black line above it.
void AgregaTotal(grid::Grid& rejilla, const QString& etiqueta, double monto);

// Writes the amount into the active cell (the one AgregaRenglon leaves).
void EscribeMonto(grid::Grid& rejilla, double monto);
