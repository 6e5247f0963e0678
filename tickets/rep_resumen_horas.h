#pragma once

#include "tickets/rep_nomina.h"

// "Resumen de Horas": the period's payroll hours and cost, by department and by employee, with
// each row's average cost per hour, its shares of the period's hours and cost and, per employee,
// the productivity against one day of 480 minutes.
class RepResumenHoras : public RepNomina {
    Q_OBJECT
public:
    explicit RepResumenHoras(QWidget* parent = nullptr);

protected:
    void buscar() override;

private:
    // The cells of a department or employee row, from column 2; productivity only for employees.
    void celdasRenglon(const adodb::Recordset& rs, const Totales& t, bool productividad);
    // The cells of a TOTAL row, from column 2.
    void celdasTotal(const adodb::Recordset& rs, const Totales& t, bool productividad);
};
