#include "foundation/cipher/contrasena.h"

#include "foundation/cipher/ansi.h"
#include "foundation/cipher/cipher_error.h"
#include "foundation/cipher/clsrc4.h"
#include "platform/keys/clsclaves.h"

namespace {

void requireKey(const QString& clave)
{
    if (clave.isEmpty())
        throw CipherError(CipherError::InvalidArgument, QStringLiteral("Empty key for the password cipher"));
}

} // namespace

bool ContrasenaGuardable(const QString& password)
{
    const QString mayusculas = password.toUpper();
    return fromAnsi(toAnsi(mayusculas)) == mayusculas;
}

QString ContrasenaNoGuardable()
{
    return QStringLiteral("La contraseña lleva caracteres que el sistema no puede guardar.");
}

QString CifraContrasena(const QString& password, const QString& clave)
{
    requireKey(clave);
    clsRC4 rc4;
    return rc4.EncryptString(password, clave, true);
}

QString DescifraContrasena(const QString& stored, const QString& clave)
{
    requireKey(clave);
    clsRC4 rc4;
    rc4.Key(clave);
    return rc4.DecryptString(stored, QString(), true);
}

QString CifraContrasena(const QString& password)
{
    return CifraContrasena(password, g_ClsClaves.ClaveCifrado());
}

QString DescifraContrasena(const QString& stored)
{
    return DescifraContrasena(stored, g_ClsClaves.ClaveCifrado());
}
