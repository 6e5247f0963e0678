#pragma once

#include "catalog/catalog_window.h"

class QCheckBox;
class QComboBox;
class QDateEdit;
class QLineEdit;
class QTabWidget;

namespace grid {
class Grid;
}

// "Cortesias": the kinds of courtesy the terminals may grant, each with its amount, its dates and
// the products it applies to.
class OpCortesia : public CatalogWindow {
    Q_OBJECT
public:
    explicit OpCortesia(QWidget* parent = nullptr);

    static const QList<Codigo>& tipos();

    void BotonNuevoModificar(bool PbNuevo) override;

protected:
    void Valores_Nuevos() override;

private:
    QTabWidget* sstFolder;
    QLineEdit* txtId;
    QLineEdit* TxtNombre;
    QComboBox* cmbTipo;
    QLineEdit* TxtTipo;
    QLineEdit* txtCantidad;
    QLineEdit* txtMaximo;
    QCheckBox* chkSeleccionar;
    QDateEdit* dtpInicio;
    QDateEdit* dtpFinal;
    QCheckBox* chkActivo;
    grid::Grid* sprProductos;
};
