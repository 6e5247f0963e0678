#include "tickets/correccion_hora.h"

#include <QVariant>

namespace correccionhora {

Correccion corrige(const QString& fechaTrabajo, const QDateTime& entrada, const QDateTime& salida, Hora hora,
                   const QTime& tecleada)
{
    const QDate trabajo = QDate::fromString(fechaTrabajo.trimmed(), QStringLiteral("ddMMyyyy"));
    QDate fecha;
    if (hora == Hora::Entrada)
        fecha = entrada.isValid() ? entrada.date() : trabajo;
    else if (salida.isValid())
        fecha = salida.date();
    else if (entrada.isValid())
        fecha = tecleada < entrada.time() ? entrada.date().addDays(1) : entrada.date();
    else
        fecha = trabajo;
    if (!fecha.isValid() || !tecleada.isValid())
        return {};

    const QDateTime momento(fecha, QTime(tecleada.hour(), tecleada.minute(), tecleada.second()), Qt::UTC);
    const QDateTime nuevaEntrada = hora == Hora::Entrada ? momento : entrada;
    const QDateTime nuevaSalida = hora == Hora::Salida ? momento : salida;
    if (nuevaEntrada.isValid() && nuevaSalida.isValid() && nuevaSalida < nuevaEntrada)
        return {Resultado::SalidaAnterior, momento};
    return {Resultado::Valida, momento};
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
