#include "foundation/routines/nombre_terminal.h"

namespace {

const QString kProhibidos = QStringLiteral("\\/:*?\"<>|");

bool caracterValido(QChar c)
{
    return c.unicode() >= 0x20 && c.unicode() != 0x7f && c.category() != QChar::Other_Control
           && !kProhibidos.contains(c);
}

} // namespace

QString MotivoNombreTerminal(const QString& nombre)
{
    if (nombre.trimmed().isEmpty())
        return QStringLiteral("El nombre de la terminal está vacío");
    bool valido = !nombre.contains(QLatin1String("..")) && nombre.trimmed() != QLatin1String(".");
    for (const QChar c : nombre)
        valido = valido && caracterValido(c);
    if (valido)
        return QString();
    return QStringLiteral("El nombre de la terminal no es un nombre de equipo válido (no puede llevar "
                          "\\ / : * ? \" < > | ni \"..\", ni ser \".\"): ")
           + nombre;
}
