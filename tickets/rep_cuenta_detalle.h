#pragma once

#include "reports/rep_ventana.h"

class QLabel;

// "Cuentas por Comanda": the accounts of one check with their count of items and amount, opened
// afresh by each drill-down from a check with several accounts. A double-click on an account opens
// its products.
class RepCuentaDetalle : public RepVentana {
    Q_OBJECT
public:
    explicit RepCuentaDetalle(qint32 comanda, qint32 control, QWidget* parent = nullptr);

    // Lists the check's accounts.
    void llena();
    void fpsDetalle_DblClick(int columna, int fila);

    QLabel* lblComanda = nullptr;

protected:
    void buscar() override {}
    void activaExtras() override;

private:
    qint32 m_comanda;
    qint32 m_control;
};
