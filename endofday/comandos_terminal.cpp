#include "endofday/comandos_terminal.h"

#include "endofday/escritura_fin_dia.h"
#include "foundation/database/cls_ado.h"
#include "platform/ui/msgbox.h"

namespace findia {

namespace {

// What refused the last statement, as the connection reported it.
struct Fallo {
    long numero;
    QString descripcion;
};

Fallo falloDeLaConexion(const QString& porDefecto)
{
    const QList<adodb::Error>& errores = g_ClsAdo().conexion().errors();
    if (!errores.isEmpty())
        return {errores.first().Number, errores.first().Description};
    return {adodb::err::ProviderGeneric, porDefecto};
}

adodb::Recordset consulta(const QString& sql)
{
    g_ClsAdo().conexion().errors().clear();
    adodb::Recordset rs;
    if (!g_ClsAdo().Establece_consulta(rs, sql))
        throw falloDeLaConexion(QStringLiteral("No se pudo leer: ") + sql);
    return rs;
}

void ejecuta(bool hecho, const QString& que)
{
    if (!hecho)
        throw falloDeLaConexion(que);
}

} // namespace

bool PublicaComando(const QString& comando)
{
    ClsAdo& ado = g_ClsAdo();
    try {
        adodb::Recordset servidor = consulta(QStringLiteral("SELECT Valor_Num FROM Parametros WHERE ID_Parametro='TERMINAL'"));
        if (servidor.eof() || servidor.field(0).isNull())
            throw Fallo{94, QStringLiteral("Uso no válido de Null")};
        bool esNumero = false;
        const qint64 numeroServidor = servidor.field(0).value().toLongLong(&esNumero);
        if (!esNumero)
            throw Fallo{13, QStringLiteral("No coinciden los tipos")};

        adodb::Recordset destinos = consulta(
            QStringLiteral("SELECT ID_Terminal FROM Terminal WHERE Estado_Terminal='A' AND ID_Terminal<>")
            + QString::number(numeroServidor));
        if (destinos.recordCount() == 0)
            return true;

        ado.conexion().errors().clear();
        EscrituraFinDia escritura;
        ejecuta(ado.Alta(QStringLiteral("Transacciones"), QStringLiteral("Transaccion"),
                         QLatin1Char('\'') + comando + QLatin1Char('\'')),
                QStringLiteral("No se pudo escribir el comando ") + comando);
        adodb::Recordset clave = consulta(QStringLiteral("SELECT MAX(ID_Transaccion) AS Trans FROM Transacciones"));
        const QString trans = clave.value(QStringLiteral("Trans")).toString();
        for (destinos.moveFirst(); !destinos.eof(); destinos.moveNext()) {
            ejecuta(ado.Alta(QStringLiteral("TransaccionesXTerminal"), QStringLiteral("ID_Transaccion,ID_Terminal"),
                             trans + QLatin1Char(',') + destinos.field(0).text()),
                    QStringLiteral("No se pudo escribir el destino del comando ") + comando);
        }
        ejecuta(ado.Modificar(clave, QStringLiteral("Transacciones"), QStringLiteral("Escribiendo=0"),
                              QStringLiteral("ID_Transaccion=") + trans),
                QStringLiteral("No se pudo terminar el comando ") + comando);
        escritura.confirma();
        return true;
    } catch (const Fallo& fallo) {
        // The transaction is rolled back before the box: the guard ended with the try block.
        ui::msgBox(QString::number(fallo.numero) + fallo.descripcion);
    } catch (const adodb::ComError& e) {
        ui::msgBox(QString::number(e.number()) + e.description());
    }
    return false;
}

} // namespace findia

bool ApagaTerminales()
{
    return findia::PublicaComando(QStringLiteral("!OFF "));
}

bool EnciendeTerminales()
{
    return findia::PublicaComando(QStringLiteral("!ON"));
}
