#pragma once

#include "catalog/catalog_window.h"

class QCheckBox;
class QLineEdit;

namespace grid {
class Grid;
}

// "SubMenus": a named list of products with a position each, placed in one or more menus; the
// terminals show the submenus of their menu.
class OpSubmenu : public CatalogWindow {
    Q_OBJECT
public:
    explicit OpSubmenu(QWidget* parent = nullptr);

protected:
    bool Guarda_Detalle() override;

private:
    QLineEdit* txtId;
    QLineEdit* TxtNombre;
    QCheckBox* chkFijo;
    grid::Grid* sprMenus;
    grid::Grid* sprProductos;
};
