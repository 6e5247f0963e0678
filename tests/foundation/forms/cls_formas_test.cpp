#include "foundation/forms/child_commands.h"
#include "foundation/forms/cls_formas.h"
#include "foundation/forms/controls.h"
#include "foundation/forms/design.h"
#include "foundation/forms/frm_busqueda.h"
#include "foundation/forms/program_end.h"
#include "foundation/forms/multiline_text_box.h"
#include "platform/ui/msgbox.h"
#include "test_shell.h"
#include "typing.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <gtest/gtest.h>

namespace {

// A data-entry window that records the commands it receives.
class VentanaDePrueba : public QWidget, public ChildCommands {
public:
    VentanaDePrueba()
    {
        setWindowTitle(QStringLiteral("Prueba"));
        txtNombre = forms::textBox(this, QStringLiteral("txtNombre"), QStringLiteral("Nombre"), QStringLiteral("NoVacio"));
        txtDescripcion = forms::multiLineTextBox(this, QStringLiteral("txtDescripcion"), QStringLiteral("Descripcion"));
        cmbTipo = new QComboBox(this);
        cmbTipo->setObjectName(QStringLiteral("cmbTipo"));
        cmbTipo->setEditable(true);
        forms::setTag(cmbTipo, QStringLiteral("NoVacio"));
        txtSinEtiqueta = forms::textBox(this, QStringLiteral("txtSinEtiqueta"), QStringLiteral("Otro"), QStringLiteral("NoVacio"));
        chkActivo = forms::checkBox(this, QStringLiteral("chkActivo"), QStringLiteral("Activo"), QStringLiteral("Activo"));
        cmdOtro = new QPushButton(QStringLiteral("Otro"), this);
        auto* layout = new QFormLayout(this);
        layout->addRow(forms::label(this, QStringLiteral("Label1"), QStringLiteral("Nombre:"), txtNombre), txtNombre);
        layout->addRow(forms::label(this, QStringLiteral("Label2"), QStringLiteral("Descripción:"), txtDescripcion),
                       txtDescripcion);
        layout->addRow(forms::label(this, QStringLiteral("Label3"), QStringLiteral("Tipo:"), cmbTipo), cmbTipo);
        // Names its box in other case: the find takes it, the required-field check does not.
        auto* otra = new QLabel(QStringLiteral("Otro:"), this);
        forms::setTag(otra, QStringLiteral("TXTSINETIQUETA"));
        layout->addRow(otra, txtSinEtiqueta);
        layout->addRow(chkActivo, cmdOtro);
        formas.Asigna(this);
    }

    void BotonNuevoModificar(bool PbNuevo) override { llamadas << (PbNuevo ? "Nuevo" : "Modificar"); }
    void BotonBorrar() override { llamadas << "Borrar"; }
    void BotonAceptar() override { llamadas << "Aceptar"; }
    void BotonCancelar() override { llamadas << "Cancelar"; }
    void BotonBuscar() override { llamadas << "Buscar"; }
    void BotonPrimerRegistro() override { llamadas << "Primero"; }
    void BotonRegistroAnterior() override { llamadas << "Anterior"; }
    void BotonRegistroSiguiente() override { llamadas << "Siguiente"; }
    void BotonUltimoRegistro() override { llamadas << "Ultimo"; }

    ClsFormas formas;
    QStringList llamadas;
    QLineEdit* txtNombre;
    MultiLineTextBox* txtDescripcion;
    QComboBox* cmbTipo;
    QLineEdit* txtSinEtiqueta;
    QCheckBox* chkActivo;
    QPushButton* cmdOtro;
};

class ClsFormasTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(muestraActiva(&shell)); }
    void TearDown() override
    {
        if (FrmBusqueda* abierta = FrmBusqueda::instancia())
            abierta->Cierra();
        shell.mdiArea()->closeAllSubWindows();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    VentanaDePrueba* abre()
    {
        auto* ventana = new VentanaDePrueba;
        ventana->setAttribute(Qt::WA_DeleteOnClose);
        QMdiSubWindow* sub = shell.mdiArea()->addSubWindow(ventana);
        sub->setAttribute(Qt::WA_DeleteOnClose);
        sub->show();
        shell.mdiArea()->setActiveSubWindow(sub);
        ventana->txtNombre->setFocus();
        return ventana;
    }
    QAction* boton(int i) { return shell.toolbarButton(i); }

    TestShell shell;
};

struct KeyCase {
    Qt::Key key;
    const char* browse;  // the command called in browse mode ("" none)
    const char* edit;    // the command called in edit mode
};

TEST_F(ClsFormasTest, KeysCallTheWindowsCommandsByMode)
{
    const KeyCase cases[] = {
        {Qt::Key_F5, "", "Aceptar"},
        {Qt::Key_F6, "Modificar", ""},
        {Qt::Key_Insert, "Nuevo", ""},
        {Qt::Key_Delete, "Borrar", ""},
        {Qt::Key_Home, "Primero", ""},
        {Qt::Key_End, "Ultimo", ""},
        {Qt::Key_PageUp, "Siguiente", ""},
        {Qt::Key_Up, "Siguiente", ""},
        {Qt::Key_PageDown, "Anterior", ""},
        {Qt::Key_Down, "Anterior", ""},
        {Qt::Key_Escape, "", "Cancelar"},
        {Qt::Key_F1, "", ""},
        {Qt::Key_F7, "", ""},
    };
    VentanaDePrueba* ventana = abre();
    for (const KeyCase& c : cases) {
        for (const bool edicion : {false, true}) {
            if (c.key == Qt::Key_Escape && !edicion)
                continue;  // closes the window: tested on its own
            ventana->formas.ModoEdicion(edicion);
            ventana->llamadas.clear();
            pulsa(c.key, Qt::ShiftModifier);  // shift and control are not looked at
            const QString esperado = QLatin1String(edicion ? c.edit : c.browse);
            EXPECT_EQ(ventana->llamadas, esperado.isEmpty() ? QStringList() : QStringList{esperado})
                << QKeySequence(c.key).toString().toStdString() << (edicion ? " edit" : " browse");
        }
    }
}

TEST_F(ClsFormasTest, TheFocusedControlStillReceivesTheKey)
{
    VentanaDePrueba* ventana = abre();
    ventana->formas.ModoEdicion(true);
    pulsa(Qt::Key_A);
    pulsa(Qt::Key_B);
    pulsa(Qt::Key_Home);
    pulsa(Qt::Key_Delete);
    EXPECT_EQ(ventana->txtNombre->text(), QStringLiteral("b"));
    ventana->formas.ModoEdicion(false);
    pulsa(Qt::Key_End);
    EXPECT_EQ(ventana->llamadas, QStringList{QStringLiteral("Ultimo")});
    EXPECT_EQ(ventana->txtNombre->cursorPosition(), 1);
}

TEST_F(ClsFormasTest, AKeyActsOnlyWhileItsButtonIsUsable)
{
    VentanaDePrueba* ventana = abre();
    boton(1)->setEnabled(false);  // a window that turns "new" off itself
    pulsa(Qt::Key_Insert);
    EXPECT_EQ(ventana->llamadas, QStringList{QStringLiteral("Nuevo")});
    boton(2)->setVisible(false);
    boton(3)->setEnabled(false);
    ventana->llamadas.clear();
    pulsa(Qt::Key_Insert);
    pulsa(Qt::Key_F6);
    pulsa(Qt::Key_Delete);
    ventana->formas.setNoKeyDown(true);
    boton(3)->setEnabled(true);
    pulsa(Qt::Key_Delete);
    EXPECT_TRUE(ventana->llamadas.isEmpty());
}

TEST_F(ClsFormasTest, ModesSetTheCommandsTheHintAndTheControls)
{
    VentanaDePrueba* ventana = abre();
    for (int i = 1; i <= 18; ++i)
        EXPECT_TRUE(boton(i)->isVisible()) << i;
    EXPECT_FALSE(boton(20)->isVisible());
    EXPECT_TRUE(shell.menuItem(QStringLiteral("mnuEditar"))->isVisible());
    EXPECT_TRUE(shell.menuItem(QStringLiteral("mnuArCerrar"))->isVisible());
    EXPECT_EQ(shell.statusPanel(2), ClsFormas::kPistaNavegacion);

    const auto estado = [&](bool edicion) {
        EXPECT_EQ(ventana->formas.Edicion(), edicion);
        for (int i : {1, 2, 3, 8, 10, 11, 13, 14, 15, 16, 18})
            EXPECT_EQ(boton(i)->isEnabled(), !edicion) << i;
        EXPECT_EQ(boton(5)->isEnabled(), edicion);
        EXPECT_EQ(boton(6)->isEnabled(), edicion);
        for (int i : {0, 1, 2, 3, 5, 6, 8, 9, 10})
            EXPECT_EQ(shell.editRecordItem(i)->isEnabled(), !edicion) << i;
        EXPECT_EQ(shell.editRecordItem(12)->isEnabled(), edicion);
        EXPECT_EQ(shell.editRecordItem(13)->isEnabled(), edicion);
        EXPECT_EQ(shell.statusPanel(2), edicion ? ClsFormas::kPistaEdicion : ClsFormas::kPistaNavegacion);
        EXPECT_EQ(ventana->txtNombre->isReadOnly(), !edicion);
        EXPECT_EQ(ventana->txtDescripcion->isReadOnly(), !edicion);
        EXPECT_EQ(ventana->chkActivo->isEnabled(), edicion);
        EXPECT_EQ(ventana->cmbTipo->isEnabled(), edicion);
        EXPECT_EQ(ventana->cmdOtro->isEnabled(), edicion);
        EXPECT_TRUE(ventana->findChild<QLabel*>(QStringLiteral("Label1"))->isEnabled());
    };
    ventana->formas.ModoEdicion(true);
    estado(true);
    ventana->formas.ModoEdicion(false);
    estado(false);
}

TEST_F(ClsFormasTest, EachWindowKeepsItsModeAndActivationShowsIt)
{
    VentanaDePrueba* primera = abre();
    primera->formas.ModoEdicion(true);
    QMdiSubWindow* subPrimera = shell.mdiArea()->activeSubWindow();
    VentanaDePrueba* segunda = abre();
    EXPECT_TRUE(boton(1)->isEnabled());
    EXPECT_EQ(shell.statusPanel(2), ClsFormas::kPistaNavegacion);
    shell.mdiArea()->setActiveSubWindow(subPrimera);
    EXPECT_FALSE(boton(1)->isEnabled());
    EXPECT_TRUE(boton(5)->isEnabled());
    EXPECT_EQ(shell.statusPanel(2), ClsFormas::kPistaEdicion);
    EXPECT_FALSE(segunda->formas.Edicion());
}

TEST_F(ClsFormasTest, DeactivationHidesTheButtonsAndKeepsThePanels)
{
    abre();
    shell.setStatusPanel(1, QStringLiteral("Registros: 3"));
    QMdiSubWindow* otra = shell.mdiArea()->addSubWindow(new QLabel(QStringLiteral("informe")));
    otra->setAttribute(Qt::WA_DeleteOnClose);
    otra->show();
    shell.mdiArea()->setActiveSubWindow(otra);
    EXPECT_FALSE(boton(1)->isVisible());
    EXPECT_FALSE(shell.menuItem(QStringLiteral("mnuEditar"))->isVisible());
    EXPECT_EQ(shell.statusPanel(1), QStringLiteral("Registros: 3"));
    EXPECT_EQ(shell.statusPanel(2), ClsFormas::kPistaNavegacion);
}

TEST_F(ClsFormasTest, EscInBrowseModeClosesTheWindowAndClosingClearsTheShell)
{
    QPointer<VentanaDePrueba> ventana = abre();
    shell.setStatusPanel(1, QStringLiteral("Registros: 3"));
    pulsa(Qt::Key_Escape);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(ventana.isNull());
    EXPECT_TRUE(shell.mdiArea()->subWindowList().isEmpty());
    EXPECT_FALSE(boton(1)->isVisible());
    EXPECT_FALSE(shell.menuItem(QStringLiteral("mnuArCerrar"))->isVisible());
    EXPECT_TRUE(shell.statusPanel(1).isEmpty());
    EXPECT_TRUE(shell.statusPanel(2).isEmpty());
}

TEST_F(ClsFormasTest, ClosingInEditModeLeavesTheShellInBrowseState)
{
    VentanaDePrueba* ventana = abre();
    ventana->formas.ModoEdicion(true);
    shell.mdiArea()->activeSubWindow()->close();  // "&Cerrar" stays enabled in edit mode
    EXPECT_FALSE(boton(1)->isVisible());
    EXPECT_TRUE(ventana->llamadas.isEmpty());
    // Shown again, the buttons are in the browse state.
    boton(1)->setVisible(true);
    boton(5)->setVisible(true);
    EXPECT_TRUE(boton(1)->isEnabled());
    EXPECT_FALSE(boton(5)->isEnabled());
}

TEST_F(ClsFormasTest, RequiredFieldsAreReportedByTheirCaptionInControlOrder)
{
    ui::ScriptedAnswerer boxes;
    VentanaDePrueba* ventana = abre();
    ventana->cmdOtro->setFocus();
    EXPECT_FALSE(ventana->formas.Revisar_Campos_Obligatorios());
    EXPECT_EQ(boxes.texts(), QStringList{QStringLiteral("Falta el campo de Nombre")});
    EXPECT_EQ(boxes.boxes().first().icon(), ui::Exclamation);
    EXPECT_TRUE(ventana->txtNombre->hasFocus());

    ventana->txtNombre->setText(QStringLiteral("  "));  // blanks are as empty as nothing
    boxes.clear();
    EXPECT_FALSE(ventana->formas.Revisar_Campos_Obligatorios());
    EXPECT_EQ(boxes.texts(), QStringList{QStringLiteral("Falta el campo de Nombre")});
    ventana->txtNombre->setText(QStringLiteral("JUAN"));
    boxes.clear();
    EXPECT_FALSE(ventana->formas.Revisar_Campos_Obligatorios());
    EXPECT_EQ(boxes.texts(), QStringList{QStringLiteral("Falta el campo de Tipo")});
    EXPECT_TRUE(ventana->cmbTipo->hasFocus());

    // The empty box whose label names it in other case is passed over.
    ventana->cmbTipo->setEditText(QStringLiteral("A"));
    boxes.clear();
    EXPECT_TRUE(ventana->formas.Revisar_Campos_Obligatorios());
    EXPECT_TRUE(boxes.boxes().isEmpty());
}

TEST_F(ClsFormasTest, F3OpensTheFindDialogOnTheFocusedFieldsColumnAndCaption)
{
    VentanaDePrueba* ventana = abre();
    ventana->chkActivo->setEnabled(true);
    ventana->chkActivo->setFocus();
    pulsa(Qt::Key_F3);
    EXPECT_EQ(FrmBusqueda::instancia(), nullptr);

    ventana->formas.ModoEdicion(true);
    ventana->txtDescripcion->setFocus();
    pulsa(Qt::Key_F3);
    EXPECT_EQ(FrmBusqueda::instancia(), nullptr);

    ventana->formas.ModoEdicion(false);  // the focus goes to the first field: back to the description
    ventana->txtDescripcion->setFocus();
    pulsa(Qt::Key_F3);
    FrmBusqueda* dialogo = FrmBusqueda::instancia();
    ASSERT_NE(dialogo, nullptr);
    EXPECT_EQ(dialogo->psCampo, QStringLiteral("Descripcion"));
    EXPECT_EQ(dialogo->lblCampo()->text(), QStringLiteral("Descripción"));
    EXPECT_TRUE(dialogo->isVisible());

    // The find takes a label that names the control in other case.
    ventana->txtSinEtiqueta->setFocus();
    ventana->formas.Busqueda();
    EXPECT_EQ(FrmBusqueda::instancia(), dialogo);
    EXPECT_EQ(dialogo->psCampo, QStringLiteral("Otro"));
    EXPECT_EQ(dialogo->lblCampo()->text(), QStringLiteral("Otro"));
}

TEST_F(ClsFormasTest, F12EndsTheProgramAtOnceInEitherMode)
{
    QList<int> finales;
    setProgramEndHandler([&finales](int status) { finales << status; });
    VentanaDePrueba* ventana = abre();
    pulsa(Qt::Key_F12);
    ventana->formas.ModoEdicion(true);
    pulsa(Qt::Key_F12);
    setProgramEndHandler({});
    EXPECT_EQ(finales, (QList<int>{0, 0}));
    EXPECT_TRUE(ventana->llamadas.isEmpty());
}

} // namespace
