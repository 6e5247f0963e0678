#pragma once

#include "reports/gold_card.h"

// The gold card detail: the grand total, then each customer's rows of the period with a subtotal
// row per customer.
class RepDetGoldCard : public GoldCard {
    Q_OBJECT
public:
    explicit RepDetGoldCard(QWidget* parent = nullptr);

protected:
    void buscar() override;

private:
    void subtotal(const QString& etiqueta, double monto);
};
