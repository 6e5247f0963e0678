#pragma once

#include "catalog/catalog_window.h"

class QLineEdit;

namespace grid {
class Grid;
}

// "Grupos de Impresoras": named sets of printers; a product prints its orders on one group.
class OpGpoImpresoras : public CatalogWindow {
    Q_OBJECT
public:
    explicit OpGpoImpresoras(QWidget* parent = nullptr);

private:
    QLineEdit* txtId;
    QLineEdit* TxtNombre;
    grid::Grid* sprImpresoras;
};
