#include "endofday/recoge_ventas_copia.h"

#include "endofday/punto_falla.h"
#include "foundation/database/cls_ado.h"
#include "foundation/log/bitacora.h"
#include "platform/adodb/adodb.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QSet>
#include <QStringList>

#include <sqlite3.h>

namespace findia {

namespace {

// How a terminal value is written centrally: N as it is, B as 1 or 0, T as text, D as ISO date
// and time (a missing value of any kind is NULL).
enum class Clase { N, B, T, D };

struct Columna {
    const char* nombre;
    Clase clase;
};

// One sales table: its key, the table whose row it hangs on, what makes a central row with the
// same key the same sale, and the columns of the insert and of the update.
struct Miembro {
    const char* tabla;
    QList<const char*> clave;
    // The table whose accepted rows this one hangs on and the column that names that row; none
    // for an order.
    const char* padre;
    const char* columnaPadre;
    // Condition on c (the central row) and the terminal's values (:column) under which the central
    // row is the same sale; nullptr: any row of the key.
    const char* mismaVenta;
    QList<Columna> inserta;
    QList<Columna> actualiza;
};

const QList<Miembro>& miembros()
{
    using C = Clase;
    static const QList<Miembro> lista = {
        {"Comanda", {"ID_Comanda"}, nullptr, nullptr,
         "c.Fecha_Trabajo IS :Fecha_Trabajo AND datetime(c.Fecha_Apertura) IS datetime(:Fecha_Apertura)",
         {{"ID_Comanda", C::N}, {"ID_Empleado", C::N}, {"Num_Mesa", C::N}, {"Abierta", C::B}, {"Fecha_Apertura", C::D},
          {"Fecha_Cierre", C::D}, {"Tipo", C::T}, {"Fecha_Trabajo", C::T}},
         {{"ID_Empleado", C::N}, {"Num_Mesa", C::N}, {"Abierta", C::B}, {"Fecha_Cierre", C::D}, {"Tipo", C::T}}},
        {"Cuenta", {"ID_Comanda", "Num_Cuenta"}, "Comanda", "ID_Comanda", nullptr,
         {{"ID_Comanda", C::N}, {"Num_Cuenta", C::N}, {"Pagada", C::B}, {"Num_Impresiones", C::N}, {"Total", C::N}},
         {{"Pagada", C::B}, {"Num_Impresiones", C::N}, {"Total", C::N}}},
        {"ProductosXCuenta", {"ID_ProductosXCuenta"}, "Comanda", "ID_Comanda", "c.ID_Comanda IS :ID_Comanda",
         {{"ID_ProductosXCuenta", C::N}, {"ID_Comanda", C::N}, {"Num_Cuenta", C::N}, {"ID_Producto", C::N},
          {"Comentario", C::T}, {"Preparado", C::B}, {"Precio_Venta", C::N}, {"Precio_Original", C::N},
          {"ID_Tipo_Anulacion", C::N}, {"ID_Modo_Preparacion", C::N}, {"ID_Promocion", C::N}, {"ID_Paquete", C::N},
          {"Empleado_Anulacion", C::N}, {"Hora_Anulacion", C::D}},
         {{"Comentario", C::T}, {"Preparado", C::B}, {"Precio_Venta", C::N}, {"Precio_Original", C::N},
          {"ID_Tipo_Anulacion", C::N}, {"ID_Modo_Preparacion", C::N}, {"ID_Promocion", C::N},
          {"Empleado_Anulacion", C::N}, {"Hora_Anulacion", C::D}}},
        {"Cortesia", {"ID_ProductosXCuenta", "ID_Tipo_Cortesia"}, "ProductosXCuenta", "ID_ProductosXCuenta",
         nullptr, {{"ID_ProductosXCuenta", C::N}, {"ID_Tipo_Cortesia", C::N}, {"Monto", C::N}}, {{"Monto", C::N}}},
        {"ImpuestosXCuenta", {"ID_ProductosXCuenta", "ID_Tipo_Impuesto"},
         "ProductosXCuenta", "ID_ProductosXCuenta", nullptr,
         {{"ID_ProductosXCuenta", C::N}, {"ID_Tipo_Impuesto", C::N}, {"Monto_ImpuestosXCuenta", C::N}},
         {{"Monto_ImpuestosXCuenta", C::N}}},
        {"Modificador", {"ID_ProductosXCuenta", "ID_Tipo_Modificador"},
         "ProductosXCuenta", "ID_ProductosXCuenta", nullptr,
         {{"ID_ProductosXCuenta", C::N}, {"ID_Tipo_Modificador", C::N}, {"Precio_Modificador", C::N}},
         {{"Precio_Modificador", C::N}}},
        {"Pago", {"ID_Pago"}, "Comanda", "ID_Comanda", "c.ID_Comanda IS :ID_Comanda",
         {{"ID_Pago", C::N}, {"ID_Comanda", C::N}, {"Num_Cuenta", C::N}, {"ID_Tipo_Pago", C::N}, {"Monto_Pago", C::N},
          {"Propina", C::N}},
         {{"ID_Tipo_Pago", C::N}, {"Monto_Pago", C::N}, {"Propina", C::N}}},
    };
    return lista;
}

// The terminal's value of a column, written as its kind asks.
QString valor(const Columna& col)
{
    const QString c = QLatin1Char(':') + QLatin1String(col.nombre);
    switch (col.clase) {
    case Clase::B: return QStringLiteral("CASE WHEN ") + c + QStringLiteral(" THEN 1 ELSE 0 END");
    case Clase::D: return QStringLiteral("datetime(") + c + QLatin1Char(')');
    case Clase::T:
    case Clase::N: break;
    }
    return c;
}

[[noreturn]] void fallaSqlite(sqlite3* db, const QString& que)
{
    throw adodb::ComError(adodb::err::ProviderSyntax, que + QStringLiteral(": ") + QString::fromUtf8(sqlite3_errmsg(db)));
}

// A prepared statement, finalized on every way out.
class Sentencia {
public:
    Sentencia(sqlite3* db, const QString& sql)
        : m_db(db)
    {
        const QByteArray texto = sql.toUtf8();
        if (sqlite3_prepare_v2(db, texto.constData(), int(texto.size()), &m_s, nullptr) != SQLITE_OK)
            fallaSqlite(db, sql);
    }
    ~Sentencia() { sqlite3_finalize(m_s); }
    Sentencia(const Sentencia&) = delete;
    Sentencia& operator=(const Sentencia&) = delete;
    sqlite3_stmt* get() const { return m_s; }
    // Binds each value of the terminal row to the parameter of its column's name, where there is one.
    void enlaza(sqlite3_stmt* fila, const QList<QByteArray>& nombres)
    {
        if (m_parametros.isEmpty())
            for (const QByteArray& n : nombres)
                m_parametros << sqlite3_bind_parameter_index(m_s, n.constData());
        sqlite3_reset(m_s);
        for (int i = 0; i < m_parametros.size(); ++i)
            if (m_parametros[i] > 0)
                sqlite3_bind_value(m_s, m_parametros[i], sqlite3_column_value(fila, i));
    }
    // Runs a statement that returns no row; the rows it changed.
    int ejecuta()
    {
        if (sqlite3_step(m_s) != SQLITE_DONE)
            fallaSqlite(m_db, QString::fromUtf8(sqlite3_sql(m_s)));
        return sqlite3_changes(m_db);
    }

private:
    sqlite3* m_db;
    sqlite3_stmt* m_s = nullptr;
    QList<int> m_parametros;   // the parameter of each column read, 0 where the statement has none
};

// Collects one table of the copy row by row: every row is looked up centrally by its key and
// inserted, updated or refused. aceptadas holds, per table, the keys taken so far (rows hang on
// an order or an item that was taken).
CuentaTablaRecogida recogeTabla(sqlite3* copia, sqlite3* central, const Miembro& m,
                                QHash<QString, QSet<qint64>>& aceptadas, QList<FilaRechazada>& rechazadas)
{
    const QString tabla = QLatin1String(m.tabla);
    CuentaTablaRecogida cuenta;
    cuenta.tabla = tabla;

    QStringList columnas, valores;
    QList<QByteArray> parametros;
    for (const Columna& col : m.inserta) {
        columnas << QLatin1String(col.nombre);
        valores << valor(col);
        parametros << QByteArray(":") + col.nombre;
    }
    QStringList clave, claveC;
    for (const char* k : m.clave) {
        clave << QLatin1String(k) + QStringLiteral("=:") + QLatin1String(k);
        claveC << QStringLiteral("c.") + QLatin1String(k) + QStringLiteral("=:") + QLatin1String(k);
    }
    QStringList asignaciones;
    for (const Columna& col : m.actualiza)
        asignaciones << QLatin1String(col.nombre) + QLatin1Char('=') + valor(col);

    Sentencia lee(copia, QStringLiteral("SELECT ") + columnas.join(QLatin1Char(',')) + QStringLiteral(" FROM ") + tabla);
    Sentencia busca(central, QStringLiteral("SELECT ") + QLatin1String(m.mismaVenta ? m.mismaVenta : "1")
                                 + QStringLiteral(" FROM main.") + tabla + QStringLiteral(" c WHERE ")
                                 + claveC.join(QStringLiteral(" AND ")));
    Sentencia inserta(central, QStringLiteral("INSERT INTO main.") + tabla + QStringLiteral(" (") + columnas.join(QLatin1Char(','))
                                   + QStringLiteral(") VALUES (") + valores.join(QLatin1Char(',')) + QLatin1Char(')'));
    Sentencia actualiza(central, QStringLiteral("UPDATE main.") + tabla + QStringLiteral(" SET ") + asignaciones.join(QLatin1Char(','))
                                     + QStringLiteral(" WHERE ") + clave.join(QStringLiteral(" AND ")));

    // Where the key columns and the column naming the parent row sit in the row read.
    QList<int> posClave;
    for (const char* k : m.clave)
        posClave << int(columnas.indexOf(QLatin1String(k)));
    const int posPadre = m.padre ? int(columnas.indexOf(QLatin1String(m.columnaPadre))) : -1;
    const QSet<qint64> padres = m.padre ? aceptadas.value(QLatin1String(m.padre)) : QSet<qint64>();
    QSet<qint64>& tomadas = aceptadas[tabla];

    int rc;
    while ((rc = sqlite3_step(lee.get())) == SQLITE_ROW) {
        sqlite3_stmt* fila = lee.get();
        QString motivo;
        bool claveNula = false;
        for (int p : posClave)
            claveNula = claveNula || sqlite3_column_type(fila, p) == SQLITE_NULL;
        if (claveNula) {
            motivo = QStringLiteral("sin clave");
        } else if (posPadre >= 0 && (sqlite3_column_type(fila, posPadre) == SQLITE_NULL
                                     || !padres.contains(sqlite3_column_int64(fila, posPadre)))) {
            motivo = QStringLiteral("su fila de ") + QLatin1String(m.padre) + QStringLiteral(" no se recogió");
        } else {
            busca.enlaza(fila, parametros);
            const int hallada = sqlite3_step(busca.get());
            if (hallada == SQLITE_DONE) {
                inserta.enlaza(fila, parametros);
                cuenta.insertadas += inserta.ejecuta();
            } else if (hallada == SQLITE_ROW && sqlite3_column_int(busca.get(), 0) != 0) {
                actualiza.enlaza(fila, parametros);
                cuenta.actualizadas += actualiza.ejecuta();
            } else if (hallada == SQLITE_ROW) {
                motivo = QStringLiteral("la clave es de otra venta");
            } else {
                fallaSqlite(central, QString::fromUtf8(sqlite3_sql(busca.get())));
            }
            sqlite3_reset(busca.get());
        }
        if (motivo.isEmpty()) {
            tomadas.insert(sqlite3_column_int64(fila, posClave.first()));
            continue;
        }
        QStringList valoresClave;
        for (int p : posClave)
            valoresClave << (sqlite3_column_type(fila, p) == SQLITE_NULL
                                 ? QStringLiteral("NULL")
                                 : QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(fila, p))));
        rechazadas << FilaRechazada{tabla, valoresClave.join(QLatin1Char('/')), motivo};
        ++cuenta.rechazadas;
    }
    if (rc != SQLITE_DONE)
        fallaSqlite(copia, QStringLiteral("No se puede leer la tabla ") + tabla + QStringLiteral(" de la terminal"));
    return cuenta;
}

// The terminal's copy, opened read-only.
struct CopiaSoloLectura {
    sqlite3* db = nullptr;
    explicit CopiaSoloLectura(const QString& ruta)
    {
        if (!QFileInfo(ruta).isFile())
            throw adodb::ComError(adodb::err::ProviderGeneric, QStringLiteral("No existe la base de datos '%1'.").arg(ruta));
        if (sqlite3_open_v2(QFile::encodeName(ruta).constData(), &db, SQLITE_OPEN_READONLY, nullptr) != SQLITE_OK) {
            const QString error = db ? QString::fromUtf8(sqlite3_errmsg(db)) : QString();
            sqlite3_close_v2(db);
            throw adodb::ComError(adodb::err::ProviderGeneric,
                                  QStringLiteral("No se puede abrir la base de datos '%1': %2").arg(ruta, error));
        }
    }
    ~CopiaSoloLectura() { sqlite3_close_v2(db); }
    CopiaSoloLectura(const CopiaSoloLectura&) = delete;
    CopiaSoloLectura& operator=(const CopiaSoloLectura&) = delete;
};

// Keeps the fetched copy beside itself under the closing date's name, written whole or not at all.
QString guardaCopia(const QString& copia, const QString& fechaCierre)
{
    const QFileInfo info(copia);
    const QString destino = info.dir().filePath(QStringLiteral("Zorva_Terminal_") + fechaCierre + QStringLiteral(".mdb"));
    const QString temporal = destino + QStringLiteral(".tmp");
    QFile::remove(temporal);
    if (!QFile::copy(copia, temporal))
        return QString();
    QFile::remove(destino);
    return QFile::rename(temporal, destino) ? destino : QString();
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

RecogidaTerminal RecogeVentasCopia(const QString& nombreTerminal, const QString& rutaCopia, const QString& fechaCierre)
{
    CopiaSoloLectura copia(rutaCopia);
    adodb::Connection& c = g_ClsAdo().conexion();
    RecogidaTerminal r;
    r.terminal = nombreTerminal;
    c.execute(QStringLiteral("SAVEPOINT recogida_terminal"));
    try {
        QHash<QString, QSet<qint64>> aceptadas;
        for (const Miembro& m : miembros()) {
            r.tablas << recogeTabla(copia.db, c.handle(), m, aceptadas, r.rechazadas);
            puntofalla::pasa(QStringLiteral("recogida:") + QLatin1String(m.tabla));
        }
        if (!r.rechazadas.isEmpty())
            r.copiaGuardada = guardaCopia(rutaCopia, fechaCierre);
        c.execute(QStringLiteral("RELEASE recogida_terminal"));
    } catch (...) {
        try {
            c.execute(QStringLiteral("ROLLBACK TO recogida_terminal"));
            c.execute(QStringLiteral("RELEASE recogida_terminal"));
        } catch (const adodb::ComError&) {
        }
        throw;
    }

    for (const CuentaTablaRecogida& t : r.tablas)
        EscribeBitacora(QStringLiteral("Recogida de ") + nombreTerminal + QStringLiteral(", tabla ") + t.tabla
                        + QStringLiteral(": insertadas ") + QString::number(t.insertadas) + QStringLiteral(", actualizadas ")
                        + QString::number(t.actualizadas) + QStringLiteral(", rechazadas ") + QString::number(t.rechazadas));
    for (const FilaRechazada& f : r.rechazadas)
        EscribeBitacora(QStringLiteral("Fila rechazada de ") + nombreTerminal + QStringLiteral(", tabla ") + f.tabla
                        + QStringLiteral(" clave ") + f.clave + QStringLiteral(": ") + f.motivo);
    if (!r.copiaGuardada.isEmpty())
        EscribeBitacora(QStringLiteral("Copia de ") + nombreTerminal + QStringLiteral(" guardada en ") + r.copiaGuardada);
    return r;
}

} // namespace findia
