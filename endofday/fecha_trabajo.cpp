#include "endofday/fecha_trabajo.h"

#include <QDate>

namespace findia {

namespace {

QDate comoFecha(const QString& texto)
{
    if (texto.size() != 8)
        return {};
    for (const QChar c : texto)
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return {};
    return QDate(texto.mid(4, 4).toInt(), texto.mid(2, 2).toInt(), texto.left(2).toInt());
}

} // namespace

bool EsFechaTrabajo(const QString& texto)
{
    return comoFecha(texto).isValid();
}

QString SiguienteFechaTrabajo(const QString& fecha)
{
    return comoFecha(fecha).addDays(1).toString(QStringLiteral("ddMMyyyy"));
}

QString FechaTrabajoLegible(const QString& fecha)
{
    return fecha.left(2) + QLatin1Char('/') + fecha.mid(2, 2) + QLatin1Char('/') + fecha.mid(4);
}

} // namespace findia
