#pragma once

#include "foundation/routines/nombre_terminal.h"

#include <QString>

// The terminal database files: where they are, and the copies in both directions. A copy is
// written under a temporary name in the destination's folder, flushed to disk with its folder,
// and renamed into place, so that no reader ever sees half a file. Every failure is a thrown
// FallaPaso with the file error numbers (52, 53, 70, 75, 76).
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
// local folder is still made). A database that a writer holds, or that has a hot journal, is in
// use (70).
QString TraeBaseTerminal(const QString& rutaCompartida, const QString& carpetaLocal);

// The digest of a file, "" when it cannot be read.
QString HuellaArchivo(const QString& ruta);

// Copies Plantilla.mdb over Zorva_Terminal.mdb in the program's folder (53 when the template is
// missing) and returns that folder.
QString CopiaPlantilla();

// Sends the template copy to the terminal's share. The database there is replaced only while no
// one holds it, and only when it is the one fetched (huellaTraida; "" when there was none): a
// database changed since holds sales that are not central yet.
void EnviaArchivoTerminal(const QString& copiaPlantilla, const QString& rutaCompartida, const QString& huellaTraida);

} // namespace findia
