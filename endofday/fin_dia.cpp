#include "endofday/fin_dia.h"
#include "endofday/punto_falla.h"

#include "endofday/archivo_terminal.h"
#include "endofday/candado_fin_dia.h"
#include "endofday/comandos_terminal.h"
#include "endofday/corrida_fin_dia.h"
#include "endofday/escritura_fin_dia.h"
#include "endofday/fecha_trabajo.h"
#include "foundation/database/cls_ado.h"
#include "foundation/log/bitacora.h"
#include "mainwindow/login_state.h"
#include "platform/keys/key_file_error.h"
#include "platform/ui/msgbox.h"
#include "platform/ui/wait_cursor.h"

#include <optional>

namespace findia {

namespace {

// The value of a parameter; null when the row is missing or holds null.
QVariant parametro(const QString& clave)
{
    adodb::Recordset rs = g_ClsAdo().conexion().execute(
        QStringLiteral("SELECT Valor_Cad FROM Parametros WHERE ID_Parametro='") + clave + QLatin1Char('\''));
    return rs.isNull() || rs.eof() ? QVariant() : rs.field(0).value();
}

// The gateway's box suppression as it was, on every way out.
class RestauraGateway {
public:
    RestauraGateway() : m_antes(g_ClsAdo().CbNoMensaje) {}
    ~RestauraGateway() { g_ClsAdo().CbNoMensaje = m_antes; }
    RestauraGateway(const RestauraGateway&) = delete;
    RestauraGateway& operator=(const RestauraGateway&) = delete;

private:
    bool m_antes;
};

bool confirma(const CorridaFinDia& corrida, bool reanuda)
{
    const QString dia = FechaTrabajoLegible(corrida.fechaAnterior);
    const QString pregunta = reanuda ? QStringLiteral("¿Desea terminar el fin de día del ") + dia + QLatin1Char('?')
                                     : QStringLiteral("¿Desea cerrar el día ") + dia + QLatin1Char('?');
    return ui::msgBox(pregunta, ui::YesNo | ui::Question | ui::DefaultButton2) == ui::Yes;
}

// A run resumed after terminals were set inactive leaves them out; the log says so.
void anotaInactivas(const CorridaFinDia& corrida)
{
    for (const TerminalDiario& t : diario::terminales(corrida))
        if (!t.activa && t.estado != QLatin1String(kEnviada))
            EscribeBitacora(QStringLiteral("Fin de día: la terminal ") + t.terminal.Nombre_Terminal
                            + QStringLiteral(" ya no está activa y queda fuera"));
}

void corre(const OpcionesFinDia& opciones, EstadoCorrida& e, ResultadoFinDia& resultado)
{
    ManejadorFinDia& manejador = e.manejador;
    CandadoFinDia candado(g_ClsAdo().conexion().filePath());
    if (!candado.tomado()) {
        ui::msgBox(QStringLiteral("Ya hay un fin de día en curso"), ui::Exclamation);
        return;
    }
    RestauraGateway restaura;
    const SincroniaFinDia sincronia;

    const QVariant dirTermBD = parametro(QStringLiteral("DIRTERMBD"));
    if (dirTermBD.isNull())
        manejador.termina(94, QStringLiteral("Uso no válido de Null: falta el parámetro DIRTERMBD"));
    if (const QString motivo = MotivoDirTermBD(dirTermBD.toString()); !motivo.isEmpty())
        manejador.termina(FallaPaso::NombreIncorrecto, motivo);

    std::optional<CorridaDiario> pendiente = diario::corridaPendiente(dirTermBD.toString());
    if (pendiente) {
        e.corrida = pendiente->corrida;
        anotaInactivas(e.corrida);
    } else {
        const QString fecha = parametro(QStringLiteral("FECHA_TRABAJO")).toString();
        if (!EsFechaTrabajo(fecha))
            manejador.termina(13, QStringLiteral("No coinciden los tipos: la fecha de trabajo '") + fecha
                                      + QStringLiteral("' no es una fecha"));
        e.corrida.fechaAnterior = fecha;
        e.corrida.fechaNueva = SiguienteFechaTrabajo(fecha);
        e.corrida.dirTermBD = dirTermBD.toString();
    }
    if (opciones.confirma && !confirma(e.corrida, pendiente.has_value())) {
        resultado.desenlace = DesenlaceFinDia::Cancelado;
        return;
    }

    std::optional<ui::WaitCursor> puntero;
    if (opciones.punteroEspera)
        puntero.emplace();
    resultado.desenlace = DesenlaceFinDia::Fallido;
    if (!pendiente)
        e.corrida.idCorrida = diario::creaCorrida(e.corrida.fechaAnterior, e.corrida.fechaNueva, opciones.usuario);
    const bool recogida = pendiente && pendiente->estado != QLatin1String(kIniciada);

    adodb::Recordset nada;
    for (const char* tabla : {"TransaccionesXTerminal", "Transacciones", "Control_Paquetes"})
        g_ClsAdo().Borrar(nada, QLatin1String(tabla), QVariant(), QString(), false);
    // Files are touched only once the terminals were told to stop.
    if (!ApagaTerminales())
        return;
    puntofalla::pasa(QStringLiteral("paso:apagado"));

    if (!recogida) {
        if (!FaseRecoleccion(e)) {
            resultado.desenlace = DesenlaceFinDia::Abortado;
            return;
        }
        puntofalla::pasa(QStringLiteral("paso:recoleccion"));
        CierraDia(e.corrida);
        puntofalla::pasa(QStringLiteral("paso:fecha"));
    }
    const bool enviadas = FaseEnvio(e);
    puntofalla::pasa(QStringLiteral("paso:envio"));

    // What every terminal of the run came to, also in an earlier start of it, and what the
    // template met.
    const QString errores = manejador.errores() + diario::lineasDeCierre(e.corrida);
    if (!errores.isEmpty())
        ui::msgBox(QStringLiteral("Error de comunicación con terminales:") + errores, ui::Critical, QStringLiteral("Error fin día"));
    if (!enviadas) {
        // A terminal restarted on yesterday's database would sell on it; the next start sends it.
        ui::msgBox(QStringLiteral("No se pudo enviar la base de datos a todas las terminales: siguen apagadas. "
                                  "Vuelva a ejecutar el fin de día para terminarlo."),
                   ui::Critical, QStringLiteral("Error fin día"));
        return;
    }
    puntero.reset();
    const bool encendidas = EnciendeTerminales();
    puntofalla::pasa(QStringLiteral("paso:encendido"));
    diario::marcaCorrida(e.corrida.idCorrida, QLatin1String(kTerminada));
    resultado.limpio = encendidas && errores.isEmpty();
    resultado.desenlace = DesenlaceFinDia::Terminado;
    ui::msgBox(QStringLiteral("Proceso terminado"), ui::Information);
}

} // namespace

ResultadoFinDia EjecutaFinDia(const OpcionesFinDia& opciones)
{
    EstadoCorrida estado;
    ResultadoFinDia resultado;
    try {
        corre(opciones, estado, resultado);
        return resultado;
    } catch (const CorridaTerminada&) {
    } catch (const FallaPaso& f) {
        ui::msgBox(QString::number(f.numero()) + QLatin1Char(' ') + f.descripcion());
    } catch (const adodb::ComError& e) {
        ui::msgBox(QString::number(e.number()) + QLatin1Char(' ') + e.description());
    } catch (const KeyFileError& e) {
        ui::msgBox(QString::number(FallaPaso::ErrorAcceso) + QLatin1Char(' ') + e.message());
    }
    // Before the run started nothing changed (NoIniciado); after, the journal keeps it for the next start.
    resultado.limpio = false;
    return resultado;
}

} // namespace findia

void mnuUtlProcFin_Click()
{
    findia::OpcionesFinDia opciones;
    opciones.usuario = g_UsuarioActual;
    findia::EjecutaFinDia(opciones);
}
