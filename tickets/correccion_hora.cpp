#include "tickets/correccion_hora.h"

#include <QVariant>

namespace correccionhora {

Correccion corrige(const QString& fechaTrabajo, const QDateTime& entrada, const QDateTime& salida, Hora hora,
                   const QTime& tecleada)
{
    if (!tecleada.isValid())
        return {};
    const QTime t(tecleada.hour(), tecleada.minute(), tecleada.second());
    // Against the other time the edited one takes the date that keeps the entry from 0 to under
    // 24 hours long, so a shift may cross midnight either way.
    QDate fecha;
    if (hora == Hora::Salida && entrada.isValid())
        fecha = t < entrada.time() ? entrada.date().addDays(1) : entrada.date();
    else if (hora == Hora::Entrada && salida.isValid())
        fecha = t > salida.time() ? salida.date().addDays(-1) : salida.date();
    else if (const QDateTime& propia = hora == Hora::Entrada ? entrada : salida; propia.isValid())
        fecha = propia.date();
    else
        fecha = QDate::fromString(fechaTrabajo.trimmed(), QStringLiteral("ddMMyyyy"));
    if (!fecha.isValid())
        return {};
    return {Resultado::Valida, QDateTime(fecha, t, Qt::UTC)};
}

QDateTime leeMomento(const QVariant& valor)
{
    if (valor.isNull() || !valor.isValid())
        return QDateTime();
    // Wall-clock times, free of the machine's time zone and its daylight-saving gaps.
    if (valor.typeId() == QMetaType::QDateTime) {
        const QDateTime momento = valor.toDateTime();
        return QDateTime(momento.date(), momento.time(), Qt::UTC);
    }
    const QString texto = valor.toString().trimmed();
    const QDate fecha = QDate::fromString(texto.left(10), QStringLiteral("yyyy-MM-dd"));
    QString resto = texto.mid(11);
    if (resto.size() > 8)
        resto.truncate(8);
    QTime hora = QTime::fromString(resto, QStringLiteral("HH:mm:ss"));
    if (!hora.isValid())
        hora = QTime::fromString(resto, QStringLiteral("HH:mm"));
    if (!fecha.isValid() || !hora.isValid() || (texto.size() > 10 && texto.at(10) != QLatin1Char(' ')
                                                 && texto.at(10) != QLatin1Char('T')))
        return QDateTime();
    return QDateTime(fecha, hora, Qt::UTC);
}

} // namespace correccionhora
