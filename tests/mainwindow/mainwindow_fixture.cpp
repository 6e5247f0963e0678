#include "mainwindow_fixture.h"

#include "foundation/cipher/contrasena.h"
#include "foundation/database/cls_ado.h"
#include "foundation/forms/menu_commands.h"
#include "foundation/forms/program_end.h"
#include "foundation/forms/window_registry.h"
#include "mainwindow/dlg_bar_sve.h"
#include "mainwindow/login_state.h"
#include "mainwindow/mdi_principal.h"
#include "mainwindow/permisos.h"
#include "platform/clock/clock.h"
#include "platform/keys/clsclaves.h"

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QSettings>

void MainWindowDb::SetUp()
{
    CentralDbFixture::SetUp();
    ASSERT_TRUE(ClsClaves::CreaArchivo());
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settingsDir.path());
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, settingsDir.path());
    setProgramEndHandler([this](int status) { endings << status; });
    LimpiaEstadoLogin();
    g_sPermisos.clear();
    g_ClsAdo_Reinicia();
    ASSERT_TRUE(g_ClsAdo().Conectar(QStringLiteral("."), QStringLiteral("central"), QStringLiteral("vypjv_ok"),
                                    QStringLiteral("quorma3048")));
}

void MainWindowDb::TearDown()
{
    delete main.data();
    // Deleting a main window deletes its menus, which are top-level widgets too.
    QList<QPointer<MDIPrincipal>> opened;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (auto* m = qobject_cast<MDIPrincipal*>(w))
            opened << m;
    for (const QPointer<MDIPrincipal>& m : opened)
        delete m.data();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    g_ClsAdo().Cerrar();
    g_ClsAdo_Reinicia();
    setProgramEndHandler({});
    DlgBarSve::setChooser({});
    WindowRegistry::clear();
    MenuCommands::clear();
    appclock::reset();
}

void MainWindowDb::addEmployee(int id, const QString& user, const QString& password, const QVariant& estado,
                               const QVariant& intentos, bool admin)
{
    const auto sqlText = [](const QVariant& v) {
        return v.isNull() ? QStringLiteral("NULL") : QLatin1Char('\'') + v.toString() + QLatin1Char('\'');
    };
    db.execute(QStringLiteral("INSERT INTO Empleado (ID_Empleado, Usuario, Nombre_Empleado, Contraseña, Estado_Empleado, "
                              "Intentos, Admin_Usuarios) VALUES (%1, '%2', '%2', '%3', %4, %5, %6)")
                   .arg(id)
                   .arg(user, CifraContrasena(password), sqlText(estado),
                        intentos.isNull() ? QStringLiteral("NULL") : intentos.toString())
                   .arg(admin ? 1 : 0));
}

int MainWindowDb::addGroup(const QString& name, bool active, const QStringList& permissions)
{
    db.execute(QStringLiteral("INSERT INTO Grupo_Trabajo (Nombre_Grupo_Trabajo, Activo) VALUES ('%1', %2)")
                   .arg(name)
                   .arg(active ? 1 : 0));
    const int group = scalar(QStringLiteral("SELECT MAX(ID_Grupo_Trabajo) FROM Grupo_Trabajo")).toInt();
    for (const QString& permission : permissions) {
        db.execute(QStringLiteral("INSERT INTO PermisosXGrupo_Trabajo (ID_Grupo_Trabajo, ID_Permiso) "
                                  "SELECT %1, ID_Permiso FROM Permisos WHERE Nombre_Permiso = '%2'")
                       .arg(group)
                       .arg(permission));
    }
    return group;
}

void MainWindowDb::join(int employee, int group)
{
    db.execute(QStringLiteral("INSERT INTO EmpleadosXGrupo (ID_Empleado, ID_Grupo_Trabajo) VALUES (%1, %2)")
                   .arg(employee)
                   .arg(group));
}

MDIPrincipal* MainWindowDb::openMain(qint16 employee)
{
    g_IdEmpleado = employee;
    main = new MDIPrincipal;
    main->MDIForm_Load();
    return main;
}

QStringList MainWindowDb::visibleItems(const QString& menuName)
{
    QStringList names;
    if (QMenu* menu = main->menu(menuName)) {
        for (QAction* action : menu->actions()) {
            if (action->isVisible())
                names << (action->isSeparator() && action->objectName().isEmpty() ? QStringLiteral("-") : action->objectName());
        }
    }
    return names;
}
