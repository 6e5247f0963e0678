#pragma once

#include "foundation/forms/data_entry_window.h"

class DetailGrid;
class QLineEdit;
class QListWidget;

namespace grid {
class Grid;
}

// "Paquetes": browses the package products one at a time with their sections and the products of
// the chosen section. It never edits the product itself: new and modify open the section dialog,
// delete removes the chosen section with its products, and Aceptar and Cancelar are never offered.
class OpPaquete : public DataEntryWindow {
    Q_OBJECT
public:
    explicit OpPaquete(QWidget* parent = nullptr);

    void BotonNuevoModificar(bool PbNuevo) override;
    void BotonAceptar() override {}
    void BotonCancelar() override {}
    void BotonBorrar() override;
    void BotonFiltro() override;

private:
    // The package shown changed: its sections, the first one chosen.
    void lblId_Change();
    // A section was chosen: its products.
    void lstSecciones_Click();
    // The key of the chosen section; empty for none.
    QString seccionElegida() const;

    QLineEdit* lblId;
    QLineEdit* lblproducto;
    QListWidget* lstSecciones;
    grid::Grid* sprProductos;
    DetailGrid* m_productos;
};
