#include "reports/ventanas_reportes.h"

#include "foundation/forms/window_registry.h"
#include "reports/rep_cortesias.h"
#include "reports/rep_especiales.h"
#include "reports/rep_info_anulacion.h"
#include "reports/rep_lista_pagos.h"
#include "reports/rep_lista_precios.h"
#include "reports/rep_ventas.h"
#include "reports/rep_pagos.h"
#include "reports/rep_articulos_x_empleado.h"
#include "reports/rep_comp_categoria.h"
#include "reports/rep_comp_empleado.h"
#include "reports/rep_det_gold_card.h"
#include "reports/rep_gold_card.h"
#include "reports/rep_pmix.h"

void registraVentanasReportes()
{
    WindowRegistry::add(QStringLiteral("RepListadePrecios"), [] { return new RepListadePrecios; });
    WindowRegistry::add(QStringLiteral("RepVentas"), [] { return new RepVentas; });
    WindowRegistry::add(QStringLiteral("RepListaPagos"), [] { return new RepListaPagos; });
    WindowRegistry::add(QStringLiteral("RepCortesias"), [] { return new RepCortesias; });
    WindowRegistry::add(QStringLiteral("RepEspeciales"), [] { return new RepEspeciales; });
    WindowRegistry::add(QStringLiteral("RepInfoAnulacion"), [] { return new RepInfoAnulacion; });
    WindowRegistry::add(QStringLiteral("RepPagos"), [] { return new RepPagos; });
    WindowRegistry::add(QStringLiteral("RepPMIX"), [] { return new RepPMIX; });
    WindowRegistry::add(QStringLiteral("RepCompEmpleado"), [] { return new RepCompEmpleado; });
    WindowRegistry::add(QStringLiteral("RepCompCategoria"), [] { return new RepCompCategoria; });
    WindowRegistry::add(QStringLiteral("RepArticulosXEmpleado"), [] { return new RepArticulosXEmpleado; });
    WindowRegistry::add(QStringLiteral("RepDetGoldCard"), [] { return new RepDetGoldCard; });
    WindowRegistry::add(QStringLiteral("RepGoldCard"), [] { return new RepGoldCard; });
}
