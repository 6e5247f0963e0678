#pragma once

#include "catalog/catalog_window.h"
#include "foundation/forms/formatted_box.h"

#include <functional>

class QComboBox;
class QDateEdit;

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

// The record protocol's capabilities on table Evento (created by the tests): a key of form A, a
// date picker and an optional one, a currency box, a menu chosen by name with a "none" entry, the
// window's own query (hidden rows are not browsed) and save hooks that the tests set.
class PruebaEventos : public CatalogWindow {
    Q_OBJECT
public:
    explicit PruebaEventos(QWidget* parent = nullptr);

    static const QString kTabla;

    QLineEdit* txtId;
    QLineEdit* TxtNombre;
    QDateEdit* dtpFecha;
    QDateEdit* dtpVence;
    FormattedBox* MskPrecio;
    QComboBox* cmbMenu;
    QLineEdit* txtMenu;

    std::function<bool(bool)> antes;
    std::function<bool(bool)> despues;

protected:
    bool beforeSave(bool isNew) override { return antes ? antes(isNew) : true; }
    bool afterSave(bool isNew) override { return despues ? despues(isNew) : true; }
};

// Registers the three under their class names.
void registraVentanasPrueba();
