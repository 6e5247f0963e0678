#pragma once

#include "reports/rep_ventana.h"

class QDateEdit;

// "Reporte de especiales": for the week that starts on the chosen date, one row per special product
// with its figure for each day and the week, and a bold "TOTAL:" row summing every column.
class RepEspeciales : public RepVentana {
    Q_OBJECT
public:
    explicit RepEspeciales(QWidget* parent = nullptr);

    QDateEdit* dtpFecha = nullptr;

protected:
    void buscar() override;
    void activaExtras() override;
    void Form_Deactivate() override;
    void Form_Unload() override;

private:
    void muestraCerrar(bool visible);
};
