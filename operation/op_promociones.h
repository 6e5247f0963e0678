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

// "Promociones": dated offers the terminals apply, each made of rules that name quantities, a
// discount, the promotional group counted and the gift group given.
class OpPromociones : public CatalogWindow {
    Q_OBJECT
public:
    explicit OpPromociones(QWidget* parent = nullptr);

    static const QList<Codigo>& tipos();

    void BotonNuevoModificar(bool PbNuevo) override;

protected:
    void Valores_Nuevos() override;
    // The name, the type and dates in order, and the numbers: the messages point at the record's
    // fields, so they show on their tab.
    bool Campos_Completos() override;
    bool Guarda_Detalle() override;

private:
    QTabWidget* sstFolder;
    QLineEdit* txtId;
    QLineEdit* TxtNombre;
    QComboBox* cmbTipo;
    QLineEdit* TxtTipo;
    QLineEdit* txtCantidadXMesa;
    QDateEdit* dtpInicio;
    QDateEdit* dtpFinal;
    QCheckBox* chkActivo;
    grid::Grid* sprDetalle;
};
