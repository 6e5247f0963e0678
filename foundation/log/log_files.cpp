#include "foundation/log/log_files.h"

#include "platform/clock/clock.h"
#include "platform/paths/paths.h"
#include "platform/ui/msgbox.h"

#include <QDir>
#include <QFileInfo>

#include <optional>

namespace logfiles {

namespace {

const QChar kBackslash = QLatin1Char('\\');

QString descriptionOf(int number)
{
    switch (number) {
    case kFileExists: return QStringLiteral("El archivo ya existe");
    case kDiskFull: return QStringLiteral("Disco lleno");
    case kPermissionDenied: return QStringLiteral("Permiso denegado");
    case kPathFileAccess: return QStringLiteral("Error de acceso a la ruta o el archivo");
    case kPathNotFound: return QStringLiteral("No se ha encontrado la ruta de acceso");
    default: return QStringLiteral("Error de E/S de dispositivo");
    }
}

FileFailure failure(int number, const QString& reason = QString())
{
    // For an error without a message of its own, the system's reason is the useful part.
    if (number == kDeviceError && !reason.isEmpty())
        return {number, reason};
    return {number, descriptionOf(number)};
}

// The failure shared by open and rename, read from the target's place on disk.
std::optional<int> placeFailure(const QString& localPath)
{
    const QFileInfo info(localPath);
    if (localPath.isEmpty() || info.isDir())
        return kPathFileAccess;
    if (!QFileInfo(info.absolutePath()).isDir())
        return kPathNotFound;
    if (!QFileInfo(info.absolutePath()).isWritable())
        return kPermissionDenied;
    return std::nullopt;
}

// Where a path stands before its first level: the drive, the current drive or the program's folder.
QString rootOf(const QString& windowsPath)
{
    if (windowsPath.size() >= 2 && windowsPath.at(1) == QLatin1Char(':'))
        return windowsPath.left(2) + kBackslash;
    if (windowsPath.startsWith(kBackslash))
        return QString(kBackslash);
    return QString();
}

// "\\host" and "\\host\share" are the network's, not ours to create.
bool isServerOrShare(const QString& level)
{
    return level.startsWith(QStringLiteral("\\\\")) && level.count(kBackslash) <= 3;
}

bool ensureLevel(const QString& level, bool network)
{
    const QString local = paths::toLocal(level);
    const QFileInfo info(local);
    if (info.isDir())
        return true;
    if (info.exists() || (network && isServerOrShare(level)))
        return false;
    return QDir().mkdir(local);
}

FailureReporter& reporter()
{
    static FailureReporter value;
    return value;
}

} // namespace

void setFailureReporter(FailureReporter value)
{
    reporter() = std::move(value);
}

FailureReporter failureReporter()
{
    return reporter();
}

FileFailure openFailure(const QFile& file)
{
    if (const auto number = placeFailure(file.fileName()))
        return failure(*number);
    // The file is there but will not open for writing: read-only, or held by someone else.
    if (QFileInfo::exists(file.fileName()) || file.error() == QFileDevice::PermissionsError)
        return failure(kPermissionDenied);
    return failure(kDeviceError, file.errorString());
}

FileFailure writeFailure(const QFile& file)
{
    if (file.error() == QFileDevice::ResourceError)
        return failure(kDiskFull);
    return failure(kDeviceError, file.errorString());
}

FileFailure renameFailure(const QFile& file, const QString& target)
{
    if (!target.isEmpty() && QFileInfo::exists(target))
        return failure(kFileExists);
    if (const auto number = placeFailure(target))
        return failure(*number);
    return failure(kDeviceError, file.errorString());
}

bool createWindowsPath(const QString& windowsPath)
{
    if (windowsPath.isEmpty())
        return false;
    const bool network = windowsPath.startsWith(QStringLiteral("\\\\"));
    // A drive always exists on the original system; here its folder may still be missing.
    if (!network && !QDir().mkpath(paths::toLocal(rootOf(windowsPath))))
        return false;

    qsizetype pos = windowsPath.contains(QLatin1Char(':')) ? 3 : network ? 2 : 0;
    do {
        qsizetype end = windowsPath.indexOf(kBackslash, pos);
        if (end < 0)
            end = windowsPath.size();
        const QString level = windowsPath.left(end);
        if (!level.isEmpty() && !ensureLevel(level, network))
            return false;
        pos = end + 1;
    } while (pos < windowsPath.size());

    return QFileInfo(paths::toLocal(windowsPath)).isDir();
}

std::unique_ptr<QFile> openDailyFile(const QString& windowsFolder, const QString& stem)
{
    const QString logFolder = windowsFolder + QStringLiteral("\\log");
    if (!QFileInfo(paths::toLocal(logFolder + kBackslash)).isDir() && !createWindowsPath(logFolder)) {
        const QString text = QStringLiteral("Error en bitacora al crear el directorio ") + logFolder + QStringLiteral(" !");
        if (reporter())
            reporter()(text);
        else
            ui::msgBox(text, ui::Critical, QString());
    }
    // The stem starts with "/", so the file lies in the folder itself, beside "log".
    const QString name = windowsFolder + kBackslash + stem
        + appclock::now().toString(QStringLiteral("ddMMyyyy")) + QStringLiteral(".log");
    auto file = std::make_unique<QFile>(paths::toLocal(name));
    file->open(QIODevice::Append);
    return file;
}

bool writeDailyLine(QFile& file, const QString& message)
{
    // Day-first date and 24-hour time, then " - ": plain to read and to sort within a day.
    const QString line = appclock::now().toString(QStringLiteral("dd/MM/yyyy HH:mm:ss"))
        + QStringLiteral(" - ") + message + QStringLiteral("\r\n");
    if (file.isOpen() && file.write(line.toUtf8()) >= 0 && file.flush())
        return true;
    if (reporter()) {
        const FileFailure why = file.isOpen() ? writeFailure(file) : openFailure(file);
        reporter()(QStringLiteral("No se pudo escribir la bitácora ") + file.fileName() + QStringLiteral(": ")
                   + why.description);
    }
    return false;
}

} // namespace logfiles
