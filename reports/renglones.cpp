#include "reports/renglones.h"

#include "platform/grid/grid.h"

void AgregaRenglon(grid::Grid& rejilla, const QString& etiqueta)
{
    const int fila = rejilla.rowCount() + 1;
    rejilla.setRowCount(fila);
    rejilla.setActiveCell(fila, 1);
    rejilla.setCellFormat(fila, 1, grid::CellFormat::staticText());
    rejilla.setText(fila, 1, etiqueta);
    rejilla.setCellBold(fila, 1, true);
    rejilla.setCellFormat(fila, 2, grid::CellFormat::currency());
    rejilla.setCellAlignment(fila, 2, Qt::AlignRight);
    rejilla.setCellLocked(fila, 2, true);
    rejilla.setActiveCell(fila, 2);
}

void AgregaTitulo(grid::Grid& rejilla, const QString& titulo)
{
    const int fila = rejilla.rowCount() + 1;
    rejilla.setRowCount(fila);
    rejilla.setActiveCell(fila, 1);
    EscribeTitulo(rejilla, fila, titulo);
}

void EscribeTitulo(grid::Grid& rejilla, int fila, const QString& titulo)
{
    rejilla.setCellBold(fila, 1, true);
    rejilla.setCellUnderline(fila, 1, true);
    rejilla.setCellFontSize(fila, 1, 10);
    rejilla.setText(fila, 1, titulo);
}

void EscribeMonto(grid::Grid& rejilla, double monto)
{
    rejilla.setValue(rejilla.activeRow(), rejilla.activeColumn(), monto);
}

void AgregaTotal(grid::Grid& rejilla, const QString& etiqueta, double monto)
{
    AgregaRenglon(rejilla, etiqueta);
    EscribeMonto(rejilla, monto);
    rejilla.setCellBorder(rejilla.activeRow(), 2, Qt::TopEdge, Qt::black, Qt::SolidLine);
}
