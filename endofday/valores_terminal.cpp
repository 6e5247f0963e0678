#include "endofday/valores_terminal.h"

#include <QDate>
#include <QStringList>
#include <QTime>

#include <sqlite3.h>

#include <cmath>
#include <optional>

namespace findia {

namespace {

// Keys and the folios that follow them are kept in Parametros.Valor_Num, a double: past 2^53 the
// next folio would not be exact.
constexpr qint64 kMayorEntero = (qint64(1) << 53) - 1;
// The range of money: 922,337,203,685,477.5807.
constexpr double kMayorMonto = 922337203685477.5807;

QByteArrayView textoDe(sqlite3_value* v)
{
    const auto* datos = reinterpret_cast<const char*>(sqlite3_value_text(v));
    return QByteArrayView(datos, sqlite3_value_bytes(v));
}

bool sonDigitos(QByteArrayView t)
{
    if (t.isEmpty())
        return false;
    for (const char c : t)
        if (c < '0' || c > '9')
            return false;
    return true;
}

// A numeral as the terminal may have written one in text: an optional sign, digits, and for an
// amount a point followed by digits.
bool esNumeral(QByteArrayView t, bool conDecimales)
{
    if (!t.isEmpty() && (t.front() == '+' || t.front() == '-'))
        t = t.sliced(1);
    const qsizetype punto = conDecimales ? t.indexOf('.') : -1;
    if (punto < 0)
        return sonDigitos(t);
    return sonDigitos(t.first(punto)) && sonDigitos(t.sliced(punto + 1));
}

std::optional<qint64> entero(sqlite3_value* v)
{
    switch (sqlite3_value_type(v)) {
    case SQLITE_INTEGER: {
        const qint64 i = sqlite3_value_int64(v);
        return i >= -kMayorEntero && i <= kMayorEntero ? std::optional<qint64>(i) : std::nullopt;
    }
    case SQLITE_FLOAT: {
        const double d = sqlite3_value_double(v);
        if (!std::isfinite(d) || d != std::floor(d) || std::fabs(d) > double(kMayorEntero))
            return std::nullopt;
        return qint64(d);
    }
    case SQLITE_TEXT: {
        const QByteArrayView t = textoDe(v);
        if (t.size() > 17 || !esNumeral(t, false))
            return std::nullopt;
        bool ok = false;
        const qint64 i = t.toByteArray().toLongLong(&ok);
        return ok && i >= -kMayorEntero && i <= kMayorEntero ? std::optional<qint64>(i) : std::nullopt;
    }
    default:
        return std::nullopt;
    }
}

QString leeEntero(sqlite3_value* v, const Columna& c, ValorCentral* valor)
{
    const std::optional<qint64> i = entero(v);
    const QString nombre = QLatin1String(c.nombre);
    if (!i || (c.clase == Clase::Clave && *i < 0))
        return nombre + (c.clase == Clase::Clave ? QStringLiteral(" no es una clave válida") : QStringLiteral(" no es un número entero"));
    if (sqlite3_value_type(v) != SQLITE_INTEGER)
        *valor = {ValorCentral::Tipo::Entero, *i, 0, {}};
    return QString();
}

QString leeMonto(sqlite3_value* v, const Columna& c, ValorCentral* valor)
{
    double d = 0;
    switch (sqlite3_value_type(v)) {
    case SQLITE_INTEGER:
    case SQLITE_FLOAT:
        d = sqlite3_value_double(v);
        break;
    case SQLITE_TEXT: {
        const QByteArrayView t = textoDe(v);
        bool ok = t.size() <= 40 && esNumeral(t, true);
        d = ok ? t.toByteArray().toDouble(&ok) : 0;
        if (!ok)
            d = NAN;
        *valor = {ValorCentral::Tipo::Real, 0, d, {}};
        break;
    }
    default:
        d = NAN;
    }
    if (!std::isfinite(d) || std::fabs(d) > kMayorMonto)
        return QLatin1String(c.nombre) + QStringLiteral(" no es un importe");
    return QString();
}

QString leeTexto(sqlite3_value* v, const Columna& c, ValorCentral*)
{
    const int tipo = sqlite3_value_type(v);
    if (tipo == SQLITE_BLOB)
        return QLatin1String(c.nombre) + QStringLiteral(" no es texto");
    // Only text can be long; a number becomes its short text in the central column.
    if (tipo == SQLITE_TEXT && (sqlite3_value_bytes(v) > c.largo && QString::fromUtf8(textoDe(v)).size() > c.largo))
        return QLatin1String(c.nombre) + QStringLiteral(" tiene más de ") + QString::number(c.largo) + QStringLiteral(" caracteres");
    return QString();
}

// "yyyy-mm-dd", optionally followed by a blank or "T" and "hh:mm", ":ss" and a fraction. A date and
// a time, not a QDateTime: no time zone is looked up for each of thousands of values.
struct FechaHora {
    QDate dia;
    QTime hora;
};

// The number written by the digits t[desde, desde + largo), -1 when they are not all digits.
int numero(QByteArrayView t, qsizetype desde, qsizetype largo)
{
    if (t.size() < desde + largo)
        return -1;
    int n = 0;
    for (qsizetype i = desde; i < desde + largo; ++i) {
        if (t[i] < '0' || t[i] > '9')
            return -1;
        n = n * 10 + (t[i] - '0');
    }
    return n;
}

std::optional<FechaHora> fechaIso(QByteArrayView t)
{
    if (t.size() < 10 || t[4] != '-' || t[7] != '-')
        return std::nullopt;
    const QDate dia(numero(t, 0, 4), numero(t, 5, 2), numero(t, 8, 2));
    if (!dia.isValid())
        return std::nullopt;
    if (t.size() == 10)
        return FechaHora{dia, QTime(0, 0)};
    if ((t[10] != ' ' && t[10] != 'T') || t.size() < 16 || t[13] != ':')
        return std::nullopt;
    int segundos = 0;
    if (t.size() > 16) {
        if (t[16] != ':' || t.size() < 19)
            return std::nullopt;
        segundos = numero(t, 17, 2);
        if (t.size() > 19 && (t[19] != '.' || !sonDigitos(t.sliced(20))))
            return std::nullopt;
    }
    const QTime hora(numero(t, 11, 2), numero(t, 14, 2), segundos);
    if (!hora.isValid())
        return std::nullopt;
    return FechaHora{dia, hora};
}

QString leeFecha(sqlite3_value* v, const Columna& c, ValorCentral* valor)
{
    const QByteArrayView t = sqlite3_value_type(v) == SQLITE_TEXT ? textoDe(v) : QByteArrayView();
    const std::optional<FechaHora> fecha = t.size() <= 40 ? fechaIso(t) : std::nullopt;
    if (!fecha)
        return QLatin1String(c.nombre) + QStringLiteral(" no es una fecha");
    // Stored as the central tables store dates.
    if (t.size() != 19 || t[10] != ' ')
        *valor = {ValorCentral::Tipo::Texto, 0, 0,
                  (fecha->dia.toString(QStringLiteral("yyyy-MM-dd ")) + fecha->hora.toString(QStringLiteral("HH:mm:ss"))).toLatin1()};
    return QString();
}

QString leeFechaTrabajo(sqlite3_value* v, const Columna& c, ValorCentral*)
{
    const QByteArrayView t = sqlite3_value_type(v) == SQLITE_TEXT ? textoDe(v) : QByteArrayView();
    if (t.size() != 8 || !QDate(numero(t, 4, 4), numero(t, 2, 2), numero(t, 0, 2)).isValid())
        return QLatin1String(c.nombre) + QStringLiteral(" no es una fecha de trabajo");
    return QString();
}

} // namespace

QString LeeValorTerminal(sqlite3_value* v, const Columna& columna, ValorCentral* valor)
{
    *valor = ValorCentral();
    if (sqlite3_value_type(v) == SQLITE_NULL)
        return columna.clase == Clase::Clave ? QLatin1String(columna.nombre) + QStringLiteral(" no tiene valor") : QString();
    switch (columna.clase) {
    case Clase::Clave:
    case Clase::Entero: return leeEntero(v, columna, valor);
    case Clase::Monto: return leeMonto(v, columna, valor);
    case Clase::Texto: return leeTexto(v, columna, valor);
    case Clase::Fecha: return leeFecha(v, columna, valor);
    case Clase::FechaTrabajo: return leeFechaTrabajo(v, columna, valor);
    case Clase::Bandera: break;
    }
    return QString();
}

void EnlazaValor(sqlite3_stmt* s, int i, sqlite3_value* v, const ValorCentral& valor)
{
    switch (valor.tipo) {
    case ValorCentral::Tipo::Original: sqlite3_bind_value(s, i, v); break;
    case ValorCentral::Tipo::Entero: sqlite3_bind_int64(s, i, valor.entero); break;
    case ValorCentral::Tipo::Real: sqlite3_bind_double(s, i, valor.real); break;
    case ValorCentral::Tipo::Texto:
        sqlite3_bind_text(s, i, valor.texto.constData(), int(valor.texto.size()), SQLITE_TRANSIENT);
        break;
    }
}

namespace {

// One call per row, not per value: the calls are what costs on thousands of rows.
void datosTerminal(sqlite3_context* contexto, int cuantos, sqlite3_value** argumentos)
{
    ValorCentral valor;
    for (int i = 0; i + 2 < cuantos; i += 3) {
        const Columna columna{"", Clase(sqlite3_value_int(argumentos[i])), sqlite3_value_int(argumentos[i + 1])};
        if (!LeeValorTerminal(argumentos[i + 2], columna, &valor).isEmpty() || valor.tipo != ValorCentral::Tipo::Original) {
            sqlite3_result_int(contexto, 0);
            return;
        }
    }
    sqlite3_result_int(contexto, 1);
}

} // namespace

void RegistraDatosTerminal(sqlite3* db)
{
    sqlite3_create_function_v2(db, "datos_terminal", -1, SQLITE_UTF8 | SQLITE_DETERMINISTIC | SQLITE_DIRECTONLY, nullptr,
                               datosTerminal, nullptr, nullptr, nullptr);
}

void QuitaDatosTerminal(sqlite3* db)
{
    sqlite3_create_function_v2(db, "datos_terminal", -1, SQLITE_UTF8, nullptr, nullptr, nullptr, nullptr, nullptr);
}

QString DatosTerminal(const QList<Columna>& columnas, const QString& prefijo)
{
    QStringList argumentos;
    for (const Columna& c : columnas)
        if (c.clase != Clase::Bandera)
            argumentos << QStringLiteral("%1,%2,%3%4").arg(int(c.clase)).arg(c.largo).arg(prefijo, QLatin1String(c.nombre));
    return QStringLiteral("datos_terminal(") + argumentos.join(QLatin1Char(',')) + QLatin1Char(')');
}

QString TextoValorTerminal(sqlite3_value* v)
{
    switch (sqlite3_value_type(v)) {
    case SQLITE_NULL: return QStringLiteral("NULL");
    case SQLITE_BLOB: return QStringLiteral("(datos binarios)");
    default: break;
    }
    constexpr int kLargo = 40;
    const QByteArrayView t = textoDe(v);
    const QString texto = QString::fromUtf8(t.first(std::min<qsizetype>(t.size(), kLargo * 4)));
    return texto.size() > kLargo ? texto.left(kLargo) + QStringLiteral("...") : texto;
}

} // namespace findia
