#include "schema/key_file_check.h"

#include "platform/keys/clsclaves.h"

namespace schema {

KeyFileMatch matchKeyFile(adodb::Connection& connection)
{
    const QString propia = g_ClsClaves.Verificacion();
    const adodb::Recordset rs = connection.execute(QStringLiteral("SELECT Digest FROM KeyFileCheck WHERE Id = 1"));
    if (rs.isNull() || rs.eof())
        return KeyFileMatch::NotRecorded;
    return rs.field(0).text() == propia ? KeyFileMatch::Matches : KeyFileMatch::Differs;
}

void recordKeyFile(adodb::Connection& connection)
{
    connection.executeBound(QStringLiteral("INSERT OR IGNORE INTO KeyFileCheck (Id, Digest) VALUES (1, ?)"),
                            {g_ClsClaves.Verificacion()});
}

QString keyFileOfAnotherDatabase()
{
    return QStringLiteral("El archivo de claves %1 no pertenece a esta base de datos: con él no se puede comprobar "
                          "ninguna contraseña. Ponga en su lugar el archivo de claves de esta instalación (el de "
                          "sus copias de seguridad); no se modificó nada.")
        .arg(ClsClaves::RutaArchivo());
}

} // namespace schema
