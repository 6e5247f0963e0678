#pragma once

#include "reports/rep_ventana.h"

class QComboBox;

// "Lista de precios": the active products priced in one menu, optionally of one category, with
// each tax rate in force today, the tax and the rounded sale price (one row per rate).
class RepListadePrecios : public RepVentana {
    Q_OBJECT
public:
    explicit RepListadePrecios(QWidget* parent = nullptr);

    QComboBox* CmbMenu = nullptr;
    QComboBox* cmbCategoria = nullptr;

protected:
    void buscar() override;
};
