#include "endofday/fin_dia_entrada.h"

#include "endofday/fin_dia.h"
#include "endofday/pasos_fin_dia.h"
#include "foundation/database/cls_ado.h"
#include "foundation/forms/menu_commands.h"
#include "foundation/log/bitacora.h"
#include "foundation/log/cls_bitacora.h"
#include "foundation/log/log_files.h"
#include "platform/paths/paths.h"
#include "platform/ui/msgbox.h"
#include "schema/upgrade.h"
#include "zorva_version.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QSet>

#include <cstdio>

namespace {

void escribe(std::FILE* salida, const QString& texto)
{
    std::fputs((texto + QLatin1Char('\n')).toUtf8().constData(), salida);
    std::fflush(salida);
}

// A box becomes a line: information on salida, everything else on errores, and in the daily log.
ui::Answerer imprimeCajas(std::FILE* salida, std::FILE* errores)
{
    return [salida, errores](const ui::Box& caja) {
        QString texto = caja.text;
        texto.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
        escribe(caja.icon() == ui::Information ? salida : errores, texto);
        EscribeBitacora(QStringLiteral("Fin de día: ") + texto);
        if (caja.buttons() == ui::AbortRetryIgnore)
            return ui::Ignore;
        return ui::defaultAnswer(caja.style);
    };
}

// A log that cannot be written is said once on each stream (the one before the application exists
// and the run's are the same stderr); the log is never written about itself.
logfiles::FailureReporter dilaUnaVez(std::FILE* errores)
{
    return [errores](const QString& texto) {
        static QSet<std::FILE*> dicho;
        if (dicho.contains(errores))
            return;
        dicho.insert(errores);
        escribe(errores, texto);
    };
}

// Qt's notes go to the daily log; a note raised while one is written is dropped.
void notaQt(QtMsgType, const QMessageLogContext&, const QString& texto)
{
    static thread_local bool escribiendo = false;
    if (escribiendo)
        return;
    escribiendo = true;
    EscribeBitacora(QStringLiteral("Qt: ") + texto);
    escribiendo = false;
}

// The reporter the caller had, back on every way out.
class AvisosDeBitacora {
public:
    explicit AvisosDeBitacora(std::FILE* errores) : m_antes(logfiles::failureReporter())
    {
        logfiles::setFailureReporter(dilaUnaVez(errores));
    }
    ~AvisosDeBitacora() { logfiles::setFailureReporter(m_antes); }
    AvisosDeBitacora(const AvisosDeBitacora&) = delete;
    AvisosDeBitacora& operator=(const AvisosDeBitacora&) = delete;

private:
    logfiles::FailureReporter m_antes;
};

} // namespace

void PreparaFinDiaSinPantalla()
{
    logfiles::setFailureReporter(dilaUnaVez(stderr));
    qInstallMessageHandler(notaQt);
}

void registraFinDia()
{
    if (findia::PasosFinDiaListos())
        MenuCommands::add(QStringLiteral("mnuUtlProcFin"), mnuUtlProcFin_Click);
}

int FinDiaSinPantalla(const QStringList& argumentos)
{
    if (argumentos.size() != 4) {
        escribe(stderr, QStringLiteral("Uso: zorva_servidor --fin-dia SERVIDOR BASE"));
        return 2;
    }
    if (!findia::PasosFinDiaListos()) {
        escribe(stderr, QStringLiteral("El fin de día aún no puede recoger las ventas de las terminales."));
        return 1;
    }
    return CorreFinDiaSinPantalla(argumentos.at(2), argumentos.at(3), stdout, stderr);
}

int CorreFinDiaSinPantalla(const QString& servidor, const QString& base, std::FILE* salida, std::FILE* errores)
{
    const AvisosDeBitacora avisos(errores);
    ui::setAnswerer(imprimeCajas(salida, errores));
    g_ClsBitacora().inciar_log({.PArchivoLog = QStringLiteral("C:\\ZORVA.log"),
                                .PSistema = QStringLiteral("ZORVA"),
                                .PPrograma = QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName(),
                                .PVersion = QStringLiteral(ZORVA_VERSION_TEXT),
                                .PUsuario = paths::loginName(),
                                .PCrearArchivo = false,
                                .Parchivo = false,
                                .PMsgBox = false,
                                .PDebug = false});
    g_ClsAdo().CClsBitacora = &g_ClsBitacora();
    // The login's own database user.
    if (!g_ClsAdo().Conectar(servidor, base, QStringLiteral("vypjv_ok"), QStringLiteral("quorma3048"))) {
        escribe(errores, QStringLiteral("No es posible validar la seguridad, favor de contactar al administrador"));
        ui::clearAnswerer();
        return 1;
    }
    // As the login does: an older database is brought up to date first, a newer one refused.
    QString nota;
    const QString motivo = schema::bringUpToDate(g_ClsAdo().conexion(), &nota);
    if (!nota.isEmpty())
        g_ClsBitacora().Mandar_Log(nota);
    if (!motivo.isEmpty()) {
        g_ClsBitacora().Mandar_Log(motivo);
        escribe(errores, motivo);
        g_ClsAdo().Cerrar();
        ui::clearAnswerer();
        return 1;
    }
    findia::OpcionesFinDia opciones;
    opciones.confirma = false;
    opciones.punteroEspera = false;
    opciones.usuario = paths::loginName();
    const findia::ResultadoFinDia resultado = findia::EjecutaFinDia(opciones);
    ui::clearAnswerer();
    return resultado.desenlace == findia::DesenlaceFinDia::Terminado && resultado.limpio ? 0 : 1;
}
