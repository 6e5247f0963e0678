#include "foundation/routines/moneda.h"

#include <cmath>

Moneda Moneda::deDouble(double valor)
{
    const double escalado = valor * 10000.0;
    double entero = std::floor(escalado);
    const double resto = escalado - entero;
    // Within a hair of one half the product is a tie that the binary double could not hold exactly.
    constexpr double casi = 1e-6;
    if (std::fabs(resto - 0.5) < casi) {
        if (std::fmod(entero, 2.0) != 0.0)
            entero += 1.0;
    } else if (resto > 0.5) {
        entero += 1.0;
    }
    return deDiezmilesimos(static_cast<std::int64_t>(entero));
}

Moneda Moneda::deVariant(const QVariant& valor)
{
    if (!valor.isValid() || valor.isNull())
        return {};
    switch (valor.metaType().id()) {
    case QMetaType::Int:
    case QMetaType::LongLong:
    case QMetaType::Long:
    case QMetaType::Short:
        return deDiezmilesimos(valor.toLongLong() * 10000);
    case QMetaType::QString: {
        const QString t = valor.toString().trimmed();
        if (t.isEmpty())
            return {};
        // Decimal text is read digit by digit, so that "0.1" is exactly one thousand.
        const bool negativo = t.startsWith(QLatin1Char('-'));
        const QString cuerpo = negativo || t.startsWith(QLatin1Char('+')) ? t.mid(1) : t;
        const int punto = cuerpo.indexOf(QLatin1Char('.'));
        const QString enteros = punto < 0 ? cuerpo : cuerpo.left(punto);
        QString decimales = punto < 0 ? QString() : cuerpo.mid(punto + 1);
        bool ok = true;
        for (QChar c : enteros + decimales)
            ok = ok && c.isDigit();
        if (!ok || (enteros.isEmpty() && decimales.isEmpty()))
            return deDouble(valor.toDouble());
        if (decimales.size() > 4)
            return deDouble(valor.toDouble());
        decimales = decimales.leftJustified(4, QLatin1Char('0'));
        const std::int64_t v = (enteros.isEmpty() ? 0 : enteros.toLongLong()) * 10000 + decimales.toLongLong();
        return deDiezmilesimos(negativo ? -v : v);
    }
    default:
        return deDouble(valor.toDouble());
    }
}

QString Moneda::texto() const
{
    const bool negativo = m_valor < 0;
    const std::uint64_t absoluto = negativo ? std::uint64_t(0) - std::uint64_t(m_valor) : std::uint64_t(m_valor);
    QString t = QString::number(absoluto / 10000);
    if (const std::uint64_t fraccion = absoluto % 10000; fraccion != 0) {
        QString d = QString::number(fraccion).rightJustified(4, QLatin1Char('0'));
        while (d.endsWith(QLatin1Char('0')))
            d.chop(1);
        t += QLatin1Char('.') + d;
    }
    return negativo ? QLatin1Char('-') + t : t;
}

Moneda Moneda::redondea(int decimales) const
{
    std::int64_t unidad = 1;
    for (int i = decimales; i < 4; ++i)
        unidad *= 10;
    std::int64_t cociente = m_valor / unidad;
    std::int64_t resto = m_valor % unidad;
    if (resto < 0) {
        resto += unidad;
        --cociente;
    }
    if (2 * resto > unidad || (2 * resto == unidad && cociente % 2 != 0))
        ++cociente;
    return deDiezmilesimos(cociente * unidad);
}

QString Moneda::dosDecimales() const
{
    const std::int64_t centavos = redondea(2).m_valor / 100;
    const std::uint64_t absoluto = centavos < 0 ? std::uint64_t(0) - std::uint64_t(centavos) : std::uint64_t(centavos);
    return (centavos < 0 ? QStringLiteral("-") : QString()) + QString::number(absoluto / 100) + QLatin1Char('.')
        + QString::number(absoluto % 100).rightJustified(2, QLatin1Char('0'));
}
