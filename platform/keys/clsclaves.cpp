#include "platform/keys/clsclaves.h"

#include "platform/keys/key_file_error.h"
#include "platform/paths/paths.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

ClsClaves g_ClsClaves;

namespace {

const QString kClaveCifrado = QStringLiteral("ClaveCifrado");
const QString kUsuarioTerminal = QStringLiteral("UsuarioTerminal");
const QString kContrasenaTerminal = QStringLiteral("ContrasenaTerminal");

QString randomText(int length)
{
    static const char kChars[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
    QString text;
    for (int i = 0; i < length; ++i)
        text += QLatin1Char(kChars[QRandomGenerator::system()->bounded(62)]);
    return text;
}

QByteArray freshContents()
{
    const QString text = QStringLiteral("[Claves]\n") +
        kClaveCifrado + QLatin1Char('=') + randomText(32) + QLatin1Char('\n') +
        kUsuarioTerminal + QStringLiteral("=zorva_") + randomText(10).toLower() + QLatin1Char('\n') +
        kContrasenaTerminal + QLatin1Char('=') + randomText(24) + QLatin1Char('\n');
    return text.toUtf8();
}

bool writeAll(int fd, const QByteArray& bytes)
{
    qsizetype done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.constData() + done, static_cast<size_t>(bytes.size() - done));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        done += n;
    }
    return true;
}

bool fail(QString* error, const QString& message)
{
    if (error)
        *error = message;
    return false;
}

} // namespace

QString ClsClaves::RutaArchivo()
{
    return paths::dataRoot() + QStringLiteral("/claves.ini");
}

bool ClsClaves::ExisteArchivo()
{
    return QFileInfo::exists(RutaArchivo());
}

QString ClsClaves::value(const QString& name)
{
    const QString path = RutaArchivo();
    if (!QFileInfo::exists(path))
        throw KeyFileError(path, QStringLiteral("No existe el archivo de claves ") + path);
    QFile file(path);
    if (!QFileInfo(path).isFile() || !file.open(QIODevice::ReadOnly))
        throw KeyFileError(path, QStringLiteral("No se puede leer el archivo de claves ") + path);
    const QString prefix = name + QLatin1Char('=');
    for (const QString& line : QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'))) {
        const QString trimmed = line.trimmed();
        if (trimmed.startsWith(prefix)) {
            const QString found = trimmed.mid(prefix.size()).trimmed();
            if (!found.isEmpty())
                return found;
        }
    }
    throw KeyFileError(path, QStringLiteral("El archivo de claves ") + path +
                                 QStringLiteral(" no tiene el valor ") + name);
}

QString ClsClaves::ClaveCifrado() const
{
    return value(kClaveCifrado);
}

QString ClsClaves::UsuarioTerminal() const
{
    return value(kUsuarioTerminal);
}

QString ClsClaves::ContrasenaTerminal() const
{
    return value(kContrasenaTerminal);
}

QString ClsClaves::Verificacion() const
{
    const QByteArray text = QByteArrayLiteral("ZORVA claves\n") + ClaveCifrado().toUtf8();
    return QString::fromLatin1(QCryptographicHash::hash(text, QCryptographicHash::Sha256).toHex());
}

bool ClsClaves::CreaArchivo(QString* error)
{
    const QString path = RutaArchivo();
    const QString cannot = QStringLiteral("No se pudo crear el archivo de claves ") + path + QStringLiteral(": ");
    if (QFileInfo::exists(path))
        return fail(error, QStringLiteral("El archivo de claves ") + path + QStringLiteral(" ya existe"));
    const QString folder = QFileInfo(path).absolutePath();
    if (!QDir().mkpath(folder))
        return fail(error, cannot + QStringLiteral("no se pudo crear la carpeta ") + folder);

    // Written in full under a temporary name, then linked into place: no reader ever sees half a
    // file, and link() refuses atomically when another set-up got there first.
    QByteArray temp = QFile::encodeName(folder + QStringLiteral("/.claves-XXXXXX"));
    const int fd = ::mkstemp(temp.data());
    if (fd < 0)
        return fail(error, cannot + QString::fromLocal8Bit(std::strerror(errno)));
    const bool written = ::fchmod(fd, S_IRUSR | S_IWUSR) == 0 && writeAll(fd, freshContents()) && ::fsync(fd) == 0;
    const int writeErrno = errno;
    ::close(fd);
    if (!written) {
        ::unlink(temp.constData());
        return fail(error, cannot + QString::fromLocal8Bit(std::strerror(writeErrno)));
    }
    const int linked = ::link(temp.constData(), QFile::encodeName(path).constData());
    const int linkErrno = errno;
    ::unlink(temp.constData());
    if (linked != 0) {
        if (linkErrno == EEXIST)
            return fail(error, QStringLiteral("El archivo de claves ") + path + QStringLiteral(" ya existe"));
        return fail(error, cannot + QString::fromLocal8Bit(std::strerror(linkErrno)));
    }
    if (const int dir = ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY); dir >= 0) {
        ::fsync(dir);
        ::close(dir);
    }
    return true;
}
