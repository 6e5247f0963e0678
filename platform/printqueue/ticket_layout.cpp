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

bool esMarca(const QString& m)
{
    return m == QLatin1String("<B>") || m == QLatin1String("</B>") || m == QLatin1String("<H>")
        || m == QLatin1String("</H>") || m == QLatin1String("<N>");
}

// The mark that starts at i, or an empty text.
QString marcaEn(const QString& texto, int i)
{
    if (texto.at(i) != QLatin1Char('<'))
        return QString();
    const int fin = texto.indexOf(QLatin1Char('>'), i);
    const QString m = fin > i ? texto.mid(i, fin - i + 1) : QString();
    return esMarca(m) ? m : QString();
}

// The characters of the word that goes on from i: up to a blank, a line end or "<N>"; the bold and
// height marks inside it take no room.
int restoDePalabra(const QString& texto, int i)
{
    int n = 0;
    while (i < texto.size()) {
        const QChar c = texto.at(i);
        if (c == QLatin1Char(' ') || c == QLatin1Char('\r') || c == QLatin1Char('\n'))
            break;
        if (const QString m = marcaEn(texto, i); !m.isEmpty()) {
            if (m == QLatin1String("<N>"))
                break;
            i += int(m.size());
            continue;
        }
        ++n;
        ++i;
    }
    return n;
}

// Splits the line after its first n characters: they stay, the rest is returned with its print.
Renglon separa(Renglon& r, int n)
{
    Renglon resto;
    QList<Tramo> quedan;
    for (const Tramo& t : r.tramos) {
        const int toma = qBound(0, n, int(t.texto.size()));
        if (toma > 0)
            quedan.append(Tramo{t.texto.left(toma), t.negrita, t.alta});
        if (toma < t.texto.size())
            resto.tramos.append(Tramo{t.texto.mid(toma), t.negrita, t.alta});
        n -= toma;
    }
    r.tramos = quedan;
    return resto;
}

class Compositor {
public:
    QList<Renglon> renglones;

    void pieza(const QString& texto)
    {
        if (m_abierto)
            termina();
        for (int i = 0; i < texto.size();) {
            if (const QString m = marcaEn(texto, i); !m.isEmpty()) {
                marca(m);
                i += int(m.size());
                continue;
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
            if (m_columnas == kColumnas)
                desborda(texto, i);
            if (m_columnas < kColumnas)
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
    void marca(const QString& m)
    {
        if (m == QLatin1String("<B>"))
            m_negrita = true;
        else if (m == QLatin1String("</B>"))
            m_negrita = false;
        else if (m == QLatin1String("<H>"))
            m_alta = true;
        else if (m == QLatin1String("</H>"))
            m_alta = false;
        else
            saltaRenglon();
    }

    // "<N>" ends the line and stands on the next, so that a piece ending with it leaves a blank
    // line before the next piece.
    void saltaRenglon()
    {
        termina();
        m_abierto = true;
    }

    // The character at i finds the line full. Blanks there are dropped and end the line at a word's
    // edge; a word caught across the edge goes whole to the next line, and only a word longer than a
    // line is cut at the edge.
    void desborda(const QString& texto, int i)
    {
        if (texto.at(i) == QLatin1Char(' ')) {
            m_enBorde = true;
            return;
        }
        const QString linea = m_actual.texto();
        const int blanco = int(linea.lastIndexOf(QLatin1Char(' ')));
        const int yaEscrita = int(linea.size()) - blanco - 1;
        if (m_enBorde || blanco < 0 || yaEscrita + restoDePalabra(texto, i) > kColumnas) {
            terminaEnBorde();
            return;
        }
        Renglon palabra = separa(m_actual, blanco + 1);
        terminaEnBorde();
        m_actual = palabra;
        m_columnas = yaEscrita;
        m_abierto = true;
    }

    void caracter(QChar c)
    {
        if (m_actual.tramos.isEmpty() || m_actual.tramos.last().negrita != m_negrita
            || m_actual.tramos.last().alta != m_alta)
            m_actual.tramos.append(Tramo{QString(), m_negrita, m_alta});
        m_actual.tramos.last().texto += c;
        ++m_columnas;
        m_abierto = true;
    }

    // A line broken at the edge keeps no blanks at its end.
    void terminaEnBorde()
    {
        const QString linea = m_actual.texto();
        int queda = int(linea.size());
        while (queda > 0 && linea.at(queda - 1) == QLatin1Char(' '))
            --queda;
        separa(m_actual, queda);
        termina();
    }

    void termina()
    {
        renglones.append(m_actual);
        m_actual = Renglon();
        m_columnas = 0;
        m_abierto = false;
        m_enBorde = false;
    }

    Renglon m_actual;
    int m_columnas = 0;
    bool m_abierto = false;
    bool m_enBorde = false;  // blanks were dropped at the full line's edge
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
