#include "operation/ventanas_operacion.h"
#include "foundation/forms/window_registry.h"
#include "operation/cfg_impresora.h"
#include "operation/cfg_terminal.h"
#include "operation/op_cortesia.h"
#include "operation/op_gpo_impresoras.h"
#include "operation/op_gpo_productos.h"
#include "operation/op_promociones.h"
#include "operation/op_tipo_pago.h"
#include "operation/op_tipos_anulacion.h"
#include "operation/utl_mensajes.h"

void registraVentanasOperacion()
{
    WindowRegistry::add(QStringLiteral("OpTipoPago"), [] { return new OpTipoPago; });
    WindowRegistry::add(QStringLiteral("OpTiposAnulacion"), [] { return new OpTiposAnulacion; });
    WindowRegistry::add(QStringLiteral("UtlMensajes"), [] { return new UtlMensajes; });
    WindowRegistry::add(QStringLiteral("CfgTerminal"), [] { return new CfgTerminal; });
    WindowRegistry::add(QStringLiteral("CfgImpresora"), [] { return new CfgImpresora; });
    WindowRegistry::add(QStringLiteral("OpGpoImpresoras"), [] { return new OpGpoImpresoras; });
    WindowRegistry::add(QStringLiteral("OpCortesia"), [] { return new OpCortesia; });
    WindowRegistry::add(QStringLiteral("OpGpoPromocional"), [] { return new OpGpoPromocional; });
    WindowRegistry::add(QStringLiteral("OpGpoObsequios"), [] { return new OpGpoObsequios; });
    WindowRegistry::add(QStringLiteral("OpPromociones"), [] { return new OpPromociones; });
}
