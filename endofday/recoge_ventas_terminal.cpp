#include "endofday/recoge_ventas_terminal.h"

#include "endofday/punto_falla.h"
#include "endofday/rutas_terminal.h"
#include "foundation/database/cls_ado.h"
#include "foundation/log/bitacora.h"
#include "platform/adodb/adodb.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringList>
#include <QUrl>

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

QString decisiones(const Miembro& m)
{
    return QStringLiteral("\"#Recoge_") + QLatin1String(m.tabla) + QLatin1Char('"');
}

// key columns of t joined to those of alias
QString uneClave(const Miembro& m, const QString& alias, const QString& otro)
{
    QStringList partes;
    for (const char* k : m.clave)
        partes << alias + QLatin1Char('.') + QLatin1String(k) + QLatin1Char('=') + otro + QLatin1Char('.') + QLatin1String(k);
    return partes.join(QStringLiteral(" AND "));
}

// Decides every row of the copy's table: 'I' insert, 'U' update, 'R:<why>' refused.
void decide(adodb::Connection& c, const Miembro& m)
{
    const QString tabla = QLatin1String(m.tabla);
    QStringList claveNula;
    for (const char* k : m.clave)
        claveNula << QStringLiteral("t.") + QLatin1String(k) + QStringLiteral(" IS NULL");
    QString caso = QStringLiteral("CASE WHEN ") + claveNula.join(QStringLiteral(" OR ")) + QStringLiteral(" THEN 'R:sin clave' ");
    if (*m.depende) {
        const QStringList d = QString::fromLatin1(m.depende).split(QLatin1Char('|'));
        caso += QStringLiteral("WHEN NOT EXISTS (SELECT 1 FROM \"#Recoge_") + d[0] + QStringLiteral("\" p WHERE p.") + d[1]
                + QStringLiteral("=t.") + d[2]
                + QStringLiteral(" AND p.Decision IN ('I','U')) THEN 'R:su fila de ") + d[0]
                + QStringLiteral(" no se recogió' ");
    }
    caso += QStringLiteral("WHEN c.") + QLatin1String(m.clave.first()) + QStringLiteral(" IS NULL THEN 'I' ");
    caso += m.mismaVenta ? QStringLiteral("WHEN ") + QLatin1String(m.mismaVenta)
                               + QStringLiteral(" THEN 'U' ELSE 'R:la clave es de otra venta' END")
                         : QStringLiteral("ELSE 'U' END");
    QStringList columnas;
    for (const char* k : m.clave)
        columnas << QStringLiteral("t.") + QLatin1String(k);
    c.execute(QStringLiteral("DROP TABLE IF EXISTS ") + decisiones(m));
    c.execute(QStringLiteral("CREATE TEMP TABLE ") + decisiones(m) + QStringLiteral(" AS SELECT ") + columnas.join(QLatin1Char(','))
              + QLatin1Char(',') + caso + QStringLiteral(" AS Decision FROM terminal.") + tabla + QStringLiteral(" t LEFT JOIN main.")
              + tabla + QStringLiteral(" c ON ") + uneClave(m, QStringLiteral("c"), QStringLiteral("t")));
    QStringList indice;
    for (const char* k : m.clave)
        indice << QLatin1String(k);
    c.execute(QStringLiteral("CREATE INDEX \"#Recoge_") + tabla + QStringLiteral("_clave\" ON ") + decisiones(m) + QLatin1Char('(')
              + indice.join(QLatin1Char(',')) + QLatin1Char(')'));
}

CuentaTablaRecogida escribe(adodb::Connection& c, const Miembro& m, QList<FilaRechazada>& rechazadas)
{
    const QString tabla = QLatin1String(m.tabla);
    CuentaTablaRecogida cuenta;
    cuenta.tabla = tabla;
    const QString deLaCopia = QStringLiteral(" FROM terminal.") + tabla + QStringLiteral(" t JOIN ") + decisiones(m)
                              + QStringLiteral(" d ON ") + uneClave(m, QStringLiteral("d"), QStringLiteral("t"));

    QStringList asignaciones;
    for (const Columna& col : m.actualiza)
        asignaciones << QLatin1String(col.nombre) + QStringLiteral("=u.") + QLatin1String(col.nombre);
    QStringList valoresU;
    for (const char* k : m.clave)
        valoresU << QStringLiteral("t.") + QLatin1String(k);
    for (const Columna& col : m.actualiza)
        valoresU << valor(col) + QStringLiteral(" AS ") + QLatin1String(col.nombre);
    QStringList uneU;
    for (const char* k : m.clave)
        uneU << tabla + QLatin1Char('.') + QLatin1String(k) + QStringLiteral("=u.") + QLatin1String(k);
    long cambios = 0;
    c.execute(QStringLiteral("UPDATE main.") + tabla + QStringLiteral(" SET ") + asignaciones.join(QLatin1Char(','))
                  + QStringLiteral(" FROM (SELECT ") + valoresU.join(QLatin1Char(',')) + deLaCopia
                  + QStringLiteral(" WHERE d.Decision='U') AS u WHERE ") + uneU.join(QStringLiteral(" AND ")),
              &cambios);
    cuenta.actualizadas = int(cambios);

    QStringList columnas, valoresI;
    for (const Columna& col : m.inserta) {
        columnas << QLatin1String(col.nombre);
        valoresI << valor(col);
    }
    c.execute(QStringLiteral("INSERT INTO main.") + tabla + QStringLiteral(" (") + columnas.join(QLatin1Char(','))
                  + QStringLiteral(") SELECT ") + valoresI.join(QLatin1Char(',')) + deLaCopia + QStringLiteral(" WHERE d.Decision='I'"),
              &cambios);
    cuenta.insertadas = int(cambios);

    QStringList clave;
    for (const char* k : m.clave)
        clave << QStringLiteral("IFNULL(") + QLatin1String(k) + QStringLiteral(",'NULL')");
    const adodb::Recordset r = c.execute(QStringLiteral("SELECT ") + clave.join(QStringLiteral("||'/'||"))
                                         + QStringLiteral(",substr(Decision,3) FROM ") + decisiones(m)
                                         + QStringLiteral(" WHERE Decision LIKE 'R:%' ORDER BY rowid"));
    for (int f = 0; f < r.recordCount(); ++f)
        rechazadas << FilaRechazada{tabla, r.cell(f, 0).toString(), r.cell(f, 1).toString()};
    cuenta.rechazadas = r.recordCount();
    return cuenta;
}

void borraDecisiones(adodb::Connection& c)
{
    for (const Miembro& m : miembros())
        c.execute(QStringLiteral("DROP TABLE IF EXISTS ") + decisiones(m));
}

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

RecogidaTerminal RecogeVentasTerminal(const QString& nombreTerminal, const QString& fechaCierre,
                                      const std::function<void(const RecogidaTerminal&)>& dentroDeTransaccion)
{
    const QString copia = rutas::copiaTerminal(nombreTerminal);
    if (!QFileInfo(copia).isFile())
        throw adodb::ComError(adodb::err::ProviderGeneric, QStringLiteral("No existe la base de datos '%1'.").arg(copia));
    adodb::Connection& c = g_ClsAdo().conexion();
    c.executeBound(QStringLiteral("ATTACH DATABASE ? AS terminal"),
                   {QUrl::fromLocalFile(QFileInfo(copia).absoluteFilePath()).toString(QUrl::FullyEncoded)
                    + QStringLiteral("?mode=ro")});
    RecogidaTerminal r;
    r.terminal = nombreTerminal;
    try {
        c.beginTrans();
        for (const Miembro& m : miembros()) {
            decide(c, m);
            r.tablas << escribe(c, m, r.rechazadas);
            puntofalla::pasa(QStringLiteral("recogida:") + QLatin1String(m.tabla));
        }
        borraDecisiones(c);
        if (!r.rechazadas.isEmpty())
            r.copiaGuardada = guardaCopia(copia, fechaCierre);
        if (dentroDeTransaccion)
            dentroDeTransaccion(r);
        c.commitTrans();
    } catch (...) {
        if (c.inTransaction())
            c.rollbackTrans();
        try {
            borraDecisiones(c);
            c.execute(QStringLiteral("DETACH DATABASE terminal"));
        } catch (const adodb::ComError&) {
        }
        throw;
    }
    c.execute(QStringLiteral("DETACH DATABASE terminal"));

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
