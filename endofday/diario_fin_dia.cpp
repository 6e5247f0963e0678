#include "endofday/diario_fin_dia.h"

#include "endofday/archivo_terminal.h"
#include "endofday/escritura_fin_dia.h"
#include "foundation/database/cls_ado.h"
#include "platform/clock/clock.h"

namespace findia::diario {

namespace {

adodb::Connection& conexion()
{
    return g_ClsAdo().conexion();
}

QString ahora()
{
    return appclock::now().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"));
}

void actualizaTerminal(qint64 corrida, qint64 terminal, const QString& asignacion, const QVariant& valor)
{
    conexion().executeBound(QStringLiteral("UPDATE EndOfDayTerminal SET ") + asignacion
                                + QStringLiteral(" WHERE RunId=? AND TerminalId=?"),
                            {valor, corrida, terminal});
}

} // namespace

std::optional<CorridaDiario> corridaPendiente(const QString& dirTermBD)
{
    adodb::Recordset rs = conexion().execute(QStringLiteral(
        "SELECT RunId, OldDate, NewDate, State FROM EndOfDayRun WHERE State<>'finished' ORDER BY RunId DESC LIMIT 1"));
    if (rs.isNull() || rs.eof())
        return std::nullopt;
    CorridaDiario pendiente;
    pendiente.corrida.idCorrida = rs.value(QStringLiteral("RunId")).toLongLong();
    pendiente.corrida.fechaAnterior = rs.value(QStringLiteral("OldDate")).toString();
    pendiente.corrida.fechaNueva = rs.value(QStringLiteral("NewDate")).toString();
    pendiente.corrida.dirTermBD = dirTermBD;
    pendiente.estado = rs.value(QStringLiteral("State")).toString();
    return pendiente;
}

qint64 creaCorrida(const QString& fechaAnterior, const QString& fechaNueva, const QString& usuario)
{
    adodb::Connection& db = conexion();
    EscrituraFinDia escritura;
    db.executeBound(QStringLiteral("INSERT INTO EndOfDayRun (OldDate, NewDate, State, StartedAt, UserName) "
                                   "VALUES (?, ?, 'started', ?, ?)"),
                    {fechaAnterior, fechaNueva, ahora(), usuario});
    const qint64 id = db.execute(QStringLiteral("SELECT MAX(RunId) FROM EndOfDayRun")).field(0).value().toLongLong();
    db.executeBound(QStringLiteral("INSERT INTO EndOfDayTerminal (RunId, TerminalId, TerminalName, MenuId, State) "
                                   "SELECT ?, ID_Terminal, Nombre_Terminal, ID_Menu, 'pending' FROM Terminal "
                                   "WHERE Estado_Terminal='A'"),
                    {id});
    escritura.confirma();
    return id;
}

QList<TerminalDiario> terminales(const CorridaFinDia& corrida, bool porMenu)
{
    adodb::Recordset rs = conexion().execute(
        QStringLiteral("SELECT e.TerminalId, e.TerminalName, e.MenuId, e.State, e.Digest, e.RowsRefused, e.ErrorText, "
                       "e.PushError, e.PushDigest, EXISTS (SELECT 1 FROM Terminal t WHERE t.ID_Terminal=e.TerminalId "
                       "AND t.Estado_Terminal='A') AS Active FROM EndOfDayTerminal e WHERE e.RunId=%1 ORDER BY %2")
            .arg(corrida.idCorrida)
            .arg(porMenu ? QStringLiteral("e.MenuId, e.TerminalId") : QStringLiteral("e.TerminalId")));
    QList<TerminalDiario> lista;
    for (; !rs.eof(); rs.moveNext()) {
        TerminalDiario t;
        t.terminal.ID_Terminal = rs.value(QStringLiteral("TerminalId")).toLongLong();
        t.terminal.Nombre_Terminal = rs.value(QStringLiteral("TerminalName")).toString();
        t.terminal.ID_Menu = rs.value(QStringLiteral("MenuId"));
        if (MotivoNombreTerminal(t.terminal.Nombre_Terminal).isEmpty()) {
            t.terminal.carpetaLocal = CarpetaLocalTerminal(t.terminal.Nombre_Terminal);
            t.terminal.rutaCompartida = RutaCompartida(t.terminal.Nombre_Terminal, corrida.dirTermBD);
        }
        t.estado = rs.value(QStringLiteral("State")).toString();
        t.huella = rs.value(QStringLiteral("Digest")).toString();
        t.rechazadas = rs.value(QStringLiteral("RowsRefused")).toInt();
        t.activa = rs.value(QStringLiteral("Active")).toBool();
        t.error = rs.value(QStringLiteral("ErrorText")).toString();
        t.errorEnvio = rs.value(QStringLiteral("PushError")).toString();
        t.huellaEnvio = rs.value(QStringLiteral("PushDigest")).toString();
        lista << t;
    }
    return lista;
}

QString lineasDeCierre(const CorridaFinDia& corrida)
{
    QString texto;
    for (const TerminalDiario& t : terminales(corrida)) {
        if (!t.activa)
            continue;
        QStringList motivos = t.error.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        if (!t.errorEnvio.isEmpty())
            motivos << t.errorEnvio;
        if (motivos.isEmpty() && t.estado != QLatin1String(kEnviada))
            motivos << (t.estado == QLatin1String(kRecogidaTerminal) || t.estado == QLatin1String(kAusente)
                            ? QStringLiteral("no se le envió su base de datos")
                            : QStringLiteral("no se recogió"));
        for (const QString& motivo : motivos)
            texto += QStringLiteral("\r\n") + t.terminal.Nombre_Terminal + QLatin1Char(' ') + motivo;
    }
    return texto;
}

void marcaTerminal(qint64 corrida, qint64 terminal, const QString& estado)
{
    actualizaTerminal(corrida, terminal, QStringLiteral("State=?"), estado);
}

void anotaHuella(qint64 corrida, qint64 terminal, const QString& huella)
{
    conexion().executeBound(QStringLiteral("UPDATE EndOfDayTerminal SET Digest=?, State='fetched', ErrorText=NULL "
                                           "WHERE RunId=? AND TerminalId=?"),
                            {huella, corrida, terminal});
}

void anotaMedidas(qint64 corrida, qint64 terminal, const QString& medidas)
{
    actualizaTerminal(corrida, terminal, QStringLiteral("Measures=?"), medidas);
}

void anotaRecoleccion(qint64 corrida, qint64 terminal, const ResultadoRecoleccion& r)
{
    conexion().executeBound(QStringLiteral("UPDATE EndOfDayTerminal SET State='collected', RowsInserted=?, "
                                           "RowsUpdated=?, RowsRefused=?, ErrorText=? WHERE RunId=? AND TerminalId=?"),
                            {r.insertadas, r.actualizadas, r.rechazadas,
                             r.rechazos.isEmpty() ? QVariant() : QVariant(r.rechazos.join(QLatin1Char('\n'))), corrida,
                             terminal});
}

void anotaHuellaEnvio(qint64 corrida, qint64 terminal, const QString& huella, qint64 folio)
{
    // On disk before the share's database is replaced, so that a start after a power loss knows it.
    EscrituraFinDia escritura(true);
    conexion().executeBound(QStringLiteral("UPDATE EndOfDayTerminal SET PushDigest=?, ItemFolioSent=? WHERE RunId=? AND TerminalId=?"),
                            {huella, folio, corrida, terminal});
    escritura.confirma();
}

void anotaEnvio(qint64 corrida, qint64 terminal)
{
    conexion().executeBound(QStringLiteral("UPDATE EndOfDayTerminal SET State='pushed', PushError=NULL WHERE RunId=? AND TerminalId=?"),
                            {corrida, terminal});
}

void anotaErrorEnvio(qint64 corrida, qint64 terminal, const QString& texto)
{
    actualizaTerminal(corrida, terminal, QStringLiteral("PushError=?"), texto);
}

void anotaError(qint64 corrida, qint64 terminal, const QString& texto)
{
    actualizaTerminal(corrida, terminal, QStringLiteral("ErrorText=?"), texto);
}

void marcaCorrida(qint64 corrida, const QString& estado)
{
    conexion().executeBound(QStringLiteral("UPDATE EndOfDayRun SET State=?, FinishedAt=CASE WHEN ?='finished' "
                                           "THEN ? ELSE FinishedAt END WHERE RunId=?"),
                            {estado, estado, ahora(), corrida});
}

} // namespace findia::diario
