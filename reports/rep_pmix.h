#pragma once

#include "reports/rep_ventana.h"

class QCheckBox;
class QComboBox;
class QDateEdit;

// "Informe PMIX - Todos Terminales": per product of one category or all, the items sold in the
// working dates of the period, their average price, the amount, the profitability and the share of
// the period's sales.
class RepPMIX : public RepVentana {
    Q_OBJECT
public:
    explicit RepPMIX(QWidget* parent = nullptr);

    QDateEdit* dtpFecha = nullptr;
    QDateEdit* dtpFechaFin = nullptr;
    QComboBox* cmbCategoria = nullptr;
    QCheckBox* chkVenta = nullptr;

    // The rows of "#TempPMIX": every product (of the category, when `categoria` holds
    // " AND Pr.ID_Categoria=n") with the items sold in the period, not voided, summed per product.
    static QString articulosVendidos(const QDate& desde, const QDate& hasta, const QString& categoria);

protected:
    void buscar() override;

private:
    void disenoRejilla();
};
