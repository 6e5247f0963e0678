#pragma once

#include "platform/printqueue/ctl_trabajos.h"
#include "reports/rep_ventana.h"

class QLabel;

// "Detalle de las Cuentas": the products of one account of a check, opened afresh by each drill-
// down of the account reports. Its print command reprints the account's customer ticket and counts
// the reprint on that account (check, control and account).
class RepDetCuentas : public RepVentana {
    Q_OBJECT
public:
    explicit RepDetCuentas(QWidget* parent = nullptr);

    void setComanda(qint32 comanda) { m_comanda = comanda; }
    void setControl(qint32 control) { m_control = control; }
    void setCuenta(int cuenta) { m_cuenta = cuenta; }

    // Appends a product row: its name and its amount in a currency cell.
    void agregaProducto(const QString& nombre, double monto);

    void BotonImprimir() override;

    QLabel* lblComanda = nullptr;
    CtlTrabajos CtlTrabajos1;

protected:
    void buscar() override {}
    void preparaImpresion(bool paraVista) override;

private:
    qint32 m_comanda = 0;
    qint32 m_control = 0;
    int m_cuenta = 0;
};
