#include "reports/ventanas_reportes.h"

#include "foundation/forms/window_registry.h"
#include "reports/rep_lista_precios.h"
#include "reports/rep_ventas.h"

void registraVentanasReportes()
{
    WindowRegistry::add(QStringLiteral("RepListadePrecios"), [] { return new RepListadePrecios; });
    WindowRegistry::add(QStringLiteral("RepVentas"), [] { return new RepVentas; });
}
