#pragma once

#include "endofday/falla_paso.h"

#include <QString>
#include <QStringList>
#include <QVariant>
#include <QtGlobal>

#include <memory>

namespace adodb {
class Connection;
}

// The steps that measure, reconcile and collect each terminal's sales and build the terminal
// database. The run (fin_dia.*) calls them; it owns the journal, the files, the temporary tables,
// the transactions and the error handling around them.
//
// What the run guarantees and expects:
//  - Central work goes through the gateway (g_ClsAdo()); a terminal file is opened with
//    CadenaConexionTerminal(folder) (conexion_terminal.h), one at a time, and closed before the
//    step returns, also when it throws.
//  - A failure is a thrown FallaPaso (or adodb::ComError from the data layer). While measuring,
//    any failure is asked about like a communication failure (Abort, Retry, Ignore): Ignore skips
//    the terminal and the run deletes its rows from the temporary tables. Elsewhere a FallaPaso
//    numbered 52, 75 or 76 is collected for the closing box, 70 is retried, anything else ends the
//    run (the journal lets the next start finish it).
//  - The temporary tables "#Tmp_Conciliacion" and "#Tmp_Conciliacion_Montos" exist, empty, on the
//    gateway connection from before the first measure until after the last collection, with the
//    columns of the reconciliation (ID_Terminal, Nombre_Term, RegistrosPXC ... RegistrosA;
//    ID_Terminal, Nombre_Term, TotalPXC ... TotalIXC).
//  - The fetched copy in terminal.carpetaLocal is the one taken in this run: the run checked its
//    digest against the journal just before each call that reads it.
//  - RecogeVentasTerminal runs inside a transaction that the run began on the gateway connection:
//    it must neither begin, commit nor roll back one. The run writes the terminal's journal row in
//    the same transaction and commits both, so a terminal is collected exactly once. CbNoMensaje is
//    true while it runs.
//  - The template copy (Zorva_Terminal.mdb in carpetaPlantilla) was just copied from Plantilla.mdb
//    by the run when ArmaBaseTerminal is called; after each PreparaBaseTerminal the run copies it to
//    that terminal's share.
namespace findia {

// What the run knows of itself.
struct CorridaFinDia {
    qint64 idCorrida = 0;   // EndOfDayRun.RunId
    QString fechaAnterior;  // "ddmmyyyy": the working date being closed
    QString fechaNueva;     // "ddmmyyyy": the working date after the run
    QString dirTermBD;      // DIRTERMBD, already checked
};

// One terminal of the run, fixed in the journal when the run started.
struct TerminalFinDia {
    qint64 ID_Terminal = 0;
    QString Nombre_Terminal;  // checked: usable as a folder name
    QVariant ID_Menu;         // null when the terminal has no menu
    QString carpetaLocal;     // <data root>/<name>, holding the fetched copy Zorva_Terminal.mdb
    QString rutaCompartida;   // the terminal's database on its share (local path)
};

// The difference flags of the reconciliation, named by their measure.
struct BanderasDiferencia {
    bool Cmd = false, Cta = false, PXC = false, A = false, Ct = false, IXC = false, M = false, P = false;
};

struct ResultadoRecoleccion {
    int insertadas = 0;
    int actualizadas = 0;
    int rechazadas = 0;
    QStringList rechazos;  // one line per refused row: table, key and the reason
};

// Measures the fetched copy, writes the terminal's row into each temporary table and returns the
// measures as text for the journal.
QString MideVentasTerminal(const CorridaFinDia& corrida, const TerminalFinDia& terminal);

// The reconciliation of one run: made once after the fetch loop, before any collection, it takes
// the central figures of the closing date; Compara gives a measured terminal's flags from its rows
// in the temporary tables.
class ConciliacionFinDia {
public:
    explicit ConciliacionFinDia(const CorridaFinDia& corrida);
    ~ConciliacionFinDia();
    ConciliacionFinDia(const ConciliacionFinDia&) = delete;
    ConciliacionFinDia& operator=(const ConciliacionFinDia&) = delete;

    BanderasDiferencia Compara(const TerminalFinDia& terminal) const;

private:
    struct Cifras;
    std::unique_ptr<Cifras> m_cifras;
};

// Brings the flagged tables of the terminal's copy into the central database.
ResultadoRecoleccion RecogeVentasTerminal(const CorridaFinDia& corrida, const TerminalFinDia& terminal,
                                          const BanderasDiferencia& banderas);

// The template copy (Zorva_Terminal.mdb in carpeta) open for the build. It is scratch work, made
// again by every run: nothing waits for the disk while it is written; the push flushes each copy
// it sends.
adodb::Connection AbrePlantilla(const QString& carpeta);

// Fills the template copy open on plantilla with the central catalogs, in one transaction; returns
// the catalog rows it refused, one line each.
QStringList ArmaBaseTerminal(const CorridaFinDia& corrida, adodb::Connection& plantilla);

// Before the template copy goes to a terminal, in one transaction: the menu work when the
// terminal's menu differs from menuAnterior (null before the first terminal of the push loop),
// then its terminal number and item folio. Returns the item folio written, which the journal keeps.
qint64 PreparaBaseTerminal(const CorridaFinDia& corrida, const TerminalFinDia& terminal, const QVariant& menuAnterior,
                           adodb::Connection& plantilla);

// False while placeholder steps are linked: the menu item and the command-line switch stay closed,
// since a run that collects nothing would then replace the terminals' sales.
bool PasosFinDiaListos();

} // namespace findia
