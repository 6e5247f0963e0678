#pragma once

#include "platform/adodb/adodb.h"

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

    // Appends a row per product of the recordset, in one step: its Nombre_Completo and, in a
    // currency cell, its field `monto`.
    void agregaProductos(const adodb::Recordset& productos, const QString& monto);

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
