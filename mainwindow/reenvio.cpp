// The toolbar and "&Editar" > "&Registro" commands, sent to the active child window.
#include "mainwindow/mdi_principal.h"

#include "foundation/forms/child_commands.h"
#include "mainwindow/area_tapiz.h"
#include "mainwindow/ejecucion_protegida.h"

#include <QMdiSubWindow>

void MDIPrincipal::Reenvia(const char* comando, const std::function<void(ChildCommands&)>& llamada)
{
    // The current child, not the active one: the main window need not be the active window when a
    // command arrives (tests, a click from another top-level window).
    QMdiSubWindow* sub = m_area->currentSubWindow();
    if (!sub)
        return;
    auto* hija = dynamic_cast<ChildCommands*>(sub->widget());
    if (!hija)
        return;
    EjecutaProtegido(QString::fromLatin1(comando), [&] { llamada(*hija); });
}

void MDIPrincipal::TlbHerramientas_ButtonClick(int index)
{
    switch (index) {
    case 1: Reenvia("BotonNuevoModificar", [](ChildCommands& c) { c.BotonNuevoModificar(true); }); break;
    case 2: Reenvia("BotonNuevoModificar", [](ChildCommands& c) { c.BotonNuevoModificar(false); }); break;
    case 3: Reenvia("BotonBorrar", [](ChildCommands& c) { c.BotonBorrar(); }); break;
    case 5: Reenvia("BotonAceptar", [](ChildCommands& c) { c.BotonAceptar(); }); break;
    case 6: Reenvia("BotonCancelar", [](ChildCommands& c) { c.BotonCancelar(); }); break;
    case 8: Reenvia("BotonBuscar", [](ChildCommands& c) { c.BotonBuscar(); }); break;
    case 10: CierraHijaActiva(); break;
    case 13: Reenvia("BotonPrimerRegistro", [](ChildCommands& c) { c.BotonPrimerRegistro(); }); break;
    case 14: Reenvia("BotonRegistroAnterior", [](ChildCommands& c) { c.BotonRegistroAnterior(); }); break;
    case 15: Reenvia("BotonRegistroSiguiente", [](ChildCommands& c) { c.BotonRegistroSiguiente(); }); break;
    case 16: Reenvia("BotonUltimoRegistro", [](ChildCommands& c) { c.BotonUltimoRegistro(); }); break;
    case 18: Reenvia("BotonFiltro", [](ChildCommands& c) { c.BotonFiltro(); }); break;
    case 20: Reenvia("BotonImprimir", [](ChildCommands& c) { c.BotonImprimir(); }); break;
    case 21: Reenvia("BotonPreview", [](ChildCommands& c) { c.BotonPreview(); }); break;
    default: break;  // separators and "Ayuda"
    }
}

void MDIPrincipal::mnuEdReg_Click(int index)
{
    switch (index) {
    case 0: Reenvia("BotonPrimerRegistro", [](ChildCommands& c) { c.BotonPrimerRegistro(); }); break;
    case 1: Reenvia("BotonRegistroAnterior", [](ChildCommands& c) { c.BotonRegistroAnterior(); }); break;
    case 2: Reenvia("BotonRegistroSiguiente", [](ChildCommands& c) { c.BotonRegistroSiguiente(); }); break;
    case 3: Reenvia("BotonUltimoRegistro", [](ChildCommands& c) { c.BotonUltimoRegistro(); }); break;
    case 5: Reenvia("BotonBuscar", [](ChildCommands& c) { c.BotonBuscar(); }); break;
    case 6: Reenvia("BotonFiltro", [](ChildCommands& c) { c.BotonFiltro(); }); break;
    case 8: Reenvia("BotonNuevoModificar", [](ChildCommands& c) { c.BotonNuevoModificar(true); }); break;
    case 9: Reenvia("BotonNuevoModificar", [](ChildCommands& c) { c.BotonNuevoModificar(false); }); break;
    case 10: Reenvia("BotonBorrar", [](ChildCommands& c) { c.BotonBorrar(); }); break;
    case 12: Reenvia("BotonAceptar", [](ChildCommands& c) { c.BotonAceptar(); }); break;
    case 13: Reenvia("BotonCancelar", [](ChildCommands& c) { c.BotonCancelar(); }); break;
    default: break;  // separators
    }
}
