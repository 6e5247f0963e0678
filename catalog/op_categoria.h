#pragma once

#include "catalog/catalog_window.h"

class QComboBox;
class QLineEdit;

// "Categorías": the product categories, each of one type (sales, suggestive, retail, no sales).
class OpCategoria : public CatalogWindow {
    Q_OBJECT
public:
    explicit OpCategoria(QWidget* parent = nullptr);

    static const QList<Codigo>& tipos();

private:
    QLineEdit* txtId;
    QLineEdit* TxtNombre;
    QComboBox* cmbTipo;
    QLineEdit* TxtTipo;
};
