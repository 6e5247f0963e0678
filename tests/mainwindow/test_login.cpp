#include "mainwindow_fixture.h"

#include "foundation/cipher/contrasena.h"

#include "foundation/database/cls_ado.h"
#include "foundation/log/cls_bitacora.h"
#include "mainwindow/frm_inicio.h"
#include "mainwindow/frm_login.h"
#include "mainwindow/login_state.h"
#include "mainwindow/mdi_principal.h"
#include "platform/keys/clsclaves.h"
#include "schema/key_file_check.h"
#include "schema/upgrade.h"

#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <functional>

namespace {

const QString kSinConexion = QStringLiteral("No es posible validar la seguridad, favor de contactar al administrador");
const QString kInvalida = QStringLiteral("¡Contraseña invalida!");
const QString kSuspendido = QStringLiteral("Usuario suspendido, contacte al administrador");

} // namespace

class Login : public MainWindowDb {
protected:
    void TearDown() override
    {
        delete login.data();
        MainWindowDb::TearDown();
    }

    // The login window after its load, connected to the fixture's database.
    frmLogin& open(const QStringList& arguments = {QStringLiteral("."), QStringLiteral("central")})
    {
        login = new frmLogin(arguments);
        EXPECT_TRUE(login->Form_Load());
        boxes.clear();
        return *login;
    }
    void attempt(const QString& user, const QString& password)
    {
        login->txtUserName->clear();
        login->txtPassword->clear();
        QTest::keyClicks(login->txtUserName, user);
        QTest::keyClicks(login->txtPassword, password);
        login->cmdOK_Click();
    }
    QVariant column(const QString& name, const QString& user = QStringLiteral("CAJERO"))
    {
        return scalar(QStringLiteral("SELECT %1 FROM Empleado WHERE Usuario = '%2'").arg(name, user));
    }
    MDIPrincipal* openedMain() const
    {
        for (QWidget* w : QApplication::topLevelWidgets())
            if (auto* m = qobject_cast<MDIPrincipal*>(w))
                return m;
        return nullptr;
    }

    QPointer<frmLogin> login;
};

TEST_F(Login, LoadTakesTheArgumentsConfiguresTheLogAndConnects)
{
    open({QStringLiteral("."), QStringLiteral("central"), QStringLiteral("ignorada")});
    EXPECT_EQ(g_Argumentos, QStringList({".", "central", "ignorada"}));
    EXPECT_TRUE(g_ClsAdo().conexion().isOpen());
    EXPECT_EQ(g_ClsAdo().CClsBitacora, &g_ClsBitacora());
    const ClsBitacora& log = g_ClsBitacora();
    EXPECT_EQ(log.sArchivoLog, QStringLiteral("C:\\ZORVA.log"));
    EXPECT_EQ(log.sSistema, QStringLiteral("ZORVA"));
    EXPECT_EQ(log.sUsuario, QStringLiteral("Desconocido"));
    EXPECT_FALSE(log.bCrearArchivo || log.bArchivo || log.bMsgBox || log.bDebug);
    EXPECT_TRUE(endings.isEmpty());
}

TEST_F(Login, NoDatabaseToConnectToEndsTheProgramWithItsMessage)
{
    const QList<QStringList> argumentLists = {{".", "noexiste"}, {".", ""}, {".", " "}, {"."}, {}};
    for (const QStringList& arguments : argumentLists) {
        SCOPED_TRACE(arguments.join(QLatin1Char('|')).toStdString());
        boxes.clear();
        endings.clear();
        g_ClsAdo_Reinicia();
        frmLogin window(arguments);
        EXPECT_FALSE(window.Form_Load());
        ASSERT_EQ(boxes.boxes().size(), 1);
        EXPECT_EQ(boxes.boxes().first().text, kSinConexion);
        EXPECT_EQ(boxes.boxes().first().icon(), ui::Critical);
        EXPECT_EQ(endings, QList<int>({1}));
        EXPECT_FALSE(window.isVisible());
    }
}

TEST_F(Login, ADatabaseOfTheFirstSetUpIsUpgradedBeforeTheLogin)
{
    const QString path = testsupport::createLandedCentralDb(root.path(), QStringLiteral("antigua"));
    {
        adodb::Connection landed;
        landed.openFile(path);
        landed.execute(QStringLiteral("INSERT INTO Departamentos (Nombre) VALUES ('COCINA');"
                                      "INSERT INTO Empleado (ID_Empleado, Usuario, Nombre_Empleado, Contraseña, Estado_Empleado, "
                                      "Intentos, Admin_Usuarios) VALUES (7, 'CAJERO', 'CAJERO', '%1', 'A', 0, 0)")
                           .arg(CifraContrasena(QStringLiteral("SECRETO"))));
    }
    login = new frmLogin({QStringLiteral("."), QStringLiteral("antigua")});
    EXPECT_TRUE(login->Form_Load());
    EXPECT_TRUE(boxes.boxes().isEmpty());
    EXPECT_TRUE(endings.isEmpty());
    EXPECT_TRUE(QFile::exists(path + QStringLiteral(".v1.bak")));
    EXPECT_EQ(g_ClsAdo().conexion().execute(QStringLiteral("PRAGMA user_version")).field(0).value().toInt(),
              schema::schemaVersion());
    EXPECT_EQ(g_ClsAdo().conexion().execute(QStringLiteral("SELECT COUNT(*) FROM Departamentos")).field(0).value().toInt(), 1);
    attempt(QStringLiteral("CAJERO"), QStringLiteral("SECRETO"));
    EXPECT_NE(openedMain(), nullptr);
}

TEST_F(Login, ADatabaseOfANewerProgramIsRefusedUntouched)
{
    const QString kNewer = QStringLiteral("La base de datos es de una versión más nueva que este programa");
    db.execute(QStringLiteral("PRAGMA user_version = 999"));
    g_ClsAdo_Reinicia();
    frmLogin window({QStringLiteral("."), QStringLiteral("central")});
    EXPECT_FALSE(window.Form_Load());
    ASSERT_EQ(boxes.boxes().size(), 1);
    EXPECT_EQ(boxes.boxes().first().text, kNewer);
    EXPECT_EQ(boxes.boxes().first().icon(), ui::Critical);
    EXPECT_EQ(endings, QList<int>({1}));
    EXPECT_FALSE(window.isVisible());
    EXPECT_EQ(scalar(QStringLiteral("PRAGMA user_version")).toInt(), 999);
    EXPECT_TRUE(QDir(root.path()).entryList({QStringLiteral("*.bak")}).isEmpty());

    // The reason stays in the log.
    bool logged = false;
    for (QDirIterator it(root.path(), {QStringLiteral("*.log")}, QDir::Files, QDirIterator::Subdirectories); it.hasNext();) {
        QFile file(it.next());
        logged = logged || (file.open(QIODevice::ReadOnly) && QString::fromUtf8(file.readAll()).contains(kNewer));
    }
    EXPECT_TRUE(logged);
}

TEST_F(Login, ADatabaseNameWithBlanksOpensAsGiven)
{
    testsupport::createCentralDb(root.path(), QStringLiteral("mi base"));
    g_ClsAdo_Reinicia();
    open({QStringLiteral("."), QStringLiteral("mi base")});
    EXPECT_TRUE(boxes.boxes().isEmpty());
    EXPECT_TRUE(endings.isEmpty());
    EXPECT_EQ(g_ClsAdo().conexion().filePath(), root.filePath(QStringLiteral("mi base.db")));
}

TEST_F(Login, AnEmptyDatabaseFileIsRefusedAsItIs)
{
    QFile empty(root.filePath(QStringLiteral("vacia.db")));
    ASSERT_TRUE(empty.open(QIODevice::WriteOnly));
    empty.close();
    g_ClsAdo_Reinicia();
    frmLogin window({QStringLiteral("."), QStringLiteral("vacia")});
    EXPECT_FALSE(window.Form_Load());
    ASSERT_EQ(boxes.boxes().size(), 1);
    EXPECT_TRUE(boxes.boxes().first().text.contains(QStringLiteral("es un archivo vacío"))) << qPrintable(boxes.texts().join('|'));
    EXPECT_EQ(endings, QList<int>({1}));
    EXPECT_EQ(QFileInfo(empty.fileName()).size(), 0);
    EXPECT_TRUE(QDir(root.path()).entryList({QStringLiteral("vacia.db?*")}).isEmpty());
}

// Under another installation's key file no right password would decipher: the start is refused
// before anybody can be counted, let alone suspended.
TEST_F(Login, AKeyFileThatIsNotTheDatabasesEndsTheStartAndCountsNothing)
{
    addEmployee(1, QStringLiteral("ADMIN"), QStringLiteral("ADMIN"), QStringLiteral("A"), 0, true);
    schema::recordKeyFile(db);
    struct Case {
        const char* what;
        std::function<void()> keyFile;
        QString said;
    };
    const Case cases[] = {
        {"another installation's",
         [] {
             QFile::remove(ClsClaves::RutaArchivo());
             ClsClaves::CreaArchivo();
         },
         schema::keyFileOfAnotherDatabase()},
        {"none", [] { QFile::remove(ClsClaves::RutaArchivo()); },
         QStringLiteral("No existe el archivo de claves ") + ClsClaves::RutaArchivo()},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        c.keyFile();
        boxes.clear();
        endings.clear();
        g_ClsAdo_Reinicia();
        frmLogin window({QStringLiteral("."), QStringLiteral("central")});
        EXPECT_FALSE(window.Form_Load());
        EXPECT_EQ(boxes.texts(), QStringList{c.said});
        EXPECT_EQ(endings, QList<int>({1}));
        EXPECT_EQ(column(QStringLiteral("Intentos"), QStringLiteral("ADMIN")).toInt(), 0);
        EXPECT_EQ(column(QStringLiteral("Estado_Empleado"), QStringLiteral("ADMIN")).toString(), QStringLiteral("A"));
    }
}

TEST_F(Login, ADatabaseThatCannotTakeTheCountSaysSoAndLetsNobodyIn)
{
    const QString kSoloLectura = QStringLiteral("La base de datos no se puede escribir: es de solo lectura");
    addEmployee(7, QStringLiteral("CAJERO"), QStringLiteral("SECRETO"), QStringLiteral("A"), 4);
    open();
    g_ClsAdo().conexion().execute(QStringLiteral("PRAGMA query_only = 1"));
    attempt(QStringLiteral("CAJERO"), QStringLiteral("MALA"));
    // Not suspended, and not said to be.
    EXPECT_EQ(boxes.texts(), QStringList({kInvalida, kSoloLectura}));
    boxes.clear();
    attempt(QStringLiteral("CAJERO"), QStringLiteral("SECRETO"));
    EXPECT_EQ(boxes.texts(), QStringList({kSoloLectura}));
    EXPECT_EQ(openedMain(), nullptr);
    EXPECT_EQ(column(QStringLiteral("Intentos")).toInt(), 4);
    EXPECT_EQ(column(QStringLiteral("Estado_Empleado")).toString(), QStringLiteral("A"));
}

TEST_F(Login, TypedLettersBecomeCapitalsButPastedTextStaysAsItIs)
{
    open();
    QTest::keyClicks(login->txtUserName, QStringLiteral("pe"));
    // QTest types ASCII only.
    QKeyEvent enie(QEvent::KeyPress, Qt::Key_Ntilde, Qt::NoModifier, QStringLiteral("ñ"));
    QApplication::sendEvent(login->txtUserName, &enie);
    QTest::keyClicks(login->txtUserName, QStringLiteral("a 1"));
    EXPECT_EQ(login->txtUserName->text(), QStringLiteral("PEÑA 1"));
    QTest::keyClicks(login->txtPassword, QStringLiteral("abc"));
    EXPECT_EQ(login->txtPassword->text(), QStringLiteral("ABC"));

    login->txtUserName->clear();
    QApplication::clipboard()->setText(QStringLiteral("pegado"));
    if (QApplication::clipboard()->text() != QStringLiteral("pegado"))
        GTEST_SKIP() << "no clipboard on this platform";
    QTest::keyClick(login->txtUserName, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(login->txtUserName->text(), QStringLiteral("pegado"));
}

TEST_F(Login, RightPasswordInAnyCaseOpensTheMainWindowAndClearsTheCount)
{
    addEmployee(7, QStringLiteral("CAJERO"), QStringLiteral("SECRETO"), QStringLiteral("A"), 3, true);
    open();
    attempt(QStringLiteral("cajero"), QStringLiteral("sEcReTo"));

    EXPECT_TRUE(boxes.boxes().isEmpty()) << boxes.texts().join(QLatin1Char('|')).toStdString();
    EXPECT_EQ(column(QStringLiteral("Intentos")).toInt(), 0);
    EXPECT_EQ(g_IdEmpleado, 7);
    EXPECT_TRUE(g_bAdminUsuarios);
    EXPECT_EQ(g_UsuarioActual, QStringLiteral("CAJERO"));
    // The right password proved the key file: a database without its check value learns it.
    EXPECT_EQ(schema::matchKeyFile(db), schema::KeyFileMatch::Matches);
    MDIPrincipal* principal = openedMain();
    ASSERT_NE(principal, nullptr);
    EXPECT_TRUE(principal->isVisible());
    EXPECT_EQ(principal->windowTitle(), QStringLiteral("Vereduda Zorva"));
    EXPECT_TRUE(login.isNull() || !login->isVisible());
    EXPECT_TRUE(endings.isEmpty());
}

TEST_F(Login, FiveWrongPasswordsInARowSuspendTheUser)
{
    addEmployee(7, QStringLiteral("CAJERO"), QStringLiteral("SECRETO"));
    open();
    for (int attemptNo = 1; attemptNo <= 4; ++attemptNo) {
        boxes.clear();
        attempt(QStringLiteral("CAJERO"), QStringLiteral("MALA"));
        EXPECT_EQ(boxes.texts(), QStringList({kInvalida}));
        EXPECT_EQ(column(QStringLiteral("Intentos")).toInt(), attemptNo);
        EXPECT_EQ(column(QStringLiteral("Estado_Empleado")).toString(), QStringLiteral("A"));
    }
    // After a wrong password the user name stays and the password is selected for retyping.
    EXPECT_EQ(login->txtUserName->text(), QStringLiteral("CAJERO"));
    EXPECT_EQ(login->txtPassword->selectedText(), QStringLiteral("MALA"));

    boxes.clear();
    attempt(QStringLiteral("CAJERO"), QStringLiteral("MALA"));
    EXPECT_EQ(boxes.texts(), QStringList({kInvalida, kSuspendido}));
    EXPECT_EQ(boxes.boxes().last().icon(), ui::Critical);
    EXPECT_EQ(boxes.boxes().last().caption, QStringLiteral("Login"));
    EXPECT_EQ(column(QStringLiteral("Intentos")).toInt(), 5);
    EXPECT_EQ(column(QStringLiteral("Estado_Empleado")).toString(), QStringLiteral("S"));

    // Suspended: refused before the password is looked at, and nothing is counted.
    boxes.clear();
    attempt(QStringLiteral("CAJERO"), QStringLiteral("SECRETO"));
    ASSERT_EQ(boxes.texts(), QStringList({kSuspendido}));
    EXPECT_EQ(boxes.boxes().first().icon(), ui::Information);
    EXPECT_EQ(column(QStringLiteral("Intentos")).toInt(), 5);
    EXPECT_TRUE(login->txtUserName->text().isEmpty());
    EXPECT_TRUE(login->txtPassword->text().isEmpty());
    EXPECT_EQ(openedMain(), nullptr);
}

TEST_F(Login, ASuccessfulLoginStartsTheCountAgain)
{
    addEmployee(7, QStringLiteral("CAJERO"), QStringLiteral("SECRETO"), QStringLiteral("A"), 4);
    open();
    attempt(QStringLiteral("CAJERO"), QStringLiteral("SECRETO"));
    EXPECT_EQ(column(QStringLiteral("Intentos")).toInt(), 0);
    EXPECT_EQ(column(QStringLiteral("Estado_Empleado")).toString(), QStringLiteral("A"));
}

TEST_F(Login, ACountNeverWrittenCountsAsNone)
{
    addEmployee(7, QStringLiteral("CAJERO"), QStringLiteral("SECRETO"), QStringLiteral("A"), QVariant());
    open();
    attempt(QStringLiteral("CAJERO"), QStringLiteral("MALA"));
    EXPECT_EQ(column(QStringLiteral("Intentos")).toInt(), 1);
}

TEST_F(Login, AStoredPasswordThatDoesNotDecipherIsAWrongPassword)
{
    for (const QString& stored : {QStringLiteral("'=='"), QStringLiteral("'@@@'"), QStringLiteral("''"), QStringLiteral("NULL")}) {
        SCOPED_TRACE(stored.toStdString());
        db.execute(QStringLiteral("DELETE FROM Empleado"));
        addEmployee(7, QStringLiteral("CAJERO"), QStringLiteral("X"));
        db.execute(QStringLiteral("UPDATE Empleado SET Contraseña = %1").arg(stored));
        open();
        attempt(QStringLiteral("CAJERO"), QString());
        EXPECT_EQ(boxes.texts(), QStringList({kInvalida}));
        EXPECT_EQ(column(QStringLiteral("Intentos")).toInt(), 1);
        EXPECT_EQ(openedMain(), nullptr);
        delete login.data();
    }
}

TEST_F(Login, RefusedUsersGetTheirMessageAndEmptyBoxes)
{
    addEmployee(7, QStringLiteral("CAJERO"), QStringLiteral("SECRETO"), QStringLiteral("N"));
    addEmployee(8, QStringLiteral("MESERO"), QStringLiteral("SECRETO"), QStringLiteral("s"));
    open();
    struct Case {
        QString user;
        QString message;
    } cases[] = {
        {QStringLiteral("NADIE"), QStringLiteral("El usuario es incorrecto, intente de nuevo")},
        // The apostrophe is doubled in the query: no row, no SQL error.
        {QStringLiteral("O'NADIE"), QStringLiteral("El usuario es incorrecto, intente de nuevo")},
        {QStringLiteral("CAJERO"), QStringLiteral("El usuario ya no labora en la empresa, contacte al administrador")},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.user.toStdString());
        boxes.clear();
        attempt(c.user, QStringLiteral("SECRETO"));
        ASSERT_EQ(boxes.texts(), QStringList({c.message}));
        EXPECT_EQ(boxes.boxes().first().icon(), ui::Information);
        EXPECT_TRUE(login->txtUserName->text().isEmpty());
        EXPECT_TRUE(login->txtPassword->text().isEmpty());
        EXPECT_EQ(login->focusWidget(), login->txtUserName);
    }
    // The state letters compare exactly: a lower-case "s" is no suspension.
    boxes.clear();
    attempt(QStringLiteral("MESERO"), QStringLiteral("SECRETO"));
    EXPECT_TRUE(boxes.texts().isEmpty());
    EXPECT_EQ(g_IdEmpleado, 8);
}

TEST_F(Login, AQueryThatFailsIsReportedAndTheUserMayTryAgain)
{
    addEmployee(7, QStringLiteral("CAJERO"), QStringLiteral("SECRETO"));
    open();
    db.execute(QStringLiteral("ALTER TABLE Empleado RENAME TO EmpleadoAparte"));
    attempt(QStringLiteral("CAJERO"), QStringLiteral("SECRETO"));
    ASSERT_EQ(boxes.texts(), QStringList({QStringLiteral("¡Usuario inexistente ó contraseña invalida!")}));
    EXPECT_EQ(boxes.boxes().first().caption, QStringLiteral("Login"));
    EXPECT_EQ(boxes.boxes().first().icon(), ui::Critical);
    EXPECT_TRUE(login->txtUserName->text().isEmpty());
    EXPECT_TRUE(endings.isEmpty());
}

TEST_F(Login, AnEmployeeKeyBeyondSixteenBitsIsNotLoggedIn)
{
    addEmployee(40000, QStringLiteral("CAJERO"), QStringLiteral("SECRETO"));
    open();
    attempt(QStringLiteral("CAJERO"), QStringLiteral("SECRETO"));
    EXPECT_EQ(boxes.texts(), QStringList({QStringLiteral("¡Usuario inexistente ó contraseña invalida!")}));
    EXPECT_EQ(openedMain(), nullptr);
    EXPECT_EQ(g_IdEmpleado, 0);
    EXPECT_TRUE(login->PicRojo->isVisibleTo(login));
}

TEST_F(Login, TheLightsFollowTheAttempts)
{
    addEmployee(7, QStringLiteral("CAJERO"), QStringLiteral("SECRETO"));
    open();
    const auto lit = [this] {
        QString colours;
        if (login->PicRojo->isVisibleTo(login)) colours += QLatin1Char('R');
        if (login->PicAmarillo->isVisibleTo(login)) colours += QLatin1Char('A');
        if (login->PicVerde->isVisibleTo(login)) colours += QLatin1Char('V');
        return colours;
    };
    EXPECT_EQ(lit(), QStringLiteral("R"));
    attempt(QStringLiteral("CAJERO"), QStringLiteral("MALA"));
    EXPECT_EQ(lit(), QStringLiteral("A"));
    QTest::keyClicks(login->txtUserName, QStringLiteral("x"));
    EXPECT_EQ(lit(), QStringLiteral("R"));
    attempt(QStringLiteral("CAJERO"), QStringLiteral("MALA"));
    QTest::keyClicks(login->txtPassword, QStringLiteral("x"));
    EXPECT_EQ(lit(), QStringLiteral("R"));
    attempt(QStringLiteral("CAJERO"), QStringLiteral("SECRETO"));
    if (login) {
        EXPECT_EQ(lit(), QStringLiteral("V"));
    }
}

TEST_F(Login, CancelAndEscapeEndTheProgram)
{
    open();
    login->show();
    QTest::mouseClick(login->cmdCancel, Qt::LeftButton);
    EXPECT_EQ(endings, QList<int>({0}));
    QTest::keyClick(login->txtUserName, Qt::Key_Escape);
    EXPECT_EQ(endings, QList<int>({0, 0}));
    EXPECT_TRUE(boxes.boxes().isEmpty());
}

TEST_F(Login, TheDesignHasItsCaptionTipsAndButtons)
{
    open();
    EXPECT_EQ(login->windowTitle(), QStringLiteral("Ingreso"));
    EXPECT_EQ(login->lblLabels[0]->text(), QStringLiteral("&Usuario:"));
    EXPECT_EQ(login->lblLabels[1]->text(), QStringLiteral("&Contraseña:"));
    EXPECT_EQ(login->txtUserName->toolTip(), QStringLiteral("Nombre de usuario"));
    EXPECT_EQ(login->txtPassword->toolTip(), QStringLiteral("Contraseña sensitiva a mayusculas y minusculas"));
    EXPECT_EQ(login->txtPassword->echoMode(), QLineEdit::Password);
    EXPECT_TRUE(login->cmdOK->isDefault());
    QWidget* afterUser = login->txtUserName->nextInFocusChain();
    while (afterUser && afterUser->focusPolicy() == Qt::NoFocus)
        afterUser = afterUser->nextInFocusChain();
    EXPECT_EQ(afterUser, login->txtPassword);
}

TEST(Inicio, TheLoginOpensOnceOnAClickAKeyOrTheTimer)
{
    int shown = 0;
    {
        QPointer<frmInicio> splash = new frmInicio([&shown] { ++shown; });
        EXPECT_EQ(splash->TmrInicio()->interval(), 5000);
        EXPECT_TRUE(splash->TmrInicio()->isActive());
        splash->show();
        QTest::mouseClick(splash, Qt::LeftButton);
        EXPECT_EQ(shown, 1);
        EXPECT_FALSE(splash->TmrInicio()->isActive());
        splash->TmrInicio_Timer();
        EXPECT_EQ(shown, 1);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        EXPECT_TRUE(splash.isNull());
    }
    {
        QPointer<frmInicio> splash = new frmInicio([&shown] { ++shown; });
        splash->show();
        QTest::keyClick(splash, Qt::Key_A);
        EXPECT_EQ(shown, 2);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    {
        QPointer<frmInicio> splash = new frmInicio([&shown] { ++shown; });
        splash->TmrInicio_Timer();
        EXPECT_EQ(shown, 3);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
}
