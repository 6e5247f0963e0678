#pragma once

#include "tickets/rep_nomina.h"

// "Horas X Empleado" (REPORTE DE HORAS), the hours report that employees sign: the period's totals,
// the hours of every department, then each employee's hours per work day, total and signature line.
class RepOficialHoras : public RepNomina {
    Q_OBJECT
public:
    explicit RepOficialHoras(QWidget* parent = nullptr);

protected:
    void buscar() override;

private:
    void departamentos();
    void empleados();
    // The TOTAL of one employee's minutes, signature and spacer rows after row `fila`; the last of them.
    int cierreEmpleado(int fila, double minutos);
};
