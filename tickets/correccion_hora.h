#pragma once

#include <QDateTime>
#include <QString>
#include <QTime>
#include <QVariant>

#include <optional>

// A corrected clock-in or clock-out time of a clock entry: the date it takes and whether the entry
// stays in order. Only the edited time is written; the other keeps what is stored, seconds included.
namespace correccionhora {

enum class Hora { Entrada, Salida };

enum class Resultado {
    Valida,
    SalidaAnterior,  // the clock-out would come before the clock-in
    SinFecha,        // the time has no date to take (a missing time and a work date that is no date)
};

struct Correccion {
    Resultado resultado = Resultado::SinFecha;
    QDateTime momento;  // the edited time's new value (Valida)
};

// The entry's work date "ddmmyyyy", its stored clock-in and clock-out (invalid while missing), the
// time edited and the time typed. A stored time keeps its date; a missing clock-in takes the work
// date; a missing clock-out takes the clock-in's date, or the next day when the typed time is
// earlier than the clock-in's, or the work date when the clock-in is missing too.
Correccion corrige(const QString& fechaTrabajo, const QDateTime& entrada, const QDateTime& salida, Hora hora,
                   const QTime& tecleada);

// A stored date-time ("yyyy-mm-dd hh:mm:ss", or a date-time value); invalid for NULL or a text
// that is not one.
QDateTime leeMomento(const QVariant& valor);

} // namespace correccionhora
