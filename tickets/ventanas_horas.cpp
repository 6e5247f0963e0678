#include "tickets/ventanas_horas.h"

#include "foundation/forms/window_registry.h"
#include "tickets/rep_horas.h"
#include "tickets/rep_oficial_horas.h"
#include "tickets/rep_resumen_horas.h"

void registraVentanasHoras()
{
    WindowRegistry::add(QStringLiteral("RepHoras"), [] { return new RepHoras; });
    WindowRegistry::add(QStringLiteral("RepResumenHoras"), [] { return new RepResumenHoras; });
    WindowRegistry::add(QStringLiteral("RepOficialHoras"), [] { return new RepOficialHoras; });
}
