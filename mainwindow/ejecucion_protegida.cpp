#include "mainwindow/ejecucion_protegida.h"

#include "foundation/log/cls_bitacora.h"

#include <exception>

void EjecutaProtegido(const QString& comando, const std::function<void()>& accion)
{
    try {
        accion();
    } catch (const std::exception& e) {
        g_ClsBitacora().Manda_Log(QStringLiteral("Error en "), comando, QStringLiteral(": "),
                                  QString::fromLocal8Bit(e.what()));
    } catch (...) {
        g_ClsBitacora().Manda_Log(QStringLiteral("Error en "), comando);
    }
}
