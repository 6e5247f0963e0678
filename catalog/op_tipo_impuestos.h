#pragma once

#include "catalog/catalog_window.h"

class QCheckBox;
class QLineEdit;

namespace grid {
class Grid;
}

// "Tipo de Impuestos": the tax types and, in a grid beside each, the percentages that apply from a
// start day to an end day (or with no end), so that a rate can change on a given day.
class OpTipoImpuestos : public CatalogWindow {
    Q_OBJECT
public:
    explicit OpTipoImpuestos(QWidget* parent = nullptr);

    void BotonFiltro() override;

protected:
    void Valores_Nuevos() override;
    bool Campos_Completos() override;

private:
    // Every rate to be kept is complete, ends no earlier than it starts, and starts on a day of
    // its own; otherwise says which and nothing is written.
    bool Revisa_Porcentajes();

    QLineEdit* txtId;
    QLineEdit* TxtNombre;
    QCheckBox* chkActivo;
    grid::Grid* sprPorcentajes;
    DetailGrid* porcentajes;
};
