#pragma once

#include "foundation/routines/moneda.h"

#include <QString>

// The amount of a ticket in words, as the customer ticket prints it a second time below the total
// ("Doscientos treinta y cuatro pesos 00/100"). The language is "ESPAÑOL" or "INGLES" in any case;
// the currency word is the plural as printed, used by the Spanish form only. The amount is taken
// to the cent first, ties to the even neighbour.
QString MontoANombre(const Moneda& monto, const QString& idioma, const QString& moneda);

// The words of a group of up to three digits; empty when its value is 0.
QString NombreCientos(const QString& grupo, const QString& idioma);
// The words of two digits from 10 to 99.
QString NombreDecenas(const QString& digitos, const QString& idioma);
// The word of one digit; empty for 0.
QString NombreDigito(const QString& digito, const QString& idioma);
