#include "endofday/archivo_terminal.h"
#include "endofday/punto_falla.h"

#include "endofday/falla_paso.h"
#include "platform/paths/paths.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <sqlite3.h>

#include <cerrno>
#include <memory>
#include <cstdio>
#include <fcntl.h>
#include <unistd.h>

namespace findia {

namespace {

const QString kTemporal = QStringLiteral(".Zorva_Terminal.mdb.tmp");

[[noreturn]] void falla(int numero)
{
    throw FallaPaso::conNumero(numero);
}

int numeroPorErrno(int codigo)
{
    return codigo == ENOENT || codigo == ENOTDIR ? FallaPaso::RutaNoEncontrada : FallaPaso::ErrorAcceso;
}

void sincronizaCarpeta(const QString& carpeta)
{
    const int fd = ::open(QFile::encodeName(carpeta).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        falla(numeroPorErrno(errno));
    const bool hecho = ::fsync(fd) == 0;
    ::close(fd);
    if (!hecho)
        falla(FallaPaso::ErrorAcceso);
}

// A folder that must be there: 76 when it is not, 75 when it cannot be entered.
void exigeCarpeta(const QString& carpeta)
{
    const QFileInfo info(carpeta);
    if (!info.exists() || !info.isDir())
        falla(FallaPaso::RutaNoEncontrada);
    if (!info.isReadable() || !info.isExecutable())
        falla(FallaPaso::ErrorAcceso);
}

// Writes origen's bytes to a temporary name in destino's folder, flushes it and renames it over
// destino; returns the digest of the bytes written. alRenombrar runs just before the rename.
template <typename Antes>
QString copiaSegura(const QString& origen, const QString& destino, Antes alRenombrar)
{
    const QString carpeta = QFileInfo(destino).absolutePath();
    const QString temporal = QDir(carpeta).filePath(kTemporal);
    QFile entrada(origen);
    if (!entrada.open(QIODevice::ReadOnly))
        falla(entrada.exists() ? FallaPaso::ErrorAcceso : FallaPaso::ArchivoNoEncontrado);
    QFile salida(temporal);
    if (!salida.open(QIODevice::WriteOnly | QIODevice::Truncate))
        falla(numeroPorErrno(errno ? errno : EACCES));
    QCryptographicHash huella(QCryptographicHash::Sha256);
    try {
        while (!entrada.atEnd()) {
            const QByteArray bloque = entrada.read(1 << 20);
            if (bloque.isEmpty() && entrada.error() != QFileDevice::NoError)
                falla(FallaPaso::ErrorAcceso);
            huella.addData(bloque);
            if (salida.write(bloque) != bloque.size())
                falla(FallaPaso::ErrorAcceso);
        }
        if (!salida.flush() || ::fsync(salida.handle()) != 0)
            falla(FallaPaso::ErrorAcceso);
        salida.close();
        entrada.close();
        alRenombrar();
        if (std::rename(QFile::encodeName(temporal).constData(), QFile::encodeName(destino).constData()) != 0)
            falla(numeroPorErrno(errno));
        sincronizaCarpeta(carpeta);
    } catch (...) {
        salida.close();
        QFile::remove(temporal);
        throw;
    }
    return QString::fromLatin1(huella.result().toHex());
}

// Holds the lock of a terminal database while it is copied or replaced: no writer can then be in
// the middle of a change. A database held by a writer, or left with a hot journal (a change that
// its next opener would roll back), is in use. A file that is no database has no writer and is
// copied as it is.
class BloqueoBase {
public:
    explicit BloqueoBase(const QString& ruta)
    {
        const QFileInfo diario(ruta + QStringLiteral("-journal"));
        if (diario.exists() && diario.size() > 0)
            falla(FallaPaso::PermisoDenegado);
        const QByteArray nombre = QFile::encodeName(ruta);
        const bool escribible = QFileInfo(ruta).isWritable();
        int rc = sqlite3_open_v2(nombre.constData(), &m_db,
                                 escribible ? SQLITE_OPEN_READWRITE : SQLITE_OPEN_READONLY, nullptr);
        if (rc != SQLITE_OK)
            return;
        sqlite3_busy_timeout(m_db, 0);
        // A writer holds RESERVED or more: BEGIN IMMEDIATE is then refused at once. Read-only, a
        // shared lock keeps any writer from changing the file while it is read.
        rc = sqlite3_exec(m_db, escribible ? "BEGIN IMMEDIATE" : "BEGIN; SELECT COUNT(*) FROM sqlite_master",
                          nullptr, nullptr, nullptr);
        if ((rc & 0xFF) == SQLITE_BUSY || (rc & 0xFF) == SQLITE_LOCKED) {
            cierra();
            falla(FallaPaso::PermisoDenegado);
        }
        // A hot journal that appeared meanwhile would make this connection roll it back.
        if (diario.exists() && QFileInfo(diario.filePath()).size() > 0) {
            cierra();
            falla(FallaPaso::PermisoDenegado);
        }
    }
    ~BloqueoBase() { cierra(); }
    BloqueoBase(const BloqueoBase&) = delete;
    BloqueoBase& operator=(const BloqueoBase&) = delete;

private:
    void cierra()
    {
        if (m_db) {
            sqlite3_exec(m_db, "ROLLBACK", nullptr, nullptr, nullptr);
            sqlite3_close_v2(m_db);
            m_db = nullptr;
        }
    }
    sqlite3* m_db = nullptr;
};

} // namespace

EsperaArchivo& esperaArchivo()
{
    static EsperaArchivo espera;
    return espera;
}

QString MotivoDirTermBD(const QString& dirTermBD)
{
    if (dirTermBD.isEmpty())
        return QString();
    const QString motivo = QStringLiteral("La carpeta de las bases de las terminales (DIRTERMBD) no es válida: ") + dirTermBD;
    if (dirTermBD.contains(QLatin1Char('/')) || dirTermBD.contains(QLatin1Char(':')))
        return motivo;
    for (const QString& parte : dirTermBD.split(QLatin1Char('\\')))
        if (parte.trimmed().isEmpty() || parte == QLatin1String(".") || parte == QLatin1String(".."))
            return motivo;
    return QString();
}

QString RutaCompartida(const QString& nombre, const QString& dirTermBD)
{
    return paths::toLocal(QStringLiteral("\\\\") + nombre + QLatin1Char('\\') + dirTermBD + QLatin1Char('\\')
                          + QLatin1String(kArchivoTerminal));
}

QString CarpetaLocalTerminal(const QString& nombre)
{
    return QDir(paths::appFolder()).filePath(nombre);
}

QString TraeBaseTerminal(const QString& rutaCompartida, const QString& carpetaLocal)
{
    if (!QDir().mkpath(carpetaLocal))
        falla(FallaPaso::ErrorAcceso);
    const QFileInfo compartida(rutaCompartida);
    exigeCarpeta(compartida.absolutePath());
    if (!compartida.exists() || !compartida.isFile() || compartida.isHidden())
        return QString();
    if (!compartida.isReadable())
        falla(FallaPaso::ErrorAcceso);
    BloqueoBase bloqueo(rutaCompartida);
    return copiaSegura(rutaCompartida, QDir(carpetaLocal).filePath(QLatin1String(kArchivoTerminal)), [] {});
}

QString HuellaArchivo(const QString& ruta)
{
    QFile archivo(ruta);
    if (!archivo.open(QIODevice::ReadOnly))
        return QString();
    QCryptographicHash huella(QCryptographicHash::Sha256);
    if (!huella.addData(&archivo))
        return QString();
    return QString::fromLatin1(huella.result().toHex());
}

QString CopiaPlantilla()
{
    const QString carpeta = paths::appFolder();
    const QString plantilla = QDir(carpeta).filePath(QLatin1String(kPlantilla));
    if (!QFileInfo(plantilla).isFile())
        throw FallaPaso(FallaPaso::ArchivoNoEncontrado, QStringLiteral("No se encontró el archivo ") + QLatin1String(kPlantilla));
    copiaSegura(plantilla, QDir(carpeta).filePath(QLatin1String(kArchivoTerminal)), [] {});
    return carpeta;
}

void EnviaArchivoTerminal(const QString& copiaPlantilla, const QString& rutaCompartida, const QString& huellaTraida)
{
    exigeCarpeta(QFileInfo(rutaCompartida).absolutePath());
    // The digest is read before the lock is taken: closing any other descriptor of the file would
    // drop the lock. Size and time, which need no descriptor, show a change in between.
    const QFileInfo antes(rutaCompartida);
    const bool existe = antes.exists();
    const QString huella = existe ? HuellaArchivo(rutaCompartida) : QString();
    if (existe && huella != huellaTraida)
        throw FallaPaso(FallaPaso::ErrorAcceso, QStringLiteral("La base de la terminal cambió después de recogerla"));
    std::unique_ptr<BloqueoBase> bloqueo;
    copiaSegura(copiaPlantilla, rutaCompartida, [&] {
        puntofalla::pasa(QStringLiteral("envio:temporal"));
        if (!existe)
            return;
        bloqueo = std::make_unique<BloqueoBase>(rutaCompartida);
        const QFileInfo ahora(rutaCompartida);
        if (!ahora.exists() || ahora.size() != antes.size() || ahora.lastModified() != antes.lastModified())
            throw FallaPaso(FallaPaso::ErrorAcceso, QStringLiteral("La base de la terminal cambió después de recogerla"));
    });
}

} // namespace findia
