#pragma once

#include "reports/rep_ventana.h"

class QComboBox;
class QDateEdit;

// "Lista de pagos": every payment of the working dates, optionally of one payment type, one row per
// payment in check order.
class RepListaPagos : public RepVentana {
    Q_OBJECT
public:
    explicit RepListaPagos(QWidget* parent = nullptr);

    QDateEdit* dtpFechaIni = nullptr;
    QDateEdit* dtpFechaFin = nullptr;
    QComboBox* cmbTipo = nullptr;

protected:
    void buscar() override;
};
