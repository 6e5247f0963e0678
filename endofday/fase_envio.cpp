#include "endofday/archivo_terminal.h"
#include "endofday/corrida_fin_dia.h"
#include "endofday/punto_falla.h"
#include "foundation/log/bitacora.h"
#include "platform/adodb/adodb.h"

#include <QDir>

namespace findia {

namespace {

// A terminal that is sent its database: collected, or without a database to lose. A skipped
// terminal keeps its sales; one set inactive since the run began is left out.
bool seLeEnvia(const TerminalDiario& t)
{
    return t.activa && (t.estado == QLatin1String(kRecogidaTerminal) || t.estado == QLatin1String(kAusente));
}

} // namespace

bool FaseEnvio(EstadoCorrida& e)
{
    const qint64 id = e.corrida.idCorrida;
    ManejadorFinDia& manejador = e.manejador;
    const QString nombrePlantilla = QLatin1String(kPlantilla);

    // Without a fresh template copy nothing is sent: the one a former run left would go out.
    QString carpeta;
    adodb::Connection plantilla;
    QStringList rechazadas;
    for (const auto& paso : std::initializer_list<std::function<void()>>{
             [&] { carpeta = CopiaPlantilla(); }, [&] { plantilla = AbrePlantilla(carpeta); },
             [&] { rechazadas = ArmaBaseTerminal(e.corrida, plantilla); }}) {
        if (manejador.ejecuta(nombrePlantilla, paso) != ResultadoPaso::Hecho) {
            manejador.recoge(nombrePlantilla, manejador.ultimoMotivo());
            return false;
        }
    }
    for (const QString& fila : rechazadas)
        manejador.recoge(nombrePlantilla, fila);
    const QString copia = QDir(carpeta).filePath(QLatin1String(kArchivoTerminal));

    bool completo = true;
    QVariant menuAnterior;
    for (const TerminalDiario& t : diario::terminales(e.corrida, true)) {
        if (!seLeEnvia(t))
            continue;
        // Stopped right after its database took the share's place: it is there already.
        if (!t.huellaEnvio.isEmpty() && HuellaCompartida(t.terminal.rutaCompartida) == t.huellaEnvio) {
            diario::anotaEnvio(id, t.terminal.ID_Terminal);
            continue;
        }
        const QString nombre = t.terminal.Nombre_Terminal;
        qint64 folio = 0;
        ResultadoPaso r = manejador.ejecuta(nombre, [&] {
            folio = PreparaBaseTerminal(e.corrida, t.terminal, menuAnterior, plantilla);
        });
        // A menu part that failed halfway is rebuilt for the next terminal.
        menuAnterior = r == ResultadoPaso::Hecho ? t.terminal.ID_Menu : QVariant();
        if (r == ResultadoPaso::Hecho)
            r = manejador.ejecuta(nombre, [&] {
                EnviaArchivoTerminal(copia, t.terminal.rutaCompartida, t.huella, [&](const QString& huella) {
                    diario::anotaHuellaEnvio(id, t.terminal.ID_Terminal, huella, folio);
                });
            });
        if (r != ResultadoPaso::Hecho) {
            diario::anotaErrorEnvio(id, t.terminal.ID_Terminal, manejador.ultimoMotivo());
            EscribeBitacora(QStringLiteral("No se envió la base de datos a ") + nombre + QStringLiteral(": ") + manejador.ultimoMotivo());
            completo = false;
            continue;
        }
        puntofalla::pasa(QStringLiteral("envio:renombrado"));
        diario::anotaEnvio(id, t.terminal.ID_Terminal);
    }
    return completo;
}

} // namespace findia
