#include "endofday/recoge_ventas_copia.h"

#include "endofday/punto_falla.h"
#include "foundation/database/cls_ado.h"
#include "foundation/log/bitacora.h"
#include "platform/adodb/adodb.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
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

// One sales table: its key, the decision table of the row it hangs on, what makes a central row
// with the same key the same sale, and the columns of the insert and of the update.
struct Miembro {
    const char* tabla;
    QList<const char*> clave;
    // "<decision table>|<its key column>|<this table's column>", or empty for an order.
    const char* depende;
    // Condition on c (central row) and t (terminal row) for an update; nullptr: any row of the key.
    const char* mismaVenta;
    QList<Columna> inserta;
    QList<Columna> actualiza;
};

const QList<Miembro>& miembros()
{
    using C = Clase;
    static const QList<Miembro> lista = {
        {"Comanda", {"ID_Comanda"}, "",
         "c.Fecha_Trabajo IS t.Fecha_Trabajo AND datetime(c.Fecha_Apertura) IS datetime(t.Fecha_Apertura)",
         {{"ID_Comanda", C::N}, {"ID_Empleado", C::N}, {"Num_Mesa", C::N}, {"Abierta", C::B}, {"Fecha_Apertura", C::D},
          {"Fecha_Cierre", C::D}, {"Tipo", C::T}, {"Fecha_Trabajo", C::T}},
         {{"ID_Empleado", C::N}, {"Num_Mesa", C::N}, {"Abierta", C::B}, {"Fecha_Cierre", C::D}, {"Tipo", C::T}}},
        {"Cuenta", {"ID_Comanda", "Num_Cuenta"}, "Comanda|ID_Comanda|ID_Comanda", nullptr,
         {{"ID_Comanda", C::N}, {"Num_Cuenta", C::N}, {"Pagada", C::B}, {"Num_Impresiones", C::N}, {"Total", C::N}},
         {{"Pagada", C::B}, {"Num_Impresiones", C::N}, {"Total", C::N}}},
        {"ProductosXCuenta", {"ID_ProductosXCuenta"}, "Comanda|ID_Comanda|ID_Comanda", "c.ID_Comanda IS t.ID_Comanda",
         {{"ID_ProductosXCuenta", C::N}, {"ID_Comanda", C::N}, {"Num_Cuenta", C::N}, {"ID_Producto", C::N},
          {"Comentario", C::T}, {"Preparado", C::B}, {"Precio_Venta", C::N}, {"Precio_Original", C::N},
          {"ID_Tipo_Anulacion", C::N}, {"ID_Modo_Preparacion", C::N}, {"ID_Promocion", C::N}, {"ID_Paquete", C::N},
          {"Empleado_Anulacion", C::N}, {"Hora_Anulacion", C::D}},
         {{"Comentario", C::T}, {"Preparado", C::B}, {"Precio_Venta", C::N}, {"Precio_Original", C::N},
          {"ID_Tipo_Anulacion", C::N}, {"ID_Modo_Preparacion", C::N}, {"ID_Promocion", C::N},
          {"Empleado_Anulacion", C::N}, {"Hora_Anulacion", C::D}}},
        {"Cortesia", {"ID_ProductosXCuenta", "ID_Tipo_Cortesia"}, "ProductosXCuenta|ID_ProductosXCuenta|ID_ProductosXCuenta",
         nullptr, {{"ID_ProductosXCuenta", C::N}, {"ID_Tipo_Cortesia", C::N}, {"Monto", C::N}}, {{"Monto", C::N}}},
        {"ImpuestosXCuenta", {"ID_ProductosXCuenta", "ID_Tipo_Impuesto"},
         "ProductosXCuenta|ID_ProductosXCuenta|ID_ProductosXCuenta", nullptr,
         {{"ID_ProductosXCuenta", C::N}, {"ID_Tipo_Impuesto", C::N}, {"Monto_ImpuestosXCuenta", C::N}},
         {{"Monto_ImpuestosXCuenta", C::N}}},
        {"Modificador", {"ID_ProductosXCuenta", "ID_Tipo_Modificador"},
         "ProductosXCuenta|ID_ProductosXCuenta|ID_ProductosXCuenta", nullptr,
         {{"ID_ProductosXCuenta", C::N}, {"ID_Tipo_Modificador", C::N}, {"Precio_Modificador", C::N}},
         {{"Precio_Modificador", C::N}}},
        {"Pago", {"ID_Pago"}, "Comanda|ID_Comanda|ID_Comanda", "c.ID_Comanda IS t.ID_Comanda",
         {{"ID_Pago", C::N}, {"ID_Comanda", C::N}, {"Num_Cuenta", C::N}, {"ID_Tipo_Pago", C::N}, {"Monto_Pago", C::N},
          {"Propina", C::N}},
         {{"ID_Tipo_Pago", C::N}, {"Monto_Pago", C::N}, {"Propina", C::N}}},
    };
    return lista;
}

QString valor(const Columna& col)
{
    const QString c = QStringLiteral("t.") + QLatin1String(col.nombre);
    switch (col.clase) {
    case Clase::B: return QStringLiteral("CASE WHEN ") + c + QStringLiteral(" THEN 1 ELSE 0 END");
    case Clase::D: return QStringLiteral("datetime(") + c + QLatin1Char(')');
    case Clase::T:
    case Clase::N: break;
    }
    return c;
}

QString filasCopia(const Miembro& m)
{
    return QStringLiteral("\"#Terminal_") + QLatin1String(m.tabla) + QLatin1Char('"');
}

// The key columns of table a matched to those of table b.
QString uneClave(const Miembro& m, const QString& a, const QString& b)
{
    QStringList partes;
    for (const char* k : m.clave)
        partes << a + QLatin1Char('.') + QLatin1String(k) + QLatin1Char('=') + b + QLatin1Char('.') + QLatin1String(k);
    return partes.join(QStringLiteral(" AND "));
}

// Decides every row of the copy's table: 'I' insert, 'U' update, 'R:<why>' refused.
void decide(adodb::Connection& c, const Miembro& m)
{
    const QString central = QStringLiteral("main.") + QLatin1String(m.tabla);
    QStringList claveNula;
    for (const char* k : m.clave)
        claveNula << QStringLiteral("t.") + QLatin1String(k) + QStringLiteral(" IS NULL");
    QString caso = QStringLiteral("CASE WHEN ") + claveNula.join(QStringLiteral(" OR ")) + QStringLiteral(" THEN 'R:sin clave' ");
    if (*m.depende) {
        const QStringList d = QString::fromLatin1(m.depende).split(QLatin1Char('|'));
        caso += QStringLiteral("WHEN NOT EXISTS (SELECT 1 FROM \"#Terminal_") + d[0] + QStringLiteral("\" p WHERE p.") + d[1]
                + QStringLiteral("=t.") + d[2] + QStringLiteral(" AND p.Decision IN ('I','U')) THEN 'R:su fila de ") + d[0]
                + QStringLiteral(" no se recogió' ");
    }
    const QString existe = QStringLiteral("EXISTS (SELECT 1 FROM ") + central + QStringLiteral(" c WHERE ")
                           + uneClave(m, QStringLiteral("c"), QStringLiteral("t"));
    caso += QStringLiteral("WHEN NOT ") + existe + QStringLiteral(") THEN 'I' ");
    caso += m.mismaVenta ? QStringLiteral("WHEN ") + existe + QStringLiteral(" AND ") + QLatin1String(m.mismaVenta)
                               + QStringLiteral(") THEN 'U' ELSE 'R:la clave es de otra venta' END")
                         : QStringLiteral("ELSE 'U' END");
    c.execute(QStringLiteral("UPDATE ") + filasCopia(m) + QStringLiteral(" AS t SET Decision=") + caso);
}

CuentaTablaRecogida escribe(adodb::Connection& c, const Miembro& m, QList<FilaRechazada>& rechazadas)
{
    const QString tabla = QLatin1String(m.tabla);
    CuentaTablaRecogida cuenta;
    cuenta.tabla = tabla;

    QStringList asignaciones, valoresU, uneU;
    for (const char* k : m.clave) {
        valoresU << QStringLiteral("t.") + QLatin1String(k);
        uneU << tabla + QLatin1Char('.') + QLatin1String(k) + QStringLiteral("=u.") + QLatin1String(k);
    }
    for (const Columna& col : m.actualiza) {
        asignaciones << QLatin1String(col.nombre) + QStringLiteral("=u.") + QLatin1String(col.nombre);
        valoresU << valor(col) + QStringLiteral(" AS ") + QLatin1String(col.nombre);
    }
    long cambios = 0;
    c.execute(QStringLiteral("UPDATE main.") + tabla + QStringLiteral(" SET ") + asignaciones.join(QLatin1Char(','))
                  + QStringLiteral(" FROM (SELECT ") + valoresU.join(QLatin1Char(',')) + QStringLiteral(" FROM ") + filasCopia(m)
                  + QStringLiteral(" t WHERE t.Decision='U') AS u WHERE ") + uneU.join(QStringLiteral(" AND ")),
              &cambios);
    cuenta.actualizadas = int(cambios);

    QStringList columnas, valoresI;
    for (const Columna& col : m.inserta) {
        columnas << QLatin1String(col.nombre);
        valoresI << valor(col);
    }
    c.execute(QStringLiteral("INSERT INTO main.") + tabla + QStringLiteral(" (") + columnas.join(QLatin1Char(','))
                  + QStringLiteral(") SELECT ") + valoresI.join(QLatin1Char(',')) + QStringLiteral(" FROM ") + filasCopia(m)
                  + QStringLiteral(" t WHERE t.Decision='I'"),
              &cambios);
    cuenta.insertadas = int(cambios);

    QStringList clave;
    for (const char* k : m.clave)
        clave << QStringLiteral("IFNULL(") + QLatin1String(k) + QStringLiteral(",'NULL')");
    const adodb::Recordset r = c.execute(QStringLiteral("SELECT ") + clave.join(QStringLiteral("||'/'||"))
                                         + QStringLiteral(",substr(Decision,3) FROM ") + filasCopia(m)
                                         + QStringLiteral(" WHERE substr(Decision,1,2)='R:' ORDER BY rowid"));
    for (int f = 0; f < r.recordCount(); ++f)
        rechazadas << FilaRechazada{tabla, r.cell(f, 0).toString(), r.cell(f, 1).toString()};
    cuenta.rechazadas = r.recordCount();
    return cuenta;
}

void borraTemporales(adodb::Connection& c)
{
    for (const Miembro& m : miembros())
        c.execute(QStringLiteral("DROP TABLE IF EXISTS ") + filasCopia(m));
}

[[noreturn]] void fallaSqlite(sqlite3* db, const QString& que)
{
    throw adodb::ComError(adodb::err::ProviderSyntax, que + QStringLiteral(": ") + QString::fromUtf8(sqlite3_errmsg(db)));
}

// The copy's rows of one table, value by value as the copy holds them, into a temporary table on
// the central connection. (A transaction cannot attach another file, so the rows come across.)
void traeFilas(sqlite3* copia, adodb::Connection& c, const Miembro& m)
{
    QStringList columnas, marcas;
    for (const Columna& col : m.inserta) {
        columnas << QLatin1String(col.nombre);
        marcas << QStringLiteral("?");
    }
    c.execute(QStringLiteral("DROP TABLE IF EXISTS ") + filasCopia(m));
    c.execute(QStringLiteral("CREATE TEMP TABLE ") + filasCopia(m) + QStringLiteral(" (") + columnas.join(QLatin1Char(','))
              + QStringLiteral(",Decision)"));
    const QByteArray lee = (QStringLiteral("SELECT ") + columnas.join(QLatin1Char(',')) + QStringLiteral(" FROM ")
                            + QLatin1String(m.tabla)).toUtf8();
    const QByteArray escribe = (QStringLiteral("INSERT INTO ") + filasCopia(m) + QStringLiteral(" (")
                                + columnas.join(QLatin1Char(',')) + QStringLiteral(") VALUES (")
                                + marcas.join(QLatin1Char(',')) + QLatin1Char(')')).toUtf8();
    sqlite3_stmt* sel = nullptr;
    sqlite3_stmt* ins = nullptr;
    struct Libera {
        sqlite3_stmt*& a;
        sqlite3_stmt*& b;
        ~Libera()
        {
            sqlite3_finalize(a);
            sqlite3_finalize(b);
        }
    } libera{sel, ins};
    if (sqlite3_prepare_v2(copia, lee.constData(), -1, &sel, nullptr) != SQLITE_OK)
        fallaSqlite(copia, QStringLiteral("No se puede leer la tabla ") + QLatin1String(m.tabla) + QStringLiteral(" de la terminal"));
    if (sqlite3_prepare_v2(c.handle(), escribe.constData(), -1, &ins, nullptr) != SQLITE_OK)
        fallaSqlite(c.handle(), QString::fromUtf8(escribe));
    const int n = int(m.inserta.size());
    int rc;
    while ((rc = sqlite3_step(sel)) == SQLITE_ROW) {
        for (int i = 0; i < n; ++i)
            sqlite3_bind_value(ins, i + 1, sqlite3_column_value(sel, i));
        if (sqlite3_step(ins) != SQLITE_DONE)
            fallaSqlite(c.handle(), QString::fromUtf8(escribe));
        sqlite3_reset(ins);
    }
    if (rc != SQLITE_DONE)
        fallaSqlite(copia, QStringLiteral("No se puede leer la tabla ") + QLatin1String(m.tabla) + QStringLiteral(" de la terminal"));
    // The rows of other tables hang on an order's or an item's key.
    if (m.clave.size() == 1)
        c.execute(QStringLiteral("CREATE INDEX \"#Terminal_") + QLatin1String(m.tabla) + QStringLiteral("_clave\" ON ")
                  + filasCopia(m) + QLatin1Char('(') + QLatin1String(m.clave.first()) + QLatin1Char(')'));
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
        for (const Miembro& m : miembros()) {
            traeFilas(copia.db, c, m);
            decide(c, m);
            r.tablas << escribe(c, m, r.rechazadas);
            puntofalla::pasa(QStringLiteral("recogida:") + QLatin1String(m.tabla));
        }
        borraTemporales(c);
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
