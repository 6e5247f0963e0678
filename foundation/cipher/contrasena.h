#pragma once

#include <QString>

// The stored form of an employee's password (Empleado.Contraseña), which the terminals read too:
// the Base64 text of the RC4 cipher of the password's Windows-1252 bytes, keyed with ClaveCifrado,
// the keystream started afresh for every password. Equal passwords therefore give equal stored
// text. Case is kept as given: the password boxes upper-case what is typed.

// Whether the stored form keeps every character of the password, in capitals as it is typed: a
// character that Windows-1252 lacks would be stored as "?" and could never be typed back.
bool ContrasenaGuardable(const QString& password);
// What a password box says of a password that is not.
QString ContrasenaNoGuardable();

// Key from g_ClsClaves.ClaveCifrado(); throws KeyFileError when the key file cannot give it.
QString CifraContrasena(const QString& password);
QString DescifraContrasena(const QString& stored);

// With the key given. An empty key throws CipherError: it would leave the password readable.
// DescifraContrasena also throws CipherError for a stored text with nothing to decode ("==").
QString CifraContrasena(const QString& password, const QString& clave);
QString DescifraContrasena(const QString& stored, const QString& clave);
