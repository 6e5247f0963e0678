#include "empleados_fixture.h"

#include "foundation/forms/window_registry.h"
#include "mainwindow/admin/frm_contrasena.h"
#include "mainwindow/admin/frm_usuarios.h"
#include "mainwindow/admin/ventanas_administracion.h"
#include "mainwindow/login_state.h"
#include "mainwindow/mdi_principal.h"
#include "platform/grid/grid.h"
#include "tests/foundation/forms/typing.h"

#include <QAction>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTimer>

void EmpleadosDb::SetUp()
{
    MainWindowDb::SetUp();
    // Group 1 of a new database is ADMINISTRADORES, with every right.
    addEmployee(1, QStringLiteral("ADMIN"), QStringLiteral("ADMIN"), QStringLiteral("A"), 0, true);
    join(1, 1);
    grupoJefes = addGroup(QStringLiteral("JEFES"), true, {QStringLiteral("ADMIN"), QStringLiteral("EMPLEADOS")});
    addEmployee(2, QStringLiteral("JEFE"), QStringLiteral("JEFE"));
    join(2, grupoJefes);
    grupoMeseros = addGroup(QStringLiteral("MESEROS"), true, {});
    db.execute(QStringLiteral("INSERT INTO Departamentos (Nombre, Activo) VALUES ('COCINA', 1), ('BARRA', 1)"));
    departamentoCocina = scalar(QStringLiteral("SELECT ID_Departamento FROM Departamentos WHERE Nombre='COCINA'")).toInt();
    departamentoBarra = scalar(QStringLiteral("SELECT ID_Departamento FROM Departamentos WHERE Nombre='BARRA'")).toInt();
    registraVentanasAdministracion();
}

FrmUsuarios* EmpleadosDb::abre(qint16 empleado, bool adminUsuarios, const std::function<void()>& antes)
{
    g_bAdminUsuarios = adminUsuarios;
    openMain(empleado);
    if (!muestraActiva(main))
        return nullptr;
    if (antes)
        antes();
    QAction* item = main->menuItem(QStringLiteral("mnuUtlAdUsr"));
    if (!item || !item->isVisible())
        return nullptr;
    item->trigger();
    ventana = qobject_cast<FrmUsuarios*>(WindowRegistry::find(QStringLiteral("FrmUsuarios")));
    return ventana;
}

grid::Grid* EmpleadosDb::spr(const QString& nombre) const
{
    return ventana->findChild<grid::Grid*>(nombre);
}

QStringList EmpleadosDb::columna(grid::Grid* spr, int col)
{
    QStringList textos;
    for (int r = 1; r <= spr->rowCount(); ++r)
        textos << spr->text(r, col);
    return textos;
}

void EmpleadosDb::contestaContrasena(const QString& contrasena, const QString& confirmacion, bool cancela)
{
    QTimer::singleShot(0, [=, this] {
        auto* dialogo = qobject_cast<frmContrasena*>(QApplication::activeModalWidget());
        if (!dialogo) {
            ADD_FAILURE() << "no password dialog";
            return;
        }
        ++dialogosContrasena;
        teclea(dialogo->txtContrasena, contrasena);
        teclea(dialogo->txtConfirma, confirmacion);
        (cancela ? dialogo->cmdCancel : dialogo->cmdOK)->click();
        if (dialogo->isVisible()) {
            mensajesDialogo = boxes.texts();
            dialogo->cmdCancel->click();
        }
    });
}

void EmpleadosDb::llenaRequeridos(const QString& usuario, const QString& nombre)
{
    teclea(control(QStringLiteral("txtUsuario")), usuario);
    teclea(control(QStringLiteral("TxtNombre")), nombre);
    teclea(control(QStringLiteral("txtPaterno")), QStringLiteral("Pérez"));
    teclea(control(QStringLiteral("txtMaterno")), QStringLiteral("Luna"));
}

void EmpleadosDb::reactiva()
{
    muestraActiva(main);
}

void EmpleadosDb::mueve(const QString& grid, const QString& nombre, const QString& boton)
{
    const int fila = columna(spr(grid), 2).indexOf(nombre) + 1;
    ASSERT_GT(fila, 0) << nombre.toStdString();
    mueveFila(grid, fila, boton);
}

void EmpleadosDb::mueveFila(const QString& grid, int fila, const QString& boton)
{
    spr(grid)->setActiveCell(fila, 2);
    control<QPushButton>(boton)->click();
}

void EmpleadosDb::tecleaCelda(const QString& grid, int fila, int col, const QString& texto)
{
    grid::Grid* g = spr(grid);
    g->setFocus();
    g->setActiveCell(fila, col);
    g->table()->edit(g->table()->model()->index(fila - 1, col - 1));
    auto* editor = g->table()->viewport()->findChild<QLineEdit*>();
    ASSERT_NE(editor, nullptr);
    editor->selectAll();
    QTest::keyClick(editor, Qt::Key_Backspace);
    QTest::keyClicks(editor, texto);
}

int EmpleadosDb::cuenta(const QString& tabla, const QString& condicion)
{
    return scalar(QStringLiteral("SELECT COUNT(*) FROM %1 WHERE %2").arg(tabla, condicion)).toInt();
}
