#pragma once

#include <QString>

// Where the end of day finds the terminal databases: the fetched copies and the template in the
// program's folder, the terminals' own files on their shares.
namespace rutas {

// <program folder>/<terminal>: the folder of the terminal's fetched copy.
QString carpetaTerminal(const QString& nombreTerminal);
// <program folder>/<terminal>/Zorva_Terminal.mdb
QString copiaTerminal(const QString& nombreTerminal);
// The terminal's own database on its share ("\\<terminal>\<dirTermBD>\Zorva_Terminal.mdb").
QString baseEnShare(const QString& nombreTerminal, const QString& dirTermBD);
// <program folder>/Plantilla.mdb and <program folder>/Zorva_Terminal.mdb
QString plantilla();
QString copiaPlantilla();

// The connection string with which a terminal database in folder is opened.
QString cadenaConexion(const QString& carpeta);

} // namespace rutas
