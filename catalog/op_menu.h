#pragma once

#include "catalog/catalog_window.h"

class QCheckBox;
class QLineEdit;
class MultiLineTextBox;

// "Menus": the named price lists; each product has a price per menu and each terminal sells from one.
class OpMenu : public CatalogWindow {
    Q_OBJECT
public:
    explicit OpMenu(QWidget* parent = nullptr);

protected:
    void Valores_Nuevos() override;

private:
    QLineEdit* txtId;
    QLineEdit* TxtNombre;
    MultiLineTextBox* txtDescripcion;
    QCheckBox* chkActivo;
};
