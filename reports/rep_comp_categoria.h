#pragma once

#include "reports/rep_ventana.h"

class QComboBox;
class QDateEdit;

// "Comparción de Ventas por Categoria": per waiter and check of the period, the items sold (of one
// category or all), each with its modifiers below it, and the check's amount.
class RepCompCategoria : public RepVentana {
    Q_OBJECT
public:
    explicit RepCompCategoria(QWidget* parent = nullptr);

    QDateEdit* dtpFechaIni = nullptr;
    QDateEdit* dtpFechaFin = nullptr;
    QComboBox* cboCategoria = nullptr;

protected:
    void buscar() override;

private:
    void disenoRejilla();
};
