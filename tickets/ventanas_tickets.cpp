#include "tickets/ventanas_tickets.h"

#include "foundation/forms/window_registry.h"
#include "tickets/rep_cuentas.h"

void registraVentanasTickets()
{
    WindowRegistry::add(QStringLiteral("RepCuentas"), [] { return new RepCuentas; });
}
