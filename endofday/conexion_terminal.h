#pragma once

#include <QString>

namespace findia {

// The connection string of the terminal database copy "Zorva_Terminal.mdb" in folder (a local
// folder: a terminal's folder under the data root, or the program's folder for the template copy),
// with the terminal databases' user and password from the key file, read afresh every time.
QString CadenaConexionTerminal(const QString& carpeta);

} // namespace findia
