#pragma once

#include "bench/reports_year.h"

#include <functional>
#include <vector>

class RepVentana;
struct sqlite3;

// Every report window of the sales reports, with the bare SQL of the same figures.
namespace casosreportes {

enum class Periodos {
    DiaYAno,  // one working date and the whole year
    Semana,   // the seven working dates from the day on (the specials report)
    Ninguno,  // no dates (the price list): one run
};

struct Caso {
    const char* nombre;
    std::function<RepVentana*()> crea;
    // The bare statements of the same figures; returns a figure to compare with `cifra`.
    std::function<double(sqlite3*, const anogenerado::Periodo&)> bare;
    // The same figure read from the window after its search; none when it has no counterpart.
    std::function<double(RepVentana&)> cifra = {};
    Periodos periodos = Periodos::DiaYAno;
    // Untimed, before the runs of a period (a drill-down searches its window first).
    std::function<void(RepVentana&, const anogenerado::Periodo&)> prepara = {};
    // The timed work; by default the dates are set and the search runs as its button runs it.
    std::function<void(RepVentana&, const anogenerado::Periodo&)> busca = {};
    // Timed for the record, with no aim.
    bool sinMeta = false;
};

const std::vector<Caso>& casos();

// Sets the window's period pickers (dtpFecha or dtpFechaIni, and dtpFechaFin).
void fechas(RepVentana& w, const anogenerado::Periodo& p);

} // namespace casosreportes
