#pragma once

#include "endofday/diario_fin_dia.h"
#include "endofday/manejador_fin_dia.h"
#include "endofday/pasos_fin_dia.h"

// What the phases of one run share.
namespace findia {

struct EstadoCorrida {
    CorridaFinDia corrida;
    ManejadorFinDia manejador;
};

// Fetch, measure, reconcile and collect every terminal not collected yet. False on Abort.
bool FaseRecoleccion(EstadoCorrida& estado);

// One transaction: the next working date, the order and payment folios, the run collected.
void CierraDia(const CorridaFinDia& corrida);

// The template copy, its catalogs, and the push to every terminal that may receive it. False when
// any of it failed: the terminals are then not started, and the next start sends what is missing.
bool FaseEnvio(EstadoCorrida& estado);

} // namespace findia
