#pragma once

#include <QString>

namespace findia {

// True when texto is eight digits "ddmmyyyy" naming a day of the calendar.
bool EsFechaTrabajo(const QString& texto);

// The working date after fecha (a valid "ddmmyyyy"): the next calendar day.
QString SiguienteFechaTrabajo(const QString& fecha);

// "ddmmyyyy" as "dd/mm/yyyy", for the questions that name the day.
QString FechaTrabajoLegible(const QString& fecha);

} // namespace findia
