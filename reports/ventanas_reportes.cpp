#include "reports/ventanas_reportes.h"

#include "foundation/forms/window_registry.h"
#include "reports/rep_cortesias.h"
#include "reports/rep_especiales.h"
#include "reports/rep_info_anulacion.h"
#include "reports/rep_lista_pagos.h"
#include "reports/rep_lista_precios.h"
#include "reports/rep_ventas.h"
#include "reports/rep_pagos.h"

void registraVentanasReportes()
{
    WindowRegistry::add(QStringLiteral("RepListadePrecios"), [] { return new RepListadePrecios; });
    WindowRegistry::add(QStringLiteral("RepVentas"), [] { return new RepVentas; });
    WindowRegistry::add(QStringLiteral("RepListaPagos"), [] { return new RepListaPagos; });
    WindowRegistry::add(QStringLiteral("RepCortesias"), [] { return new RepCortesias; });
    WindowRegistry::add(QStringLiteral("RepEspeciales"), [] { return new RepEspeciales; });
    WindowRegistry::add(QStringLiteral("RepInfoAnulacion"), [] { return new RepInfoAnulacion; });
    WindowRegistry::add(QStringLiteral("RepPagos"), [] { return new RepPagos; });
}
