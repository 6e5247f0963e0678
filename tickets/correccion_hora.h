#pragma once

#include <QDateTime>
#include <QString>
#include <QTime>
#include <QVariant>

#include <optional>

// A corrected clock-in or clock-out time of a clock entry: the date it takes. Only the edited time is
// written; the other keeps what is stored, seconds included.
namespace correccionhora {

enum class Hora { Entrada, Salida };

enum class Resultado {
    Valida,
    SinFecha,  // the time has no date to take (a missing time and a work date that is no date)
};

struct Correccion {
    Resultado resultado = Resultado::SinFecha;
    QDateTime momento;  // the edited time's new value (Valida)
};

// The entry's work date "ddmmyyyy", its stored clock-in and clock-out (invalid while missing), the
// time edited and the time typed. Beside the other time, a clock-out is the first such time at or
// after the clock-in and a clock-in the last such time at or before the clock-out, so the entry
// lasts from 0 to under 24 hours. With the other time missing the edited one keeps its own date,
// or takes the work date when it is missing too.
Correccion corrige(const QString& fechaTrabajo, const QDateTime& entrada, const QDateTime& salida, Hora hora,
                   const QTime& tecleada);

// A stored date-time ("yyyy-mm-dd hh:mm:ss", or a date-time value); invalid for NULL or a text
// that is not one.
QDateTime leeMomento(const QVariant& valor);

} // namespace correccionhora
