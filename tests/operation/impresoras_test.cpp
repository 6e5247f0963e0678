// Printers: the labels' required fields, the code and lookup pairs, and the redirect reset.
#include "tests/foundation/forms/typing.h"
#include "tests/operation/operation_fixture.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>

namespace {

class ImpresorasTest : public OperationDb {
protected:
    void SetUp() override
    {
        OperationDb::SetUp();
        db.execute(QStringLiteral("INSERT INTO Terminal (ID_Terminal, Nombre_Terminal) VALUES (1, 'CAJA1'), (2, 'BARRA')"));
    }
    bool abreVentana()
    {
        return abre(QStringLiteral("mnuUtlConfImpresoras"), QStringLiteral("CfgImpresora")) != nullptr;
    }
    QLineEdit* TxtNombre() const { return control<QLineEdit>(QStringLiteral("TxtNombre")); }
    QLineEdit* txtComentario() const { return control<QLineEdit>(QStringLiteral("txtComentario")); }
    QComboBox* combo(const char* nombre) const { return control<QComboBox>(QLatin1String(nombre)); }
    // Key, name, port, mode, terminal, redirect, state, checks, backup, comment.
    QStringList impresoras() { return filas(QStringLiteral("SELECT * FROM Impresora ORDER BY 1")); }
    void tresImpresoras()
    {
        db.execute(QStringLiteral(
            "INSERT INTO Impresora (ID_Impresora, Nombre_Impresora, Puerto, Modo, ID_Terminal, Redirigido, "
            "Estado_Impresora, Comentario) VALUES (1, 'COCINA', 'COM1', 'E', 1, NULL, 'N', NULL), "
            "(2, 'BARRA', 'LPT1', 'S', 2, 1, 'L', 'junto a la caja'), (3, 'CAJA', 'COM2', 'C', 1, 3, 'A', NULL)"));
    }
};

TEST_F(ImpresorasTest, RequiredFieldsGoModeTerminalNameAndASavedPrinterPrintsItsOwnJobs)
{
    tresImpresoras();
    ASSERT_TRUE(abreVentana());
    ventanaAbierta->BotonUltimoRegistro();
    pulsa(Qt::Key_Insert);
    for (const char* lista : {"cmbEstado", "cmbTerminal", "cmbModo"})
        EXPECT_EQ(combo(lista)->currentIndex(), -1) << lista;
    EXPECT_EQ(combo("cmbRedirigido")->currentText(), QStringLiteral("NINGUNA"));
    EXPECT_EQ(combo("cmbRespaldo")->currentText(), QStringLiteral("NINGUNA"));
    pulsa(Qt::Key_F5);
    EXPECT_EQ(boxes.texts(), QStringList{QStringLiteral("Falta el campo de Modo")});
    EXPECT_TRUE(combo("cmbModo")->hasFocus());
    ASSERT_TRUE(elige(combo("cmbModo"), QStringLiteral("Star")));
    pulsa(Qt::Key_F5);
    EXPECT_EQ(boxes.texts().last(), QStringLiteral("Falta el campo de Terminal"));
    EXPECT_TRUE(combo("cmbTerminal")->hasFocus());
    ASSERT_TRUE(elige(combo("cmbTerminal"), QStringLiteral("BARRA")));
    pulsa(Qt::Key_F5);
    EXPECT_EQ(boxes.texts().last(), QStringLiteral("Falta el campo de Nombre"));
    EXPECT_TRUE(TxtNombre()->hasFocus());
    EXPECT_EQ(cuenta(QStringLiteral("Impresora")), 3);

    teclea(TxtNombre(), QStringLiteral("postres"));
    teclea(txtComentario(), QStringLiteral("la de O'Hara"));
    pulsa(Qt::Key_F5);
    EXPECT_EQ(boxes.texts().size(), 3);
    EXPECT_FALSE(ventanaAbierta->Formas().Edicion());
    // No state, no port, no redirect and no backup; every printer without a redirect prints its own jobs.
    EXPECT_EQ(impresoras(), (QStringList{QStringLiteral("1|COCINA|COM1|E|1|1|N|0|NULL|NULL"),
                                         QStringLiteral("2|BARRA|LPT1|S|2|1|L|0|NULL|junto a la caja"),
                                         QStringLiteral("3|CAJA|COM2|C|1|3|A|0|NULL|NULL"),
                                         QStringLiteral("4|POSTRES|NULL|S|2|4|NULL|0|NULL|la de O'Hara")}));
}

TEST_F(ImpresorasTest, AChangeStoresWhatIsPickedAndNotAPortTypedOverTheList)
{
    tresImpresoras();
    ASSERT_TRUE(abreVentana());
    ventanaAbierta->BotonPrimerRegistro();
    EXPECT_EQ(combo("cmbEstado")->currentText(), QStringLiteral("Inactiva"));
    EXPECT_EQ(combo("cmbPuerto")->currentText(), QStringLiteral("COM1"));
    EXPECT_EQ(combo("cmbModo")->currentText(), QStringLiteral("Epson"));
    EXPECT_EQ(combo("cmbTerminal")->currentText(), QStringLiteral("CAJA1"));

    pulsa(Qt::Key_F6);
    ASSERT_TRUE(elige(combo("cmbPuerto"), QStringLiteral("LPT2")));
    combo("cmbPuerto")->setFocus();
    combo("cmbPuerto")->lineEdit()->selectAll();
    teclea(combo("cmbPuerto")->lineEdit(), QStringLiteral("USB9"));
    ASSERT_TRUE(elige(combo("cmbEstado"), QStringLiteral("Sin Papel")));
    ASSERT_TRUE(elige(combo("cmbRedirigido"), QStringLiteral("CAJA")));
    ASSERT_TRUE(elige(combo("cmbRespaldo"), QStringLiteral("BARRA")));
    control<QCheckBox>(QStringLiteral("chkEsDeCheques"))->setChecked(true);
    reemplaza(txtComentario(), QStringLiteral("l'entrada"));
    pulsa(Qt::Key_F5);
    EXPECT_TRUE(boxes.boxes().isEmpty()) << boxes.texts().join(QLatin1Char('|')).toStdString();
    EXPECT_EQ(impresoras().first(), QStringLiteral("1|COCINA|LPT2|E|1|3|P|1|2|l'entrada"));
    EXPECT_EQ(combo("cmbPuerto")->currentText(), QStringLiteral("LPT2"));

    // "NINGUNA" takes the redirect and the backup away: the printer prints its own jobs again.
    pulsa(Qt::Key_F6);
    ASSERT_TRUE(elige(combo("cmbRedirigido"), QStringLiteral("NINGUNA")));
    ASSERT_TRUE(elige(combo("cmbRespaldo"), QStringLiteral("NINGUNA")));
    pulsa(Qt::Key_F5);
    EXPECT_EQ(impresoras().first(), QStringLiteral("1|COCINA|LPT2|E|1|1|P|1|NULL|l'entrada"));
}

TEST_F(ImpresorasTest, StatesReadAsTheirWordsInTheWindowAndTheFilter)
{
    tresImpresoras();
    ASSERT_TRUE(abreVentana());
    // "L" is read as "Virtual" but never offered: each word once.
    EXPECT_EQ(entradas(combo("cmbEstado")),
              (QStringList{QStringLiteral("Activa"), QStringLiteral("Reparación"), QStringLiteral("Descompuesta"),
                           QStringLiteral("Virtual"), QStringLiteral("Sin Papel"), QStringLiteral("Fuera de linea"),
                           QStringLiteral("Inactiva")}));
    ventanaAbierta->BotonRegistroSiguiente();
    EXPECT_EQ(combo("cmbEstado")->currentText(), QStringLiteral("Virtual"));
    EXPECT_EQ(combo("cmbModo")->currentText(), QStringLiteral("Star"));
    EXPECT_EQ(combo("cmbRedirigido")->currentText(), QStringLiteral("COCINA"));

    pulsa(Qt::Key_F6);
    ASSERT_TRUE(elige(combo("cmbEstado"), QStringLiteral("Virtual")));
    pulsa(Qt::Key_F5);
    EXPECT_EQ(scalar(QStringLiteral("SELECT Estado_Impresora FROM Impresora WHERE ID_Impresora=2")).toString(),
              QStringLiteral("V"));
    db.execute(QStringLiteral("UPDATE Impresora SET Estado_Impresora='L', Modo='X' WHERE ID_Impresora=3"));

    EXPECT_EQ(filtra(QStringLiteral("Estado_Impresora")),
              (QStringList{QStringLiteral("No activa"), QStringLiteral("Virtual"), QStringLiteral("Virtual")}));
    EXPECT_EQ(filtra(QStringLiteral("Modo")), (QStringList{QStringLiteral("Epson"), QStringLiteral("Star"), QString()}));
    EXPECT_EQ(filtra(QStringLiteral("Nombre_Impresora"), QStringLiteral("Estado"), QStringLiteral("N")),
              QStringList{QStringLiteral("COCINA")});
}

TEST_F(ImpresorasTest, APrinterInAGroupOrPrintingAnothersJobsStaysAndOneRedirectedToItselfGoes)
{
    tresImpresoras();
    db.execute(QStringLiteral("INSERT INTO Grupo_Impresoras VALUES (1, 'COCINA')"));
    db.execute(QStringLiteral("INSERT INTO ImpresorasXGrupo (ID_Grupo_Impresoras, ID_Impresora) VALUES (1, 2)"));
    ASSERT_TRUE(abreVentana());
    const QString enUso = QStringLiteral("No se puede borrar este registro por estar en uso en la tabla ");
    ventanaAbierta->BotonPrimerRegistro();
    pulsa(Qt::Key_Delete);
    ventanaAbierta->BotonRegistroSiguiente();
    pulsa(Qt::Key_Delete);
    ASSERT_EQ(boxes.texts().size(), 4);
    EXPECT_EQ(boxes.texts().at(1), enUso + QStringLiteral("Impresora"));
    EXPECT_EQ(boxes.texts().at(3), enUso + QStringLiteral("ImpresorasXGrupo"));
    EXPECT_EQ(cuenta(QStringLiteral("Impresora")), 3);

    ventanaAbierta->BotonUltimoRegistro();
    pulsa(Qt::Key_Delete);
    EXPECT_EQ(boxes.texts().size(), 5);
    EXPECT_EQ(cuenta(QStringLiteral("Impresora")), 2);
    EXPECT_EQ(panel(1), QStringLiteral("Registros: 2"));
}

TEST_F(ImpresorasTest, ARepeatedNameIsRefusedAndChangesNoOtherPrinter)
{
    tresImpresoras();
    ASSERT_TRUE(abreVentana());
    ventanaAbierta->BotonUltimoRegistro();
    pulsa(Qt::Key_F6);
    reemplaza(TxtNombre(), QStringLiteral("cocina"));
    pulsa(Qt::Key_F5);
    ASSERT_EQ(boxes.texts(), QStringList{QStringLiteral("Ya existe el nombre de la impresora")});
    EXPECT_EQ(boxes.boxes().first().caption, QStringLiteral("Impresora"));
    EXPECT_TRUE(ventanaAbierta->Formas().Edicion());
    EXPECT_EQ(impresoras().first(), QStringLiteral("1|COCINA|COM1|E|1|NULL|N|0|NULL|NULL"));
}

} // namespace
