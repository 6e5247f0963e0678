#include "catalog/ventanas_catalogo.h"
#include "catalog/op_categoria.h"
#include "catalog/op_menu.h"
#include "catalog/op_modo_preparacion.h"
#include "catalog/op_paquete.h"
#include "catalog/op_submenu.h"
#include "foundation/forms/window_registry.h"

void registraVentanasCatalogo()
{
    WindowRegistry::add(QStringLiteral("OpCategoria"), [] { return new OpCategoria; });
    WindowRegistry::add(QStringLiteral("OpModoPreparacion"), [] { return new OpModoPreparacion; });
    WindowRegistry::add(QStringLiteral("OpMenu"), [] { return new OpMenu; });
    WindowRegistry::add(QStringLiteral("OpSubmenu"), [] { return new OpSubmenu; });
    WindowRegistry::add(QStringLiteral("OpPaquete"), [] { return new OpPaquete; });
}
