#include "foundation/routines/fecha_trabajo.h"

namespace fechatrabajo {

QString expresionOrden(const QString& columna)
{
    return QStringLiteral("(substr(%1,5,4)||substr(%1,3,2)||substr(%1,1,2))").arg(columna);
}

QString orden(const QDate& fecha)
{
    return fecha.toString(QStringLiteral("yyyyMMdd"));
}

QString ordenDeTexto(const QString& ddmmyyyy)
{
    if (ddmmyyyy.size() != 8)
        return QString();
    for (const QChar c : ddmmyyyy)
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return QString();
    const QDate fecha = QDate::fromString(ddmmyyyy, QStringLiteral("ddMMyyyy"));
    return fecha.isValid() ? orden(fecha) : QString();
}

QString periodo(const QDate& desde, const QDate& hasta, const QString& columna)
{
    return QLatin1Char(' ') + expresionOrden(columna) + QStringLiteral(" BETWEEN '") + orden(desde)
        + QStringLiteral("' AND '") + orden(hasta) + QLatin1Char('\'');
}

QString periodoDeTexto(const QString& desde, const QString& hasta, const QString& columna)
{
    const QString d = ordenDeTexto(desde), h = ordenDeTexto(hasta);
    if (d.isEmpty() || h.isEmpty())
        return QString();
    return QLatin1Char(' ') + expresionOrden(columna) + QStringLiteral(" BETWEEN '") + d + QStringLiteral("' AND '") + h
        + QLatin1Char('\'');
}

} // namespace fechatrabajo
