#include "schema/instalacion.h"

#include "foundation/cipher/cipher_error.h"
#include "foundation/cipher/contrasena.h"
#include "foundation/routines/zorva_funciones.h"
#include "platform/adodb/adodb.h"
#include "platform/clock/clock.h"
#include "platform/keys/clsclaves.h"
#include "platform/keys/key_file_error.h"
#include "platform/paths/paths.h"
#include "schema/key_file_check.h"
#include "schema/schema.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <cstdio>
#include <unistd.h>

namespace schema {

namespace {

constexpr int kLargoUsuario = 25;

bool falla(QString* error, const QString& motivo)
{
    if (error)
        *error = motivo;
    return false;
}

// The server and the database name travel in a connection string, where these mark its parts.
bool cabeEnCadenaConexion(const QString& nombre)
{
    return !nombre.contains(QLatin1Char(';')) && !nombre.contains(QLatin1Char('{')) && !nombre.contains(QLatin1Char('}'));
}

// What the login and the employees window could not work with later.
QString revisaDatos(const QString& servidor, const QString& baseDatos, const QString& usuario, const QString& contrasena)
{
    if (baseDatos.trimmed().isEmpty())
        return QStringLiteral("Falta el nombre de la base de datos.");
    if (baseDatos.contains(QLatin1Char('/')) || baseDatos.contains(QLatin1Char('\\')))
        return QStringLiteral("El nombre de la base de datos no puede llevar carpetas: %1").arg(baseDatos);
    if (!cabeEnCadenaConexion(baseDatos))
        return QStringLiteral("El nombre de la base de datos no puede llevar ; { ni }: %1").arg(baseDatos);
    if (!cabeEnCadenaConexion(servidor))
        return QStringLiteral("El servidor no puede llevar ; { ni }: %1").arg(servidor);
    if (usuario.isEmpty())
        return QStringLiteral("Falta el usuario del administrador.");
    for (const QChar c : usuario) {
        if (c.isSpace())
            return QStringLiteral("El usuario no puede llevar espacios.");
    }
    if (usuario.size() > kLargoUsuario)
        return QStringLiteral("El usuario no puede pasar de %1 caracteres.").arg(kLargoUsuario);
    if (contrasena.isEmpty())
        return QStringLiteral("Falta la contraseña del administrador.");
    if (!ContrasenaGuardable(contrasena))
        return ContrasenaNoGuardable();
    return QString();
}

void escribeBase(const QString& ruta, const QString& usuario, const QString& contrasena)
{
    adodb::Connection conexion;
    conexion.openFile(ruta, true, true);
    createCentral(conexion, appclock::now().date());
    const QString cifrada = CifraContrasena(contrasena);
    conexion.beginTrans();
    try {
        conexion.execute(QStringLiteral(
            "INSERT INTO Empleado (ID_Empleado, Usuario, Nombre_Empleado, Apellido_Paterno, Apellido_Materno, "
            "Contraseña, Tarjeta_magnetica, Estado_Empleado, Intentos, Admin_Usuarios, Id_Terminal) "
            "VALUES (1, '%1', 'ADMINISTRADOR', 'DEL', 'SISTEMA', '%2', 0, 'A', 0, 1, 0);"
            "INSERT INTO EmpleadosXGrupo (ID_Empleado, ID_Grupo_Trabajo) "
            "SELECT 1, ID_Grupo_Trabajo FROM Grupo_Trabajo WHERE Nombre_Grupo_Trabajo='ADMINISTRADORES';")
                             .arg(DuplicaComillas(usuario), DuplicaComillas(cifrada)));
        recordKeyFile(conexion);
        conexion.commitTrans();
    } catch (...) {
        conexion.rollbackTrans();
        throw;
    }
    conexion.close();
}

void borraBase(const QString& ruta)
{
    for (const char* resto : {"", "-wal", "-shm", "-journal"})
        QFile::remove(ruta + QLatin1String(resto));
}

// Puts the finished database under its name unless a file of that name appeared meanwhile: a
// hard link never replaces a file.
bool colocaBase(const QString& temporal, const QString& ruta)
{
    const QByteArray desde = QFile::encodeName(temporal);
    const QByteArray hacia = QFile::encodeName(ruta);
    if (::link(desde.constData(), hacia.constData()) == 0)
        return true;
    if (errno == EEXIST)
        return false;
    // A file system without hard links.
    return !QFileInfo::exists(ruta) && std::rename(desde.constData(), hacia.constData()) == 0;
}

// The folders that a set-up made, so that a failed one leaves none behind.
class CarpetasNuevas {
public:
    bool crea(const QString& carpeta)
    {
        QStringList faltan;
        for (QString c = QDir::cleanPath(QDir(carpeta).absolutePath()); !QFileInfo::exists(c);
             c = QFileInfo(c).absolutePath()) {
            faltan.prepend(c);
            if (c == QFileInfo(c).absolutePath())
                break;
        }
        for (const QString& c : faltan) {
            if (!QDir().mkdir(c))
                return false;
            m_hechas.prepend(c);
        }
        return true;
    }
    // The deepest first; one that holds anything not made here stays.
    void quita()
    {
        for (const QString& c : m_hechas)
            QDir().rmdir(c);
        m_hechas.clear();
    }

private:
    QStringList m_hechas;
};

} // namespace

QString rutaBaseCentral(const QString& servidor, const QString& baseDatos)
{
    return adodb::centralDatabasePath(servidor, baseDatos);
}

bool creaInstalacion(const QString& servidor, const QString& baseDatos, const QString& usuario,
                     const QString& contrasena, QString* error)
{
    const QString usuarioMayusculas = usuario.trimmed().toUpper();
    const QString contrasenaMayusculas = contrasena.toUpper();
    QString motivo = revisaDatos(servidor, baseDatos, usuarioMayusculas, contrasena);
    if (!motivo.isEmpty())
        return falla(error, motivo);

    const QString ruta = rutaBaseCentral(servidor, baseDatos);
    const QString yaExiste = QStringLiteral("La base de datos %1 ya existe; no se modificó nada.").arg(ruta);
    if (QFileInfo::exists(ruta))
        return falla(error, yaExiste);
    CarpetasNuevas carpetas;
    if (!carpetas.crea(QFileInfo(ruta).absolutePath()) || !carpetas.crea(paths::dataRoot())) {
        carpetas.quita();
        return falla(error, QStringLiteral("No se puede crear la carpeta %1.").arg(QFileInfo(ruta).absolutePath()));
    }

    const bool creaClaves = !ClsClaves::ExisteArchivo();
    if (creaClaves && !ClsClaves::CreaArchivo(&motivo)) {
        carpetas.quita();
        return falla(error, motivo);
    }
    const QString plantilla = terminalTemplatePath();
    const bool creaPlantilla = !QFileInfo::exists(plantilla);
    const QString temporal = ruta + QStringLiteral(".nuevo");
    borraBase(temporal);

    bool colocada = false;
    try {
        escribeBase(temporal, usuarioMayusculas, contrasenaMayusculas);
        if (creaPlantilla) {
            QDir().mkpath(paths::appFolder());
            createTerminalTemplate(plantilla);
        }
        colocada = colocaBase(temporal, ruta);
        if (!colocada)
            motivo = yaExiste;
    } catch (const adodb::ComError& e) {
        motivo = QStringLiteral("No se pudo crear la base de datos: ") + e.description();
    } catch (const KeyFileError& e) {
        motivo = e.message();
    } catch (const CipherError& e) {
        motivo = QStringLiteral("No se pudo cifrar la contraseña: ") + e.description();
    }
    borraBase(temporal);
    if (colocada)
        return true;
    // Nothing of this attempt stays behind.
    if (creaPlantilla)
        QFile::remove(plantilla);
    if (creaClaves)
        QFile::remove(ClsClaves::RutaArchivo());
    carpetas.quita();
    return falla(error, motivo);
}

} // namespace schema
