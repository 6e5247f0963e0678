#include "endofday/archivo_terminal.h"
#include "endofday/copia_adjunta.h"
#include "endofday/corrida_fin_dia.h"
#include "endofday/escritura_fin_dia.h"
#include "endofday/punto_falla.h"
#include "foundation/database/cls_ado.h"

#include <QDir>
#include <QFile>
#include <QHash>

#include <sys/stat.h>

namespace findia {

namespace {

// The reconciliation's tables, empty for the fetch loop and gone on every way out: a run that
// ended early leaves none behind for the next.
class TablasConciliacion {
public:
    TablasConciliacion()
    {
        borra();
        g_ClsAdo().conexion().execute(QStringLiteral(
            "CREATE TEMP TABLE \"#Tmp_Conciliacion\" (ID_Terminal INTEGER, Nombre_Term VARCHAR(25), "
            "RegistrosPXC INTEGER, RegistrosCta INTEGER, RegistrosCmd INTEGER, RegistrosP INTEGER, "
            "RegistrosCt INTEGER, RegistrosM INTEGER, RegistrosIXC INTEGER, RegistrosA INTEGER)"));
        g_ClsAdo().conexion().execute(QStringLiteral(
            "CREATE TEMP TABLE \"#Tmp_Conciliacion_Montos\" (ID_Terminal INTEGER, Nombre_Term VARCHAR(25), "
            "TotalPXC MONEY REAL, TotalCta MONEY REAL, TotalPago MONEY REAL, TotalCtesia MONEY REAL, "
            "TotalMod MONEY REAL, TotalIXC MONEY REAL)"));
    }
    ~TablasConciliacion() { borra(); }
    TablasConciliacion(const TablasConciliacion&) = delete;
    TablasConciliacion& operator=(const TablasConciliacion&) = delete;

    static void quitaTerminal(qint64 terminal)
    {
        for (const char* tabla : {"\"#Tmp_Conciliacion\"", "\"#Tmp_Conciliacion_Montos\""})
            g_ClsAdo().conexion().executeBound(
                QStringLiteral("DELETE FROM %1 WHERE ID_Terminal=?").arg(QLatin1String(tabla)), {terminal});
    }

private:
    static void borra()
    {
        try {
            g_ClsAdo().conexion().execute(QStringLiteral("DROP TABLE IF EXISTS \"#Tmp_Conciliacion\""));
            g_ClsAdo().conexion().execute(QStringLiteral("DROP TABLE IF EXISTS \"#Tmp_Conciliacion_Montos\""));
        } catch (const adodb::ComError&) {
        }
    }
};

// The gateway keeps its boxes back while rows are collected, and is itself again afterwards.
class SilencioGateway {
public:
    SilencioGateway() : m_antes(g_ClsAdo().CbNoMensaje) { g_ClsAdo().CbNoMensaje = true; }
    ~SilencioGateway() { g_ClsAdo().CbNoMensaje = m_antes; }
    SilencioGateway(const SilencioGateway&) = delete;
    SilencioGateway& operator=(const SilencioGateway&) = delete;

private:
    bool m_antes;
};

// The file at a path as the system knows it: device, node, size and time of the last change.
QString identidad(const QString& ruta)
{
    struct stat st;
    if (::stat(QFile::encodeName(ruta).constData(), &st) != 0)
        return QString();
    return QStringLiteral("%1:%2:%3:%4.%5")
        .arg(st.st_dev)
        .arg(st.st_ino)
        .arg(st.st_size)
        .arg(st.st_mtim.tv_sec)
        .arg(st.st_mtim.tv_nsec);
}

QString copiaDe(const TerminalDiario& t)
{
    return QDir(t.terminal.carpetaLocal).filePath(QLatin1String(kArchivoTerminal));
}

// Only the copy taken in this run is read: an earlier copy left by a failed fetch never is. The
// file this run wrote is still the same file when nothing changed it since (its digest was taken
// as it was written).
void compruebaCopia(const TerminalDiario& t, const QString& traida)
{
    if (t.huella.isEmpty() || traida.isEmpty() || identidad(copiaDe(t)) != traida)
        throw FallaPaso(FallaPaso::ErrorAcceso, QStringLiteral("La copia local no es la traída en este fin de día"));
}

// Collects one terminal in one transaction with its journal state. A copy that cannot be collected
// (unreadable, damaged, or its refused rows cannot be kept aside) rolls that terminal back alone:
// its reason comes back, and the share keeps its sales for the next run. A failure of the central
// database ends the run.
QString recoge(const CorridaFinDia& corrida, const TerminalDiario& t, const BanderasDiferencia& banderas)
{
    SilencioGateway silencio;
    puntofalla::pasa(QStringLiteral("recogida:empieza"));
    ResultadoRecoleccion resultado;
    try {
        // Attached before the transaction, detached after it: SQLite allows neither inside one.
        const CopiaAdjunta adjunta(g_ClsAdo().conexion().handle(), copiaDe(t));
        EscrituraFinDia escritura;
        resultado = RecogeVentasTerminal(corrida, t.terminal, banderas);
        diario::anotaRecoleccion(corrida.idCorrida, t.terminal.ID_Terminal, resultado);
        escritura.confirma();
    } catch (const FallaPaso& f) {
        return f.descripcion();
    }
    return QString();
}

} // namespace

bool FaseRecoleccion(EstadoCorrida& e)
{
    const qint64 id = e.corrida.idCorrida;
    ManejadorFinDia& manejador = e.manejador;
    manejador.modo = ModoManejador::Preguntando;
    TablasConciliacion tablas;

    auto omite = [&](const TerminalDiario& t, const QString& motivo) {
        diario::marcaTerminal(id, t.terminal.ID_Terminal, QLatin1String(kOmitida));
        diario::anotaError(id, t.terminal.ID_Terminal, motivo);
    };

    QList<TerminalDiario> traidas;
    QHash<qint64, QString> identidades;
    for (TerminalDiario t : diario::terminales(e.corrida)) {
        if (!t.activa || t.estado == QLatin1String(kRecogidaTerminal) || t.estado == QLatin1String(kEnviada))
            continue;
        const QString nombre = t.terminal.Nombre_Terminal;
        if (const QString motivo = MotivoNombreTerminal(nombre); !motivo.isEmpty()) {
            omite(t, motivo);
            continue;
        }
        QString huella;
        ResultadoPaso r = manejador.ejecuta(nombre, [&] {
            huella = TraeBaseTerminal(t.terminal.rutaCompartida, t.terminal.carpetaLocal);
        });
        if (r == ResultadoPaso::Abortado)
            return false;
        if (r == ResultadoPaso::Omitido) {
            omite(t, manejador.ultimoMotivo());
            continue;
        }
        if (huella.isEmpty()) {
            diario::marcaTerminal(id, t.terminal.ID_Terminal, QLatin1String(kAusente));
            continue;
        }
        diario::anotaHuella(id, t.terminal.ID_Terminal, huella);
        t.huella = huella;
        identidades.insert(t.terminal.ID_Terminal, identidad(copiaDe(t)));

        QString medidas;
        r = manejador.ejecuta(nombre, [&] {
            compruebaCopia(t, identidades.value(t.terminal.ID_Terminal));
            medidas = MideVentasTerminal(e.corrida, t.terminal);
        }, true);
        if (r == ResultadoPaso::Abortado)
            return false;
        if (r == ResultadoPaso::Omitido) {
            TablasConciliacion::quitaTerminal(t.terminal.ID_Terminal);
            omite(t, manejador.ultimoMotivo());
            continue;
        }
        diario::anotaMedidas(id, t.terminal.ID_Terminal, medidas);
        traidas << t;
    }

    const ConciliacionFinDia conciliacion(e.corrida);
    for (const TerminalDiario& t : traidas) {
        const BanderasDiferencia banderas = conciliacion.Compara(t.terminal);
        const ResultadoPaso r = manejador.ejecuta(t.terminal.Nombre_Terminal,
                                                  [&] { compruebaCopia(t, identidades.value(t.terminal.ID_Terminal)); }, true);
        if (r == ResultadoPaso::Abortado)
            return false;
        if (r == ResultadoPaso::Omitido) {
            omite(t, manejador.ultimoMotivo());
            continue;
        }
        if (const QString motivo = recoge(e.corrida, t, banderas); !motivo.isEmpty())
            omite(t, motivo);
    }
    manejador.modo = ModoManejador::Recogiendo;
    return true;
}

} // namespace findia
