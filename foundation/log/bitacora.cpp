#include "foundation/log/bitacora.h"

#include "foundation/log/log_files.h"

namespace {

QString& stem()
{
    static QString value;
    return value;
}

} // namespace

bool EscribeBitacora(const QString& PsMensaje)
{
    const std::unique_ptr<QFile> file = AbreBitacora();
    return logfiles::writeDailyLine(*file, PsMensaje);
}

std::unique_ptr<QFile> AbreBitacora()
{
    if (stem().isEmpty())
        stem() = QStringLiteral("/ZorvaComTra");
    return logfiles::openDailyFile(QStringLiteral("C:\\plimo"), stem());
}

bool Crea_Directorio(const QString& psDirectorio)
{
    return logfiles::createWindowsPath(psDirectorio);
}
