#pragma once

#include <QString>
#include <QVariant>

#include <cstdint>

// An amount of money as the terminals and the central database mean it: a whole number of
// ten-thousandths, so that two amounts compare exactly. Doubles read from a REAL column are rounded
// to four decimals, ties to the even neighbour.
class Moneda {
public:
    constexpr Moneda() = default;
    static constexpr Moneda deDiezmilesimos(std::int64_t diezmilesimos)
    {
        Moneda m;
        m.m_valor = diezmilesimos;
        return m;
    }
    static Moneda deDouble(double valor);
    // A null or empty value is 0; text is read as a plain decimal numeral.
    static Moneda deVariant(const QVariant& valor);

    constexpr std::int64_t diezmilesimos() const { return m_valor; }
    double aDouble() const { return double(m_valor) / 10000.0; }
    // Plain decimal numeral: a point as the decimal sign, no grouping, no trailing zeros (1250.5, 0).
    QString texto() const;
    // Rounded to 0..4 decimals, ties to the even neighbour (10.5 gives 10, 11.5 gives 12).
    Moneda redondea(int decimales) const;
    // The amount rounded to two decimals and written with the pattern "0.00" (1250.50, 0.05, -3.00).
    QString dosDecimales() const;

    constexpr Moneda operator+(Moneda o) const { return deDiezmilesimos(m_valor + o.m_valor); }
    constexpr Moneda operator-(Moneda o) const { return deDiezmilesimos(m_valor - o.m_valor); }
    Moneda& operator+=(Moneda o)
    {
        m_valor += o.m_valor;
        return *this;
    }
    constexpr auto operator<=>(const Moneda&) const = default;

private:
    std::int64_t m_valor = 0;
};
