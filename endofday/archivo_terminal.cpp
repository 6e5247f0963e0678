#include "endofday/archivo_terminal.h"
#include "endofday/punto_falla.h"

#include "endofday/copia_archivo.h"
#include "endofday/falla_paso.h"
#include "platform/paths/paths.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <sqlite3.h>

#include <memory>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace findia {

namespace {

const QString kNombreTerminal = QLatin1String(kArchivoTerminal);

[[noreturn]] void falla(int numero)
{
    throw FallaPaso::conNumero(numero);
}

// Holds the lock of a terminal database while it is copied or replaced: no writer can then be in
// the middle of a change. A database held by a writer is in use. A file that is no database has no
// writer and is copied as it is.
class BloqueoBase {
public:
    explicit BloqueoBase(const QString& ruta)
    {
        const QByteArray nombre = QFile::encodeName(ruta);
        const bool escribible = QFileInfo(ruta).isWritable();
        int rc = sqlite3_open_v2(nombre.constData(), &m_db,
                                 (escribible ? SQLITE_OPEN_READWRITE : SQLITE_OPEN_READONLY) | SQLITE_OPEN_NOFOLLOW, nullptr);
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

// The folder of a terminal's database on its share, reached from the shares root without
// following any link.
CarpetaAbierta carpetaCompartida(const QString& rutaCompartida)
{
    const QString raiz = paths::sharesRoot();
    const QString relativa = QDir(raiz).relativeFilePath(QFileInfo(rutaCompartida).absolutePath());
    if (relativa.startsWith(QLatin1String("..")) || QDir::isAbsolutePath(relativa))
        throw FallaPaso(FallaPaso::NombreIncorrecto, QStringLiteral("La ruta no está en las carpetas compartidas: ") + rutaCompartida);
    return CarpetaAbierta::abreDebajo(raiz, relativa);
}

// What the share holds in the database's place, and beside it, allows it to be read: a plain file
// of its own (no link, no second name), not empty, with no change of a writer pending in a journal
// or a WAL file.
void compruebaArchivoCompartido(const CarpetaAbierta& carpeta, const struct stat& st)
{
    const QString ruta = carpeta.rutaDe(kNombreTerminal);
    if (S_ISLNK(st.st_mode))
        throw FallaPaso(FallaPaso::ErrorAcceso, QStringLiteral("La base de la terminal es un enlace simbólico: ") + ruta);
    if (!S_ISREG(st.st_mode))
        throw FallaPaso(FallaPaso::ErrorAcceso, QStringLiteral("La base de la terminal no es un archivo: ") + ruta);
    if (st.st_nlink > 1)
        throw FallaPaso(FallaPaso::ErrorAcceso, QStringLiteral("La base de la terminal tiene otro nombre (un enlace): ") + ruta);
    if (st.st_size == 0)
        throw FallaPaso(FallaPaso::ErrorAcceso, QStringLiteral("La base de datos de la terminal está vacía: ") + ruta);
    for (const char* sufijo : {"-journal", "-wal"}) {
        struct stat junto;
        if (!carpeta.estado(kNombreTerminal + QLatin1String(sufijo), junto))
            continue;
        if (!S_ISREG(junto.st_mode))
            throw FallaPaso(FallaPaso::ErrorAcceso, QStringLiteral("No es un archivo: ") + ruta + QLatin1String(sufijo));
        // A change that its next opener would roll back or still has to write into the database.
        if (junto.st_size > 0)
            falla(FallaPaso::PermisoDenegado);
    }
}

bool mismoArchivo(const struct stat& a, const struct stat& b)
{
    return a.st_dev == b.st_dev && a.st_ino == b.st_ino && a.st_size == b.st_size && a.st_mtim.tv_sec == b.st_mtim.tv_sec
           && a.st_mtim.tv_nsec == b.st_mtim.tv_nsec;
}

// A descriptor closed on every way out.
class Descriptor {
public:
    explicit Descriptor(int fd) : m_fd(fd) {}
    ~Descriptor() { ::close(m_fd); }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    int fd() const { return m_fd; }

private:
    int m_fd;
};

const QString kCambio = QStringLiteral("La base de la terminal cambió después de recogerla");

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
    const CarpetaAbierta carpeta = carpetaCompartida(rutaCompartida);
    struct stat st;
    if (!carpeta.estado(kNombreTerminal, st))
        return QString();
    compruebaArchivoCompartido(carpeta, st);
    const BloqueoBase bloqueo(carpeta.rutaDe(kNombreTerminal));
    // A journal that appeared meanwhile would have been rolled back by the lock's connection.
    compruebaArchivoCompartido(carpeta, st);
    const Descriptor archivo(carpeta.abreParaLeer(kNombreTerminal));
    struct stat abierto;
    if (::fstat(archivo.fd(), &abierto) != 0 || !mismoArchivo(st, abierto))
        falla(FallaPaso::PermisoDenegado);
    return CopiaEnCarpeta(archivo.fd(), CarpetaAbierta::abre(carpetaLocal), kNombreTerminal, 0600);
}

QString HuellaCompartida(const QString& rutaCompartida)
{
    try {
        const CarpetaAbierta carpeta = carpetaCompartida(rutaCompartida);
        struct stat st;
        if (!carpeta.estado(kNombreTerminal, st))
            return QString();
        const Descriptor archivo(carpeta.abreParaLeer(kNombreTerminal));
        return HuellaDescriptor(archivo.fd());
    } catch (const FallaPaso&) {
        return QString();
    }
}

QString CopiaPlantilla()
{
    const QString carpeta = paths::appFolder();
    const QString plantilla = QDir(carpeta).filePath(QLatin1String(kPlantilla));
    if (!QFileInfo(plantilla).isFile())
        throw FallaPaso(FallaPaso::ArchivoNoEncontrado, QStringLiteral("No se encontró el archivo ") + QLatin1String(kPlantilla));
    CopiaArchivoLocal(plantilla, QDir(carpeta).filePath(kNombreTerminal));
    return carpeta;
}

void EnviaArchivoTerminal(const QString& copiaPlantilla, const QString& rutaCompartida, const QString& huellaTraida,
                          const std::function<void(const QString&)>& antesDeRenombrar)
{
    const CarpetaAbierta carpeta = carpetaCompartida(rutaCompartida);
    struct stat antes;
    const bool existe = carpeta.estado(kNombreTerminal, antes);
    if (existe) {
        compruebaArchivoCompartido(carpeta, antes);
        // The digest is read before the lock is taken: closing any other descriptor of the file
        // would drop the lock. Size and time, which need no descriptor, show a change in between.
        const Descriptor actual(carpeta.abreParaLeer(kNombreTerminal));
        if (HuellaDescriptor(actual.fd()) != huellaTraida)
            throw FallaPaso(FallaPaso::ErrorAcceso, kCambio);
    }
    const int fd = ::open(QFile::encodeName(copiaPlantilla).constData(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        throw FallaPaso(FallaPaso::ArchivoNoEncontrado, QStringLiteral("No se encontró el archivo ") + copiaPlantilla);
    const Descriptor origen(fd);
    std::unique_ptr<BloqueoBase> bloqueo;
    const mode_t modo = existe ? (antes.st_mode & 07777) : 0644;
    CopiaEnCarpeta(origen.fd(), carpeta, kNombreTerminal, modo, [&](const QString& huella) {
        puntofalla::pasa(QStringLiteral("envio:temporal"));
        if (existe) {
            bloqueo = std::make_unique<BloqueoBase>(carpeta.rutaDe(kNombreTerminal));
            struct stat ahora;
            if (!carpeta.estado(kNombreTerminal, ahora) || !mismoArchivo(antes, ahora))
                throw FallaPaso(FallaPaso::ErrorAcceso, kCambio);
            compruebaArchivoCompartido(carpeta, ahora);
        }
        if (antesDeRenombrar)
            antesDeRenombrar(huella);
    });
}

} // namespace findia
