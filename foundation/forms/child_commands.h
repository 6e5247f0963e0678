#pragma once

#include "platform/adodb/adodb.h"

// The commands that the main window (toolbar, "&Editar" > "&Registro", "&Archivo", the grid pop-up)
// and a window's function keys send to the active child window. Every command does nothing unless
// the window overrides it, so a window that lacks one simply ignores it.
class ChildCommands {
public:
    virtual ~ChildCommands() = default;

    virtual void BotonNuevoModificar(bool PbNuevo) { (void)PbNuevo; }
    virtual void BotonBorrar() {}
    virtual void BotonAceptar() {}
    virtual void BotonCancelar() {}
    virtual void BotonBuscar() {}
    virtual void BotonFiltro() {}
    virtual void BotonPrimerRegistro() {}
    virtual void BotonRegistroAnterior() {}
    virtual void BotonRegistroSiguiente() {}
    virtual void BotonUltimoRegistro() {}
    virtual void BotonImprimir() {}
    virtual void BotonPreview() {}
    virtual void SpreadNuevo() {}
    virtual void SpreadModificar() {}
    virtual void SpreadBorrar() {}

    // The recordset that the find dialog searches; a null recordset when the window has none.
    virtual adodb::Recordset Recordset_de_Busqueda() { return adodb::Recordset(); }
};
