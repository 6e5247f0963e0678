#pragma once

#include "reports/rep_ventana.h"

class CajaEmpleados;
class QComboBox;
class QDateEdit;

// "Informe de Anulaciones Diarias": the voided items of the working dates, grouped by waiter and
// authorizing manager with a total after each group, written below the heading block of rows 1 to 10.
class RepInfoAnulacion : public RepVentana {
    Q_OBJECT
public:
    explicit RepInfoAnulacion(QWidget* parent = nullptr);

    QDateEdit* dtpFecha = nullptr;
    QDateEdit* dtpFechaFin = nullptr;
    QComboBox* cmbRazon = nullptr;
    CajaEmpleados* txtEmpleado = nullptr;
    CajaEmpleados* txtGerente = nullptr;

protected:
    void buscar() override;
    void activaExtras() override;

private:
    void renglonTotal(int renglon, const QString& camarero, const QString& gerente, double monto);
};
