// Terminals: the menu and state pairs, the address and name checks, and the one server.
#include "foundation/database/cls_ado.h"
#include "tests/foundation/forms/typing.h"
#include "tests/operation/operation_fixture.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QLineEdit>

namespace {

const QString kPregunta = QStringLiteral(" esta marcado como servidor,¿Desea cambiar el servidor?");

class TerminalesTest : public OperationDb {
protected:
    void SetUp() override
    {
        OperationDb::SetUp();
        // Listed by name: CENA (2), COMIDA (1).
        db.execute(QStringLiteral("INSERT INTO Menu (ID_Menu, Nombre_Menu) VALUES (1, 'COMIDA'), (2, 'CENA')"));
    }
    bool abreVentana() { return abre(QStringLiteral("mnuTerminal"), QStringLiteral("CfgTerminal")) != nullptr; }
    QLineEdit* TxtNombre() const { return control<QLineEdit>(QStringLiteral("TxtNombre")); }
    QLineEdit* MskIP() const { return control<QLineEdit>(QStringLiteral("MskIP")); }
    QComboBox* CmbMenu() const { return control<QComboBox>(QStringLiteral("CmbMenu")); }
    QComboBox* cmbEstado() const { return control<QComboBox>(QStringLiteral("cmbEstado")); }
    QCheckBox* chkServidor() const { return control<QCheckBox>(QStringLiteral("chkServidor")); }
    QStringList terminales()
    {
        return filas(QStringLiteral("SELECT Nombre_Terminal, Direccion_IP, Estado_Terminal, ID_Menu, Vereduda, "
                                    "Servidor_Backup FROM Terminal ORDER BY ID_Terminal"));
    }
    QStringList servidores() { return filas(QStringLiteral("SELECT Nombre_Terminal FROM Terminal WHERE Vereduda=1")); }
    void dosTerminales()
    {
        db.execute(QStringLiteral("INSERT INTO Terminal VALUES (1, 'CAJA1', '10.0.0.1', 'A', 1, 1, 0), "
                                  "(2, 'CAJA2', '10.0.0.2', 'A', 1, 0, 1)"));
    }
};

TEST_F(TerminalesTest, ANewTerminalIsActiveNeedsAMenuAndStoresItsAddressAsText)
{
    ASSERT_TRUE(abreVentana());
    EXPECT_EQ(entradas(CmbMenu()), (QStringList{QStringLiteral("CENA"), QStringLiteral("COMIDA")}));
    pulsa(Qt::Key_Insert);
    EXPECT_EQ(cmbEstado()->currentText(), QStringLiteral("Activo"));
    EXPECT_TRUE(MskIP()->text().isEmpty());
    EXPECT_EQ(CmbMenu()->currentIndex(), -1);
    EXPECT_FALSE(chkServidor()->isChecked());

    teclea(TxtNombre(), QStringLiteral("caja1"));
    pulsa(Qt::Key_Tab);
    teclea(MskIP(), QStringLiteral("192.168.1.20"));
    pulsa(Qt::Key_F5);
    EXPECT_EQ(boxes.texts(), QStringList{QStringLiteral("Falta el campo de Menu")});
    EXPECT_TRUE(CmbMenu()->hasFocus());
    EXPECT_EQ(cuenta(QStringLiteral("Terminal")), 0);

    ASSERT_TRUE(elige(CmbMenu(), QStringLiteral("COMIDA")));
    pulsa(Qt::Key_F5);
    EXPECT_EQ(boxes.texts().size(), 1);
    EXPECT_EQ(terminales(), QStringList{QStringLiteral("CAJA1|192.168.1.20|A|1|0|0")});
    EXPECT_FALSE(ventanaAbierta->Formas().Edicion());

    pulsa(Qt::Key_F6);
    reemplaza(MskIP(), QStringLiteral("10.0.0.7"));
    ASSERT_TRUE(elige(cmbEstado(), QStringLiteral("Reparación")));
    ASSERT_TRUE(elige(CmbMenu(), QStringLiteral("CENA")));
    control<QCheckBox>(QStringLiteral("chkServidorBack"))->setChecked(true);
    pulsa(Qt::Key_F5);
    EXPECT_EQ(boxes.texts().size(), 1);
    EXPECT_EQ(terminales(), QStringList{QStringLiteral("CAJA1|10.0.0.7|R|2|0|1")});
}

TEST_F(TerminalesTest, AnAddressIsDigitsInFourGroupsOfAtMost255)
{
    ASSERT_TRUE(abreVentana());
    pulsa(Qt::Key_Insert);
    teclea(TxtNombre(), QStringLiteral("caja1"));
    ASSERT_TRUE(elige(CmbMenu(), QStringLiteral("COMIDA")));
    MskIP()->setFocus();
    teclea(MskIP(), QStringLiteral("1a9 2.168.001.20.77"));
    EXPECT_EQ(MskIP()->text(), QStringLiteral("192.168.001.20."));

    // Leaving the box with a wrong address keeps the focus there.
    reemplaza(MskIP(), QStringLiteral("300.1.1.1"));
    pulsa(Qt::Key_Tab);
    QApplication::processEvents();
    EXPECT_EQ(boxes.texts(), QStringList{QStringLiteral("La direcciòn IP no es válida")});
    EXPECT_TRUE(MskIP()->hasFocus());

    // Aceptar checks the address typed, wherever the focus is.
    for (const QString& direccion : {QStringLiteral("300.1.1.1"), QStringLiteral("1.2.3"), QStringLiteral("1.2.3."),
                                     QStringLiteral("1..2.3"), QStringLiteral("1.2.3.4.5"),
                                     QString::fromUtf8("１.２.３.９９９"), QString::fromUtf8("1.2.3.٤")}) {
        boxes.clear();
        MskIP()->setText(direccion);
        pulsa(Qt::Key_F5);
        EXPECT_EQ(boxes.texts(), QStringList{QStringLiteral("La dirección IP es incorrecta")}) << direccion.toStdString();
        EXPECT_TRUE(MskIP()->hasFocus());
    }
    EXPECT_EQ(cuenta(QStringLiteral("Terminal")), 0);

    boxes.clear();
    MskIP()->clear();
    pulsa(Qt::Key_F5);
    EXPECT_TRUE(boxes.boxes().isEmpty());
    EXPECT_EQ(terminales(), QStringList{QStringLiteral("CAJA1|NULL|A|1|0|0")});
}

TEST_F(TerminalesTest, ANameThatWouldLeaveTheSharesIsRefusedBeforeAnythingElse)
{
    ASSERT_TRUE(abreVentana());
    pulsa(Qt::Key_Insert);
    // The names the end of day could not reach; the message names the one typed.
    for (const char* nombre : {"CAJA\\1", "..", ".", "CAJA/1", "A..B", "CAJA:1", "CAJA*", "CAJA?", "<CAJA>",
                               "CAJA|1", "CAJA\"1"}) {
        boxes.clear();
        reemplaza(TxtNombre(), QString::fromUtf8(nombre));
        pulsa(Qt::Key_F5);
        ASSERT_EQ(boxes.boxes().size(), 1) << nombre;
        EXPECT_TRUE(boxes.texts().first().startsWith(
            QStringLiteral("El nombre de la terminal no es un nombre de equipo válido")))
            << nombre;
        EXPECT_TRUE(boxes.texts().first().endsWith(QStringLiteral("): ") + QString::fromUtf8(nombre))) << nombre;
        EXPECT_TRUE(TxtNombre()->hasFocus());
    }
    ASSERT_TRUE(elige(CmbMenu(), QStringLiteral("COMIDA")));
    pulsa(Qt::Key_F5);
    EXPECT_EQ(cuenta(QStringLiteral("Terminal")), 0);
    EXPECT_TRUE(ventanaAbierta->Formas().Edicion());

    // With no server yet, marking one asks nothing.
    reemplaza(TxtNombre(), QStringLiteral("caja.1"));
    chkServidor()->setChecked(true);
    boxes.clear();
    pulsa(Qt::Key_F5);
    EXPECT_TRUE(boxes.boxes().isEmpty());
    EXPECT_EQ(terminales(), QStringList{QStringLiteral("CAJA.1|NULL|A|1|1|0")});
}

TEST_F(TerminalesTest, MarkingAServerAsksAboutTheOldOneAndLeavesOneServer)
{
    dosTerminales();
    ASSERT_TRUE(abreVentana());
    ventanaAbierta->BotonUltimoRegistro();
    pulsa(Qt::Key_F6);
    chkServidor()->setChecked(true);
    boxes.answer(ui::No);
    pulsa(Qt::Key_F5);
    ASSERT_EQ(boxes.texts(), QStringList{QStringLiteral("CAJA1") + kPregunta});
    EXPECT_EQ(boxes.boxes().first().icon(), ui::Question);
    EXPECT_EQ(servidores(), QStringList{QStringLiteral("CAJA1")});
    EXPECT_FALSE(ventanaAbierta->Formas().Edicion());

    pulsa(Qt::Key_F6);
    chkServidor()->setChecked(true);
    boxes.answer(ui::Yes);
    pulsa(Qt::Key_F5);
    EXPECT_EQ(boxes.texts().size(), 2);
    EXPECT_EQ(servidores(), QStringList{QStringLiteral("CAJA2")});

    // A refused save leaves the server as it was.
    pulsa(Qt::Key_Insert);
    teclea(TxtNombre(), QStringLiteral("caja1"));
    ASSERT_TRUE(elige(CmbMenu(), QStringLiteral("COMIDA")));
    chkServidor()->setChecked(true);
    boxes.answer(ui::Yes);
    pulsa(Qt::Key_F5);
    ASSERT_EQ(boxes.texts().size(), 4);
    EXPECT_EQ(boxes.texts().at(2), QStringLiteral("CAJA2") + kPregunta);
    EXPECT_EQ(boxes.texts().at(3), QStringLiteral("Ya existe la terminal"));
    EXPECT_TRUE(ventanaAbierta->Formas().Edicion());
    EXPECT_EQ(servidores(), QStringList{QStringLiteral("CAJA2")});
    pulsa(Qt::Key_Escape);

    // The server itself, renamed, asks nothing and stays the server.
    ventanaAbierta->BotonUltimoRegistro();
    pulsa(Qt::Key_F6);
    reemplaza(TxtNombre(), QStringLiteral("caja9"));
    pulsa(Qt::Key_F5);
    EXPECT_EQ(boxes.texts().size(), 4);
    EXPECT_EQ(servidores(), QStringList{QStringLiteral("CAJA9")});
}

// The question comes before the save's transaction: the database is free while it is read, and
// another station writing meanwhile does not make the answer fail.
TEST_F(TerminalesTest, TheServerQuestionIsAskedBeforeTheSaveHoldsTheDatabase)
{
    dosTerminales();
    ASSERT_TRUE(abreVentana());
    ventanaAbierta->BotonUltimoRegistro();
    pulsa(Qt::Key_F6);
    chkServidor()->setChecked(true);
    bool enTransaccion = true;
    boxes.setWitness([&](const ui::Box&) {
        enTransaccion = g_ClsAdo().conexion().inTransaction();
        db.execute(QStringLiteral("UPDATE Menu SET Nombre_Menu='CENA TARDE' WHERE ID_Menu=2"));
    });
    boxes.answer(ui::Yes);
    pulsa(Qt::Key_F5);
    boxes.setWitness(nullptr);
    EXPECT_EQ(boxes.texts(), QStringList{QStringLiteral("CAJA1") + kPregunta});
    EXPECT_FALSE(enTransaccion);
    EXPECT_FALSE(ventanaAbierta->Formas().Edicion());
    EXPECT_EQ(servidores(), QStringList{QStringLiteral("CAJA2")});
}

TEST_F(TerminalesTest, TheDatabaseHoldsOneServerAtMostAndItsUpgradeKeepsTheFirst)
{
    dosTerminales();
    EXPECT_THROW(db.execute(QStringLiteral("UPDATE Terminal SET Vereduda=1 WHERE ID_Terminal=2")), adodb::ComError);

    db.execute(QStringLiteral("DROP INDEX IX_Terminal_Servidor"));
    db.execute(QStringLiteral("INSERT INTO Terminal VALUES (3, 'CAJA3', '', 'A', 1, 1, 0)"));
    db.execute(QStringLiteral("UPDATE Terminal SET Vereduda=1"));
    QFile paso(QStringLiteral(":/schema/upgrades/003.sql"));
    ASSERT_TRUE(paso.open(QIODevice::ReadOnly));
    db.execute(QString::fromUtf8(paso.readAll()));
    EXPECT_EQ(servidores(), QStringList{QStringLiteral("CAJA1")});
    EXPECT_EQ(cuenta(QStringLiteral("Terminal")), 3);
    EXPECT_EQ(scalar(QStringLiteral("SELECT sql FROM sqlite_master WHERE name='IX_Terminal_Servidor'")).toString(),
              QStringLiteral("CREATE UNIQUE INDEX IX_Terminal_Servidor ON Terminal (Vereduda) WHERE Vereduda=1"));
}

TEST_F(TerminalesTest, ATerminalThatAPrinterNamesIsNotDeleted)
{
    dosTerminales();
    db.execute(QStringLiteral("INSERT INTO Impresora (ID_Impresora, Nombre_Impresora, ID_Terminal) VALUES (1, 'COCINA', 1)"));
    ASSERT_TRUE(abreVentana());
    pulsa(Qt::Key_Delete);
    ASSERT_EQ(boxes.texts().size(), 2);
    EXPECT_EQ(boxes.texts().at(1),
              QStringLiteral("No se puede borrar este registro por estar en uso en la tabla Impresora"));
    EXPECT_EQ(cuenta(QStringLiteral("Terminal")), 2);
    ventanaAbierta->BotonUltimoRegistro();
    pulsa(Qt::Key_Delete);
    EXPECT_EQ(terminales(), QStringList{QStringLiteral("CAJA1|10.0.0.1|A|1|1|0")});
}

} // namespace
