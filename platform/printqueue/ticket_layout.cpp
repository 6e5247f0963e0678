#include "platform/printqueue/ticket_layout.h"

namespace ticketlayout {

QString Renglon::texto() const
{
    QString t;
    for (const Tramo& tramo : tramos)
        t += tramo.texto;
    return t;
}

bool Renglon::alto() const
{
    for (const Tramo& tramo : tramos)
        if (tramo.alta)
            return true;
    return false;
}

namespace {

class Compositor {
public:
    QList<Renglon> renglones;

    void pieza(const QString& texto)
    {
        if (m_abierto)
            termina();
        for (int i = 0; i < texto.size();) {
            if (texto.at(i) == QLatin1Char('<')) {
                const int fin = texto.indexOf(QLatin1Char('>'), i);
                if (fin > i && marca(texto.mid(i, fin - i + 1))) {
                    i = fin + 1;
                    continue;
                }
            }
            if (texto.at(i) == QLatin1Char('\r') && i + 1 < texto.size() && texto.at(i + 1) == QLatin1Char('\n')) {
                termina();
                i += 2;
                continue;
            }
            if (texto.at(i) == QLatin1Char('\n')) {
                termina();
                ++i;
                continue;
            }
            caracter(texto.at(i));
            ++i;
        }
    }

    void acaba()
    {
        if (m_abierto)
            termina();
    }

private:
    bool marca(const QString& m)
    {
        if (m == QLatin1String("<B>"))
            m_negrita = true;
        else if (m == QLatin1String("</B>"))
            m_negrita = false;
        else if (m == QLatin1String("<H>"))
            m_alta = true;
        else if (m == QLatin1String("</H>"))
            m_alta = false;
        else if (m == QLatin1String("<N>"))
            termina();
        else
            return false;
        return true;
    }

    void caracter(QChar c)
    {
        if (m_columnas == kColumnas) {
            // A blank past the last column ends the line without opening another.
            if (c == QLatin1Char(' '))
                return;
            termina();
        }
        if (m_actual.tramos.isEmpty() || m_actual.tramos.last().negrita != m_negrita
            || m_actual.tramos.last().alta != m_alta)
            m_actual.tramos.append(Tramo{QString(), m_negrita, m_alta});
        m_actual.tramos.last().texto += c;
        ++m_columnas;
        m_abierto = true;
    }

    void termina()
    {
        renglones.append(m_actual);
        m_actual = Renglon();
        m_columnas = 0;
        m_abierto = false;
    }

    Renglon m_actual;
    int m_columnas = 0;
    bool m_abierto = false;
    bool m_negrita = false;
    bool m_alta = false;
};

} // namespace

QList<Renglon> compone(const QStringList& piezas)
{
    Compositor c;
    for (const QString& p : piezas)
        c.pieza(p);
    c.acaba();
    return c.renglones;
}

} // namespace ticketlayout
