#pragma once

#include "foundation/forms/data_entry_window.h"

namespace grid {
class Grid;
}

// "Funciones": the feature switches of the installation, one row each with its number, name,
// description and state. In edit mode the user ticks or clears the states and may change the
// descriptions; accepting writes every row back. Switches are neither added nor removed here.
class FrmFunciones : public DataEntryWindow {
    Q_OBJECT
public:
    explicit FrmFunciones(QWidget* parent = nullptr);

    void BotonAceptar() override;
    void BotonBorrar() override;
    void BotonCancelar() override;
    void BotonBuscar() override;
    void BotonNuevoModificar(bool PbNuevo) override;
    void BotonPrimerRegistro() override;
    void BotonRegistroAnterior() override;
    void BotonRegistroSiguiente() override;
    void BotonUltimoRegistro() override;
    void BotonFiltro() override;

private:
    void Form_Activate();
    void llenaGrid();
    bool guarda();

    grid::Grid* sprFunciones;
    QWidget* Frame1;
};
