#pragma once

#include "reports/rep_ventana.h"

class QLabel;

// "Detalle de Ventas por Empleado": one employee's articles and amount per category, filled by
// the employee comparison's double click; a new window each time, at a fixed size.
class repDetCompEmpleado : public RepVentana {
    Q_OBJECT
public:
    // The header of its print-out: the name, " Periodo " and the period, then the company line.
    repDetCompEmpleado(const QString& nombre, const QString& periodo, QWidget* parent = nullptr);

    QLabel* lblNombre = nullptr;
    grid::Grid* fpsDetalle = nullptr;

    // Appends a category's row.
    void agregaCategoria(const QString& categoria, qint64 articulos, double monto);

protected:
    void buscar() override {}
    void preparaImpresion(bool paraVista) override;
};
