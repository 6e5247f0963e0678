#include "mainwindow/frm_login.h"

#include "foundation/cipher/contrasena.h"
#include "foundation/database/cls_ado.h"
#include "foundation/forms/program_end.h"
#include "foundation/log/cls_bitacora.h"
#include "foundation/routines/zorva_funciones.h"
#include "mainwindow/imagenes.h"
#include "mainwindow/login_state.h"
#include "mainwindow/mdi_principal.h"
#include "platform/keys/key_file_error.h"
#include "platform/printqueue/abandoned_jobs.h"
#include "platform/ui/msgbox.h"
#include "platform/ui/wait_cursor.h"
#include "schema/key_file_check.h"
#include "schema/schema.h"
#include "schema/upgrade.h"
#include "zorva_version.h"

#include <QApplication>
#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <QVBoxLayout>

#include <cstdio>
#include <limits>

namespace {

const QString kTituloLogin = QStringLiteral("Login");
const QString kMsgSinConexion = QStringLiteral("No es posible validar la seguridad, favor de contactar al administrador");
const QString kMsgSuspendido = QStringLiteral("Usuario suspendido, contacte al administrador");
const QString kMsgConsultaFallida = QStringLiteral("¡Usuario inexistente ó contraseña invalida!");

QString nombrePrograma()
{
    return QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName();
}

QLabel* luz(QWidget* parent, const char* nombre, imagenes::Luz color)
{
    auto* pic = new QLabel(parent);
    pic->setObjectName(QString::fromLatin1(nombre));
    pic->setPixmap(imagenes::semaforo(color));
    pic->setAlignment(Qt::AlignCenter);
    return pic;
}

// A start refused: said on screen, on standard error and in the log; the connection is closed.
void rehusaInicio(const QString& motivo)
{
    g_ClsBitacora().Mandar_Log(motivo);
    std::fputs((motivo + QLatin1Char('\n')).toUtf8().constData(), stderr);
    g_ClsAdo().Cerrar();
    ui::msgBox(motivo, ui::Critical);
}

// Brings the central database and the terminal template up to this program's schema before
// anybody logs in. On false the user has been told why; the database is as it was.
bool actualizaEsquema()
{
    QString nota;
    const QString motivo = schema::bringUpToDate(g_ClsAdo().conexion(), &nota);
    if (!nota.isEmpty())
        g_ClsBitacora().Mandar_Log(nota);
    if (motivo.isEmpty())
        return true;
    rehusaInicio(motivo);
    return false;
}

// Under another installation's key file no stored password deciphers: every right password would
// count as a failure and suspend its user. On false the user has been told why.
bool compruebaArchivoClaves()
{
    QString motivo;
    try {
        if (schema::matchKeyFile(g_ClsAdo().conexion()) == schema::KeyFileMatch::Differs)
            motivo = schema::keyFileOfAnotherDatabase();
    } catch (const KeyFileError& e) {
        motivo = e.message();
    } catch (const adodb::ComError& e) {
        motivo = e.description();
    }
    if (motivo.isEmpty())
        return true;
    rehusaInicio(motivo);
    return false;
}

// Why the connection failed, for the log and standard error; the user sees the login's own message.
void anotaSinConexion()
{
    QString motivo = kMsgSinConexion;
    const QList<adodb::Error>& errores = g_ClsAdo().conexion().errors();
    if (!errores.isEmpty())
        motivo += QStringLiteral(": ") + errores.first().Description;
    g_ClsBitacora().Mandar_Log(motivo);
    std::fputs((motivo + QLatin1Char('\n')).toUtf8().constData(), stderr);
}

// Print jobs that a program ended half way left open never print: they leave the queue now. A
// failure costs nothing but the clean-up, so it is only logged.
void limpiaColaImpresion()
{
    try {
        const int borrados = abandonedjobs::cleanUp(g_ClsAdo().conexion());
        if (borrados > 0)
            g_ClsBitacora().Mandar_Log(QStringLiteral("Trabajos abiertos que se quitaron de la cola de impresión: %1").arg(borrados));
    } catch (const adodb::ComError& e) {
        g_ClsBitacora().Mandar_Log(QStringLiteral("No se pudo limpiar la cola de impresión: ") + e.description());
    }
}

} // namespace

frmLogin::frmLogin(const QStringList& argumentos, QWidget* parent)
    : QDialog(parent)
    , m_argumentos(argumentos)
{
    setObjectName(QStringLiteral("frmLogin"));
    setWindowTitle(QStringLiteral("Ingreso"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);

    lblLabels[0] = new QLabel(QStringLiteral("&Usuario:"), this);
    lblLabels[1] = new QLabel(QStringLiteral("&Contraseña:"), this);
    for (int i = 0; i < 2; ++i) {
        lblLabels[i]->setObjectName(QStringLiteral("lblLabels"));
        lblLabels[i]->setProperty("Index", i);
    }

    txtUserName = new QLineEdit(this);
    txtUserName->setObjectName(QStringLiteral("txtUserName"));
    txtUserName->setToolTip(QStringLiteral("Nombre de usuario"));
    txtPassword = new QLineEdit(this);
    txtPassword->setObjectName(QStringLiteral("txtPassword"));
    txtPassword->setToolTip(QStringLiteral("Contraseña sensitiva a mayusculas y minusculas"));
    txtPassword->setEchoMode(QLineEdit::Password);
    txtPassword->setStyleSheet(QStringLiteral("lineedit-password-character: 42"));
    lblLabels[0]->setBuddy(txtUserName);
    lblLabels[1]->setBuddy(txtPassword);
    for (QLineEdit* box : {txtUserName, txtPassword}) {
        box->setMinimumWidth(200);
        box->installEventFilter(this);
        connect(box, &QLineEdit::textChanged, this, &frmLogin::txt_Change);
    }

    cmdOK = new QPushButton(style()->standardIcon(QStyle::SP_DialogOkButton), QStringLiteral("Aceptar"), this);
    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    cmdOK->setDefault(true);
    cmdCancel = new QPushButton(style()->standardIcon(QStyle::SP_DialogCancelButton), QStringLiteral("Cancelar"), this);
    cmdCancel->setObjectName(QStringLiteral("cmdCancel"));
    cmdCancel->setAutoDefault(false);
    connect(cmdOK, &QPushButton::clicked, this, &frmLogin::cmdOK_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &frmLogin::cmdCancel_Click);

    PicRojo = luz(this, "PicRojo", imagenes::Luz::Roja);
    PicAmarillo = luz(this, "PicAmarillo", imagenes::Luz::Amarilla);
    PicVerde = luz(this, "PicVerde", imagenes::Luz::Verde);
    PicAmarillo->hide();
    PicVerde->hide();

    // The three lights share one place; exactly one shows at a time.
    auto* luces = new QGridLayout;
    luces->addWidget(PicRojo, 0, 0);
    luces->addWidget(PicAmarillo, 0, 0);
    luces->addWidget(PicVerde, 0, 0);

    auto* campos = new QGridLayout;
    campos->addWidget(lblLabels[0], 0, 0);
    campos->addWidget(txtUserName, 0, 1);
    campos->addWidget(lblLabels[1], 1, 0);
    campos->addWidget(txtPassword, 1, 1);
    auto* columnaCampos = new QVBoxLayout;
    columnaCampos->addStretch();
    columnaCampos->addLayout(campos);
    columnaCampos->addStretch();

    auto* arriba = new QHBoxLayout;
    arriba->addLayout(luces);
    arriba->addSpacing(12);
    arriba->addLayout(columnaCampos, 1);

    auto* botones = new QHBoxLayout;
    botones->addStretch();
    botones->addWidget(cmdOK);
    botones->addWidget(cmdCancel);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(arriba);
    layout->addSpacing(6);
    layout->addLayout(botones);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    setTabOrder(txtUserName, txtPassword);
    setTabOrder(txtPassword, cmdOK);
    setTabOrder(cmdOK, cmdCancel);
    txtUserName->setFocus();
}

bool frmLogin::Form_Load()
{
    g_Argumentos = m_argumentos;

    g_ClsBitacora().inciar_log({.PArchivoLog = QStringLiteral("C:\\ZORVA.log"),
                                .PSistema = QStringLiteral("ZORVA"),
                                .PPrograma = nombrePrograma(),
                                .PVersion = QStringLiteral(ZORVA_VERSION_TEXT),
                                .PUsuario = QStringLiteral("Desconocido"),
                                .PCrearArchivo = false,
                                .Parchivo = false,
                                .PMsgBox = false,
                                .PDebug = false});

    g_ClsAdo().CClsBitacora = &g_ClsBitacora();
    // Without both words there is no database to name.
    const bool conectado = g_Argumentos.size() >= 2
        && g_ClsAdo().Conectar(g_Argumentos.at(0), g_Argumentos.at(1), QStringLiteral("vypjv_ok"),
                               QStringLiteral("quorma3048"));
    if (!conectado) {
        anotaSinConexion();
        ui::msgBox(kMsgSinConexion, ui::Critical);
        endProgram(1);
        return false;
    }
    if (!actualizaEsquema() || !compruebaArchivoClaves()) {
        endProgram(1);
        return false;
    }
    limpiaColaImpresion();
    return true;
}

bool frmLogin::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress && (watched == txtUserName || watched == txtPassword)) {
        auto* key = static_cast<QKeyEvent*>(event);
        const QString texto = key->text();
        const bool control = key->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier);
        if (!control && !texto.isEmpty() && texto.at(0).isPrint() && texto.toUpper() != texto) {
            static_cast<QLineEdit*>(watched)->insert(texto.toUpper());
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void frmLogin::txt_Change()
{
    PicAmarillo->hide();
    PicRojo->show();
}

void frmLogin::Reinicia()
{
    txtUserName->clear();
    txtUserName->setFocus();
    txtPassword->clear();
}

void frmLogin::cmdOK_Click()
{
    const QString usuario = txtUserName->text();
    const QString contrasena = txtPassword->text();
    const QString condicion = QStringLiteral("Usuario='") + DuplicaComillas(usuario) + QLatin1Char('\'');

    adodb::Recordset rs;
    bool abierta = false;
    try {
        abierta = g_ClsAdo().Establece_consulta(
            rs, QStringLiteral("SELECT Usuario,Intentos,Estado_Empleado,Contraseña FROM Empleado WHERE ") + condicion);
    } catch (const adodb::ComError&) {
        abierta = false;
    }
    if (!abierta) {
        ui::msgBox(kMsgConsultaFallida, ui::Critical, kTituloLogin);
        Reinicia();
        return;
    }
    if (rs.eof()) {
        ui::msgBox(QStringLiteral("El usuario es incorrecto, intente de nuevo"), ui::Information);
        Reinicia();
        return;
    }
    const QString estado = rs.value(QStringLiteral("Estado_Empleado")).toString();
    if (estado == QLatin1String("S")) {
        ui::msgBox(kMsgSuspendido, ui::Information);
        Reinicia();
        return;
    }
    if (estado == QLatin1String("N")) {
        ui::msgBox(QStringLiteral("El usuario ya no labora en la empresa, contacte al administrador"), ui::Information);
        Reinicia();
        return;
    }

    const QVariant intentos = rs.value(QStringLiteral("Intentos"));
    const QString guardada = rs.value(QStringLiteral("Contraseña")).toString();
    rs.close();

    bool igual = false;
    try {
        ui::WaitCursor espera;
        // A stored text that does not decipher to a password matches none, not even an empty one.
        const QString descifrada = guardada.isEmpty() ? QString() : DescifraContrasena(guardada);
        igual = !descifrada.isEmpty() && descifrada.toUpper() == contrasena.toUpper();
    } catch (const KeyFileError& e) {
        // Nobody could log in: the fault is the installation's, not the user's, so nothing is counted.
        ui::msgBox(e.message(), ui::Critical, kTituloLogin);
        return;
    } catch (const std::exception&) {
        igual = false;
    }

    if (igual)
        Acepta(usuario, condicion);
    else
        ContrasenaErronea(intentos, condicion);
}

void frmLogin::ContrasenaErronea(QVariant intentosGuardados, const QString& condicion)
{
    PicRojo->hide();
    PicAmarillo->show();
    ui::msgBox(QStringLiteral("¡Contraseña invalida!"), ui::Critical, kTituloLogin);
    txtPassword->setFocus();
    txtPassword->selectAll();

    // A count never written counts as none, so the suspension still comes.
    const int intentos = intentosGuardados.isNull() ? 0 : intentosGuardados.toInt();
    const bool suspende = intentos > 3;
    QString cambio = QStringLiteral("Intentos=") + QString::number(intentos + 1);
    if (suspende)
        cambio += QStringLiteral(",Estado_Empleado='S'");
    adodb::Recordset ninguno;
    // A failure that could not be counted is said, never passed over: the count is what stops
    // somebody guessing.
    if (!g_ClsAdo().Modificar(ninguno, QStringLiteral("Empleado"), cambio, condicion, false)) {
        g_ClsAdo().Reporta_Error();
        return;
    }
    if (suspende)
        ui::msgBox(kMsgSuspendido, ui::Critical, kTituloLogin);
}

void frmLogin::Acepta(const QString& usuario, const QString& condicion)
{
    PicRojo->hide();
    PicVerde->show();
    adodb::Recordset ninguno;
    // A database that cannot take the new count could not take anything the user did either.
    if (!g_ClsAdo().Modificar(ninguno, QStringLiteral("Empleado"), QStringLiteral("Intentos=0"), condicion, false)) {
        PicVerde->hide();
        PicRojo->show();
        g_ClsAdo().Reporta_Error();
        return;
    }
    // The right password proves the key file: a database set up or upgraded without one learns it.
    try {
        schema::recordKeyFile(g_ClsAdo().conexion());
    } catch (const std::exception&) {
        g_ClsAdo().conexion().errors().clear();
    }

    adodb::Recordset rs;
    bool leido = false;
    qlonglong id = 0;
    try {
        if (g_ClsAdo().Establece_consulta(
                rs, QStringLiteral("SELECT ID_Empleado,Admin_Usuarios FROM Empleado WHERE ") + condicion)
            && !rs.eof()) {
            id = rs.value(QStringLiteral("ID_Empleado")).toLongLong();
            g_bAdminUsuarios = rs.value(QStringLiteral("Admin_Usuarios")).toInt() != 0;
            leido = true;
        }
    } catch (const adodb::ComError&) {
        leido = false;
    }
    // The rest of the program knows the employee by a 16-bit number: a key beyond it would grant
    // somebody else's rights.
    if (!leido || id < std::numeric_limits<qint16>::min() || id > std::numeric_limits<qint16>::max()) {
        g_bAdminUsuarios = false;
        PicVerde->hide();
        PicRojo->show();
        ui::msgBox(kMsgConsultaFallida, ui::Critical, kTituloLogin);
        Reinicia();
        return;
    }
    g_IdEmpleado = qint16(id);
    g_UsuarioActual = usuario;

    auto* principal = new MDIPrincipal;
    principal->MDIForm_Load();
    // Without a window manager to maximize it, the window still takes the whole screen.
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        principal->setGeometry(screen->availableGeometry());
    principal->showMaximized();
    if (!m_descargado)
        Descarga();
}

void frmLogin::cmdCancel_Click()
{
    endProgram(0);
}

void frmLogin::reject()
{
    if (m_descargado) {
        QDialog::reject();
        return;
    }
    cmdCancel_Click();
}

void frmLogin::Descarga()
{
    m_descargado = true;
    hide();
    deleteLater();
}

void MuestraLogin(const QStringList& argumentos)
{
    auto* login = new frmLogin(argumentos);
    if (!login->Form_Load()) {
        login->deleteLater();
        return;
    }
    login->show();
    login->raise();
    login->activateWindow();
}
