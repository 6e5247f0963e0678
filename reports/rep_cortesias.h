#pragma once

#include "reports/rep_ventana.h"

class CajaEmpleados;
class QComboBox;
class QDateEdit;

// "Cortesias": the courtesies of the working dates, optionally of one courtesy type, of some waiters
// and of some authorizing managers.
class RepCortesias : public RepVentana {
    Q_OBJECT
public:
    explicit RepCortesias(QWidget* parent = nullptr);

    QDateEdit* dtpFechaIni = nullptr;
    QDateEdit* dtpFechaFin = nullptr;
    QComboBox* cmbCortesia = nullptr;
    CajaEmpleados* txtEmpleado = nullptr;
    CajaEmpleados* txtGerente = nullptr;

protected:
    void buscar() override;
};
