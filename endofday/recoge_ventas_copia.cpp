#include "endofday/recoge_ventas_copia.h"

#include "endofday/copia_adjunta.h"
#include "endofday/copia_archivo.h"
#include "endofday/copia_terminal.h"
#include "endofday/falla_paso.h"
#include "endofday/miembros_ventas.h"
#include "endofday/punto_falla.h"
#include "foundation/database/cls_ado.h"
#include "foundation/log/bitacora.h"
#include "platform/adodb/adodb.h"

#include <QDir>
#include <QFileInfo>
#include <QHash>
#include <QSet>
#include <QStringList>

#include <sqlite3.h>

#include <optional>

namespace findia {

namespace {

[[noreturn]] void fallaCentral(sqlite3* db, const QString& que)
{
    throw adodb::ComError(adodb::err::ProviderSyntax, que + QStringLiteral(": ") + QString::fromUtf8(sqlite3_errmsg(db)));
}

// A refusal of the central database that concerns the row alone (a constraint, a value of the
// wrong type or size): the row is refused, the collection goes on.
bool rechazaLaFila(int rc)
{
    const int primario = rc & 0xFF;
    return primario == SQLITE_CONSTRAINT || primario == SQLITE_MISMATCH || primario == SQLITE_TOOBIG
           || primario == SQLITE_RANGE;
}

// A prepared statement, finalized on every way out, whose named parameters (":Column") take the
// values of the row read.
class Sentencia {
public:
    Sentencia(sqlite3* db, const QString& sql, const QList<Columna>& columnas)
        : m_db(db)
    {
        const QByteArray texto = sql.toUtf8();
        if (sqlite3_prepare_v2(db, texto.constData(), int(texto.size()), &m_s, nullptr) != SQLITE_OK)
            fallaCentral(db, sql);
        for (const Columna& c : columnas)
            m_parametros << sqlite3_bind_parameter_index(m_s, (QByteArray(":") + c.nombre).constData());
        m_origen = sqlite3_bind_parameter_index(m_s, ":ID_Terminal_Origen");
    }
    ~Sentencia() { sqlite3_finalize(m_s); }
    Sentencia(const Sentencia&) = delete;
    Sentencia& operator=(const Sentencia&) = delete;

    sqlite3_stmt* get() const { return m_s; }

    void enlaza(sqlite3_stmt* fila, const QList<ValorCentral>& valores, qint64 terminal)
    {
        sqlite3_reset(m_s);
        for (int i = 0; i < m_parametros.size(); ++i)
            if (m_parametros[i] > 0)
                EnlazaValor(m_s, m_parametros[i], sqlite3_column_value(fila, i), valores[i]);
        if (m_origen > 0)
            sqlite3_bind_int64(m_s, m_origen, terminal);
    }
    // Runs a statement that returns no row; the SQLite result.
    int ejecuta()
    {
        const int rc = sqlite3_step(m_s);
        sqlite3_reset(m_s);
        return rc;
    }
    // The first value of the first row: 1 same sale, 0 another sale; nullopt when there is none.
    std::optional<bool> primera()
    {
        const int rc = sqlite3_step(m_s);
        std::optional<bool> valor;
        if (rc == SQLITE_ROW)
            valor = sqlite3_column_int(m_s, 0) != 0;
        else if (rc != SQLITE_DONE)
            fallaCentral(m_db, QString::fromUtf8(sqlite3_sql(m_s)));
        sqlite3_reset(m_s);
        return valor;
    }

private:
    sqlite3* m_db;
    sqlite3_stmt* m_s = nullptr;
    QList<int> m_parametros;   // the parameter of each column read, 0 where the statement has none
    int m_origen = 0;
};

// The value of a column as the statements write it: a flag as 1 or 0, anything else as read.
QString expresion(const Columna& c)
{
    const QString p = QLatin1Char(':') + QLatin1String(c.nombre);
    return c.clase == Clase::Bandera ? QStringLiteral("CASE WHEN ") + p + QStringLiteral(" THEN 1 ELSE 0 END") : p;
}

// The rows of one table of the copy, read over the columns it has.
class Lectura {
public:
    Lectura(const CopiaTerminal& copia, const QString& sql)
        : m_copia(copia)
    {
        const QByteArray texto = sql.toUtf8();
        if (sqlite3_prepare_v2(copia.db(), texto.constData(), int(texto.size()), &m_s, nullptr) != SQLITE_OK)
            copia.falla(QStringLiteral("leer ") + sql);
    }
    ~Lectura() { sqlite3_finalize(m_s); }
    Lectura(const Lectura&) = delete;
    Lectura& operator=(const Lectura&) = delete;

    // The next row, or nullptr after the last.
    sqlite3_stmt* siguiente()
    {
        const int rc = sqlite3_step(m_s);
        if (rc == SQLITE_ROW)
            return m_s;
        if (rc != SQLITE_DONE)
            m_copia.falla(QStringLiteral("leer ") + QString::fromUtf8(sqlite3_sql(m_s)));
        return nullptr;
    }

private:
    const CopiaTerminal& m_copia;
    sqlite3_stmt* m_s = nullptr;
};

// The statements of one table, over the columns that the copy has.
struct Sentencias {
    QList<Columna> columnas;
    std::optional<Lectura> lee;
    std::optional<Sentencia> inserta, busca, actualiza;
};

void preparaSentencias(Sentencias& s, const CopiaTerminal& copia, sqlite3* central, const Miembro& m)
{
    const QString tabla = QLatin1String(m.tabla);
    // An older terminal lacks some columns: their central values take the columns' defaults.
    const QStringList tiene = copia.columnas(tabla);
    QStringList nombres, valores, asignaciones, clave, claveC;
    for (const Columna& c : m.inserta) {
        if (!tiene.contains(QLatin1String(c.nombre), Qt::CaseInsensitive)) {
            if (m.clave.contains(c.nombre) || (m.columnaPadre && qstrcmp(m.columnaPadre, c.nombre) == 0))
                throw FallaPaso(FallaPaso::ErrorAcceso, QStringLiteral("La tabla ") + tabla
                                                            + QStringLiteral(" de la copia de la terminal no tiene la columna ")
                                                            + QLatin1String(c.nombre));
            continue;
        }
        s.columnas << c;
        nombres << QLatin1String(c.nombre);
        valores << expresion(c);
        for (const char* a : m.actualiza)
            if (qstrcmp(a, c.nombre) == 0)
                asignaciones << QLatin1String(c.nombre) + QLatin1Char('=') + expresion(c);
    }
    for (const char* k : m.clave) {
        clave << QLatin1String(k) + QStringLiteral("=:") + QLatin1String(k);
        claveC << QStringLiteral("c.") + QLatin1String(k) + QStringLiteral("=:") + QLatin1String(k);
    }
    s.lee.emplace(copia, QStringLiteral("SELECT ") + nombres.join(QLatin1Char(',')) + QStringLiteral(" FROM main.") + tabla);
    if (m.origen) {
        nombres << QLatin1String(m.origen);
        valores << QStringLiteral(":ID_Terminal_Origen");
    }
    // A new key is inserted at once; a key already central is then looked at.
    s.inserta.emplace(central, QStringLiteral("INSERT INTO main.") + tabla + QStringLiteral(" (") + nombres.join(QLatin1Char(','))
                                   + QStringLiteral(") VALUES (") + valores.join(QLatin1Char(','))
                                   + QStringLiteral(") ON CONFLICT DO NOTHING"),
                      s.columnas);
    s.busca.emplace(central, QStringLiteral("SELECT ") + QLatin1String(m.mismaVenta ? m.mismaVenta : "1")
                                 + QStringLiteral(" FROM main.") + tabla + QStringLiteral(" c WHERE ") + claveC.join(QStringLiteral(" AND ")),
                    s.columnas);
    if (!asignaciones.isEmpty())
        s.actualiza.emplace(central, QStringLiteral("UPDATE main.") + tabla + QStringLiteral(" SET ") + asignaciones.join(QLatin1Char(','))
                                         + QStringLiteral(" WHERE ") + clave.join(QStringLiteral(" AND ")),
                            s.columnas);
}

// The whole number of column i of the row as it was read (a key or the parent's key).
qint64 enteroLeido(sqlite3_stmt* fila, int i, const ValorCentral& valor)
{
    return valor.tipo == ValorCentral::Tipo::Entero ? valor.entero : sqlite3_column_int64(fila, i);
}

struct Tabla {
    const Miembro& m;
    Sentencias s;
    QList<int> posClave;   // where the key columns are in the row read
    int posPadre = -1;     // where the column naming the parent row is
};

// Writes one valid row centrally: inserted when its key is new, updated when the central row of
// its key is the same sale. Returns why it was refused, empty when it was taken.
QString escribeFila(Tabla& t, sqlite3* central, sqlite3_stmt* fila, const QList<ValorCentral>& valores, qint64 terminal,
                    CuentaTablaRecogida& cuenta)
{
    t.s.inserta->enlaza(fila, valores, terminal);
    int rc = t.s.inserta->ejecuta();
    if (rc == SQLITE_DONE && sqlite3_changes(central) == 1) {
        ++cuenta.insertadas;
        return QString();
    }
    if (rc == SQLITE_DONE) {
        t.s.busca->enlaza(fila, valores, terminal);
        const std::optional<bool> misma = t.s.busca->primera();
        if (!misma)
            return QStringLiteral("la base central no la aceptó");
        if (!*misma)
            return QStringLiteral("la clave es de otra venta");
        if (t.s.actualiza) {
            t.s.actualiza->enlaza(fila, valores, terminal);
            rc = t.s.actualiza->ejecuta();
        }
        if (rc == SQLITE_DONE) {
            ++cuenta.actualizadas;
            return QString();
        }
    }
    if (rechazaLaFila(rc))
        return QStringLiteral("la base central la rechazó: ") + QString::fromUtf8(sqlite3_errmsg(central));
    fallaCentral(central, QStringLiteral("Recogida de la tabla ") + QLatin1String(t.m.tabla));
}

// What a table's collection leaves to the tables after it: the keys taken, per table (rows hang
// on an order or an item that was taken), and the tables taken whole in one statement.
struct Aceptadas {
    QHash<QString, QSet<qint64>> claves;
    QSet<QString> enteras;
};

// The SQL function padre_tomado(clave), for one statement: 1 when the key is among those taken of
// the table a row hangs on. A look in memory, not in the copy's index, for each of thousands of rows.
class PadreTomado {
public:
    PadreTomado(sqlite3* db, const QSet<qint64>& claves)
        : m_db(db)
    {
        sqlite3_create_function_v2(db, "padre_tomado", 1, SQLITE_UTF8 | SQLITE_DIRECTONLY, const_cast<QSet<qint64>*>(&claves),
                                   &PadreTomado::llamada, nullptr, nullptr, nullptr);
    }
    ~PadreTomado() { sqlite3_create_function_v2(m_db, "padre_tomado", 1, SQLITE_UTF8, nullptr, nullptr, nullptr, nullptr, nullptr); }
    PadreTomado(const PadreTomado&) = delete;
    PadreTomado& operator=(const PadreTomado&) = delete;

private:
    static void llamada(sqlite3_context* contexto, int, sqlite3_value** argumentos)
    {
        const auto* claves = static_cast<const QSet<qint64>*>(sqlite3_user_data(contexto));
        sqlite3_result_int(contexto, sqlite3_value_type(argumentos[0]) == SQLITE_INTEGER
                                         && claves->contains(sqlite3_value_int64(argumentos[0])));
    }
    sqlite3* m_db;
};

// Runs a statement on the central connection; the SQLite result, and in *valor the first value of
// its row when it returns one. A bound passed on the attached copy is the copy's failure.
int ejecutaCentral(sqlite3* central, const QString& sql, qint64 terminal, const QString& ruta, qint64* valor = nullptr)
{
    sqlite3_stmt* s = nullptr;
    const QByteArray texto = sql.toUtf8();
    if (sqlite3_prepare_v2(central, texto.constData(), int(texto.size()), &s, nullptr) != SQLITE_OK)
        fallaCentral(central, sql);
    sqlite3_bind_int64(s, sqlite3_bind_parameter_index(s, ":ID_Terminal_Origen"), terminal);
    const int rc = sqlite3_step(s);
    if (rc == SQLITE_ROW && valor)
        *valor = sqlite3_column_int64(s, 0);
    sqlite3_finalize(s);
    if ((rc & 0xFF) == SQLITE_INTERRUPT && CopiaAdjunta::excedida(central))
        throw FallaPaso(FallaPaso::ErrorAcceso, QStringLiteral("La copia de la terminal no terminó de leerse en lo que su tamaño "
                                                               "permite; se toma por dañada: ") + ruta);
    return rc;
}

// Takes the whole table from the attached copy in one statement: the way when every row is new
// centrally, hangs on a parent taken whole, and is valid as it stands (dato_terminal). False, with
// nothing written, when any row is not: a key already central or twice in the copy, a value to
// refuse or to store converted, a parent not taken. The rows then go one by one.
bool recogeEntera(sqlite3* central, const Tabla& t, qint64 terminal, const QString& ruta, Aceptadas& aceptadas,
                  CuentaTablaRecogida& cuenta)
{
    if (t.m.padre && !aceptadas.enteras.contains(QLatin1String(t.m.padre)))
        return false;
    const QString tabla = QLatin1String(t.m.tabla);
    QStringList nombres, valores, condiciones{DatosTerminal(t.s.columnas, QStringLiteral("t."))};
    for (const Columna& c : t.s.columnas) {
        const QString columna = QStringLiteral("t.") + QLatin1String(c.nombre);
        nombres << QLatin1String(c.nombre);
        valores << (c.clase == Clase::Bandera ? QStringLiteral("CASE WHEN ") + columna + QStringLiteral(" THEN 1 ELSE 0 END") : columna);
    }
    std::optional<PadreTomado> padre;
    if (t.m.padre) {
        padre.emplace(central, aceptadas.claves[QLatin1String(t.m.padre)]);
        condiciones << QStringLiteral("padre_tomado(t.") + QLatin1String(t.m.columnaPadre) + QLatin1Char(')');
    }
    if (t.m.origen) {
        nombres << QLatin1String(t.m.origen);
        valores << QStringLiteral(":ID_Terminal_Origen");
    }
    qint64 filas = -1;
    ejecutaCentral(central, QStringLiteral("SELECT COUNT(*) FROM terminal.") + tabla, terminal, ruta, &filas);
    ejecutaCentral(central, QStringLiteral("SAVEPOINT recogida_tabla"), terminal, ruta);
    const int rc = ejecutaCentral(central, QStringLiteral("INSERT INTO main.") + tabla + QStringLiteral(" (") + nombres.join(QLatin1Char(','))
                                               + QStringLiteral(") SELECT ") + valores.join(QLatin1Char(','))
                                               + QStringLiteral(" FROM terminal.") + tabla + QStringLiteral(" t WHERE ")
                                               + condiciones.join(QStringLiteral(" AND ")),
                                  terminal, ruta);
    if (rc == SQLITE_DONE && sqlite3_changes(central) == filas) {
        cuenta.insertadas = int(filas);
        ejecutaCentral(central, QStringLiteral("RELEASE recogida_tabla"), terminal, ruta);
        return true;
    }
    const QString error = QString::fromUtf8(sqlite3_errmsg(central));
    ejecutaCentral(central, QStringLiteral("ROLLBACK TO recogida_tabla"), terminal, ruta);
    ejecutaCentral(central, QStringLiteral("RELEASE recogida_tabla"), terminal, ruta);
    if (rc != SQLITE_DONE && !rechazaLaFila(rc))
        throw adodb::ComError(adodb::err::ProviderSyntax, QStringLiteral("Recogida de la tabla ") + tabla + QStringLiteral(": ") + error);
    return false;
}

// Whether rows of another table hang on this one's.
bool esPadre(const Miembro& m)
{
    for (const Miembro& otro : MiembrosVentas())
        if (otro.padre && qstrcmp(otro.padre, m.tabla) == 0)
            return true;
    return false;
}

// The keys of a table taken whole, for the tables that hang on it.
QSet<qint64> clavesDeLaCopia(const CopiaTerminal& copia, const char* tabla, const char* clave)
{
    Lectura lee(copia, QStringLiteral("SELECT ") + QLatin1String(clave) + QStringLiteral(" FROM main.") + QLatin1String(tabla));
    QSet<qint64> claves;
    while (sqlite3_stmt* fila = lee.siguiente())
        claves.insert(sqlite3_column_int64(fila, 0));
    return claves;
}

// Collects one table of the copy: whole when it can be (recogeEntera), otherwise row by row: every
// row is read as its columns ask, then inserted, updated or refused.
CuentaTablaRecogida recogeTabla(const CopiaTerminal& copia, sqlite3* central, const Miembro& m, qint64 terminal,
                                Aceptadas& aceptadas, QList<FilaRechazada>& rechazadas)
{
    Tabla t{m, {}, {}, -1};
    preparaSentencias(t.s, copia, central, m);
    const QString tabla = QLatin1String(m.tabla);
    CuentaTablaRecogida cuenta;
    cuenta.tabla = tabla;
    if (CopiaAdjunta::estaAdjunta(central, copia.ruta()) && recogeEntera(central, t, terminal, copia.ruta(), aceptadas, cuenta)) {
        aceptadas.enteras.insert(tabla);
        if (esPadre(m))
            aceptadas.claves.insert(tabla, clavesDeLaCopia(copia, m.tabla, m.clave.first()));
        return cuenta;
    }
    for (int i = 0; i < t.s.columnas.size(); ++i) {
        if (m.clave.contains(t.s.columnas[i].nombre))
            t.posClave << i;
        if (m.columnaPadre && qstrcmp(m.columnaPadre, t.s.columnas[i].nombre) == 0)
            t.posPadre = i;
    }
    const QSet<qint64> padres = m.padre ? aceptadas.claves.value(QLatin1String(m.padre)) : QSet<qint64>();
    QSet<qint64>& tomadas = aceptadas.claves[tabla];

    QList<ValorCentral> valores(t.s.columnas.size());
    while (sqlite3_stmt* fila = t.s.lee->siguiente()) {
        QString motivo;
        for (int i = 0; i < t.s.columnas.size() && motivo.isEmpty(); ++i)
            motivo = LeeValorTerminal(sqlite3_column_value(fila, i), t.s.columnas[i], &valores[i]);
        if (motivo.isEmpty() && t.posPadre >= 0
            && (sqlite3_column_type(fila, t.posPadre) == SQLITE_NULL
                || !padres.contains(enteroLeido(fila, t.posPadre, valores[t.posPadre]))))
            motivo = QStringLiteral("su fila de ") + QLatin1String(m.padre) + QStringLiteral(" no se recogió");
        if (motivo.isEmpty())
            motivo = escribeFila(t, central, fila, valores, terminal, cuenta);
        if (motivo.isEmpty()) {
            tomadas.insert(enteroLeido(fila, t.posClave.first(), valores[t.posClave.first()]));
            continue;
        }
        QStringList valoresClave;
        for (int p : t.posClave)
            valoresClave << TextoValorTerminal(sqlite3_column_value(fila, p));
        rechazadas << FilaRechazada{tabla, valoresClave.join(QLatin1Char('/')), motivo};
        ++cuenta.rechazadas;
    }
    return cuenta;
}

// Keeps the fetched copy beside itself under the closing date's name, written whole or not at
// all: it is then the only place of the refused rows.
QString guardaCopia(const QString& copia, const QString& fechaCierre)
{
    const QString nombre = QStringLiteral("Zorva_Terminal_") + fechaCierre + QStringLiteral(".mdb");
    const QString destino = QFileInfo(copia).dir().filePath(nombre);
    try {
        CopiaArchivoLocal(copia, destino);
    } catch (const FallaPaso& f) {
        throw FallaPaso(f.numero(), QStringLiteral("No se pudo guardar la copia con las filas rechazadas ") + nombre
                                        + QStringLiteral(": ") + f.descripcion());
    }
    return destino;
}

// The collection's own unit of work on the central connection: a savepoint inside the caller's
// transaction, or a transaction of its own that waits for another writer.
class UnidadRecogida {
public:
    explicit UnidadRecogida(adodb::Connection& c)
        : m_c(c), m_propia(!c.inTransaction())
    {
        m_c.execute(m_propia ? QStringLiteral("BEGIN IMMEDIATE") : QStringLiteral("SAVEPOINT recogida_terminal"));
    }
    ~UnidadRecogida()
    {
        if (m_hecha)
            return;
        try {
            if (m_propia) {
                if (m_c.inTransaction())
                    m_c.rollbackTrans();
            } else {
                m_c.execute(QStringLiteral("ROLLBACK TO recogida_terminal"));
                m_c.execute(QStringLiteral("RELEASE recogida_terminal"));
            }
        } catch (const adodb::ComError&) {
        }
    }
    UnidadRecogida(const UnidadRecogida&) = delete;
    UnidadRecogida& operator=(const UnidadRecogida&) = delete;

    void confirma()
    {
        m_c.execute(m_propia ? QStringLiteral("COMMIT") : QStringLiteral("RELEASE recogida_terminal"));
        m_hecha = true;
    }

private:
    adodb::Connection& m_c;
    bool m_propia;
    bool m_hecha = false;
};

void anotaEnBitacora(const QString& nombreTerminal, const RecogidaTerminal& r)
{
    for (const CuentaTablaRecogida& t : r.tablas)
        EscribeBitacora(QStringLiteral("Recogida de ") + nombreTerminal + QStringLiteral(", tabla ") + t.tabla
                        + QStringLiteral(": insertadas ") + QString::number(t.insertadas) + QStringLiteral(", actualizadas ")
                        + QString::number(t.actualizadas) + QStringLiteral(", rechazadas ") + QString::number(t.rechazadas));
    for (const FilaRechazada& f : r.rechazadas)
        EscribeBitacora(QStringLiteral("Fila rechazada de ") + nombreTerminal + QStringLiteral(", tabla ") + f.tabla
                        + QStringLiteral(" clave ") + f.clave + QStringLiteral(": ") + f.motivo);
    if (!r.copiaGuardada.isEmpty())
        EscribeBitacora(QStringLiteral("Copia de ") + nombreTerminal + QStringLiteral(" guardada en ") + r.copiaGuardada);
}

} // namespace

QString RecogidaTerminal::textoRechazos() const
{
    if (rechazadas.isEmpty())
        return QString();
    QStringList filas;
    for (const FilaRechazada& f : rechazadas)
        filas << f.tabla + QLatin1Char(' ') + f.clave;
    return terminal + QStringLiteral(" filas rechazadas: ") + filas.join(QStringLiteral(", "));
}

RecogidaTerminal RecogeVentasCopia(const QString& nombreTerminal, qint64 idTerminal, const QString& rutaCopia,
                                   const QString& fechaCierre)
{
    const CopiaTerminal copia(rutaCopia);
    adodb::Connection& c = g_ClsAdo().conexion();
    RecogidaTerminal r;
    r.terminal = nombreTerminal;
    // On its own, the collection attaches the copy itself; inside the caller's transaction it can
    // only use the attachment the caller made before.
    std::optional<CopiaAdjunta> adjunta;
    if (!c.inTransaction())
        adjunta.emplace(c.handle(), rutaCopia);
    UnidadRecogida unidad(c);
    Aceptadas aceptadas;
    for (const Miembro& m : MiembrosVentas()) {
        r.tablas << recogeTabla(copia, c.handle(), m, idTerminal, aceptadas, r.rechazadas);
        puntofalla::pasa(QStringLiteral("recogida:") + QLatin1String(m.tabla));
    }
    if (!r.rechazadas.isEmpty())
        r.copiaGuardada = guardaCopia(rutaCopia, fechaCierre);
    unidad.confirma();
    anotaEnBitacora(nombreTerminal, r);
    return r;
}

} // namespace findia
