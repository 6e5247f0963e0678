#pragma once

#include <QString>

// The end-of-day run. It keeps a journal so that a run stopped at any point is finished by the
// next start rather than repeated: the working date advances once, when every terminal's sales
// are central; a terminal is collected once and sent its new database once; a terminal whose
// database was not taken is never sent one.
namespace findia {

struct OpcionesFinDia {
    bool confirma = true;        // ask "¿Desea cerrar el día ...?" first
    bool punteroEspera = true;   // hourglass while it works
    QString usuario;             // who runs it, for the journal
};

enum class DesenlaceFinDia {
    Terminado,   // "Proceso terminado"
    Cancelado,   // the confirmation was answered No
    NoIniciado,  // another run holds the lock, or the parameters refuse it
    Abortado,    // Abort on a terminal; the next start resumes it
    Fallido,     // a failure ended it; the next start resumes it
};

struct ResultadoFinDia {
    DesenlaceFinDia desenlace = DesenlaceFinDia::NoIniciado;
    // Every terminal of the run collected (or without database) and sent its new database, no
    // row refused, nothing collected for the closing box, and the terminals restarted.
    bool limpio = false;
};

ResultadoFinDia EjecutaFinDia(const OpcionesFinDia& opciones);

} // namespace findia

// "&Fin día": the run with its confirmation, for the logged-in user.
void mnuUtlProcFin_Click();
