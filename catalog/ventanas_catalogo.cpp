#include "catalog/ventanas_catalogo.h"
#include "catalog/op_categoria.h"
#include "catalog/op_gpo_modificadores.h"
#include "catalog/op_menu.h"
#include "catalog/op_modo_preparacion.h"
#include "catalog/op_productos.h"
#include "catalog/op_tipo_impuestos.h"
#include "catalog/op_tipo_modificador.h"
#include "catalog/op_paquete.h"
#include "catalog/op_submenu.h"
#include "foundation/forms/window_registry.h"

void registraVentanasCatalogo()
{
    WindowRegistry::add(QStringLiteral("OpCategoria"), [] { return new OpCategoria; });
    WindowRegistry::add(QStringLiteral("OpModoPreparacion"), [] { return new OpModoPreparacion; });
    WindowRegistry::add(QStringLiteral("OpMenu"), [] { return new OpMenu; });
    WindowRegistry::add(QStringLiteral("OpTipoModificador"), [] { return new OpTipoModificador; });
    WindowRegistry::add(QStringLiteral("OpGpoModificadores"), [] { return new OpGpoModificadores; });
    WindowRegistry::add(QStringLiteral("OpTipoImpuestos"), [] { return new OpTipoImpuestos; });
    WindowRegistry::add(QStringLiteral("OpSubmenu"), [] { return new OpSubmenu; });
    WindowRegistry::add(QStringLiteral("OpPaquete"), [] { return new OpPaquete; });
    WindowRegistry::add(QStringLiteral("OpProductos"), [] { return new OpProductos; });
}
