#include "endofday/manejador_fin_dia.h"

#include "endofday/archivo_terminal.h"
#include "endofday/falla_paso.h"
#include "platform/adodb/adodb.h"
#include "platform/keys/key_file_error.h"
#include "platform/ui/msgbox.h"

#include <QDeadlineTimer>
#include <QThread>

namespace findia {

void ManejadorFinDia::termina(long numero, const QString& descripcion)
{
    ui::msgBox(QString::number(numero) + QLatin1Char(' ') + descripcion);
    throw CorridaTerminada{};
}

void ManejadorFinDia::recoge(const QString& nombre, const QString& descripcion)
{
    m_errores += QStringLiteral("\r\n") + nombre + QLatin1Char(' ') + descripcion;
}

ResultadoPaso ManejadorFinDia::ejecuta(const QString& nombre, const std::function<void()>& paso, bool comoComunicacion)
{
    QDeadlineTimer espera(esperaArchivo().totalMs);
    for (;;) {
        FallaPaso falla(0, QString());
        try {
            try {
                paso();
                return ResultadoPaso::Hecho;
            } catch (const adodb::ComError& e) {
                if (!comoComunicacion)
                    termina(e.number(), e.description());
                falla = FallaPaso(FallaPaso::ErrorAcceso, e.description());
            } catch (const KeyFileError& e) {
                if (!comoComunicacion)
                    termina(FallaPaso::ErrorAcceso, e.message());
                falla = FallaPaso(FallaPaso::ErrorAcceso, e.message());
            }
        } catch (const FallaPaso& f) {
            falla = f;
        }
        m_motivo = falla.descripcion();

        if (falla.esEnUso()) {
            if (!espera.hasExpired()) {
                QThread::msleep(esperaArchivo().pausaMs);
                continue;
            }
            ui::msgBox(QStringLiteral("La terminal ") + nombre + QStringLiteral(" no se cerro"), ui::Critical);
            return ResultadoPaso::Omitido;
        }
        if (!falla.esComunicacion() && !comoComunicacion)
            termina(falla.numero(), falla.descripcion());
        if (modo == ModoManejador::Recogiendo)
            return ResultadoPaso::Omitido;
        switch (ui::msgBox(QStringLiteral("Falla de comunicación con ") + nombre, ui::AbortRetryIgnore | ui::Exclamation)) {
        case ui::Abort:
            ui::msgBox(QStringLiteral("Abortado"), ui::Information);
            return ResultadoPaso::Abortado;
        case ui::Retry:
            espera.setRemainingTime(esperaArchivo().totalMs);
            continue;
        default:
            return ResultadoPaso::Omitido;
        }
    }
}

} // namespace findia
