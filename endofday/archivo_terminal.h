#pragma once

#include "foundation/routines/nombre_terminal.h"

#include <QString>

#include <functional>

// The terminal database files: where they are, and the copies in both directions (copia_archivo.h:
// no reader ever sees half a file). Nothing on a share is trusted: no link is followed, on the
// way to the database or in its place, and only a plain file of its own is read. Every failure is
// a thrown FallaPaso with the file error numbers (52, 53, 70, 75, 76) and a description that says
// why.
namespace findia {

inline constexpr const char* kArchivoTerminal = "Zorva_Terminal.mdb";
inline constexpr const char* kPlantilla = "Plantilla.mdb";

// How long a file in use is waited for, and the pause between tries: one place for both, which
// tests shorten.
struct EsperaArchivo {
    int totalMs = 60000;
    int pausaMs = 500;
};
EsperaArchivo& esperaArchivo();

// Why DIRTERMBD cannot name the folder inside the shares ("" when it can): it may be empty or hold
// folders joined by "\", none of them empty, "." or "..", and no "/" or ":".
QString MotivoDirTermBD(const QString& dirTermBD);

// "\\name\dir\Zorva_Terminal.mdb", on this machine.
QString RutaCompartida(const QString& nombre, const QString& dirTermBD);
// The program's folder + name: where the terminal's fetched copy lives.
QString CarpetaLocalTerminal(const QString& nombre);

// Fetches the terminal's database from its share into carpetaLocal under the file's lock and
// returns the SHA-256 digest (hex) of the copy taken; "" when the share holds no database (the
// local folder is still made). A database that a writer holds, or that has a hot journal or a WAL
// file with changes, is in use (70); a link, anything but a plain file, or an empty file is
// refused (75).
QString TraeBaseTerminal(const QString& rutaCompartida, const QString& carpetaLocal);

// The digest of the database on a share, read without following a link; "" when there is none or
// it cannot be read.
QString HuellaCompartida(const QString& rutaCompartida);

// Copies Plantilla.mdb over Zorva_Terminal.mdb in the program's folder (53 when the template is
// missing) and returns that folder.
QString CopiaPlantilla();

// Sends the template copy to the terminal's share. The database there is replaced only while no
// one holds it, and only when it is the one fetched (huellaTraida; "" when there was none): a
// database changed since holds sales that are not central yet. antesDeRenombrar receives the
// digest of the file about to take the database's place, just before it does.
void EnviaArchivoTerminal(const QString& copiaPlantilla, const QString& rutaCompartida, const QString& huellaTraida,
                          const std::function<void(const QString& huella)>& antesDeRenombrar = {});

} // namespace findia
