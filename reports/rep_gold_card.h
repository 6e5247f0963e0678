#pragma once

#include "reports/gold_card.h"

// The gold card summary: the grand total, one row per customer with the customer's total, and the
// total row.
class RepGoldCard : public GoldCard {
    Q_OBJECT
public:
    explicit RepGoldCard(QWidget* parent = nullptr);

protected:
    void buscar() override;
};
