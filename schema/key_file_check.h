#pragma once

#include "platform/adodb/adodb.h"

#include <QString>

// The database keeps the check value of the key file whose cipher key enciphered its passwords
// (table KeyFileCheck), so that another installation's key file is told apart before anybody logs
// in: under it no right password would decipher, and every one would count as a failure.
namespace schema {

enum class KeyFileMatch {
    Matches,
    Differs,
    NotRecorded,  // the database was set up or upgraded without a key file
};

// Compares the key file's check value with the database's. Raises KeyFileError when the key file
// cannot give its key, adodb::ComError when the database cannot be read.
KeyFileMatch matchKeyFile(adodb::Connection& connection);

// Keeps the key file's check value in a database that has none; a recorded value is never
// replaced. Raises as matchKeyFile does, or adodb::ComError when the row cannot be written.
void recordKeyFile(adodb::Connection& connection);

// What the user is told when the key file belongs to another database.
QString keyFileOfAnotherDatabase();

} // namespace schema
