#pragma once

#include "reports/rep_ventana.h"

class QDateEdit;

// "Reporte de Cuentas por Comanda": the checks of a period of working dates with their table,
// waiter, dates and total. A double-click on a check opens its account's products (one account) or
// its accounts (several).
class RepCuentas : public RepVentana {
    Q_OBJECT
public:
    explicit RepCuentas(QWidget* parent = nullptr);

    QDateEdit* dtpFecha = nullptr;
    QDateEdit* dtpFechaFin = nullptr;

    // The drill-down from the check of a data row (row 8 on).
    void fpsDatos_DblClick(int columna, int fila);

    static constexpr int kFilasEncabezado = 7;

protected:
    void buscar() override;
};
