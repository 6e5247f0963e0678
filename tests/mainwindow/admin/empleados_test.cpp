#include "empleados_fixture.h"

#include "foundation/cipher/contrasena.h"
#include "foundation/database/cls_ado.h"
#include "foundation/forms/controls.h"
#include "foundation/forms/frm_busqueda.h"
#include "mainwindow/admin/frm_usuarios.h"
#include "mainwindow/admin/lista_bloqueable.h"
#include "mainwindow/frm_login.h"
#include "mainwindow/login_state.h"
#include "mainwindow/mdi_principal.h"
#include "platform/adodb/adodb.h"
#include "platform/grid/grid.h"
#include "tests/foundation/forms/typing.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QTimer>

namespace {

const QString kSinGrupo = QStringLiteral("El usuario debe de tener al menos un grupo asociado.");

QString ids(const QList<int>& valores)
{
    QStringList textos;
    for (int v : valores)
        textos << QString::number(v);
    return textos.join(QLatin1Char(','));
}

} // namespace

class Empleados : public EmpleadosDb {
protected:
    QLabel* lblId() const { return control<QLabel>(QStringLiteral("lblId")); }
    QLineEdit* txt(const char* nombre) const { return control(QLatin1String(nombre)); }
    QVariant columnaDe(int id, const QString& columna)
    {
        return scalar(QStringLiteral("SELECT %1 FROM Empleado WHERE ID_Empleado=%2").arg(columna).arg(id));
    }
    // Presses a button as the user can: only while it is enabled.
    bool presiona(const char* nombre)
    {
        auto* boton = control<QPushButton>(QLatin1String(nombre));
        if (!boton->isEnabled())
            return false;
        boton->click();
        return true;
    }
    // Employee 3, PEDRO, in MESEROS and ADMINISTRADORES, costing 40 in COCINA.
    void agregaPedro()
    {
        addEmployee(3, QStringLiteral("PEDRO"), QStringLiteral("MESA"), QStringLiteral("A"), 2);
        db.execute(QStringLiteral("UPDATE Empleado SET Num_Tarjeta='998877', Apellido_Paterno='Soto', "
                                  "Apellido_Materno='Gil' WHERE ID_Empleado=3"));
        join(3, grupoMeseros);
        join(3, 1);
        db.execute(QStringLiteral("INSERT INTO CostosXEmpleado VALUES (3, %1, 40)").arg(departamentoCocina));
    }
};

TEST_F(Empleados, DesignCaptionsNamesAndTabOrder)
{
    ASSERT_NE(abre(), nullptr);
    EXPECT_EQ(main->mdiArea()->activeSubWindow()->windowTitle(), QStringLiteral("Empleados"));
    const QList<std::pair<const char*, const char*>> cajas{
        {"txtUsuario", "Usuario:"},   {"TxtNombre", "Nombre:"},     {"txtPaterno", "Apellido Pat:"},
        {"txtMaterno", "Apellido Mat:"}, {"txtDomicilio", "Domicilio:"}, {"txtColonia", "Colonia:"},
        {"txtCiudad", "Ciudad:"},     {"txtEstado", "Estado:"},     {"txtCP", "C.P.:"},
        {"txtRFC", "RFC"},            {"txtSeguro", "Num. Seg.:"}};
    QStringList captions;
    for (QLabel* label : ventana->findChildren<QLabel*>())
        if (!forms::tag(label).isEmpty())
            captions << forms::tag(label) + QLatin1Char('=') + label->text();
    for (const auto& [caja, caption] : cajas)
        EXPECT_TRUE(captions.contains(QLatin1String(caja) + QLatin1Char('=') + QString::fromUtf8(caption))) << caja;
    EXPECT_EQ(captions.size(), 11);
    const QList<std::tuple<const char*, const char*, int>> reglas{
        {"txtUsuario", "NoVacioNoSignos", 25}, {"TxtNombre", "NoVacio", 50}, {"txtPaterno", "NoVacio", 25},
        {"txtMaterno", "NoVacio", 25},         {"txtDomicilio", "", 50},    {"txtColonia", "", 40},
        {"txtCiudad", "", 50},                 {"txtEstado", "", 40},       {"txtCP", "Numerico", 5},
        {"txtRFC", "", 20},                    {"txtSeguro", "", 20}};
    for (const auto& [caja, tag, largo] : reglas) {
        EXPECT_EQ(forms::tag(txt(caja)), QLatin1String(tag)) << caja;
        EXPECT_EQ(txt(caja)->maxLength(), largo) << caja;
    }
    auto* cmbEstado = control<ListaBloqueable>(QStringLiteral("cmbEstado"));
    EXPECT_EQ(cmbEstado->toolTip(), QStringLiteral("A=Activo,N=Ya no labora,S=Suspendido"));
    EXPECT_EQ(cmbEstado->count(), 3);
    EXPECT_EQ(cmbEstado->itemText(1), QStringLiteral("No labora"));
    EXPECT_EQ(control<QCheckBox>(QStringLiteral("chkTarjeta"))->text(), QStringLiteral("Tarjeta Magnética"));
    EXPECT_EQ(control<QCheckBox>(QStringLiteral("chkUsuarios"))->text(), QStringLiteral("Admin. Usr.:"));
    EXPECT_FALSE(txt("txtStatus")->isVisible());
    EXPECT_EQ(control<QPushButton>(QStringLiteral("cmdAgregar"))->toolTip(), QStringLiteral("Adignar un grupo al usuario"));
    EXPECT_EQ(control<QPushButton>(QStringLiteral("cmdQuitar"))->toolTip(), QStringLiteral("Quitar un grupo al usuario"));
    EXPECT_EQ(control<QPushButton>(QStringLiteral("cmdCambiar"))->text(), QStringLiteral("Cambiar contraseña"));
    EXPECT_EQ(control<QPushButton>(QStringLiteral("cmdBorrarTarjeta"))->text(), QStringLiteral("Borrar Tarjeta"));
    const QList<std::pair<const char*, QStringList>> titulos{
        {"sprGrupos", {"Grupo ID", "Grupo"}},
        {"sprGruposXUsuario", {"Grupo ID", "Grupo"}},
        {"sprDepartamentos", {"Dep. ID", "Departamento"}},
        {"sprDepartamentosXUsuario", {"Dep. ID", "Departamento", "Costo"}}};
    for (const auto& [nombre, esperados] : titulos) {
        QStringList vistos;
        for (int c = 1; c <= spr(QLatin1String(nombre))->columnCount(); ++c)
            vistos << spr(QLatin1String(nombre))->text(0, c);
        EXPECT_EQ(vistos, esperados) << nombre;
    }

    // Browse mode as designed, on the first employee, whose groups show at once.
    EXPECT_EQ(txt("txtUsuario")->text(), QStringLiteral("ADMIN"));
    EXPECT_EQ(lblId()->text(), QStringLiteral("1"));
    EXPECT_EQ(columna(spr(QStringLiteral("sprGruposXUsuario")), 2), QStringList{QStringLiteral("ADMINISTRADORES")});
    EXPECT_TRUE(txt("TxtNombre")->isReadOnly());
    EXPECT_FALSE(control<QCheckBox>(QStringLiteral("chkTarjeta"))->isEnabled());
    EXPECT_TRUE(cmbEstado->isEnabled());
    EXPECT_TRUE(cmbEstado->isLocked());
    EXPECT_EQ(cmbEstado->currentText(), QStringLiteral("Activo"));
    EXPECT_TRUE(control<QPushButton>(QStringLiteral("cmdCambiar"))->isEnabled());
    EXPECT_TRUE(spr(QStringLiteral("sprGrupos"))->isEnabled());
    EXPECT_FALSE(spr(QStringLiteral("sprDepartamentos"))->isEnabled());
    EXPECT_FALSE(control<QPushButton>(QStringLiteral("cmdAgregar"))->isEnabled());
    // The employees window never writes the record count.
    EXPECT_TRUE(main->statusPanel(1).isEmpty());
    EXPECT_EQ(main->statusPanel(2), QStringLiteral("INS=Nuevo,F6=Modificar,DEL=Borrar"));

    pulsa(Qt::Key_Insert);
    QStringList orden;
    for (int i = 0; i < 24; ++i) {
        QWidget* foco = QApplication::focusWidget();
        while (foco && foco->objectName().isEmpty())
            foco = foco->parentWidget();
        orden << (foco ? foco->objectName() : QString());
        pulsa(Qt::Key_Tab);
    }
    boxes.clear();  // leaving the empty required boxes warns
    EXPECT_EQ(orden, (QStringList{"txtUsuario", "TxtNombre", "txtPaterno", "txtMaterno", "txtDomicilio", "txtColonia",
                                  "txtCiudad", "txtEstado", "txtCP", "txtRFC", "txtSeguro", "cmbEstado", "chkTarjeta",
                                  "chkUsuarios", "sprGrupos", "cmdAgregar", "cmdQuitar", "sprGruposXUsuario",
                                  "sprDepartamentos", "cmdAgregarDep", "cmdRetDep", "sprDepartamentosXUsuario",
                                  "cmdBorrarTarjeta", "txtUsuario"}));
}

TEST_F(Empleados, AnAdministratorCreatesAnEmployeeWhoThenLogsIn)
{
    ASSERT_NE(abre(), nullptr);
    pulsa(Qt::Key_Insert);
    EXPECT_TRUE(ventana->Formas().Edicion());
    EXPECT_TRUE(txt("txtUsuario")->hasFocus());
    EXPECT_TRUE(lblId()->text().isEmpty());
    EXPECT_EQ(control<ListaBloqueable>(QStringLiteral("cmbEstado"))->currentText(), QStringLiteral("Activo"));
    EXPECT_FALSE(control<ListaBloqueable>(QStringLiteral("cmbEstado"))->isLocked());
    EXPECT_FALSE(control<QPushButton>(QStringLiteral("cmdCambiar"))->isEnabled());
    EXPECT_FALSE(control<QCheckBox>(QStringLiteral("chkUsuarios"))->isChecked());
    EXPECT_EQ(spr(QStringLiteral("sprGruposXUsuario"))->rowCount(), 0);
    EXPECT_EQ(columna(spr(QStringLiteral("sprGrupos")), 2),
              (QStringList{"ADMINISTRADORES", "JEFES", "MESEROS"}));
    EXPECT_EQ(columna(spr(QStringLiteral("sprDepartamentos")), 2), (QStringList{"BARRA", "COCINA"}));

    teclea(txt("txtUsuario"), QStringLiteral("pe dro"));  // the blank never arrives
    EXPECT_EQ(txt("txtUsuario")->text(), QStringLiteral("pedro"));
    teclea(txt("TxtNombre"), QStringLiteral("Pedro"));
    teclea(txt("txtPaterno"), QStringLiteral("O'Brien"));
    teclea(txt("txtMaterno"), QStringLiteral("Luna"));
    teclea(txt("txtCP"), QStringLiteral("0-4a5"));
    EXPECT_EQ(txt("txtCP")->text(), QStringLiteral("045"));
    mueve(QStringLiteral("sprGrupos"), QStringLiteral("MESEROS"), QStringLiteral("cmdAgregar"));
    mueve(QStringLiteral("sprDepartamentos"), QStringLiteral("COCINA"), QStringLiteral("cmdAgregarDep"));
    EXPECT_EQ(spr(QStringLiteral("sprDepartamentosXUsuario"))->text(1, 3), QStringLiteral("0.00"));
    // The cost is still in its editor when F5 saves.
    tecleaCelda(QStringLiteral("sprDepartamentosXUsuario"), 1, 3, QStringLiteral("55.50"));
    contestaContrasena(QStringLiteral("secreto"), QStringLiteral("secreto"));
    pulsa(Qt::Key_F5);

    EXPECT_EQ(dialogosContrasena, 1);
    EXPECT_TRUE(boxes.texts().isEmpty()) << boxes.texts().join(QLatin1Char('|')).toStdString();
    EXPECT_FALSE(ventana->Formas().Edicion());
    ASSERT_EQ(lblId()->text(), QStringLiteral("3"));  // one above the largest key
    EXPECT_EQ(columnaDe(3, QStringLiteral("Usuario")).toString(), QStringLiteral("pedro"));
    EXPECT_EQ(columnaDe(3, QStringLiteral("Apellido_Paterno")).toString(), QStringLiteral("O'Brien"));
    EXPECT_EQ(columnaDe(3, QStringLiteral("C_P")).toString(), QStringLiteral("045"));
    EXPECT_EQ(columnaDe(3, QStringLiteral("Intentos")).toInt(), 0);
    EXPECT_EQ(columnaDe(3, QStringLiteral("Estado_Empleado")).toString(), QStringLiteral("A"));
    EXPECT_EQ(columnaDe(3, QStringLiteral("Admin_Usuarios")).toInt(), 0);
    const QString guardada = columnaDe(3, QStringLiteral("Contraseña")).toString();
    EXPECT_EQ(guardada, CifraContrasena(QStringLiteral("SECRETO")));
    EXPECT_EQ(QByteArray::fromBase64(guardada.toLatin1(), QByteArray::AbortOnBase64DecodingErrors).size(), 7);
    EXPECT_EQ(cuenta(QStringLiteral("EmpleadosXGrupo"), QStringLiteral("ID_Empleado=3")), 1);
    EXPECT_EQ(cuenta(QStringLiteral("EmpleadosXGrupo"),
                     QStringLiteral("ID_Empleado=3 AND ID_Grupo_Trabajo=%1").arg(grupoMeseros)), 1);
    EXPECT_EQ(cuenta(QStringLiteral("CostosXEmpleado"), QStringLiteral("ID_Empleado=3")), 1);
    EXPECT_DOUBLE_EQ(scalar(QStringLiteral("SELECT Costo_Hora FROM CostosXEmpleado WHERE ID_Empleado=3 AND "
                                           "ID_Departamento=%1").arg(departamentoCocina)).toDouble(), 55.5);
    // The window shows what was stored.
    EXPECT_EQ(columna(spr(QStringLiteral("sprGruposXUsuario")), 2), QStringList{QStringLiteral("MESEROS")});
    EXPECT_EQ(columna(spr(QStringLiteral("sprDepartamentosXUsuario")), 3), QStringList{QStringLiteral("55.50")});
    EXPECT_EQ(columna(spr(QStringLiteral("sprDepartamentos")), 2), QStringList{QStringLiteral("BARRA")});
    EXPECT_TRUE(control<QPushButton>(QStringLiteral("cmdCambiar"))->isEnabled());
    EXPECT_FALSE(control<QPushButton>(QStringLiteral("cmdBorrarTarjeta"))->isEnabled());
    EXPECT_TRUE(control<ListaBloqueable>(QStringLiteral("cmbEstado"))->isLocked());

    // The new employee logs in with the password given, typed in any case.
    QPointer<frmLogin> login = new frmLogin({QStringLiteral("."), QStringLiteral("central")});
    ASSERT_TRUE(login->Form_Load());
    QTest::keyClicks(login->txtUserName, QStringLiteral("pedro"));
    QTest::keyClicks(login->txtPassword, QStringLiteral("Secreto"));
    login->cmdOK_Click();
    EXPECT_EQ(g_IdEmpleado, 3);
    EXPECT_EQ(g_UsuarioActual.toUpper(), QStringLiteral("PEDRO"));
    delete login.data();
}

TEST_F(Empleados, TheFirstEmployeeOfAnEmptyTableGetsKeyOne)
{
    // Once the main window has read the rights, nobody is left.
    ASSERT_NE(abre(1, true, [this] { db.execute(QStringLiteral("DELETE FROM EmpleadosXGrupo; DELETE FROM Empleado")); }),
              nullptr);
    EXPECT_TRUE(lblId()->text().isEmpty());
    pulsa(Qt::Key_Insert);
    llenaRequeridos(QStringLiteral("PRIMERO"));
    mueve(QStringLiteral("sprGrupos"), QStringLiteral("MESEROS"), QStringLiteral("cmdAgregar"));
    contestaContrasena(QStringLiteral("UNO"), QStringLiteral("UNO"));
    pulsa(Qt::Key_F5);
    EXPECT_TRUE(boxes.texts().isEmpty()) << boxes.texts().join(QLatin1Char('|')).toStdString();
    EXPECT_EQ(columnaDe(1, QStringLiteral("Usuario")).toString(), QStringLiteral("PRIMERO"));
    EXPECT_EQ(lblId()->text(), QStringLiteral("1"));
}

TEST_F(Empleados, TheNewestEmployeeDeletedHisKeyIsNeverGivenAgain)
{
    const adodb::Procedure nada = [](adodb::Connection&, const QVariantList&) { return adodb::Recordset(); };
    for (const char* p : {"sp_who", "sp_dropuser", "sp_droplogin"})
        adodb::Procedures::add(QLatin1String(p), nada);
    ASSERT_NE(abre(), nullptr);
    const auto nuevo = [this](const QString& usuario) {
        pulsa(Qt::Key_Insert);
        llenaRequeridos(usuario);
        mueve(QStringLiteral("sprGrupos"), QStringLiteral("MESEROS"), QStringLiteral("cmdAgregar"));
        contestaContrasena(QStringLiteral("UNO"), QStringLiteral("UNO"));
        pulsa(Qt::Key_F5);
        reactiva();
        return lblId()->text();
    };
    ASSERT_EQ(nuevo(QStringLiteral("PRIMERO")), QStringLiteral("3"));
    boxes.answer(ui::Yes);
    pulsa(Qt::Key_Delete);
    ASSERT_EQ(cuenta(QStringLiteral("Empleado"), QStringLiteral("ID_Empleado=3")), 0);
    EXPECT_EQ(nuevo(QStringLiteral("SEGUNDO")), QStringLiteral("4"));
    EXPECT_EQ(columnaDe(4, QStringLiteral("Usuario")).toString(), QStringLiteral("SEGUNDO"));
}

TEST_F(Empleados, MissingFieldsAndAMissingGroupAreReportedInOrderAndWriteNothing)
{
    struct Caso {
        const char* usuario;
        const char* nombre;
        const char* paterno;
        const char* materno;
        bool grupo;
        const char* mensaje;
        const char* foco;
    };
    const Caso casos[] = {
        {"", "", "", "", true, "Falta el campo de Usuario", "txtUsuario"},
        {"ANA", "", "", "X", true, "Falta el campo de Nombre", "TxtNombre"},
        {"ANA", "Ana", "", "", true, "Falta el campo de Apellido paterno", "txtPaterno"},
        {"ANA", "Ana", "Ruiz", "", true, "Falta el campo de Apellido materno", "txtMaterno"},
        {"ANA", "   ", "Ruiz", "Paz", true, "Falta el campo de Nombre", "TxtNombre"},
        {"ANA", "Ana", "Ruiz", "Paz", false, "El usuario debe de tener al menos un grupo asociado.", nullptr},
    };
    ASSERT_NE(abre(), nullptr);
    for (const Caso& caso : casos) {
        SCOPED_TRACE(caso.mensaje);
        pulsa(Qt::Key_Insert);
        txt("txtUsuario")->setText(QLatin1String(caso.usuario));
        txt("TxtNombre")->setText(QLatin1String(caso.nombre));
        txt("txtPaterno")->setText(QLatin1String(caso.paterno));
        txt("txtMaterno")->setText(QLatin1String(caso.materno));
        if (caso.grupo)
            mueve(QStringLiteral("sprGrupos"), QStringLiteral("MESEROS"), QStringLiteral("cmdAgregar"));
        txt("txtCiudad")->setFocus();
        boxes.clear();
        pulsa(Qt::Key_F5);
        ASSERT_EQ(boxes.texts(), QStringList{QString::fromUtf8(caso.mensaje)});
        EXPECT_EQ(boxes.boxes().first().icon(), ui::Exclamation);
        if (caso.foco) {
            EXPECT_EQ(QApplication::focusWidget(), txt(caso.foco));
        }
        EXPECT_TRUE(ventana->Formas().Edicion());
        EXPECT_EQ(dialogosContrasena, 0);
        EXPECT_EQ(cuenta(QStringLiteral("Empleado")), 2);
        pulsa(Qt::Key_Escape);
    }
    EXPECT_EQ(cuenta(QStringLiteral("EmpleadosXGrupo")), 2);
}

TEST_F(Empleados, ARepeatedUserNameIsRefusedWritesNothingAndKeepsTheEdit)
{
    ASSERT_NE(abre(), nullptr);
    pulsa(Qt::Key_Insert);
    llenaRequeridos(QStringLiteral("jefe"));  // JEFE exists; names compare without case
    mueve(QStringLiteral("sprGrupos"), QStringLiteral("MESEROS"), QStringLiteral("cmdAgregar"));
    mueve(QStringLiteral("sprDepartamentos"), QStringLiteral("BARRA"), QStringLiteral("cmdAgregarDep"));
    contestaContrasena(QStringLiteral("X1"), QStringLiteral("X1"));
    pulsa(Qt::Key_F5);
    ASSERT_EQ(boxes.texts(), QStringList{QStringLiteral("Ya existe el usuario")});
    EXPECT_EQ(boxes.boxes().first().caption, QStringLiteral("Empleados"));
    EXPECT_EQ(boxes.boxes().first().icon(), ui::Exclamation);
    EXPECT_TRUE(ventana->Formas().Edicion());
    EXPECT_EQ(txt("txtUsuario")->text(), QStringLiteral("jefe"));
    EXPECT_EQ(spr(QStringLiteral("sprGruposXUsuario"))->rowCount(), 1);
    EXPECT_EQ(cuenta(QStringLiteral("Empleado")), 2);
    EXPECT_EQ(cuenta(QStringLiteral("EmpleadosXGrupo")), 2);
    EXPECT_EQ(cuenta(QStringLiteral("CostosXEmpleado")), 0);
    EXPECT_TRUE(g_ClsAdo().conexion().errors().isEmpty());

    // Corrected, the same edit saves.
    reactiva();
    boxes.clear();
    txt("txtUsuario")->setText(QStringLiteral("JEFA"));
    contestaContrasena(QStringLiteral("X1"), QStringLiteral("X1"));
    pulsa(Qt::Key_F5);
    EXPECT_TRUE(boxes.texts().isEmpty()) << boxes.texts().join(QLatin1Char('|')).toStdString();
    EXPECT_EQ(columnaDe(3, QStringLiteral("Usuario")).toString(), QStringLiteral("JEFA"));
    EXPECT_EQ(cuenta(QStringLiteral("CostosXEmpleado"), QStringLiteral("ID_Empleado=3")), 1);
}

TEST_F(Empleados, CancellingThePasswordStopsTheSaveAndAnEmptyPasswordIsNeverTaken)
{
    ASSERT_NE(abre(), nullptr);
    pulsa(Qt::Key_Insert);
    llenaRequeridos(QStringLiteral("ANA"));
    mueve(QStringLiteral("sprGrupos"), QStringLiteral("MESEROS"), QStringLiteral("cmdAgregar"));
    contestaContrasena(QStringLiteral("ALGO"), QStringLiteral("ALGO"), true);
    pulsa(Qt::Key_F5);
    EXPECT_EQ(dialogosContrasena, 1);
    EXPECT_TRUE(boxes.texts().isEmpty());
    EXPECT_TRUE(ventana->Formas().Edicion());
    EXPECT_EQ(cuenta(QStringLiteral("Empleado")), 2);

    reactiva();
    // "Aceptar" with nothing typed asks for the password; the dialog can then only be cancelled.
    contestaContrasena(QString(), QString());
    pulsa(Qt::Key_F5);
    EXPECT_EQ(mensajesDialogo, QStringList{QStringLiteral("La contraseña es requerida")});
    EXPECT_TRUE(ventana->Formas().Edicion());
    EXPECT_EQ(cuenta(QStringLiteral("Empleado")), 2);
    EXPECT_EQ(txt("txtUsuario")->text(), QStringLiteral("ANA"));
}

TEST_F(Empleados, ACostThatIsNoNumberStopsTheSaveBeforeAnythingIsWritten)
{
    agregaPedro();
    ASSERT_NE(abre(), nullptr);
    pulsa(Qt::Key_End);
    ASSERT_EQ(txt("txtUsuario")->text(), QStringLiteral("PEDRO"));
    pulsa(Qt::Key_F6);
    EXPECT_TRUE(txt("txtUsuario")->isReadOnly());
    txt("TxtNombre")->setText(QStringLiteral("Cambiado"));
    tecleaCelda(QStringLiteral("sprDepartamentosXUsuario"), 1, 3, QString());
    pulsa(Qt::Key_F5);
    ASSERT_EQ(boxes.texts(), QStringList{QStringLiteral("El costo por hora del departamento COCINA no es válido")});
    EXPECT_TRUE(ventana->Formas().Edicion());
    EXPECT_EQ(columnaDe(3, QStringLiteral("Nombre_Empleado")).toString(), QStringLiteral("PEDRO"));
    EXPECT_EQ(scalar(QStringLiteral("SELECT Costo_Hora FROM CostosXEmpleado WHERE ID_Empleado=3")).toDouble(), 40.0);
}

TEST_F(Empleados, ARefusalInTheCostsRollsBackTheEmployeeAndTheGroupsToo)
{
    agregaPedro();
    ASSERT_NE(abre(), nullptr);
    pulsa(Qt::Key_End);
    pulsa(Qt::Key_F6);
    txt("TxtNombre")->setText(QStringLiteral("Cambiado"));
    mueve(QStringLiteral("sprGruposXUsuario"), QStringLiteral("MESEROS"), QStringLiteral("cmdQuitar"));
    db.execute(QStringLiteral("CREATE TRIGGER sin_costos BEFORE INSERT ON CostosXEmpleado "
                              "BEGIN SELECT RAISE(ABORT, 'no'); END"));
    pulsa(Qt::Key_F5);
    ASSERT_EQ(boxes.texts(), QStringList{QStringLiteral("No se pudieron guardar los cambios del registro")});
    EXPECT_EQ(boxes.boxes().first().caption, QStringLiteral("Empleados"));
    EXPECT_TRUE(ventana->Formas().Edicion());
    EXPECT_EQ(txt("TxtNombre")->text(), QStringLiteral("Cambiado"));
    EXPECT_EQ(columnaDe(3, QStringLiteral("Nombre_Empleado")).toString(), QStringLiteral("PEDRO"));
    EXPECT_EQ(columnaDe(3, QStringLiteral("Intentos")).toInt(), 2);
    EXPECT_EQ(cuenta(QStringLiteral("EmpleadosXGrupo"), QStringLiteral("ID_Empleado=3")), 2);
    EXPECT_EQ(cuenta(QStringLiteral("CostosXEmpleado"), QStringLiteral("ID_Empleado=3")), 1);
    EXPECT_FALSE(g_ClsAdo().conexion().inTransaction());

    // Esc shows the stored employee again, groups included.
    pulsa(Qt::Key_Escape);
    EXPECT_EQ(txt("TxtNombre")->text(), QStringLiteral("PEDRO"));
    EXPECT_EQ(spr(QStringLiteral("sprGruposXUsuario"))->rowCount(), 2);
}

TEST_F(Empleados, ModifyingQuotesEveryTextResetsTheFailedLoginsAndKeepsThePassword)
{
    agregaPedro();
    db.execute(QStringLiteral("UPDATE Empleado SET Estado_Empleado='X' WHERE ID_Empleado=3"));
    ASSERT_NE(abre(), nullptr);
    pulsa(Qt::Key_End);
    EXPECT_EQ(control<ListaBloqueable>(QStringLiteral("cmbEstado"))->currentIndex(), -1);
    EXPECT_EQ(columna(spr(QStringLiteral("sprDepartamentosXUsuario")), 3), QStringList{QStringLiteral("40.00")});
    pulsa(Qt::Key_F6);
    // Pasted texts keep their apostrophes.
    for (const char* caja : {"TxtNombre", "txtPaterno", "txtMaterno", "txtDomicilio", "txtColonia", "txtCiudad",
                             "txtEstado", "txtCP", "txtRFC", "txtSeguro"})
        txt(caja)->setText(QStringLiteral("a'b"));
    control<QCheckBox>(QStringLiteral("chkTarjeta"))->setChecked(true);
    mueve(QStringLiteral("sprDepartamentos"), QStringLiteral("BARRA"), QStringLiteral("cmdAgregarDep"));
    tecleaCelda(QStringLiteral("sprDepartamentosXUsuario"), 2, 3, QStringLiteral("-12.25"));
    const QString contrasena = columnaDe(3, QStringLiteral("Contraseña")).toString();
    pulsa(Qt::Key_F5);

    EXPECT_TRUE(boxes.texts().isEmpty()) << boxes.texts().join(QLatin1Char('|')).toStdString();
    EXPECT_EQ(dialogosContrasena, 0);
    for (const char* columna : {"Nombre_Empleado", "Apellido_Paterno", "Apellido_Materno", "Calle_Numero", "Colonia",
                                "Ciudad", "Estado", "C_P", "RFC", "S_S"})
        EXPECT_EQ(columnaDe(3, QLatin1String(columna)).toString(), QStringLiteral("a'b")) << columna;
    EXPECT_EQ(columnaDe(3, QStringLiteral("Estado_Empleado")).toString(), QStringLiteral("X"));
    EXPECT_EQ(columnaDe(3, QStringLiteral("Tarjeta_magnetica")).toInt(), 1);
    EXPECT_EQ(columnaDe(3, QStringLiteral("Intentos")).toInt(), 0);
    EXPECT_EQ(columnaDe(3, QStringLiteral("Contraseña")).toString(), contrasena);
    EXPECT_EQ(columnaDe(3, QStringLiteral("Usuario")).toString(), QStringLiteral("PEDRO"));
    EXPECT_EQ(scalar(QStringLiteral("SELECT GROUP_CONCAT(Costo_Hora) FROM (SELECT Costo_Hora FROM CostosXEmpleado "
                                    "WHERE ID_Empleado=3 ORDER BY Costo_Hora)")).toString(),
              QStringLiteral("-12.25,40.0"));
    EXPECT_EQ(lblId()->text(), QStringLiteral("3"));
    EXPECT_EQ(txt("TxtNombre")->text(), QStringLiteral("a'b"));
}

TEST_F(Empleados, TheModifyCommandWithNoEmployeeShownDoesNothing)
{
    ASSERT_NE(abre(1, true, [this] { db.execute(QStringLiteral("DELETE FROM Empleado")); }), nullptr);
    EXPECT_TRUE(txt("txtUsuario")->text().isEmpty());
    EXPECT_EQ(spr(QStringLiteral("sprGrupos"))->rowCount(), 0);
    pulsa(Qt::Key_F6);
    pulsa(Qt::Key_Delete);
    EXPECT_FALSE(ventana->Formas().Edicion());
    EXPECT_TRUE(boxes.texts().isEmpty());
}

TEST_F(Empleados, MovesBetweenTheGridsKeepEveryRowAndStartACostAtZero)
{
    ASSERT_NE(abre(), nullptr);
    pulsa(Qt::Key_Insert);
    grid::Grid* disponibles = spr(QStringLiteral("sprGrupos"));
    grid::Grid* asignados = spr(QStringLiteral("sprGruposXUsuario"));
    // The bottom row leaves no active cell behind it; the row above moves up into a middle one.
    mueveFila(QStringLiteral("sprGrupos"), 3, QStringLiteral("cmdAgregar"));
    mueveFila(QStringLiteral("sprGrupos"), 1, QStringLiteral("cmdAgregar"));
    EXPECT_EQ(columna(disponibles, 2), QStringList{QStringLiteral("JEFES")});
    EXPECT_EQ(disponibles->activeRow(), 1);
    EXPECT_EQ(columna(asignados, 2), (QStringList{"MESEROS", "ADMINISTRADORES"}));
    // Back again: the row goes to the bottom.
    mueveFila(QStringLiteral("sprGruposXUsuario"), 1, QStringLiteral("cmdQuitar"));
    EXPECT_EQ(columna(disponibles, 2), (QStringList{"JEFES", "MESEROS"}));
    EXPECT_EQ(columna(disponibles, 1), (QStringList{QString::number(grupoJefes), QString::number(grupoMeseros)}));
    // The only row moved leaves its grid empty; an empty grid moves nothing.
    mueveFila(QStringLiteral("sprGruposXUsuario"), 1, QStringLiteral("cmdQuitar"));
    EXPECT_EQ(asignados->rowCount(), 0);
    control<QPushButton>(QStringLiteral("cmdQuitar"))->click();
    EXPECT_EQ(disponibles->rowCount(), 3);

    mueve(QStringLiteral("sprDepartamentos"), QStringLiteral("BARRA"), QStringLiteral("cmdAgregarDep"));
    grid::Grid* costos = spr(QStringLiteral("sprDepartamentosXUsuario"));
    EXPECT_EQ(costos->text(1, 2), QStringLiteral("BARRA"));
    EXPECT_EQ(costos->value(1, 3).toDouble(), 0.0);
    tecleaCelda(QStringLiteral("sprDepartamentosXUsuario"), 1, 3, QStringLiteral("30"));
    mueve(QStringLiteral("sprDepartamentosXUsuario"), QStringLiteral("BARRA"), QStringLiteral("cmdRetDep"));
    mueve(QStringLiteral("sprDepartamentos"), QStringLiteral("BARRA"), QStringLiteral("cmdAgregarDep"));
    EXPECT_EQ(costos->text(1, 3), QStringLiteral("0.00"));  // moved back, the cost was lost
    EXPECT_FALSE(costos->isCellEditable(1, 2));
    EXPECT_TRUE(costos->isCellEditable(1, 3));
    EXPECT_FALSE(disponibles->isCellEditable(1, 1));
}

TEST_F(Empleados, AUserWithoutTheAdministratorRightNeitherSeesNorLosesAdministrators)
{
    agregaPedro();  // in ADMINISTRADORES and MESEROS
    addEmployee(4, QStringLiteral("JEFAZO"), QStringLiteral("JEFAZO"), QStringLiteral("A"), 0, true);
    ASSERT_NE(abre(2, false), nullptr);
    QStringList usuarios;
    for (int i = 0; i < 3; ++i) {
        usuarios << txt("txtUsuario")->text();
        pulsa(Qt::Key_Up);
    }
    EXPECT_EQ(usuarios, (QStringList{"JEFE", "PEDRO", "PEDRO"}));
    EXPECT_EQ(columna(spr(QStringLiteral("sprGruposXUsuario")), 2), QStringList{QStringLiteral("MESEROS")});
    EXPECT_EQ(columna(spr(QStringLiteral("sprGrupos")), 2), QStringList{QStringLiteral("JEFES")});

    // His save keeps the memberships he was not shown.
    boxes.clear();
    pulsa(Qt::Key_F6);
    EXPECT_FALSE(control<QCheckBox>(QStringLiteral("chkUsuarios"))->isEnabled());
    mueve(QStringLiteral("sprGrupos"), QStringLiteral("JEFES"), QStringLiteral("cmdAgregar"));
    pulsa(Qt::Key_F5);
    EXPECT_TRUE(boxes.texts().isEmpty()) << boxes.texts().join(QLatin1Char('|')).toStdString();
    EXPECT_EQ(scalar(QStringLiteral("SELECT GROUP_CONCAT(ID_Grupo_Trabajo) FROM (SELECT ID_Grupo_Trabajo FROM "
                                    "EmpleadosXGrupo WHERE ID_Empleado=3 ORDER BY 1)")).toString(),
              ids({1, grupoJefes, grupoMeseros}));
    // Even with every group he sees taken away.
    pulsa(Qt::Key_F6);
    mueveFila(QStringLiteral("sprGruposXUsuario"), 1, QStringLiteral("cmdQuitar"));
    mueveFila(QStringLiteral("sprGruposXUsuario"), 1, QStringLiteral("cmdQuitar"));
    pulsa(Qt::Key_F5);
    EXPECT_TRUE(boxes.texts().isEmpty()) << boxes.texts().join(QLatin1Char('|')).toStdString();
    EXPECT_EQ(scalar(QStringLiteral("SELECT GROUP_CONCAT(ID_Grupo_Trabajo) FROM EmpleadosXGrupo WHERE ID_Empleado=3"))
                  .toString(),
              QStringLiteral("1"));

    // An employee with none but the groups he sees still needs one.
    pulsa(Qt::Key_Home);
    ASSERT_EQ(txt("txtUsuario")->text(), QStringLiteral("JEFE"));
    pulsa(Qt::Key_F6);
    txt("txtPaterno")->setText(QStringLiteral("Ruiz"));
    txt("txtMaterno")->setText(QStringLiteral("Paz"));
    mueveFila(QStringLiteral("sprGruposXUsuario"), 1, QStringLiteral("cmdQuitar"));
    pulsa(Qt::Key_F5);
    EXPECT_EQ(boxes.texts(), QStringList{kSinGrupo});
    EXPECT_EQ(cuenta(QStringLiteral("EmpleadosXGrupo"), QStringLiteral("ID_Empleado=2")), 1);
    pulsa(Qt::Key_Escape);

    // Nor is any "ADMIN" group offered for a new employee.
    pulsa(Qt::Key_Insert);
    EXPECT_EQ(columna(spr(QStringLiteral("sprGrupos")), 2), (QStringList{"JEFES", "MESEROS"}));
    EXPECT_FALSE(control<QCheckBox>(QStringLiteral("chkUsuarios"))->isEnabled());
}

TEST_F(Empleados, AnAdministratorSeesEveryoneAndTheAdminGroups)
{
    agregaPedro();
    ASSERT_NE(abre(), nullptr);
    pulsa(Qt::Key_End);
    ASSERT_EQ(txt("txtUsuario")->text(), QStringLiteral("PEDRO"));
    EXPECT_EQ(columna(spr(QStringLiteral("sprGruposXUsuario")), 2), (QStringList{"ADMINISTRADORES", "MESEROS"}));
    EXPECT_EQ(columna(spr(QStringLiteral("sprGrupos")), 2), QStringList{QStringLiteral("JEFES")});
    EXPECT_EQ(columna(spr(QStringLiteral("sprDepartamentos")), 2), QStringList{QStringLiteral("BARRA")});
    pulsa(Qt::Key_Home);
    EXPECT_EQ(txt("txtUsuario")->text(), QStringLiteral("ADMIN"));
    EXPECT_TRUE(control<QCheckBox>(QStringLiteral("chkUsuarios"))->isChecked());
}

TEST_F(Empleados, ChangingThePasswordRefusesOneInUseAndResetsTheFailedLogins)
{
    agregaPedro();  // password MESA, 2 failed logins
    ASSERT_NE(abre(), nullptr);
    pulsa(Qt::Key_End);
    const QString antes = columnaDe(3, QStringLiteral("Contraseña")).toString();

    contestaContrasena(QStringLiteral("jefe"), QStringLiteral("jefe"));  // employee 2's
    ASSERT_TRUE(presiona("cmdCambiar"));
    EXPECT_EQ(boxes.texts(), QStringList{QStringLiteral("Contraseña en uso por otro usuario, pruebe con otra contraseña")});
    EXPECT_EQ(boxes.boxes().first().icon(), ui::Information);
    EXPECT_EQ(columnaDe(3, QStringLiteral("Contraseña")).toString(), antes);
    EXPECT_EQ(columnaDe(3, QStringLiteral("Intentos")).toInt(), 2);

    boxes.clear();
    contestaContrasena(QStringLiteral("otra"), QStringLiteral("otra"), true);
    presiona("cmdCambiar");
    EXPECT_TRUE(boxes.texts().isEmpty());
    EXPECT_EQ(columnaDe(3, QStringLiteral("Contraseña")).toString(), antes);

    // His own password again is no other's.
    contestaContrasena(QStringLiteral("mesa"), QStringLiteral("mesa"));
    presiona("cmdCambiar");
    EXPECT_EQ(boxes.texts(), QStringList{QStringLiteral("Contraseña cambiada")});
    EXPECT_EQ(columnaDe(3, QStringLiteral("Intentos")).toInt(), 0);

    boxes.clear();
    contestaContrasena(QStringLiteral("nueva"), QStringLiteral("nueva"));
    presiona("cmdCambiar");
    EXPECT_EQ(boxes.texts(), QStringList{QStringLiteral("Contraseña cambiada")});
    EXPECT_EQ(columnaDe(3, QStringLiteral("Contraseña")).toString(), CifraContrasena(QStringLiteral("NUEVA")));

    // A change that the database refuses is not reported as made.
    db.execute(QStringLiteral("CREATE TRIGGER fija BEFORE UPDATE ON Empleado BEGIN SELECT RAISE(ABORT, 'no'); END"));
    boxes.clear();
    contestaContrasena(QStringLiteral("otra"), QStringLiteral("otra"));
    presiona("cmdCambiar");
    EXPECT_EQ(boxes.texts(), QStringList{QStringLiteral("Imposible cambiar la contraseña!")});
    EXPECT_EQ(columnaDe(3, QStringLiteral("Contraseña")).toString(), CifraContrasena(QStringLiteral("NUEVA")));

    // Not while editing.
    reactiva();
    pulsa(Qt::Key_F6);
    EXPECT_FALSE(presiona("cmdCambiar"));
}

TEST_F(Empleados, BorrarTarjetaEmptiesTheCardNumberAtOnce)
{
    agregaPedro();
    ASSERT_NE(abre(), nullptr);
    pulsa(Qt::Key_End);
    ASSERT_TRUE(presiona("cmdBorrarTarjeta"));
    EXPECT_EQ(boxes.texts(), QStringList{QStringLiteral("Se ha borrado con exito!")});
    EXPECT_EQ(columnaDe(3, QStringLiteral("Num_Tarjeta")).toString(), QString());

    // Enabled while editing; a new employee has no card to clear yet.
    boxes.clear();
    pulsa(Qt::Key_Insert);
    ASSERT_TRUE(presiona("cmdBorrarTarjeta"));
    EXPECT_EQ(boxes.texts(), QStringList{QStringLiteral("Imposible borrar tarjeta!")});
    pulsa(Qt::Key_Escape);
    EXPECT_FALSE(presiona("cmdBorrarTarjeta"));
}

TEST_F(Empleados, DeletingRemovesTheEmployeeHisGroupsAndCostsThenDropsTheLoginAndShowsTheNext)
{
    agregaPedro();
    addEmployee(4, QStringLiteral("LUIS"), QStringLiteral("LUIS"));
    join(4, grupoMeseros);
    QStringList llamadas;
    const auto anota = [&](const char* nombre) {
        return [&, nombre](adodb::Connection& c, const QVariantList& args) {
            // Only once the delete has been committed.
            llamadas << QLatin1String(nombre) + QLatin1Char(' ') + args.value(0).toString()
                            + (c.inTransaction() ? QStringLiteral(" en transaccion") : QString());
            return adodb::Recordset();
        };
    };
    adodb::Procedures::add(QStringLiteral("sp_who"), anota("sp_who"));
    adodb::Procedures::add(QStringLiteral("sp_dropuser"), anota("sp_dropuser"));
    adodb::Procedures::add(QStringLiteral("sp_droplogin"), anota("sp_droplogin"));
    ASSERT_NE(abre(), nullptr);
    pulsa(Qt::Key_Up);
    pulsa(Qt::Key_Up);
    ASSERT_EQ(txt("txtUsuario")->text(), QStringLiteral("PEDRO"));

    boxes.answer(ui::No);
    pulsa(Qt::Key_Delete);
    ASSERT_EQ(boxes.texts(), QStringList{QStringLiteral("¿Esta seguro de borrar al usuario?")});
    EXPECT_EQ(boxes.boxes().first().style, ui::YesNo | ui::Question | ui::DefaultButton2);
    EXPECT_EQ(cuenta(QStringLiteral("Empleado")), 4);
    EXPECT_TRUE(llamadas.isEmpty());

    boxes.clear();
    boxes.answer(ui::Yes);
    pulsa(Qt::Key_Delete);
    EXPECT_EQ(boxes.texts(), QStringList{QStringLiteral("¿Esta seguro de borrar al usuario?")});
    EXPECT_EQ(cuenta(QStringLiteral("Empleado"), QStringLiteral("ID_Empleado=3")), 0);
    EXPECT_EQ(cuenta(QStringLiteral("EmpleadosXGrupo"), QStringLiteral("ID_Empleado=3")), 0);
    EXPECT_EQ(cuenta(QStringLiteral("CostosXEmpleado"), QStringLiteral("ID_Empleado=3")), 0);
    EXPECT_EQ(llamadas, (QStringList{"sp_who PEDRO", "sp_dropuser PEDRO", "sp_droplogin PEDRO"}));
    EXPECT_EQ(txt("txtUsuario")->text(), QStringLiteral("LUIS"));
    EXPECT_EQ(lblId()->text(), QStringLiteral("4"));
    EXPECT_EQ(columna(spr(QStringLiteral("sprGruposXUsuario")), 2), QStringList{QStringLiteral("MESEROS")});

    // The last employee deleted, the one before shows.
    boxes.clear();
    boxes.answer(ui::Yes);
    pulsa(Qt::Key_Delete);
    EXPECT_EQ(txt("txtUsuario")->text(), QStringLiteral("JEFE"));
    pulsa(Qt::Key_Up);
    EXPECT_EQ(boxes.texts().last(), QStringLiteral("No hay mas registros"));

    // A new employee with a deleted key inherits nothing.
    EXPECT_EQ(cuenta(QStringLiteral("CostosXEmpleado")), 0);

    const adodb::Procedure nada = [](adodb::Connection&, const QVariantList&) { return adodb::Recordset(); };
    for (const char* p : {"sp_who", "sp_dropuser", "sp_droplogin"})
        adodb::Procedures::add(QLatin1String(p), nada);
}

TEST_F(Empleados, AnEmployeeInSessionOrARefusedDeleteChangesNothing)
{
    agregaPedro();
    adodb::Procedures::add(QStringLiteral("sp_who"), [](adodb::Connection& c, const QVariantList&) {
        return c.execute(QStringLiteral("SELECT 53 AS spid, 'PEDRO' AS loginame"));
    });
    ASSERT_NE(abre(), nullptr);
    pulsa(Qt::Key_End);
    boxes.answer(ui::Yes);
    pulsa(Qt::Key_Delete);
    ASSERT_EQ(boxes.texts().size(), 2);
    EXPECT_EQ(boxes.texts().at(1), QStringLiteral("No es posible eliminar al usuario por estar en sesión"));
    EXPECT_EQ(boxes.boxes().at(1).icon(), ui::Critical);
    EXPECT_EQ(cuenta(QStringLiteral("Empleado"), QStringLiteral("ID_Empleado=3")), 1);
    adodb::Procedures::add(QStringLiteral("sp_who"),
                           [](adodb::Connection&, const QVariantList&) { return adodb::Recordset(); });

    // The employee's row refused: his groups and costs stay too.
    db.execute(QStringLiteral("CREATE TRIGGER guarda BEFORE DELETE ON Empleado BEGIN SELECT RAISE(ABORT, 'no'); END"));
    boxes.clear();
    boxes.answer(ui::Yes);
    pulsa(Qt::Key_Delete);
    EXPECT_GE(boxes.texts().size(), 2);
    EXPECT_EQ(cuenta(QStringLiteral("Empleado"), QStringLiteral("ID_Empleado=3")), 1);
    EXPECT_EQ(cuenta(QStringLiteral("EmpleadosXGrupo"), QStringLiteral("ID_Empleado=3")), 2);
    EXPECT_EQ(cuenta(QStringLiteral("CostosXEmpleado"), QStringLiteral("ID_Empleado=3")), 1);
    EXPECT_FALSE(g_ClsAdo().conexion().inTransaction());
    EXPECT_EQ(txt("txtUsuario")->text(), QStringLiteral("PEDRO"));
}

TEST_F(Empleados, NavigationAndFindShowEachEmployeeWithHisGroups)
{
    agregaPedro();
    ASSERT_NE(abre(), nullptr);
    pulsa(Qt::Key_Up);
    EXPECT_EQ(txt("txtUsuario")->text(), QStringLiteral("JEFE"));
    EXPECT_EQ(columna(spr(QStringLiteral("sprGruposXUsuario")), 2), QStringList{QStringLiteral("JEFES")});

    txt("txtUsuario")->setFocus();
    pulsa(Qt::Key_F3);
    FrmBusqueda* dialogo = FrmBusqueda::instancia();
    ASSERT_NE(dialogo, nullptr);
    EXPECT_EQ(dialogo->psCampo, QStringLiteral("Usuario"));
    EXPECT_EQ(dialogo->lblCampo()->text(), QStringLiteral("Usuario"));
    dialogo->TxtCondicion()->setText(QStringLiteral("pedro"));
    dialogo->CmdBuscarPrimero()->click();
    EXPECT_EQ(txt("txtUsuario")->text(), QStringLiteral("PEDRO"));
    EXPECT_EQ(lblId()->text(), QStringLiteral("3"));
    EXPECT_EQ(columna(spr(QStringLiteral("sprDepartamentosXUsuario")), 2), QStringList{QStringLiteral("COCINA")});
    dialogo->Cierra();
}

TEST_F(Empleados, EscWhileTypingACostCancelsTheEditAndKeepsTheWindowOpen)
{
    agregaPedro();
    ASSERT_NE(abre(), nullptr);
    pulsa(Qt::Key_End);
    pulsa(Qt::Key_F6);
    tecleaCelda(QStringLiteral("sprDepartamentosXUsuario"), 1, 3, QStringLiteral("77"));
    QPointer<FrmUsuarios> abierta = ventana;
    pulsa(Qt::Key_Escape);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    ASSERT_FALSE(abierta.isNull());
    EXPECT_FALSE(ventana->Formas().Edicion());
    EXPECT_EQ(columna(spr(QStringLiteral("sprDepartamentosXUsuario")), 3), QStringList{QStringLiteral("40.00")});
}

// The save that asks for the password leaves Empleados the active child, with the focus on its first
// field, even with another child open and the focus on a control that the save disables; the next
// key acts on the employee.
TEST_F(Empleados, AfterTheSaveTheWindowStaysActiveWithTheFocusOnItsFirstField)
{
    ASSERT_NE(abre(), nullptr);
    main->menuItem(QStringLiteral("mnuDepartamentos"))->trigger();
    main->menuItem(QStringLiteral("mnuUtlAdUsr"))->trigger();  // Empleados forward again
    QMdiArea* area = main->mdiArea();
    ASSERT_EQ(area->subWindowList().size(), 2);
    ASSERT_EQ(area->activeSubWindow()->widget(), ventana);

    pulsa(Qt::Key_Insert);
    llenaRequeridos(QStringLiteral("luis"));
    spr(QStringLiteral("sprGrupos"))->setActiveCell(1, 2);
    QTest::mouseClick(control<QPushButton>(QStringLiteral("cmdAgregar")), Qt::LeftButton);
    ASSERT_EQ(QApplication::focusWidget(), control<QPushButton>(QStringLiteral("cmdAgregar")));
    contestaContrasena(QStringLiteral("uno"), QStringLiteral("uno"));
    pulsa(Qt::Key_F5);
    reactiva();
    QCoreApplication::processEvents();

    ASSERT_EQ(dialogosContrasena, 1);
    ASSERT_EQ(lblId()->text(), QStringLiteral("3"));
    EXPECT_EQ(area->activeSubWindow()->widget(), ventana);
    EXPECT_EQ(QApplication::focusWidget(), txt("txtUsuario"));
    pulsa(Qt::Key_F6);
    EXPECT_TRUE(ventana->Formas().Edicion());

    // A cancel with the focus on the state list, which browsing disables, does the same.
    auto* estado = control<ListaBloqueable>(QStringLiteral("cmbEstado"));
    estado->setFocus(Qt::TabFocusReason);
    pulsa(Qt::Key_Escape);
    EXPECT_FALSE(ventana->Formas().Edicion());
    EXPECT_EQ(area->activeSubWindow()->widget(), ventana);
    EXPECT_EQ(QApplication::focusWidget(), txt("txtUsuario"));
}

// The employees window keeps the protocol of every record window: a stored value shown whole and
// kept by an unrelated change, a typed name stored without blanks around it, the password asked
// before the save holds the database, and an employee deleted elsewhere said so with the database
// free.
TEST_F(Empleados, TheWindowKeepsTheRecordProtocol)
{
    agregaPedro();
    db.execute(QStringLiteral("UPDATE Empleado SET C_P='0123456', Calle_Numero=NULL WHERE ID_Empleado=3"));
    ASSERT_NE(abre(), nullptr);
    pulsa(Qt::Key_End);
    EXPECT_EQ(txt("txtCP")->text(), QStringLiteral("0123456"));
    pulsa(Qt::Key_F6);
    txt("TxtNombre")->setText(QStringLiteral("  Pedrito "));
    pulsa(Qt::Key_F5);
    EXPECT_TRUE(boxes.texts().isEmpty()) << boxes.texts().join(QLatin1Char('|')).toStdString();
    EXPECT_EQ(scalar(QStringLiteral("SELECT Nombre_Empleado||'|'||C_P||'|'||IFNULL(Calle_Numero, 'NULL') FROM Empleado "
                                    "WHERE ID_Empleado=3")).toString(),
              QStringLiteral("Pedrito|0123456|NULL"));

    pulsa(Qt::Key_Insert);
    llenaRequeridos(QStringLiteral("luis"));
    mueve(QStringLiteral("sprGrupos"), QStringLiteral("MESEROS"), QStringLiteral("cmdAgregar"));
    bool enTransaccion = true;
    QTimer::singleShot(0, [&] { enTransaccion = g_ClsAdo().conexion().inTransaction(); });
    contestaContrasena(QStringLiteral("uno"), QStringLiteral("uno"));
    pulsa(Qt::Key_F5);
    reactiva();
    EXPECT_EQ(dialogosContrasena, 1);
    EXPECT_FALSE(enTransaccion);
    EXPECT_EQ(cuenta(QStringLiteral("Empleado"), QStringLiteral("Usuario='luis'")), 1);

    pulsa(Qt::Key_F6);
    txt("TxtNombre")->setText(QStringLiteral("Luis Ángel"));
    db.execute(QStringLiteral("DELETE FROM EmpleadosXGrupo WHERE ID_Empleado=4; DELETE FROM Empleado WHERE ID_Empleado=4"));
    bool libre = false;
    boxes.setWitness([&](const ui::Box&) { libre = !g_ClsAdo().conexion().inTransaction(); });
    boxes.clear();
    pulsa(Qt::Key_F5);
    boxes.setWitness(nullptr);
    EXPECT_EQ(boxes.texts(), QStringList{QStringLiteral("El registro fue borrado o modificado por otro usuario")});
    EXPECT_TRUE(libre);
    EXPECT_TRUE(ventana->Formas().Edicion());
    EXPECT_EQ(cuenta(QStringLiteral("EmpleadosXGrupo"), QStringLiteral("ID_Empleado=4")), 0);
}
