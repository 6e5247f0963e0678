#pragma once

#include <QString>

// Setting up a new installation: the command "zorva_servidor --crear-base SERVIDOR BASE USUARIO
// CONTRASEÑA".
namespace schema {

// Where the program looks for central database `baseDatos` of server `servidor`: ".", "(local)"
// and "localhost" name the data root, any other word a folder; the file is baseDatos + ".db".
QString rutaBaseCentral(const QString& servidor, const QString& baseDatos);

// Creates central database `baseDatos` with its schema and starting rows, and a first
// administrator (`usuario`, upper-cased, in the work group that holds every permission) whose
// password is `contrasena` upper-cased, stored in the employee password format. Creates the key
// file when there is none and the terminal template Plantilla.mdb in the program's folder when there
// is none. Refuses an existing database. Either everything is written or nothing is: on false,
// *error (when given) holds the Spanish reason.
bool creaInstalacion(const QString& servidor, const QString& baseDatos, const QString& usuario,
                     const QString& contrasena, QString* error = nullptr);

} // namespace schema
