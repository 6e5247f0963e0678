#include "schema/procedimientos.h"

#include "platform/adodb/adodb.h"
#include "schema/procedimientos_comun.h"

#include <QStringList>

namespace {

// The sales tables, children before parents.
const QStringList kTablasVenta{QStringLiteral("Modificador"),   QStringLiteral("ImpuestosXCuenta"),
                               QStringLiteral("Cortesia"),      QStringLiteral("ProductosXCuenta"),
                               QStringLiteral("Pago"),          QStringLiteral("Cuenta"),
                               QStringLiteral("Comanda")};

// Deletes every sale. The arguments that the callers pass are accepted and not used. A savepoint
// keeps the deletes whole, inside the caller's transaction or on their own.
adodb::Recordset Borrar_Comanda(adodb::Connection& conexion, const QVariantList&)
{
    conexion.execute(QStringLiteral("SAVEPOINT Borrar_Comanda"));
    try {
        for (const QString& tabla : kTablasVenta)
            conexion.execute(QStringLiteral("DELETE FROM ") + tabla);
    } catch (...) {
        conexion.execute(QStringLiteral("ROLLBACK TO Borrar_Comanda"));
        conexion.execute(QStringLiteral("RELEASE Borrar_Comanda"));
        throw;
    }
    conexion.execute(QStringLiteral("RELEASE Borrar_Comanda"));
    return adodb::Recordset();
}

} // namespace

void registraProcedimientos()
{
    adodb::Procedures::add(QStringLiteral("Borrar_Comanda"), Borrar_Comanda);
    procedimientos::registraProcedimientosVentas();
    procedimientos::registraProcedimientosReportes();
    procedimientos::registraProcedimientosTickets();
}
