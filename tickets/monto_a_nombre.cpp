#include "tickets/monto_a_nombre.h"

#include <QStringList>

namespace {

const QString kEspanol = QStringLiteral("ESPAÑOL");
const QString kIngles = QStringLiteral("INGLES");

const QStringList kDigitos{QString(), QStringLiteral("un"), QStringLiteral("dos"), QStringLiteral("tres"),
                           QStringLiteral("cuatro"), QStringLiteral("cinco"), QStringLiteral("seis"),
                           QStringLiteral("siete"), QStringLiteral("ocho"), QStringLiteral("nueve")};
const QStringList kDigits{QString(), QStringLiteral("One"), QStringLiteral("Two"), QStringLiteral("Three"),
                          QStringLiteral("Four"), QStringLiteral("Five"), QStringLiteral("Six"),
                          QStringLiteral("Seven"), QStringLiteral("Eight"), QStringLiteral("Nine")};
const QStringList kDecenas{QString(), QString(), QStringLiteral("veinte "), QStringLiteral("treinta "),
                           QStringLiteral("cuarenta "), QStringLiteral("cincuenta "), QStringLiteral("sesenta "),
                           QStringLiteral("setenta "), QStringLiteral("ochenta "), QStringLiteral("noventa ")};
const QStringList kTens{QString(), QString(), QStringLiteral("Twenty "), QStringLiteral("Thirty "),
                        QStringLiteral("Forty "), QStringLiteral("Fifty "), QStringLiteral("Sixty "),
                        QStringLiteral("Seventy "), QStringLiteral("Eighty "), QStringLiteral("Ninety ")};
const QStringList kDiez{QStringLiteral("diez"), QStringLiteral("once"), QStringLiteral("doce"),
                        QStringLiteral("trece"), QStringLiteral("catorce"), QStringLiteral("quince"),
                        QStringLiteral("dieciseis"), QStringLiteral("diecisiete"), QStringLiteral("dieciocho"),
                        QStringLiteral("diecinueve")};
const QStringList kTeens{QStringLiteral("Ten"), QStringLiteral("Eleven"), QStringLiteral("Twelve"),
                         QStringLiteral("Thirteen"), QStringLiteral("Fourteen"), QStringLiteral("Fifteen"),
                         QStringLiteral("Sixteen"), QStringLiteral("Seventeen"), QStringLiteral("Eighteen"),
                         QStringLiteral("Nineteen")};
// By the three-digit group counted from the right; the Spanish words have no plural, but for the
// thousands of millions, which are worded with the millions ("dos mil quinientos  millones").
const QStringList kEscalas{QString(), QStringLiteral(" mil "), QStringLiteral(" millón "), QStringLiteral(" millón "),
                           QStringLiteral(" billón ")};
const QStringList kScales{QString(), QStringLiteral(" Thousand "), QStringLiteral(" Million "),
                          QStringLiteral(" Billion "), QStringLiteral(" Trillion ")};

int valor(QChar c)
{
    return c.isDigit() ? c.digitValue() : 0;
}

} // namespace

QString NombreDigito(const QString& digito, const QString& idioma)
{
    const int d = digito.toInt();
    if (d < 1 || d > 9)
        return QString();
    if (idioma == kEspanol)
        return kDigitos.at(d);
    if (idioma == kIngles)
        return kDigits.at(d);
    return QString();
}

QString NombreDecenas(const QString& digitos, const QString& idioma)
{
    if (digitos.size() != 2)
        return QString();
    const int decena = valor(digitos.at(0));
    const QString unidad(digitos.at(1));
    if (idioma == kEspanol) {
        if (decena == 1)
            return kDiez.at(valor(digitos.at(1)));
        QString t = kDecenas.at(decena);
        if (unidad != QLatin1String("0"))
            t += QStringLiteral("y ");
        return t + NombreDigito(unidad, idioma);
    }
    if (idioma == kIngles) {
        if (decena == 1)
            return kTeens.at(valor(digitos.at(1)));
        return kTens.at(decena) + NombreDigito(unidad, idioma);
    }
    return QString();
}

QString NombreCientos(const QString& grupo, const QString& idioma)
{
    if (grupo.toInt() == 0)
        return QString();
    const QString g = grupo.rightJustified(3, QLatin1Char('0'));
    const QString centena(g.at(0));
    QString t;
    if (centena != QLatin1String("0")) {
        if (idioma == kIngles) {
            t = NombreDigito(centena, idioma) + QStringLiteral(" hundred ");
        } else if (idioma == kEspanol) {
            switch (valor(g.at(0))) {
            case 1:
                t = g.mid(1) == QLatin1String("00") ? QStringLiteral("cien ") : QStringLiteral("ciento ");
                break;
            case 5:
                t = QStringLiteral("quinientos ");
                break;
            case 7:
                t = QStringLiteral("setecientos ");
                break;
            case 9:
                t = QStringLiteral("novecientos ");
                break;
            default:
                t = NombreDigito(centena, idioma) + QStringLiteral("cientos ");
            }
        }
    }
    if (g.at(1) != QLatin1Char('0'))
        t += NombreDecenas(g.mid(1), idioma);
    else
        t += NombreDigito(QString(g.at(2)), idioma);
    return t;
}

QString MontoANombre(const Moneda& monto, const QString& cualIdioma, const QString& moneda)
{
    const QString idioma = cualIdioma.toUpper();
    const QStringList& escalas = idioma == kIngles ? kScales : kEscalas;
    const bool negativo = monto < Moneda();
    // A third decimal would be read as cents ("1.125" as 125/100): the amount goes to the cent first.
    const Moneda centavos = (negativo ? Moneda() - monto : monto).redondea(2);
    const QString texto = centavos.texto();

    QString centimos;
    QString entero = texto;
    if (const int punto = texto.indexOf(QLatin1Char('.')); punto >= 0) {
        centimos = texto.mid(punto + 1);
        if (centimos.size() == 1)
            centimos += QLatin1Char('0');
        entero = texto.left(punto).trimmed();
    }

    // The words of each three-digit group, from the right.
    QStringList cientos;
    for (; !entero.isEmpty(); entero.chop(qMin<qsizetype>(3, entero.size())))
        cientos << NombreCientos(entero.right(3), idioma);
    const bool milesDeMillones = idioma == kEspanol && !cientos.value(3).isEmpty();
    QString palabras;
    for (qsizetype grupo = cientos.size() - 1; grupo >= 0; --grupo) {
        const QString& w = cientos.at(grupo);
        if (milesDeMillones && grupo == 3)
            palabras += w == QLatin1String("un") ? QStringLiteral("mil") : w + QStringLiteral(" mil");
        else if (milesDeMillones && grupo == 2)
            palabras += (w.isEmpty() ? QString() : QLatin1Char(' ') + w) + QStringLiteral(" millones ");
        else if (!w.isEmpty())
            palabras += w + escalas.value(grupo);
    }

    QString resultado;
    if (idioma == kIngles) {
        if (palabras.isEmpty())
            resultado = QStringLiteral("zero Dollars");
        else if (palabras == QLatin1String("One"))
            resultado = QStringLiteral("One Dollar");
        else
            resultado = palabras + QStringLiteral(" Dollars");
        resultado += centimos.isEmpty() ? QStringLiteral(" and zero Cents") : QStringLiteral(" and ") + centimos + QStringLiteral(" Cents");
    } else if (idioma == kEspanol) {
        if (palabras.isEmpty())
            resultado = QStringLiteral("Cero ") + moneda;
        else if (palabras == QLatin1String("un"))
            resultado = QStringLiteral("Un ") + moneda.left(moneda.size() - 1);
        else
            resultado = palabras.trimmed() + QLatin1Char(' ') + moneda;
        resultado += centimos.isEmpty() ? QStringLiteral(" 00/100")
                                        : QLatin1Char(' ') + QString::number(centimos.toInt()).rightJustified(2, QLatin1Char('0'))
                                              + QStringLiteral("/100");
    } else {
        return QString();
    }
    if (negativo)
        resultado = (idioma == kIngles ? QStringLiteral("minus ") : QStringLiteral("menos ")) + resultado;
    if (!resultado.isEmpty())
        resultado[0] = resultado.at(0).toUpper();
    return resultado;
}
