#pragma once

#include "catalog/catalog_window.h"

class QLineEdit;

namespace grid {
class Grid;
}

// Two small record windows with a detail grid each, on tables of the schema, so that the detail
// grid conventions are exercised through the catalog protocol as a window uses them.

// A list grid: the modifier types of a modifier group, typed by key or picked, looked up by name.
class PruebaGrupos : public CatalogWindow {
    Q_OBJECT
public:
    explicit PruebaGrupos(QWidget* parent = nullptr);

    QLineEdit* txtId;
    QLineEdit* TxtNombre;
    grid::Grid* sprModificadores;
};

// A state grid: a product's price per menu, the menu chosen in a combo column; a number box.
class PruebaPrecios : public CatalogWindow {
    Q_OBJECT
public:
    explicit PruebaPrecios(QWidget* parent = nullptr);

    QLineEdit* txtId;
    QLineEdit* TxtNombre;
    QLineEdit* txtExistencia;
    grid::Grid* sprMenus;
};

// Registers both under their class names.
void registraVentanasPrueba();
