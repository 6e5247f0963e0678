#pragma once

#include "platform/adodb/adodb.h"

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

    // Appends a row per category of the recordset, in one step: Nombre_Categoria, Articulo and Monto.
    void agregaCategorias(const adodb::Recordset& categorias);

protected:
    void buscar() override {}
    void preparaImpresion(bool paraVista) override;
};
