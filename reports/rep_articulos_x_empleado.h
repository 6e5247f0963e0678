#pragma once

#include "reports/rep_ventana.h"

class CajaEmpleados;
class QCheckBox;
class QDateEdit;
class QPushButton;

// "Comparación de artículos X empleado": per waiter, how many of each product (of a list of ids,
// or all) were sold in the period, not voided, and optionally how often each modifier was applied.
class RepArticulosXEmpleado : public RepVentana {
    Q_OBJECT
public:
    explicit RepArticulosXEmpleado(QWidget* parent = nullptr);

    QDateEdit* dtpFechaIni = nullptr;
    QDateEdit* dtpFechaFin = nullptr;
    CajaEmpleados* txtProductos = nullptr;  // ids and "," only, as the employee boxes
    QPushButton* cmdBuscarProd = nullptr;
    QCheckBox* chkModificadores = nullptr;

protected:
    void buscar() override;

private:
    void cmdBuscarProd_Click();
    void encabezado();
};
