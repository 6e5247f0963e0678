#include "catalog/ventanas_catalogo.h"
#include "endofday/fin_dia_entrada.h"
#include "foundation/dialogs/filtro_catalogos.h"
#include "foundation/log/bitacora.h"
#include "mainwindow/admin/ventanas_administracion.h"
#include "mainwindow/frm_inicio.h"
#include "mainwindow/frm_login.h"
#include "mainwindow/imagenes.h"
#include "mainwindow/utilities/utilerias.h"
#include "operation/ventanas_operacion.h"
#include "reports/ventanas_reportes.h"
#include "schema/instalacion.h"
#include "schema/procedimientos.h"
#include "tickets/ventanas_horas.h"
#include "platform/grid/print_job.h"
#include "platform/paths/paths.h"
#include "platform/ui/freed_memory.h"
#include "platform/ui/translations.h"
#include "tickets/ventanas_tickets.h"
#include "zorva_version.h"

#include <QApplication>
#include <QIcon>
#include <QCoreApplication>
#include <QStringList>

#include <cstdio>
#include <cstring>

namespace {

void escribe(std::FILE* salida, const QString& texto)
{
    std::fputs(texto.toUtf8().constData(), salida);
}

// "zorva_servidor --crear-base SERVIDOR BASE USUARIO CONTRASEÑA" sets up a new installation and ends;
// it needs no screen.
int creaBase(const QStringList& argumentos)
{
    if (argumentos.size() != 6) {
        escribe(stderr, QStringLiteral("Uso: zorva_servidor --crear-base SERVIDOR BASE USUARIO CONTRASEÑA\n"));
        return 2;
    }
    QString error;
    if (!schema::creaInstalacion(argumentos.at(2), argumentos.at(3), argumentos.at(4), argumentos.at(5), &error)) {
        escribe(stderr, error + QLatin1Char('\n'));
        return 1;
    }
    escribe(stdout, QStringLiteral("Base de datos creada: %1\nAdministrador: %2 (la contraseña se guardó en mayúsculas)\n")
                        .arg(schema::rutaBaseCentral(argumentos.at(2), argumentos.at(3)), argumentos.at(4).trimmed().toUpper()));
    return 0;
}

// Every child window, dialog and command the menus open, registered before the first window
// shows, with the database procedures that the commands call.
void registraVentanas()
{
    registraProcedimientos();
    registraFiltroCatalogos();
    registraVentanasAdministracion();
    registraVentanasCatalogo();
    registraVentanasOperacion();
    registraUtilerias();
    registraFinDia();
    registraVentanasReportes();
    registraVentanasTickets();
    registraVentanasHoras();
}

} // namespace

int main(int argc, char** argv)
{
    ui::keepFreedMemory();
    // Before anything is written, in every way the program runs.
    paths::keepPrivate();
    if (argc > 1 && std::strcmp(argv[1], "--crear-base") == 0) {
        QCoreApplication app(argc, argv);
        return creaBase(QCoreApplication::arguments());
    }
    if (argc > 1 && std::strcmp(argv[1], "--fin-dia") == 0) {
        // "zorva_servidor --fin-dia SERVIDOR BASE", from a scheduler: no display is needed.
        if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
        // stderr carries the run's own errors only; Qt's notes go to the daily log, and no box
        // opens before the application exists.
        PreparaFinDiaSinPantalla();
        QApplication app(argc, argv);
        QApplication::setApplicationName(QStringLiteral("ZORVA_Servidor"));
        registraProcedimientos();
        return FinDiaSinPantalla(QCoreApplication::arguments());
    }
    ui::useSpanishSystemDates();
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("ZORVA_Servidor"));
    QApplication::setApplicationVersion(QStringLiteral(ZORVA_VERSION_TEXT));
    QApplication::setWindowIcon(QIcon(imagenes::logo(64)));
    ui::installSpanishTranslations();
    // A print that fails is kept in the daily log as well as said on screen.
    grid::setPrintFailureLog([](const QString& texto) { EscribeBitacora(texto); });
    // Between the splash and the login, and between the login and the main window, no window is
    // open: the program ends only where it says so.
    QApplication::setQuitOnLastWindowClosed(false);
    registraVentanas();

    // "zorva_servidor SERVIDOR BASE": each word as given, so that a name with blanks opens.
    const QStringList argumentos = QCoreApplication::arguments().mid(1);
    auto* inicio = new frmInicio([argumentos] { MuestraLogin(argumentos); });
    inicio->show();
    return app.exec();
}
