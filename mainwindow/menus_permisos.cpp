// The menus that the user's rights show or hide.
#include "mainwindow/mdi_principal.h"

#include "foundation/forms/menu_commands.h"
#include "mainwindow/permisos.h"

#include <QAction>

#include <vector>

namespace {

struct ItemConLlave {
    const char* llave;
    const char* item;
};

struct Grupo {
    const char* llave;
    const char* menu;
    // Without the key: hide the menu, or leave it as the design has it.
    bool ocultaSinLlave;
    std::vector<ItemConLlave> items;
    std::vector<const char*> forzados;
};

const Grupo kGrupos[] = {
    {"OPERACION", "mnuOperacion", true,
     {{"TIPOSDEPAGO", "mnuOpTipoPago"},
      {"TIPOSDEANULACION", "mnuOpTiposAnulacion"},
      {"CATEGORIAS", "mnuOpCategorias"},
      {"GRUPOSMODIFICADORES", "mnuOpGpoModificadores"},
      {"MENU", "mnuOpMenu"},
      {"SUBMENU", "mnuOPSubMenu"},
      {"GPOOBSEQUIOS", "mnuOpGpoObsequios"},
      {"CORTESIAS", "mnuOpCortesias"},
      {"MODIFICADORES", "mnuOpModificadores"},
      {"PAQUETES", "mnuOpPaquete"}},
     {"mnuAbrirScript", "mnuBorrarDatos", "mnuBorrarCola", "mnuEjecutar"}},
    {"REPORTES", "mnuProRep", false,
     {{"REPPAGOS", "mnuRepPagos"},
      {"REPANULACION", "mnuRepAnulacion"},
      {"REPPMIX", "mnuRepPMIX"},
      {"REPVENTAS", "mnuRepVentas"},
      {"REPESPECIALES", "mnuProRepEspeciales"},
      {"REPARTICULOSXEMPL", "mnuRepCompArticulos"},
      {"REPLISTADEPRECIOS", "mnuProRepLista"}},
     {"mnuRepCompEmpleado", "mnuRepCompCategoria"}},
    {"ADMIN", "mnuUtlAdministracion", true,
     {{"PERMISOSXGRUPO", "mnuUtlAdFunxgrp"}, {"GRUPOSTRABAJO", "mnuUtlAdGrupos"}, {"EMPLEADOS", "mnuUtlAdUsr"}},
     {"mnuEmpresas", "mnuDesfirmar"}},
    {"CONFIGURACION", "mnuUtlConfiguracion", true,
     {{"GRUPOSIMPRESORAS", "mnuUtlConfGposImpresoras"}, {"IMPRESORAS", "mnuUtlConfImpresoras"}},
     {}},
};

const ItemConLlave kSiempre[] = {{"MENSAJES", "mnuUtlMensajes"}, {"PARAMETROS", "mnuParametros"}};

} // namespace

void MDIPrincipal::Menus()
{
    // Each item on its own: one that is missing does not stop the others.
    auto muestra = [this](const char* item, bool visible) {
        if (QAction* action = menuItem(QString::fromLatin1(item)))
            action->setVisible(visible);
    };
    auto permiso = [](const char* llave) { return TienePermiso(QString::fromLatin1(llave)); };

    for (const Grupo& grupo : kGrupos) {
        if (!permiso(grupo.llave)) {
            if (grupo.ocultaSinLlave)
                muestra(grupo.menu, false);
            continue;
        }
        muestra(grupo.menu, true);
        for (const ItemConLlave& item : grupo.items)
            muestra(item.item, permiso(item.llave));
        for (const char* forzado : grupo.forzados)
            muestra(forzado, true);
    }
    for (const ItemConLlave& item : kSiempre)
        muestra(item.item, permiso(item.llave));
    // The end of day is for administrators, and only where the program can run it.
    muestra("mnuUtlProcFin", permiso("ADMIN") && MenuCommands::contains(QStringLiteral("mnuUtlProcFin")));
}
