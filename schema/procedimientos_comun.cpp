#include "schema/procedimientos_comun.h"

#include "foundation/routines/fecha_trabajo.h"

namespace procedimientos {

QDate fechaArgumento(adodb::Connection& conexion, const QVariantList& argumentos, int posicion,
                     const QString& procedimiento)
{
    const QString texto = posicion < argumentos.size() ? argumentos.at(posicion).toString().trimmed() : QString();
    QDate fecha = QDate::fromString(texto, QStringLiteral("dd/MM/yyyy"));
    if (!fecha.isValid()) {
        const QString orden = fechatrabajo::ordenDeTexto(texto);
        if (!orden.isEmpty())
            fecha = QDate::fromString(orden, QStringLiteral("yyyyMMdd"));
    }
    if (!fecha.isValid())
        adodb::Procedures::raise(conexion, QStringLiteral("%1: la fecha %2 ('%3') no es válida.")
                                               .arg(procedimiento)
                                               .arg(posicion + 1)
                                               .arg(texto));
    return fecha;
}

QString itemsDelPeriodo(const QDate& desde, const QDate& hasta, const QString& uniones)
{
    return QStringLiteral(" FROM Comanda C JOIN ProductosXCuenta P ON P.ID_Comanda=C.ID_Comanda AND P.Control=C.Control")
        + uniones + QStringLiteral(" WHERE")
        + fechatrabajo::periodo(desde, hasta, QStringLiteral("C.Fecha_Trabajo"));
}

QString identificador(const QString& nombre)
{
    QString doble = nombre;
    doble.replace(QLatin1Char('"'), QStringLiteral("\"\""));
    return QLatin1Char('"') + doble + QLatin1Char('"');
}

bool existeTemporal(adodb::Connection& conexion, const QString& nombre)
{
    QString texto = nombre;
    texto.replace(QLatin1Char('\''), QStringLiteral("''"));
    adodb::Recordset rs = conexion.execute(
        QStringLiteral("SELECT COUNT(*) FROM sqlite_temp_master WHERE type='table' AND name='") + texto + QLatin1Char('\''));
    return !rs.isNull() && !rs.eof() && rs.field(0).value().toInt() > 0;
}

} // namespace procedimientos
