#include "mainwindow_fixture.h"

#include "foundation/forms/child_commands.h"
#include "foundation/forms/menu_commands.h"
#include "foundation/forms/window_registry.h"
#include "foundation/log/cls_bitacora.h"
#include "mainwindow/area_tapiz.h"
#include "mainwindow/dlg_bar_sve.h"
#include "mainwindow/frm_acerca.h"
#include "mainwindow/mdi_principal.h"
#include "mainwindow/tapiz.h"
#include "platform/clock/clock.h"
#include "zorva_version.h"

#include <QAction>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QMenu>
#include <QPushButton>
#include <QSettings>
#include <QTest>
#include <QTimer>
#include <QToolBar>
#include <QVBoxLayout>

#include <stdexcept>

namespace {

// A child window that records the commands it receives; it has no print, preview or grid commands.
class RecordingChild : public QWidget, public ChildCommands {
public:
    explicit RecordingChild(QStringList* calls, const QString& caption = QStringLiteral("Categorías"))
        : calls(calls)
    {
        setWindowTitle(caption);
        box = new QLineEdit(this);
        box->setObjectName(QStringLiteral("txtNombre"));
        auto* layout = new QVBoxLayout(this);
        layout->addWidget(box);
    }
    void BotonNuevoModificar(bool PbNuevo) override { *calls << (PbNuevo ? "Nuevo" : "Modificar"); }
    void BotonBorrar() override { *calls << "Borrar"; }
    void BotonAceptar() override
    {
        *calls << "Aceptar";
        if (failAccept)
            throw std::runtime_error("la tabla no existe");
    }
    void BotonCancelar() override { *calls << "Cancelar"; }
    void BotonBuscar() override { *calls << "Buscar"; }
    void BotonFiltro() override { *calls << "Filtro"; }
    void BotonPrimerRegistro() override { *calls << "Primero"; }
    void BotonRegistroAnterior() override { *calls << "Anterior"; }
    void BotonRegistroSiguiente() override { *calls << "Siguiente"; }
    void BotonUltimoRegistro() override { *calls << "Ultimo"; }
    void SpreadNuevo() override { *calls << "SpreadNuevo"; }
    void SpreadBorrar() override { *calls << "SpreadBorrar"; }

    QStringList* calls;
    QLineEdit* box;
    bool failAccept = false;
};

// A report window: print and preview only.
class RecordingReport : public QWidget, public ChildCommands {
public:
    explicit RecordingReport(QStringList* calls) : calls(calls) { setWindowTitle(QStringLiteral("Reporte de ventas")); }
    void BotonImprimir() override { *calls << "Imprimir"; }
    void BotonPreview() override { *calls << "Preview"; }
    QStringList* calls;
};

} // namespace

class MainWindow : public MainWindowDb {
protected:
    void SetUp() override
    {
        MainWindowDb::SetUp();
        addEmployee(7, QStringLiteral("ADMIN"), QStringLiteral("X"));
        join(7, 1);  // the administrators' group of a new database: every right
        WindowRegistry::add(QStringLiteral("OpCategoria"), [this] {
            ++created;
            return child = new RecordingChild(&calls);
        });
        WindowRegistry::add(QStringLiteral("RepVentas"), [this] { return new RecordingReport(&calls); });
    }
    void click(const char* item) { main->menuItem(QString::fromUtf8(item))->trigger(); }
    QMdiSubWindow* current() { return main->mdiArea()->currentSubWindow(); }

    QStringList calls;
    int created = 0;
    QPointer<RecordingChild> child;
};

TEST_F(MainWindow, ToolbarHasItsTwentyOneIndexedButtonsAllHiddenAtStart)
{
    openMain(7);
    EXPECT_EQ(main->windowTitle(), QStringLiteral("Vereduda Zorva"));
    const QStringList tips = {"Nuevo registro", "Modificar registro", "Borrar registro", "", "Aceptar", "Cancelar", "",
                              "Buscar", "", "Cerrar", "Ayuda", "", "Primer registro", "Registro anterior",
                              "Registro siguiente", "Último registro", "", "Generar consulta", "", "Imprimir",
                              "Vista previa"};
    ASSERT_EQ(main->TlbHerramientas()->actions().size(), 21);
    for (int index = 1; index <= 21; ++index) {
        QAction* button = main->toolbarButton(index);
        ASSERT_NE(button, nullptr) << index;
        EXPECT_EQ(button, main->TlbHerramientas()->actions().at(index - 1));
        EXPECT_EQ(button->isSeparator(), tips.at(index - 1).isEmpty()) << index;
        if (!button->isSeparator()) {
            EXPECT_EQ(button->toolTip(), tips.at(index - 1)) << index;
            EXPECT_FALSE(button->icon().isNull()) << index;
        }
        EXPECT_FALSE(button->isVisible()) << index;
    }
    EXPECT_EQ(main->toolbarButton(0), nullptr);
    EXPECT_EQ(main->toolbarButton(22), nullptr);
    EXPECT_EQ(mainWindow(), static_cast<MainWindowServices*>(main.data()));
}

TEST_F(MainWindow, TheToolbarKeepsItsHeightWithAndWithoutButtonsShown)
{
    openMain(7);
    main->resize(900, 600);
    main->show();
    QCoreApplication::processEvents();
    const int vacia = main->TlbHerramientas()->height();
    for (int index : {1, 2, 3, 5, 6})
        main->toolbarButton(index)->setVisible(true);
    QCoreApplication::processEvents();
    EXPECT_EQ(main->TlbHerramientas()->height(), vacia);
    EXPECT_GE(vacia, main->TlbHerramientas()->iconSize().height());
}

TEST_F(MainWindow, MenusCarryTheirShortcutsAndTheRecordItems)
{
    openMain(7);
    EXPECT_EQ(main->menuItem(QStringLiteral("mnuArCerrar"))->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_X));
    EXPECT_EQ(main->menuItem(QStringLiteral("mnuArSalir"))->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_S));
    EXPECT_EQ(main->menuItem(QStringLiteral("mnuNoExiste")), nullptr);
    const QStringList captions = {"&Primero", "&Anterior", "&Siguiente", "&Ultimo", "", "&Buscar", "&Consulta", "",
                                  "&Nuevo", "&Modificar", "&Borrar", "", "&Aceptar", "&Cancelar"};
    for (int i = 0; i < 14; ++i) {
        QAction* item = main->editRecordItem(i);
        ASSERT_NE(item, nullptr);
        EXPECT_EQ(item->isSeparator(), captions.at(i).isEmpty()) << i;
        if (!item->isSeparator()) {
            EXPECT_EQ(item->text(), captions.at(i));
        }
    }
    EXPECT_EQ(main->menuItem(QStringLiteral("mnuEdRegistro"))->menu()->actions().size(), 14);
}

TEST_F(MainWindow, StatusBarShowsTheWorkingDateAndToday)
{
    db.execute(QStringLiteral("UPDATE Parametros SET Valor_Cad = '01022021' WHERE ID_Parametro = 'FECHA_TRABAJO'"));
    appclock::setNow(QDateTime(QDate(2024, 12, 31), QTime(23, 0)));
    openMain(7);
    EXPECT_EQ(main->statusPanel(3), QStringLiteral("01/02/2021"));
    EXPECT_EQ(main->statusPanel(4), QStringLiteral("31/12/2024"));
    EXPECT_EQ(main->statusPanel(1), QString());
    main->setStatusPanel(1, QStringLiteral("Registros: 4"));
    EXPECT_EQ(main->statusPanel(1), QStringLiteral("Registros: 4"));
}

TEST_F(MainWindow, TheWorkingDateIsReadAgainAfterACommandSuchAsTheEndOfDay)
{
    openMain(7);
    ASSERT_EQ(main->statusPanel(3), QStringLiteral("15/03/2024"));
    MenuCommands::add(QStringLiteral("mnuUtlProcFin"), [this] {
        db.execute(QStringLiteral("UPDATE Parametros SET Valor_Cad = '16032024' WHERE ID_Parametro = 'FECHA_TRABAJO'"));
    });
    click("mnuUtlProcFin");
    EXPECT_EQ(main->statusPanel(3), QStringLiteral("16/03/2024"));
}

TEST_F(MainWindow, AWorkingDateThatCannotBeReadLeavesPanelThreeEmpty)
{
    for (const QString& fix : {QStringLiteral("UPDATE Parametros SET Valor_Cad = '2021' WHERE ID_Parametro = 'FECHA_TRABAJO'"),
                               QStringLiteral("UPDATE Parametros SET Valor_Cad = NULL WHERE ID_Parametro = 'FECHA_TRABAJO'"),
                               QStringLiteral("DELETE FROM Parametros WHERE ID_Parametro = 'FECHA_TRABAJO'"),
                               QStringLiteral("DROP TABLE Parametros")}) {
        SCOPED_TRACE(fix.toStdString());
        db.execute(fix);
        openMain(7);
        EXPECT_EQ(main->statusPanel(3), QString());
        EXPECT_TRUE(boxes.boxes().isEmpty());
        delete main.data();
    }
}

TEST_F(MainWindow, AMenuItemClickedTwiceGivesOneWindow)
{
    openMain(7);
    click("mnuOpCategorias");
    ASSERT_EQ(main->mdiArea()->subWindowList().size(), 1);
    click("mnuRepVentas");
    EXPECT_EQ(current()->widget()->windowTitle(), QStringLiteral("Reporte de ventas"));
    click("mnuOpCategorias");
    EXPECT_EQ(created, 1);
    EXPECT_EQ(main->mdiArea()->subWindowList().size(), 2);
    EXPECT_EQ(current()->widget(), child.data());

    // A window that nobody registered: the item is there and does nothing.
    click("mnuOpCortesias");
    EXPECT_EQ(main->mdiArea()->subWindowList().size(), 2);

    // Closed, it is created again on the next click.
    current()->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    click("mnuOpCategorias");
    EXPECT_EQ(created, 2);
}

TEST_F(MainWindow, ItemsThatRunACommandRunTheOneRegisteredUnderTheirName)
{
    openMain(7);
    int ran = 0;
    MenuCommands::add(QStringLiteral("mnuDesfirmar"), [&ran] { ++ran; });
    click("mnuDesfirmar");
    click("mnuBorrarDatos");  // nothing registered
    click("mnuEmpresas");
    click("mnuParametros");
    EXPECT_EQ(ran, 1);
    EXPECT_TRUE(boxes.boxes().isEmpty());
}

TEST_F(MainWindow, ToolbarAndRecordMenuSendTheirCommandsToTheActiveChild)
{
    openMain(7);
    click("mnuOpCategorias");
    const QList<QPair<int, QString>> toolbar = {{1, "Nuevo"}, {2, "Modificar"}, {3, "Borrar"}, {5, "Aceptar"},
                                                {6, "Cancelar"}, {8, "Buscar"}, {13, "Primero"}, {14, "Anterior"},
                                                {15, "Siguiente"}, {16, "Ultimo"}, {18, "Filtro"}};
    for (const auto& [index, command] : toolbar) {
        calls.clear();
        main->toolbarButton(index)->trigger();
        EXPECT_EQ(calls, QStringList({command})) << index;
    }
    const QList<QPair<int, QString>> record = {{0, "Primero"}, {1, "Anterior"}, {2, "Siguiente"}, {3, "Ultimo"},
                                               {5, "Buscar"}, {6, "Filtro"}, {8, "Nuevo"}, {9, "Modificar"},
                                               {10, "Borrar"}, {12, "Aceptar"}, {13, "Cancelar"}};
    for (const auto& [index, command] : record) {
        calls.clear();
        main->editRecordItem(index)->trigger();
        EXPECT_EQ(calls, QStringList({command})) << index;
    }
    // Separators, "Ayuda", and print and preview that a catalog window lacks: nothing at all.
    calls.clear();
    for (int index : {4, 7, 9, 11, 12, 17, 19, 20, 21})
        main->TlbHerramientas_ButtonClick(index);
    for (int index : {4, 7, 11})
        main->mnuEdReg_Click(index);
    click("mnuArImprimir");
    click("mnuArcPreview");
    EXPECT_TRUE(calls.isEmpty()) << calls.join(QLatin1Char(',')).toStdString();
    EXPECT_EQ(main->mdiArea()->subWindowList().size(), 1);

    // The grid pop-up.
    click("mnuSprNuevo");
    click("mnuSprMod");
    click("mnuSprBorrar");
    EXPECT_EQ(calls, QStringList({"SpreadNuevo", "SpreadBorrar"}));

    // The report window gets print and preview, from the toolbar and from "&Archivo".
    click("mnuRepVentas");
    calls.clear();
    main->toolbarButton(20)->trigger();
    main->toolbarButton(21)->trigger();
    click("mnuArImprimir");
    click("mnuArcPreview");
    main->toolbarButton(5)->trigger();
    EXPECT_EQ(calls, QStringList({"Imprimir", "Preview", "Imprimir", "Preview"}));
}

TEST_F(MainWindow, CommandsWithoutAChildOrToAPlainWindowDoNothing)
{
    openMain(7);
    for (int index = 1; index <= 21; ++index)
        main->toolbarButton(index)->trigger();
    WindowRegistry::add(QStringLiteral("OpMenu"), [] { return new QWidget; });
    click("mnuOpMenu");
    for (int index = 1; index <= 21; ++index) {
        if (index != 10)
            main->toolbarButton(index)->trigger();
    }
    EXPECT_EQ(main->mdiArea()->subWindowList().size(), 1);
    EXPECT_TRUE(boxes.boxes().isEmpty());
}

TEST_F(MainWindow, AnErrorInAChildsCommandEndsThatCommandOnlyAndIsLogged)
{
    QTemporaryDir logDir;
    g_ClsBitacora().inciar_log({.PArchivoLog = logDir.filePath(QStringLiteral("actividad.log")), .PCrearArchivo = false,
                                .Parchivo = true, .PMsgBox = false});
    openMain(7);
    click("mnuOpCategorias");
    child->failAccept = true;
    EXPECT_NO_THROW(main->toolbarButton(5)->trigger());
    EXPECT_NO_THROW(main->editRecordItem(12)->trigger());
    EXPECT_NO_THROW(main->TlbHerramientas_ButtonClick(5));
    EXPECT_EQ(calls, QStringList({"Aceptar", "Aceptar", "Aceptar"}));

    // The window and the program go on.
    main->toolbarButton(6)->trigger();
    EXPECT_EQ(calls.last(), QStringLiteral("Cancelar"));
    EXPECT_EQ(main->mdiArea()->subWindowList().size(), 1);
    EXPECT_TRUE(endings.isEmpty());

    QFile log(logDir.filePath(QStringLiteral("actividad.log")));
    ASSERT_TRUE(log.open(QIODevice::ReadOnly));
    const QString text = QString::fromUtf8(log.readAll());
    EXPECT_TRUE(text.contains(QStringLiteral("BotonAceptar"))) << text.toStdString();
    EXPECT_TRUE(text.contains(QStringLiteral("la tabla no existe"))) << text.toStdString();
    g_ClsBitacora().inciar_log({.PCrearArchivo = false, .Parchivo = false, .PMsgBox = false});
}

TEST_F(MainWindow, CloseCommandsCloseTheActiveChildOnly)
{
    openMain(7);
    click("mnuRepVentas");
    click("mnuOpCategorias");
    main->toolbarButton(10)->trigger();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    ASSERT_EQ(main->mdiArea()->subWindowList().size(), 1);
    EXPECT_TRUE(child.isNull());
    main->mdiArea()->setActiveSubWindow(main->mdiArea()->subWindowList().first());
    click("mnuArCerrar");
    EXPECT_TRUE(main->mdiArea()->subWindowList().isEmpty());
    click("mnuArCerrar");
    main->toolbarButton(10)->trigger();
    EXPECT_TRUE(endings.isEmpty());
}

TEST_F(MainWindow, CtrlXClosesTheChildFromATextBoxOnlyWhileCerrarIsShown)
{
    openMain(7);
    main->show();
    main->activateWindow();
    if (!QTest::qWaitForWindowActive(main))
        GTEST_SKIP() << "the platform does not activate windows";
    click("mnuOpCategorias");
    child->box->setText(QStringLiteral("CARNES"));
    child->box->selectAll();
    child->box->setFocus();

    QTest::keyClick(child->box, Qt::Key_X, Qt::ControlModifier);
    EXPECT_FALSE(child.isNull());
    EXPECT_EQ(child->box->text(), QString()) << "hidden \"&Cerrar\": the box cuts";

    main->menuItem(QStringLiteral("mnuArCerrar"))->setVisible(true);
    child->box->setText(QStringLiteral("CARNES"));
    child->box->selectAll();
    QTest::keyClick(child->box, Qt::Key_X, Qt::ControlModifier);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(child.isNull());
}

TEST_F(MainWindow, SalirClosesTheChildrenAndEndsTheProgram)
{
    openMain(7);
    click("mnuOpCategorias");
    click("mnuRepVentas");
    QPointer<MDIPrincipal> window = main;
    click("mnuArSalir");
    EXPECT_EQ(endings, QList<int>({0}));
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(child.isNull());
}

TEST_F(MainWindow, WindowArrangementsAndTheWindowList)
{
    openMain(7);
    main->resize(800, 600);
    main->show();
    click("mnuOpCategorias");
    click("mnuRepVentas");
    const QList<QMdiSubWindow*> subs = main->mdiArea()->subWindowList(QMdiArea::CreationOrder);
    const QRect area = main->mdiArea()->viewport()->rect();

    click("mnuVehorizontal");
    EXPECT_EQ(subs.at(0)->width(), area.width());
    EXPECT_EQ(subs.at(1)->width(), area.width());
    EXPECT_LT(subs.at(0)->y(), subs.at(1)->y());

    click("mnuVeVertical");
    EXPECT_EQ(subs.at(0)->height(), area.height());
    EXPECT_LT(subs.at(0)->x(), subs.at(1)->x());

    QMenu* ventana = main->menu(QStringLiteral("MnuVentana"));
    emit ventana->aboutToShow();
    QStringList listed;
    for (QAction* action : ventana->actions())
        if (action->isCheckable())
            listed << action->text();
    EXPECT_EQ(listed, QStringList({"&1 Categorías", "&2 Reporte de ventas"}));
    ventana->actions().at(ventana->actions().size() - 2)->trigger();
    EXPECT_EQ(current(), subs.at(0));
}

TEST_F(MainWindow, TheWallpaperIsKeptAcrossRestartsAndCleared)
{
    QTemporaryDir pictures;
    const QString picture = pictures.filePath(QStringLiteral("fondo.png"));
    QImage image(40, 30, QImage::Format_RGB32);
    image.fill(Qt::darkGreen);
    ASSERT_TRUE(image.save(picture));
    const QString notAPicture = pictures.filePath(QStringLiteral("nota.jpg"));
    QFile text(notAPicture);
    ASSERT_TRUE(text.open(QIODevice::WriteOnly));
    text.write("no soy una imagen");
    text.close();

    QString answer;
    DlgBarSve asked;
    DlgBarSve::setChooser([&](const DlgBarSve& dialog) {
        asked = dialog;
        return answer;
    });

    openMain(7);
    EXPECT_TRUE(main->area()->tapiz().isNull());
    answer = picture;
    click("mnuVeTapiz");
    EXPECT_EQ(asked.DialogTitle, QStringLiteral("Cambiar tapiz"));
    EXPECT_EQ(asked.DefaultExt, QStringLiteral("jpg"));
    EXPECT_EQ(asked.Filter, QStringLiteral("*.jpg|*.jpg|*.gif|*.gif|*.bmp|*.bmp|*.*|*.*"));
    EXPECT_EQ(asked.qtFilter(), QStringLiteral("*.jpg (*.jpg);;*.gif (*.gif);;*.bmp (*.bmp);;*.* (*)"));
    EXPECT_EQ(main->area()->tapiz().size(), QSize(40, 30));
    EXPECT_EQ(tapiz::lee(), picture);

    // A cancel and a file that is no picture change nothing.
    answer.clear();
    click("mnuVeTapiz");
    answer = notAPicture;
    click("mnuVeTapiz");
    EXPECT_EQ(tapiz::lee(), picture);
    EXPECT_FALSE(main->area()->tapiz().isNull());
    EXPECT_TRUE(boxes.boxes().isEmpty());

    // The next start shows it again, from the settings kept under ZORVA/TAPIZ/TAPIZ.
    delete main.data();
    EXPECT_EQ(QSettings(QStringLiteral("Vereduda"), QStringLiteral("ZORVA")).value(QStringLiteral("TAPIZ/TAPIZ")).toString(),
              picture);
    openMain(7);
    EXPECT_EQ(main->area()->tapiz().size(), QSize(40, 30));

    click("mnuLimTapiz");
    EXPECT_TRUE(main->area()->tapiz().isNull());
    EXPECT_EQ(tapiz::lee(), QString());
    delete main.data();
    openMain(7);
    EXPECT_TRUE(main->area()->tapiz().isNull());

    // A picture gone since: the window opens without it.
    tapiz::guarda(pictures.filePath(QStringLiteral("borrada.png")));
    delete main.data();
    openMain(7);
    EXPECT_TRUE(main->area()->tapiz().isNull());
}

TEST(Acerca, ShowsTheProgramsTitleVersionAndNoSystemInformation)
{
    ui::ScriptedAnswerer boxes;
    FrmAcerca about;
    EXPECT_EQ(about.windowTitle(), QStringLiteral("Acerca de ZORVA_Servidor"));
    EXPECT_EQ(about.lblversion->text(), QStringLiteral("Version " ZORVA_VERSION_TEXT));
    EXPECT_EQ(about.lblDescription->text(), QStringLiteral("Programa servidor del proceso de punto de venta"));
    EXPECT_EQ(about.lblMarca->text(), QStringLiteral("VEREDUDA"));
    EXPECT_EQ(about.cmdOK->text(), QStringLiteral("Aceptar"));
    EXPECT_TRUE(about.cmdOK->isDefault());
    EXPECT_EQ(about.cmdSysInfo->text(), QStringLiteral("&Información del sist...."));

    QTest::mouseClick(about.cmdSysInfo, Qt::LeftButton);
    ASSERT_EQ(boxes.texts(), QStringList({QStringLiteral("System Information Is Unavailable At This Time")}));
    EXPECT_EQ(boxes.boxes().first().icon(), 0);

    about.show();
    QTest::keyClick(&about, Qt::Key_Escape);
    EXPECT_FALSE(about.isVisible());
}
