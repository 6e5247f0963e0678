#include "foundation/log/cls_bitacora.h"

#include "foundation/log/log_files.h"
#include "platform/clock/clock.h"
#include "platform/paths/paths.h"
#include "platform/ui/msgbox.h"
#include "zorva_version.h"

#include <QCoreApplication>
#include <QFileInfo>

namespace {

const QChar kTab = QLatin1Char('\t');
const QString kCaptionErrorLog = QStringLiteral("Error_Log");

QString executableName()
{
    if (QCoreApplication::instance()) {
        const QString name = QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName();
        if (!name.isEmpty())
            return name;
    }
    return QStringLiteral("zorva_servidor");
}

QString programVersion()
{
    return QStringLiteral(ZORVA_VERSION_TEXT);
}

QString defaultLogFile(const QString& program)
{
    return paths::appFolder() + QLatin1Char('/') + program + QStringLiteral(".log");
}

QString textOf(const QVariant& value)
{
    switch (value.typeId()) {
    case QMetaType::Bool:
        return value.toBool() ? QStringLiteral("True") : QStringLiteral("False");
    case QMetaType::QDateTime:
        return value.toDateTime().toString(QStringLiteral("dd/MM/yyyy HH:mm:ss"));
    default:
        return value.toString();
    }
}

} // namespace

ClsBitacora::ClsBitacora()
    : sArchivoLog(defaultLogFile(executableName()))
    , sSistema(executableName())
    , sPrograma(executableName())
    , sVersion(programVersion())
    , sUsuario(paths::loginName())
{
    Respalda();
}

void ClsBitacora::inciar_log(const LogStartArgs& args)
{
    sPrograma = args.PPrograma.value_or(executableName());
    sArchivoLog = args.PArchivoLog.value_or(defaultLogFile(sPrograma));
    sSistema = args.PSistema.value_or(sPrograma);
    sVersion = args.PVersion.value_or(programVersion());
    sUsuario = args.PUsuario.value_or(paths::loginName());
    bCrearArchivo = args.PCrearArchivo.value_or(true);
    bMsgBox = args.PMsgBox.value_or(true);
    bArchivo = args.Parchivo.value_or(true);
    bDebug = args.PDebug.value_or(true);
    sUsuarioApp = args.PUsuarioApp.value_or(QStringLiteral("Desconocido"));

    if (bCrearArchivo) {
        BorraArchivo(sArchivoLog);
        Manda_Log(QStringLiteral("Iniciando"), QStringLiteral("...Log Iniciado..."));
    }
    Respalda();
}

bool ClsBitacora::Mandar_Log(const QString& PsMensaje)
{
    const std::unique_ptr<QFile> file = AbreLogDiario();
    return logfiles::writeDailyLine(*file, PsMensaje);
}

bool ClsBitacora::CrearDirectorio(const QString& psDirectorio)
{
    return logfiles::createWindowsPath(psDirectorio);
}

void ClsBitacora::Manda_Log(const QVariantList& Pargs)
{
    if (bArchivo || bMsgBox)
        escribeLinea(Pargs);
}

void ClsBitacora::escribeLinea(const QVariantList& valores)
{
    QFile file(paths::toLocal(sArchivoLog));
    if (bArchivo && !file.open(QIODevice::Append)) {
        const logfiles::FileFailure failure = logfiles::openFailure(file);
        // A file held or locked by someone else: the line is dropped without a word.
        if (failure.number != logfiles::kPermissionDenied)
            MuestraErrorLog(failure.number, failure.description);
        return;
    }

    const QString line = componeLinea(valores);
    if (bArchivo) {
        if (file.write((line + QStringLiteral("\r\n")).toUtf8()) < 0 || !file.flush()) {
            const logfiles::FileFailure failure = logfiles::writeFailure(file);
            MuestraErrorLog(failure.number, failure.description);
            return;
        }
        file.close();
    }
    if (bMsgBox)
        ui::msgBox(line, ui::OkOnly, QString());
}

QString ClsBitacora::componeLinea(const QVariantList& valores) const
{
    QString line = appclock::now().toString(QStringLiteral("dd-MM-yy HH:mm:ss"));
    line += kTab + sPrograma + kTab + QLatin1Char('V') + sVersion + kTab + sUsuario + kTab
        + sUsuarioApp + kTab;
    for (const QVariant& value : valores)
        line += textOf(value) + kTab;
    return line;
}

bool ClsBitacora::copia_log(const QString& psdestino)
{
    const QString source = paths::toLocal(sArchivoLog);
    if (!QFileInfo(source).isFile()) {
        ui::msgBox(QStringLiteral("No existe el archivo log a copiar"), ui::Critical,
                   QStringLiteral("Error Bitácora"));
        return false;
    }
    // A copy replaces the file it is copied onto; the caller learns of a failure by the result.
    const QString target = paths::toLocal(psdestino);
    if (QFileInfo(target).isFile())
        QFile::remove(target);
    return QFile::copy(source, target);
}

bool ClsBitacora::renombrar_log(const QString& psdestino)
{
    QFile file(paths::toLocal(sArchivoLog));
    if (!QFileInfo(file.fileName()).isFile()) {
        ui::msgBox(QStringLiteral("No existe el archivo log a renombrar"), ui::Critical,
                   kCaptionErrorLog);
        return false;
    }
    const QString target = paths::toLocal(psdestino);
    if (!file.rename(target)) {
        const logfiles::FileFailure failure = logfiles::renameFailure(file, target);
        MuestraErrorLog(failure.number, failure.description);
        return false;
    }
    return true;
}

void ClsBitacora::Respalda()
{
    m_respaldo = {sArchivoLog, sSistema, sPrograma, sVersion, sUsuario, bCrearArchivo, bMsgBox, bDebug};
}

void ClsBitacora::Restaura()
{
    sArchivoLog = m_respaldo.sArchivoLog;
    sSistema = m_respaldo.sSistema;
    sPrograma = m_respaldo.sPrograma;
    sVersion = m_respaldo.sVersion;
    sUsuario = m_respaldo.sUsuario;
    bCrearArchivo = m_respaldo.bCrearArchivo;
    bMsgBox = m_respaldo.bMsgBox;
    bDebug = m_respaldo.bDebug;
}

QString ClsBitacora::Despliega()
{
    QFile file(paths::toLocal(sArchivoLog));
    if (!QFileInfo(file.fileName()).isFile()) {
        ui::msgBox(QStringLiteral("No se encontro el archivo log"), ui::Critical, kCaptionErrorLog);
        return QString();
    }
    if (!file.open(QIODevice::ReadOnly))
        return QString();
    return QString::fromUtf8(file.readAll());
}

std::unique_ptr<QFile> ClsBitacora::AbreLogDiario()
{
    if (sArchivo.isEmpty())
        sArchivo = QStringLiteral("/ZorvaComTra");
    // No drive letter: the folder lies on the current drive.
    return logfiles::openDailyFile(QStringLiteral("\\plimo"), sArchivo);
}

void ClsBitacora::MuestraErrorLog(int numero, const QString& descripcion)
{
    switch (numero) {
    case logfiles::kFileExists:
        ui::msgBox(QStringLiteral("El archivo destino ya existe"), ui::Critical, kCaptionErrorLog);
        break;
    case logfiles::kPathFileAccess:
        ui::msgBox(QStringLiteral("Nombre del archivo log incorrecto"), ui::Critical, kCaptionErrorLog);
        break;
    case logfiles::kPathNotFound:
        ui::msgBox(QStringLiteral("Ruta del archivo log incorrecta"), ui::Critical, kCaptionErrorLog);
        break;
    default:
        ui::msgBox(QStringLiteral("error ") + QString::number(numero) + descripcion + QLatin1Char(' ')
                       + sPrograma,
                   ui::OkOnly, QString());
        break;
    }
}

bool ClsBitacora::BorraArchivo(const QString& psArchivo)
{
    const QString local = paths::toLocal(psArchivo);
    return QFileInfo(local).isFile() && QFile::remove(local);
}

ClsBitacora& g_ClsBitacora()
{
    static ClsBitacora instance;
    return instance;
}
