#pragma once

#include "catalog/catalog_window.h"

class QCheckBox;
class QLineEdit;

namespace grid {
class Grid;
}

// "Grupos de Modificadores": the sets of modifiers that the terminals offer for a product, with the
// group's members in a grid beside it, rewritten as a whole when the group is saved.
class OpGpoModificadores : public CatalogWindow {
    Q_OBJECT
public:
    explicit OpGpoModificadores(QWidget* parent = nullptr);

protected:
    void Valores_Nuevos() override;

private:
    QLineEdit* txtId;
    QLineEdit* TxtNombre;
    QCheckBox* chkFluir;
    QCheckBox* chkActivo;
    grid::Grid* sprModificadores;
};
