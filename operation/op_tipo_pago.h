#pragma once

#include "catalog/catalog_window.h"

class QCheckBox;
class QComboBox;
class QLineEdit;

// "Tipos de Pago": the ways a bill is paid at the terminals, each of one class (cash, credit card,
// debit card, cheque, other) and whether taking it opens the cash drawer.
class OpTipoPago : public CatalogWindow {
    Q_OBJECT
public:
    explicit OpTipoPago(QWidget* parent = nullptr);

    static const QList<Codigo>& clases();

protected:
    void Valores_Nuevos() override;

private:
    QLineEdit* TxtNombre;
    QComboBox* CmbClase;
    QCheckBox* chkAbrir;
    QLineEdit* txtId;
    QLineEdit* TxtClase;
};
