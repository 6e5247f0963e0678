#include "endofday/copia_archivo.h"

#include "endofday/falla_paso.h"
#include "endofday/punto_falla.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>

#include <openssl/evp.h>

#include <cerrno>
#include <cstring>
#include <dirent.h>
#include <csignal>
#include <fcntl.h>
#include <unistd.h>

namespace findia {

namespace {

// Leftovers of a copy that was killed halfway are removed when the process that wrote them is gone,
// or once they are this old: by then no run can still be writing them.
constexpr qint64 kTemporalViejoSegundos = 3600;

// SHA-256 of bytes given in pieces, through the machine's SHA instructions where it has them: the
// run takes the digest of every database it fetches and of every one it replaces.
class Sha256 {
public:
    Sha256() : m_ctx(EVP_MD_CTX_new()) { EVP_DigestInit_ex(m_ctx, EVP_sha256(), nullptr); }
    ~Sha256() { EVP_MD_CTX_free(m_ctx); }
    Sha256(const Sha256&) = delete;
    Sha256& operator=(const Sha256&) = delete;

    void agrega(const char* datos, qsizetype tam) { EVP_DigestUpdate(m_ctx, datos, size_t(tam)); }
    QString hex()
    {
        unsigned char md[EVP_MAX_MD_SIZE];
        unsigned int tam = 0;
        EVP_DigestFinal_ex(m_ctx, md, &tam);
        return QString::fromLatin1(QByteArray(reinterpret_cast<const char*>(md), int(tam)).toHex());
    }

private:
    EVP_MD_CTX* m_ctx;
};

QByteArray nombreC(const QString& nombre)
{
    return QFile::encodeName(nombre);
}

QString razon(int codigo)
{
    switch (codigo) {
    case EACCES:
    case EPERM: return QStringLiteral("permiso denegado");
    case EISDIR: return QStringLiteral("es una carpeta");
    case EROFS: return QStringLiteral("el sistema de archivos es de solo lectura");
    case EIO: return QStringLiteral("error de E/S del dispositivo");
    case EEXIST: return QStringLiteral("ya existe");
    case EBUSY: return QStringLiteral("está en uso");
    default: return QString::fromLocal8Bit(std::strerror(codigo));
    }
}

[[noreturn]] void fallaPorErrno(int codigo, const QString& ruta)
{
    switch (codigo) {
    case ENOENT:
    case ENOTDIR:
        throw FallaPaso(FallaPaso::RutaNoEncontrada, QStringLiteral("No se encontró la ruta de acceso ") + ruta);
    case ENOSPC:
    case EDQUOT:
    case EFBIG:
        throw FallaPaso(FallaPaso::ErrorAcceso, QStringLiteral("Disco lleno al escribir ") + ruta);
    case ELOOP:
        throw FallaPaso(FallaPaso::ErrorAcceso, QStringLiteral("Es un enlace simbólico: ") + ruta);
    default:
        throw FallaPaso(FallaPaso::ErrorAcceso, QStringLiteral("Error de acceso a la ruta o el archivo ") + ruta + QStringLiteral(": ")
                                                    + razon(codigo));
    }
}

QString prefijoTemporal(const QString& nombre)
{
    return QLatin1Char('.') + nombre + QLatin1Char('.');
}

QString nombreTemporal(const QString& nombre)
{
    return prefijoTemporal(nombre) + QString::number(::getpid()) + QLatin1Char('-')
           + QString::number(QRandomGenerator::system()->generate(), 16) + QStringLiteral(".tmp");
}

// Whether the leftover named for process pid ("<prefix><pid>-<random>.tmp") may still be written.
bool escritorVivo(const QString& nombre, const QString& prefijo)
{
    bool ok = false;
    const qint64 pid = nombre.mid(prefijo.size()).section(QLatin1Char('-'), 0, 0).toLongLong(&ok);
    return ok && pid > 0 && (::kill(pid_t(pid), 0) == 0 || errno == EPERM);
}

// Removes the leftovers of killed copies of nombre in the folder.
void quitaTemporalesViejos(const CarpetaAbierta& carpeta, const QString& nombre)
{
    const int fd = ::dup(carpeta.fd());
    if (fd < 0)
        return;
    DIR* dir = ::fdopendir(fd);
    if (!dir) {
        ::close(fd);
        return;
    }
    const QString prefijo = prefijoTemporal(nombre);
    const qint64 limite = QDateTime::currentSecsSinceEpoch() - kTemporalViejoSegundos;
    while (const dirent* e = ::readdir(dir)) {
        const QString n = QFile::decodeName(e->d_name);
        struct stat st;
        if (n.startsWith(prefijo) && n.endsWith(QLatin1String(".tmp")) && carpeta.estado(n, st) && S_ISREG(st.st_mode)
            && (st.st_mtime < limite || !escritorVivo(n, prefijo)))
            ::unlinkat(carpeta.fd(), e->d_name, 0);
    }
    ::closedir(dir);
}

// Tells the named points of a test where a file is being written, before and after.
class PuntosEscritura {
public:
    explicit PuntosEscritura(const QString& ruta) : m_ruta(ruta) { puntofalla::pasa(QStringLiteral("escribe:") + m_ruta); }
    ~PuntosEscritura()
    {
        try {
            puntofalla::pasa(QStringLiteral("escrito:") + m_ruta);
        } catch (...) {
        }
    }
    PuntosEscritura(const PuntosEscritura&) = delete;
    PuntosEscritura& operator=(const PuntosEscritura&) = delete;

private:
    QString m_ruta;
};

void escribeTodo(int fd, const char* datos, qsizetype tam, const QString& ruta)
{
    while (tam > 0) {
        const ssize_t n = ::write(fd, datos, size_t(tam));
        if (n < 0) {
            if (errno == EINTR)
                continue;
            fallaPorErrno(errno, ruta);
        }
        datos += n;
        tam -= n;
    }
}

} // namespace

CarpetaAbierta CarpetaAbierta::abre(const QString& ruta)
{
    const int fd = ::open(nombreC(ruta).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        fallaPorErrno(errno, ruta);
    return CarpetaAbierta(fd, ruta);
}

CarpetaAbierta CarpetaAbierta::abreDebajo(const QString& raiz, const QString& relativa)
{
    CarpetaAbierta actual = abre(raiz);
    QString ruta = raiz;
    for (const QString& nivel : relativa.split(QLatin1Char('/'), Qt::SkipEmptyParts)) {
        ruta = QDir(ruta).filePath(nivel);
        const int fd = ::openat(actual.fd(), nombreC(nivel).constData(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
        if (fd < 0) {
            struct stat st;
            const bool hay = actual.estado(nivel, st);
            if (hay && S_ISLNK(st.st_mode))
                throw FallaPaso(FallaPaso::ErrorAcceso, QStringLiteral("La carpeta compartida es un enlace simbólico: ") + ruta);
            if (hay && !S_ISDIR(st.st_mode))
                throw FallaPaso(FallaPaso::ErrorAcceso, QStringLiteral("No es una carpeta: ") + ruta);
            fallaPorErrno(errno, ruta);
        }
        actual = CarpetaAbierta(fd, ruta);
    }
    return actual;
}

CarpetaAbierta::CarpetaAbierta(CarpetaAbierta&& otra) noexcept
    : m_fd(otra.m_fd), m_ruta(std::move(otra.m_ruta))
{
    otra.m_fd = -1;
}

CarpetaAbierta& CarpetaAbierta::operator=(CarpetaAbierta&& otra) noexcept
{
    if (this != &otra) {
        if (m_fd >= 0)
            ::close(m_fd);
        m_fd = otra.m_fd;
        m_ruta = std::move(otra.m_ruta);
        otra.m_fd = -1;
    }
    return *this;
}

CarpetaAbierta::~CarpetaAbierta()
{
    if (m_fd >= 0)
        ::close(m_fd);
}

QString CarpetaAbierta::rutaDe(const QString& nombre) const
{
    return QDir(m_ruta).filePath(nombre);
}

bool CarpetaAbierta::estado(const QString& nombre, struct stat& st) const
{
    return ::fstatat(m_fd, nombreC(nombre).constData(), &st, AT_SYMLINK_NOFOLLOW) == 0;
}

int CarpetaAbierta::abreParaLeer(const QString& nombre) const
{
    // Non-blocking, so that a pipe in the file's place cannot hold the run.
    const int fd = ::openat(m_fd, nombreC(nombre).constData(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        if (errno == ELOOP)
            throw FallaPaso(FallaPaso::ErrorAcceso, QStringLiteral("La base de la terminal es un enlace simbólico: ") + rutaDe(nombre));
        fallaPorErrno(errno, rutaDe(nombre));
    }
    struct stat st;
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        ::close(fd);
        throw FallaPaso(FallaPaso::ErrorAcceso, QStringLiteral("No es un archivo: ") + rutaDe(nombre));
    }
    ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    return fd;
}

QString HuellaDescriptor(int fd)
{
    Sha256 huella;
    QByteArray bloque(1 << 20, Qt::Uninitialized);
    for (off_t pos = 0;;) {
        const ssize_t n = ::pread(fd, bloque.data(), size_t(bloque.size()), pos);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return QString();
        }
        if (n == 0)
            break;
        huella.agrega(bloque.constData(), n);
        pos += n;
    }
    return huella.hex();
}

QString CopiaEnCarpeta(int fdOrigen, const CarpetaAbierta& destino, const QString& nombre, mode_t modo,
                       const std::function<void(const QString&)>& antesDeRenombrar)
{
    const QString ruta = destino.rutaDe(nombre);
    const PuntosEscritura puntos(ruta);
    quitaTemporalesViejos(destino, nombre);
    const QByteArray temporal = nombreC(nombreTemporal(nombre));
    const int salida = ::openat(destino.fd(), temporal.constData(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, modo);
    if (salida < 0)
        fallaPorErrno(errno, ruta);
    Sha256 huella;
    try {
        // The mode asked for, whatever the umask.
        ::fchmod(salida, modo);
        QByteArray bloque(1 << 20, Qt::Uninitialized);
        for (off_t pos = 0;;) {
            const ssize_t n = ::pread(fdOrigen, bloque.data(), size_t(bloque.size()), pos);
            if (n < 0 && errno == EINTR)
                continue;
            if (n < 0)
                throw FallaPaso(FallaPaso::ErrorAcceso, QStringLiteral("No se pudo leer el archivo que se copiaba a ") + ruta);
            if (n == 0)
                break;
            huella.agrega(bloque.constData(), n);
            escribeTodo(salida, bloque.constData(), n, ruta);
            pos += n;
        }
        if (::fsync(salida) != 0)
            fallaPorErrno(errno, ruta);
        if (::close(salida) != 0) {
            const int codigo = errno;
            ::unlinkat(destino.fd(), temporal.constData(), 0);
            fallaPorErrno(codigo, ruta);
        }
    } catch (...) {
        ::close(salida);
        ::unlinkat(destino.fd(), temporal.constData(), 0);
        throw;
    }
    const QString escrita = huella.hex();
    try {
        if (antesDeRenombrar)
            antesDeRenombrar(escrita);
        if (::renameat(destino.fd(), temporal.constData(), destino.fd(), nombreC(nombre).constData()) != 0)
            fallaPorErrno(errno, ruta);
    } catch (...) {
        ::unlinkat(destino.fd(), temporal.constData(), 0);
        throw;
    }
    if (::fsync(destino.fd()) != 0)
        fallaPorErrno(errno, destino.ruta());
    return escrita;
}

QString CopiaArchivoLocal(const QString& origen, const QString& destino)
{
    const int fd = ::open(nombreC(origen).constData(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        if (errno == ENOENT)
            throw FallaPaso(FallaPaso::ArchivoNoEncontrado, QStringLiteral("No se encontró el archivo ") + origen);
        fallaPorErrno(errno, origen);
    }
    try {
        const QFileInfo info(destino);
        const QString copia = CopiaEnCarpeta(fd, CarpetaAbierta::abre(info.absolutePath()), info.fileName(), 0600);
        ::close(fd);
        return copia;
    } catch (...) {
        ::close(fd);
        throw;
    }
}

} // namespace findia
