#include "reports/ventanas_reportes.h"

#include "foundation/forms/window_registry.h"
#include "reports/rep_lista_precios.h"
#include "reports/rep_articulos_x_empleado.h"
#include "reports/rep_comp_categoria.h"
#include "reports/rep_comp_empleado.h"
#include "reports/rep_det_gold_card.h"
#include "reports/rep_gold_card.h"
#include "reports/rep_pmix.h"

void registraVentanasReportes()
{
    WindowRegistry::add(QStringLiteral("RepListadePrecios"), [] { return new RepListadePrecios; });
    WindowRegistry::add(QStringLiteral("RepPMIX"), [] { return new RepPMIX; });
    WindowRegistry::add(QStringLiteral("RepCompEmpleado"), [] { return new RepCompEmpleado; });
    WindowRegistry::add(QStringLiteral("RepCompCategoria"), [] { return new RepCompCategoria; });
    WindowRegistry::add(QStringLiteral("RepArticulosXEmpleado"), [] { return new RepArticulosXEmpleado; });
    WindowRegistry::add(QStringLiteral("RepDetGoldCard"), [] { return new RepDetGoldCard; });
    WindowRegistry::add(QStringLiteral("RepGoldCard"), [] { return new RepGoldCard; });
}
