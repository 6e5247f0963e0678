#pragma once

#include "foundation/routines/moneda.h"

#include <QString>

#include <array>

namespace adodb {
class Connection;
}

namespace findia {

class CopiaTerminal;

// The eight measures of a terminal's sales (or of the closing day's central sales): row counts and
// amounts, compared measure by measure to tell which sales tables differ.
struct MedidasVentas {
    // Counts, in this order: items, accounts, payments, courtesies, modifiers, item taxes, orders,
    // voided items.
    enum Registro { PXC, Cta, P, Ct, M, IXC, Cmd, A, NumRegistros };
    // Amounts: items, accounts, payments, courtesies, modifiers, item taxes.
    enum Monto { TotalPXC, TotalCta, TotalPago, TotalCtesia, TotalMod, TotalIXC, NumMontos };

    std::array<int, NumRegistros> registros{};
    std::array<Moneda, NumMontos> montos{};
};

// The flag of each count, in the order of MedidasVentas::Registro; set where the terminal differs.
using BanderasVentas = std::array<bool, MedidasVentas::NumRegistros>;

// The flag names (the suffixes of the count columns).
QString nombreBandera(int registro);
// "PXC=3 (136.5) Cta=..." for the log and the journal.
QString textoMedidas(const MedidasVentas& medidas);
// "Cmd PXC A" (the names of the set flags), "ninguna" when none is set.
QString textoBanderas(const BanderasVentas& banderas);

// Takes the eight measures of the central orders of a working date ("ddmmyyyy"). Amounts are summed
// in ten-thousandths, so no rounding of doubles decides a difference. A query that fails raises
// adodb::ComError.
MedidasVentas MideVentas(adodb::Connection& conexion, const QString& fechaTrabajo);

// The same measures over every sales row of a terminal's copy; a column that an older terminal
// lacks counts as nothing. A copy that cannot be measured raises FallaPaso 75.
MedidasVentas MideCopia(const CopiaTerminal& copia);

// The flags of a terminal against the day: a count or an amount that differs in any way.
BanderasVentas ComparaMedidas(const MedidasVentas& terminal, const MedidasVentas& dia);

} // namespace findia
