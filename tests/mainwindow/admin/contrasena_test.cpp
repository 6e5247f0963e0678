#include "empleados_fixture.h"

#include "foundation/cipher/contrasena.h"
#include "mainwindow/admin/frm_contrasena.h"
#include "mainwindow/mdi_principal.h"
#include "tests/foundation/forms/typing.h"

#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

class Contrasena : public EmpleadosDb {
protected:
    // The dialog as the employees window shows it: entry mode, waiting to learn of a cancel.
    frmContrasena& entrada()
    {
        dialogo = new frmContrasena;
        dialogo->bCambio = false;
        dialogo->bCancelar = false;
        dialogo->show();
        return *dialogo;
    }
    void TearDown() override
    {
        delete dialogo.data();
        EmpleadosDb::TearDown();
    }
    QVariant columnaDe(int id, const QString& columna)
    {
        return scalar(QStringLiteral("SELECT %1 FROM Empleado WHERE ID_Empleado=%2").arg(columna).arg(id));
    }

    QPointer<frmContrasena> dialogo;
};

TEST_F(Contrasena, EntryModeDesignAndChecks)
{
    frmContrasena& d = entrada();
    EXPECT_EQ(d.objectName(), QStringLiteral("frmContraseña"));
    EXPECT_EQ(d.windowTitle(), QStringLiteral("Cambio de contraseña"));
    EXPECT_EQ(d.txtContrasena->objectName(), QStringLiteral("txtContraseña"));
    EXPECT_EQ(d.lblLabels[0]->text(), QStringLiteral("Contraseña:"));
    EXPECT_EQ(d.lblLabels[1]->text(), QStringLiteral("Confirmar:"));
    EXPECT_EQ(d.lblLabels[2]->text(), QStringLiteral("Contraseña actual:"));
    EXPECT_FALSE(d.txtActual->isVisible());
    EXPECT_FALSE(d.lblLabels[2]->isVisible());
    EXPECT_EQ(d.txtConfirma->echoMode(), QLineEdit::Password);
    EXPECT_TRUE(d.cmdOK->isDefault());
    EXPECT_EQ(d.cmdCancel->text(), QStringLiteral("Cancelar"));
    EXPECT_NE(d.findChild<QGroupBox*>(QStringLiteral("Frame1")), nullptr);

    // Esc presses "Aceptar".
    QTest::keyClick(d.txtContrasena, Qt::Key_Escape);
    EXPECT_EQ(boxes.texts(), QStringList{QStringLiteral("La contraseña es requerida")});
    EXPECT_EQ(boxes.boxes().first().icon(), ui::Information);
    EXPECT_TRUE(d.isVisible());

    boxes.clear();
    teclea(d.txtContrasena, QStringLiteral("año1"));
    teclea(d.txtConfirma, QStringLiteral("AÑO2"));
    EXPECT_EQ(d.txtContrasena->text(), QStringLiteral("AÑO1"));
    d.cmdOK->click();
    EXPECT_EQ(boxes.texts(), QStringList{QStringLiteral("Las contraseñas no coinciden")});
    EXPECT_TRUE(d.txtContrasena->text().isEmpty());
    EXPECT_TRUE(d.isVisible());

    teclea(d.txtContrasena, QStringLiteral("año2"));
    QTest::keyClick(d.txtConfirma, Qt::Key_Return);
    EXPECT_FALSE(d.isVisible());
    EXPECT_FALSE(d.bCancelar);
    EXPECT_EQ(d.txtContrasena->text(), QStringLiteral("AÑO2"));
}

TEST_F(Contrasena, CancelOrTheCloseBoxLeaveBCancelarSet)
{
    frmContrasena& d = entrada();
    teclea(d.txtContrasena, QStringLiteral("x"));
    d.cmdCancel->click();
    EXPECT_TRUE(d.bCancelar);
    EXPECT_FALSE(d.isVisible());

    d.bCancelar = false;
    d.show();
    d.close();
    EXPECT_TRUE(d.bCancelar);
    EXPECT_TRUE(boxes.texts().isEmpty());
}

TEST_F(Contrasena, TheMenuItemChangesTheLoggedInEmployeesOwnPassword)
{
    db.execute(QStringLiteral("UPDATE Empleado SET Intentos=3 WHERE ID_Empleado=2"));
    abre(2, false);
    QAction* item = main->menuItem(QStringLiteral("mnuUtlContraseña"));
    ASSERT_NE(item, nullptr);
    QStringList pasos;
    QTimer::singleShot(0, [&] {
        auto* d = qobject_cast<frmContrasena*>(QApplication::activeModalWidget());
        if (!d) {
            ADD_FAILURE() << "no password dialog";
            return;
        }
        pasos << QString::number(d->txtActual->isVisible()) << d->focusWidget()->objectName();
        teclea(d->txtActual, QStringLiteral("otra"));
        teclea(d->txtContrasena, QStringLiteral("nueva"));
        teclea(d->txtConfirma, QStringLiteral("nueva"));
        d->cmdOK->click();
        pasos << boxes.texts().join(QLatin1Char('|')) << QString::number(d->isVisible());
        teclea(d->txtActual, QStringLiteral("jefe"));
        d->cmdOK->click();
        if (d->isVisible())
            d->cmdCancel->click();
    });
    item->trigger();
    EXPECT_EQ(pasos, (QStringList{"1", "txtActual", "La contraseña actual no es correcta", "1"}));
    EXPECT_EQ(boxes.texts().last(), QStringLiteral("Contraseña cambiada"));
    EXPECT_EQ(columnaDe(2, QStringLiteral("Contraseña")).toString(), CifraContrasena(QStringLiteral("NUEVA")));
    EXPECT_EQ(columnaDe(2, QStringLiteral("Intentos")).toInt(), 0);
    EXPECT_EQ(columnaDe(1, QStringLiteral("Contraseña")).toString(), CifraContrasena(QStringLiteral("ADMIN")));
}

TEST_F(Contrasena, AChangeForAnEmployeeThatIsGoneIsNotReportedAsMade)
{
    frmContrasena d;
    d.sUsuario = QStringLiteral("2");
    d.show();
    teclea(d.txtActual, QStringLiteral("jefe"));
    teclea(d.txtContrasena, QStringLiteral("a"));
    teclea(d.txtConfirma, QStringLiteral("a"));
    db.execute(QStringLiteral("CREATE TRIGGER fija BEFORE UPDATE ON Empleado BEGIN SELECT RAISE(ABORT, 'no'); END"));
    d.cmdOK->click();
    EXPECT_EQ(boxes.texts(), QStringList{QStringLiteral("Imposible cambiar la contraseña!")});
    EXPECT_TRUE(d.isVisible());
    EXPECT_EQ(columnaDe(2, QStringLiteral("Contraseña")).toString(), CifraContrasena(QStringLiteral("JEFE")));
}

// A character the stored form lacks would be stored as "?", and "?" would then open the account:
// such a password is refused in either mode, and nothing is stored.
TEST_F(Contrasena, APasswordTheStoredFormCannotHoldIsRefused)
{
    const struct {
        const char* tecleada;
        bool aceptada;
    } casos[] = {{"жжжж", false}, {"ΩMEGA", false}, {"ñandú€", true}, {"????", true}};
    for (const auto& c : casos) {
        SCOPED_TRACE(c.tecleada);
        const QString tecleada = QString::fromUtf8(c.tecleada);
        for (const bool cambio : {false, true}) {
            if (c.aceptada && cambio)
                continue;
            frmContrasena d;
            d.bCambio = cambio;
            d.bCancelar = false;
            d.sUsuario = QStringLiteral("2");
            d.show();
            if (cambio)
                teclea(d.txtActual, QStringLiteral("jefe"));
            teclea(d.txtContrasena, tecleada);
            teclea(d.txtConfirma, tecleada);
            boxes.clear();
            d.cmdOK->click();
            if (c.aceptada) {
                EXPECT_TRUE(boxes.texts().isEmpty());
                EXPECT_FALSE(d.isVisible());
                continue;
            }
            EXPECT_EQ(boxes.texts(), QStringList{ContrasenaNoGuardable()});
            EXPECT_TRUE(d.isVisible());
            EXPECT_TRUE(d.txtContrasena->text().isEmpty());
            EXPECT_EQ(columnaDe(2, QStringLiteral("Contraseña")).toString(), CifraContrasena(QStringLiteral("JEFE")));
        }
    }
}
