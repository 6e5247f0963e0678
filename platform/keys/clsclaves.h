#pragma once

#include <QString>

// The system's three secrets: the key of the employee-password cipher and the user and password of
// the terminal databases. They live in the key file <data root>/claves.ini, readable only by its
// owner, written once with random values when the first database is set up. Stored passwords and
// terminal databases depend on the values, so the file is never rewritten.
//
// Every read goes to the file. A missing, unreadable or incomplete file throws KeyFileError
// (platform/keys/key_file_error.h); a read never returns an empty value.
class ClsClaves {
public:
    QString ClaveCifrado() const;
    QString UsuarioTerminal() const;
    QString ContrasenaTerminal() const;

    // The check value of the cipher key: a digest from which the key cannot be read back, kept in
    // the database to tell whether this key file is the one its passwords were enciphered with.
    QString Verificacion() const;

    // <data root>/claves.ini
    static QString RutaArchivo();
    static bool ExisteArchivo();

    // Creates the key file with fresh random values (letters and digits only, so they can go
    // unquoted into connection strings), mode 0600. Refuses, returning false, when the file exists:
    // a set-up that finds one keeps it. On failure *error (when given) holds the Spanish reason.
    static bool CreaArchivo(QString* error = nullptr);

private:
    static QString value(const QString& name);
};

extern ClsClaves g_ClsClaves;
