#include "foundation/forms/child_commands.h"
#include "foundation/forms/cls_formas.h"
#include "foundation/forms/design.h"
#include "foundation/forms/field_binder.h"
#include "foundation/forms/frm_busqueda.h"
#include "platform/ui/msgbox.h"
#include "tests/support/temp_data_root.h"
#include "test_shell.h"
#include "typing.h"

#include <QComboBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <gtest/gtest.h>

namespace {

// A window showing one name column of its own recordset.
class VentanaNombres : public QWidget, public ChildCommands {
public:
    explicit VentanaNombres(const adodb::Recordset& rs) : consulta(rs)
    {
        txtNombre = forms::textBox(this, QStringLiteral("txtNombre"), QStringLiteral("Nombre"));
        auto* layout = new QFormLayout(this);
        layout->addRow(forms::label(this, QStringLiteral("Label1"), QStringLiteral("Nombre:"), txtNombre), txtNombre);
        enlace.setRecordset(consulta);
        enlace.add(txtNombre);
        enlace.attach();
        formas.Asigna(this);
    }
    adodb::Recordset Recordset_de_Busqueda() override { return consulta; }

    adodb::Recordset consulta;
    FieldBinder enlace;
    ClsFormas formas;
    QLineEdit* txtNombre;
};

class FrmBusquedaTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        db.openFile(root.filePath(QStringLiteral("busqueda.db")), true);
        db.execute(QStringLiteral("CREATE TABLE Nombres (ID INTEGER PRIMARY KEY, Nombre TEXT)"));
        db.execute(QStringLiteral("INSERT INTO Nombres VALUES (1,'COCINA'),(2,'BARRA'),(3,'O''BRIEN'),(4,'COCINA FRIA'),"
                                  "(5,'CAJA')"));
        ASSERT_TRUE(muestraActiva(&shell));
    }
    void TearDown() override
    {
        if (FrmBusqueda* abierta = FrmBusqueda::instancia())
            abierta->Cierra();
        shell.mdiArea()->closeAllSubWindows();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    VentanaNombres* abre(const QString& sql = QStringLiteral("SELECT * FROM Nombres ORDER BY ID"))
    {
        auto* ventana = new VentanaNombres(adodb::Recordset::open(db, sql));
        ventana->setAttribute(Qt::WA_DeleteOnClose);
        QMdiSubWindow* sub = shell.mdiArea()->addSubWindow(ventana);
        sub->setAttribute(Qt::WA_DeleteOnClose);
        sub->show();
        shell.mdiArea()->setActiveSubWindow(sub);
        ventana->txtNombre->setFocus();
        return ventana;
    }

    // F3 in the window, then the condition and the value typed into the dialog.
    FrmBusqueda* busca(VentanaNombres* ventana, const QString& condicion, const QString& valor)
    {
        shell.mdiArea()->setActiveSubWindow(qobject_cast<QMdiSubWindow*>(ventana->parentWidget()));
        ventana->txtNombre->setFocus();
        pulsa(Qt::Key_F3);
        FrmBusqueda* dialogo = FrmBusqueda::instancia();
        if (dialogo) {
            dialogo->CmbCondicion()->setCurrentText(condicion);
            dialogo->TxtCondicion()->setText(valor);
        }
        return dialogo;
    }

    static QString fila(VentanaNombres* ventana) { return ventana->txtNombre->text(); }

    TempDataRoot root;
    adodb::Connection db;
    TestShell shell;
    ui::ScriptedAnswerer boxes;
};

const QString kIgual = QStringLiteral("Igual a:");
const QString kParecido = QStringLiteral("Parecido a:");
const QString kNoEncontrado = QStringLiteral("No se encontro el registro");

TEST_F(FrmBusquedaTest, OpensModelessOnTheFieldWithEqualChosen)
{
    VentanaNombres* ventana = abre();
    FrmBusqueda* dialogo = busca(ventana, kIgual, QString());
    ASSERT_NE(dialogo, nullptr);
    EXPECT_EQ(dialogo->windowTitle(), QStringLiteral(" Buscar ..."));
    EXPECT_EQ(dialogo->lblCampo()->text(), QStringLiteral("Nombre"));
    EXPECT_EQ(dialogo->psCampo, QStringLiteral("Nombre"));
    EXPECT_EQ(dialogo->CmbCondicion()->currentText(), kIgual);
    EXPECT_FALSE(dialogo->isModal());
    EXPECT_EQ(shell.mdiArea()->activeSubWindow()->widget(), dialogo);
}

TEST_F(FrmBusquedaTest, FirstNextAndPreviousMoveTheWindowsRow)
{
    VentanaNombres* ventana = abre();
    FrmBusqueda* dialogo = busca(ventana, kParecido, QStringLiteral("cocina"));
    dialogo->CmdBuscarPrimero()->click();
    EXPECT_EQ(fila(ventana), QStringLiteral("COCINA"));
    dialogo->CmdBuscarSiguiente()->click();
    EXPECT_EQ(fila(ventana), QStringLiteral("COCINA FRIA"));
    dialogo->CmdBuscarAnterior()->click();
    EXPECT_EQ(fila(ventana), QStringLiteral("COCINA"));
    EXPECT_TRUE(boxes.boxes().isEmpty());

    // "*" stands for any run of characters; "Igual a:" takes the whole value, case ignored.
    dialogo->TxtCondicion()->setText(QStringLiteral("B*A"));
    dialogo->CmdBuscarPrimero()->click();
    EXPECT_EQ(fila(ventana), QStringLiteral("BARRA"));
    dialogo->CmbCondicion()->setCurrentText(kIgual);
    dialogo->TxtCondicion()->setText(QStringLiteral("caja"));
    dialogo->CmdBuscarPrimero()->click();
    EXPECT_EQ(fila(ventana), QStringLiteral("CAJA"));
}

TEST_F(FrmBusquedaTest, SearchingPastEitherEndSaysNotFoundAndStaysOnTheRow)
{
    VentanaNombres* ventana = abre();
    FrmBusqueda* dialogo = busca(ventana, kIgual, QStringLiteral("COCINA"));
    dialogo->CmdBuscarPrimero()->click();
    dialogo->CmdBuscarSiguiente()->click();  // only the current row holds it
    EXPECT_EQ(fila(ventana), QStringLiteral("COCINA"));
    dialogo->CmdBuscarAnterior()->click();   // the first row: nothing before it
    EXPECT_EQ(fila(ventana), QStringLiteral("COCINA"));
    EXPECT_EQ(boxes.texts(), QStringList(2, kNoEncontrado));
    EXPECT_EQ(boxes.boxes().first().icon(), ui::Information);
    EXPECT_EQ(boxes.boxes().first().caption, ui::applicationTitle());
    EXPECT_EQ(ventana->consulta.absolutePosition(), 1);
}

TEST_F(FrmBusquedaTest, AValueWithAnApostropheIsFound)
{
    VentanaNombres* ventana = abre();
    FrmBusqueda* dialogo = busca(ventana, kIgual, QStringLiteral("o'brien"));
    dialogo->CmdBuscarPrimero()->click();
    EXPECT_EQ(fila(ventana), QStringLiteral("O'BRIEN"));
    EXPECT_TRUE(boxes.boxes().isEmpty());
    // Two apostrophes typed are two apostrophes sought.
    dialogo->TxtCondicion()->setText(QStringLiteral("o''brien"));
    dialogo->CmdBuscarPrimero()->click();
    EXPECT_EQ(boxes.texts(), QStringList{kNoEncontrado});
    boxes.clear();
    dialogo->CmbCondicion()->setCurrentText(kParecido);
    dialogo->TxtCondicion()->setText(QStringLiteral("'"));
    ventana->consulta.moveFirst();
    dialogo->CmdBuscarSiguiente()->click();
    EXPECT_EQ(fila(ventana), QStringLiteral("O'BRIEN"));
    EXPECT_TRUE(boxes.boxes().isEmpty());
}

TEST_F(FrmBusquedaTest, MissingInputLeavesTheRecordsetAlone)
{
    VentanaNombres* ventana = abre();
    ventana->consulta.moveLast();
    FrmBusqueda* dialogo = busca(ventana, kIgual, QString());
    dialogo->CmdBuscarPrimero()->click();
    EXPECT_EQ(boxes.texts(), QStringList{QStringLiteral("Faltan datos")});
    EXPECT_EQ(boxes.boxes().first().icon(), ui::Exclamation);
    EXPECT_EQ(ventana->consulta.absolutePosition(), 5);
}

TEST_F(FrmBusquedaTest, AFailedSearchLeavesTheRowItWasOn)
{
    VentanaNombres* ventana = abre();
    ventana->consulta.setAbsolutePosition(3);
    FrmBusqueda* dialogo = busca(ventana, kIgual, QStringLiteral("CAJA"));
    dialogo->psCampo = QStringLiteral("NoExiste");  // a criteria the recordset rejects
    dialogo->CmdBuscarPrimero()->click();
    EXPECT_EQ(boxes.texts(), QStringList{kNoEncontrado});
    EXPECT_EQ(ventana->consulta.absolutePosition(), 3);

    VentanaNombres* vacia = abre(QStringLiteral("SELECT * FROM Nombres WHERE ID < 0"));
    dialogo = busca(vacia, kIgual, QStringLiteral("CAJA"));
    boxes.clear();
    dialogo->CmdBuscarPrimero()->click();
    EXPECT_EQ(boxes.texts(), QStringList{kNoEncontrado});
}

TEST_F(FrmBusquedaTest, NothingMovesWhileTheWindowEditsANewRow)
{
    VentanaNombres* ventana = abre();
    FrmBusqueda* dialogo = busca(ventana, kIgual, QStringLiteral("CAJA"));
    ventana->consulta.addNew();
    ventana->consulta.field(QStringLiteral("Nombre")).setValue(QStringLiteral("A MEDIAS"));
    ventana->formas.ModoEdicion(true);
    for (QPushButton* b : {dialogo->CmdBuscarPrimero(), dialogo->CmdBuscarSiguiente(), dialogo->CmdBuscarAnterior()})
        b->click();
    EXPECT_TRUE(boxes.boxes().isEmpty());
    EXPECT_EQ(ventana->consulta.editMode(), adodb::EditMode::Add);
    EXPECT_EQ(db.execute(QStringLiteral("SELECT COUNT(*) FROM Nombres")).field(0).value().toInt(), 5);
}

TEST_F(FrmBusquedaTest, OneDialogServesTheWindowThatAskedLast)
{
    VentanaNombres* primera = abre();
    VentanaNombres* segunda = abre(QStringLiteral("SELECT * FROM Nombres ORDER BY ID DESC"));
    FrmBusqueda* dialogo = busca(primera, kParecido, QStringLiteral("CO"));

    // F3 in the second window takes the open dialog over, the typed text still in place.
    shell.mdiArea()->setActiveSubWindow(qobject_cast<QMdiSubWindow*>(segunda->parentWidget()));
    segunda->txtNombre->setFocus();
    pulsa(Qt::Key_F3);
    ASSERT_EQ(FrmBusqueda::instancia(), dialogo);
    EXPECT_EQ(dialogo->TxtCondicion()->text(), QStringLiteral("CO"));
    EXPECT_EQ(dialogo->CmbCondicion()->currentText(), kParecido);

    dialogo->CmdBuscarPrimero()->click();
    EXPECT_EQ(fila(segunda), QStringLiteral("COCINA FRIA"));
    EXPECT_EQ(primera->consulta.absolutePosition(), 1);
    EXPECT_EQ(fila(primera), QStringLiteral("COCINA"));
}

TEST_F(FrmBusquedaTest, EnterSearchesFromTheFirstRowAndEscUnloads)
{
    VentanaNombres* ventana = abre();
    ventana->consulta.moveLast();
    FrmBusqueda* dialogo = busca(ventana, kIgual, QString());
    teclea(dialogo->TxtCondicion(), QStringLiteral("barra"));
    QTest::keyClick(dialogo->TxtCondicion(), Qt::Key_Return);
    EXPECT_EQ(fila(ventana), QStringLiteral("BARRA"));

    QTest::keyClick(dialogo->TxtCondicion(), Qt::Key_Escape);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(FrmBusqueda::instancia(), nullptr);
    EXPECT_EQ(shell.mdiArea()->subWindowList().size(), 1);

    // A fresh dialog: "Igual a:" and no text.
    dialogo = busca(ventana, kParecido, QStringLiteral("x"));
    ASSERT_NE(dialogo, nullptr);
    dialogo->Cierra();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    ventana->txtNombre->setFocus();
    pulsa(Qt::Key_F3);
    EXPECT_EQ(FrmBusqueda::instancia()->CmbCondicion()->currentText(), kIgual);
    EXPECT_TRUE(FrmBusqueda::instancia()->TxtCondicion()->text().isEmpty());
}

TEST_F(FrmBusquedaTest, AClosedWindowIsNotSearched)
{
    VentanaNombres* ventana = abre();
    FrmBusqueda* dialogo = busca(ventana, kIgual, QStringLiteral("CAJA"));
    qobject_cast<QMdiSubWindow*>(ventana->parentWidget())->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    dialogo->CmdBuscarPrimero()->click();
    EXPECT_TRUE(boxes.boxes().isEmpty());
}

} // namespace
