#include "foundation/database/cls_ado.h"
#include "foundation/log/bitacora.h"
#include "foundation/routines/zorva_funciones.h"
#include "platform/keys/clsclaves.h"
#include "platform/keys/key_file_error.h"
#include "platform/paths/paths.h"

#include <QDateTime>
#include <QStringList>

namespace {

// The value as the terminal stores it: null stays null, a bit is 1 or 0, dates are ISO text;
// everything else keeps its own type.
QVariant valorTerminal(const QVariant& valor, adodb::DataType tipo)
{
    if (!valor.isValid() || valor.isNull())
        return QVariant();
    if (tipo == adodb::DataType::Boolean)
        return valor.toBool() ? 1 : 0;
    if (valor.metaType().id() == QMetaType::QDateTime)
        return valor.toDateTime().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"));
    return valor;
}

void anota(const QString& destino, const QString& motivo)
{
    EscribeBitacora(QStringLiteral("Copia a la terminal, tabla ") + destino + QStringLiteral(": ") + motivo);
}

} // namespace

int CopiaTablaTerminal(const QString& origen, const QString& destino, const QString& columnas, const QString& condicion)
{
    adodb::Connection terminal;
    try {
        terminal.open(QStringLiteral("Driver={Microsoft Access Driver (*.mdb)};Dbq=Zorva_Terminal.mdb;DefaultDir=")
                      + paths::appFolder() + QStringLiteral(";Uid=") + g_ClsClaves.UsuarioTerminal()
                      + QStringLiteral(";Pwd=") + g_ClsClaves.ContrasenaTerminal() + QStringLiteral(";"));
    } catch (const adodb::ComError& e) {
        anota(destino, e.description());
        return -1;
    } catch (const KeyFileError& e) {
        anota(destino, e.message());
        return -1;
    }
    const int fallidas = CopiaTablaTerminal(terminal, origen, destino, columnas, condicion);
    terminal.close();
    return fallidas;
}

int CopiaTablaTerminal(adodb::Connection& terminal, const QString& origen, const QString& destino, const QString& columnas,
                       const QString& condicion, QStringList* rechazos)
{
    QString sql = QStringLiteral("SELECT ") + columnas + QStringLiteral(" FROM ") + origen;
    if (!condicion.isEmpty())
        sql += QStringLiteral(" WHERE ") + condicion;
    adodb::Recordset rs;
    if (!g_ClsAdo().Establece_consulta(rs, sql)) {
        anota(destino, QStringLiteral("no se pudo leer ") + sql);
        return -1;
    }

    QStringList nombres;
    QStringList marcas;
    for (int c = 0; c < rs.fieldCount(); ++c) {
        nombres << rs.field(c).name();
        marcas << QStringLiteral("?");
    }
    const QString insert = QStringLiteral("INSERT INTO ") + destino + QStringLiteral(" (") + nombres.join(QLatin1Char(','))
                           + QStringLiteral(") VALUES(") + marcas.join(QLatin1Char(',')) + QStringLiteral(")");
    int fallidas = 0;
    for (int fila = 0; fila < rs.recordCount(); ++fila) {
        QVariantList valores;
        for (int c = 0; c < rs.fieldCount(); ++c)
            valores << valorTerminal(rs.cell(fila, c), rs.field(c).type());
        try {
            terminal.executeBound(insert, valores);
        } catch (const adodb::ComError& e) {
            ++fallidas;
            QStringList texto;
            for (const QVariant& v : valores)
                texto << (v.isNull() ? QStringLiteral("NULL") : v.toString());
            const QString fallo = e.description() + QStringLiteral(" (") + texto.join(QLatin1Char(',')) + QStringLiteral(")");
            anota(destino, fallo);
            if (rechazos)
                *rechazos << destino + QStringLiteral(": ") + fallo;
        }
    }
    return fallidas;
}
