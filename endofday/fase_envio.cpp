#include "endofday/archivo_terminal.h"
#include "endofday/corrida_fin_dia.h"

#include <QDir>

namespace findia {

void FaseEnvio(EstadoCorrida& e)
{
    const qint64 id = e.corrida.idCorrida;
    ManejadorFinDia& manejador = e.manejador;
    const QString plantilla = QLatin1String(kPlantilla);

    // Without a fresh template copy nothing is sent: the one a former run left would go out.
    QString carpeta;
    if (manejador.ejecuta(plantilla, [&] { carpeta = CopiaPlantilla(); }) != ResultadoPaso::Hecho)
        return;
    if (manejador.ejecuta(plantilla, [&] { ArmaBaseTerminal(e.corrida, carpeta); }) != ResultadoPaso::Hecho)
        return;
    const QString copia = QDir(carpeta).filePath(QLatin1String(kArchivoTerminal));

    QVariant menuAnterior;
    for (const TerminalDiario& t : diario::terminales(e.corrida, true)) {
        // Collected, or without a database to lose; a skipped terminal keeps its sales.
        if (t.estado != QLatin1String(kRecogidaTerminal) && t.estado != QLatin1String(kAusente))
            continue;
        const QString nombre = t.terminal.Nombre_Terminal;
        qint64 folio = 0;
        ResultadoPaso r = manejador.ejecuta(nombre, [&] {
            folio = PreparaBaseTerminal(e.corrida, t.terminal, menuAnterior, carpeta);
        });
        menuAnterior = t.terminal.ID_Menu;
        if (r == ResultadoPaso::Hecho)
            r = manejador.ejecuta(nombre, [&] { EnviaArchivoTerminal(copia, t.terminal.rutaCompartida, t.huella); });
        if (r == ResultadoPaso::Hecho)
            diario::anotaEnvio(id, t.terminal.ID_Terminal, folio);
        else
            diario::anotaError(id, t.terminal.ID_Terminal, manejador.ultimoMotivo());
    }
}

} // namespace findia
