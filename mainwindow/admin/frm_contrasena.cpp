#include "mainwindow/admin/frm_contrasena.h"
#include "foundation/cipher/contrasena.h"
#include "foundation/database/cls_ado.h"
#include "foundation/forms/clstxt_valida.h"
#include "foundation/forms/controls.h"
#include "foundation/routines/zorva_funciones.h"
#include "mainwindow/login_state.h"
#include "platform/keys/key_file_error.h"
#include "platform/ui/msgbox.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

QLineEdit* cajaContrasena(QWidget* parent, const QString& name)
{
    auto* box = new QLineEdit(parent);
    box->setObjectName(name);
    box->setEchoMode(QLineEdit::Password);
    // Passwords are kept in capitals: the login compares them so.
    forms::setTag(box, QStringLiteral("Mayusculas"));
    return box;
}

bool esClave(const QString& texto)
{
    bool ok = false;
    texto.toLongLong(&ok);
    return ok;
}

} // namespace

frmContrasena::frmContrasena(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("frmContraseña"));
    setWindowTitle(QStringLiteral("Cambio de contraseña"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    setModal(true);

    Frame1 = new QGroupBox(this);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    txtActual = cajaContrasena(Frame1, QStringLiteral("txtActual"));
    txtContrasena = cajaContrasena(Frame1, QStringLiteral("txtContraseña"));
    txtConfirma = cajaContrasena(Frame1, QStringLiteral("txtConfirma"));
    const QString textos[3] = {QStringLiteral("Contraseña:"), QStringLiteral("Confirmar:"),
                               QStringLiteral("Contraseña actual:")};
    QLineEdit* cajas[3] = {txtContrasena, txtConfirma, txtActual};
    for (int i = 0; i < 3; ++i) {
        lblLabels[i] = new QLabel(textos[i], Frame1);
        lblLabels[i]->setObjectName(QStringLiteral("lblLabels_%1").arg(i));
        lblLabels[i]->setBuddy(cajas[i]);
    }
    // Shown in change mode only.
    lblLabels[2]->hide();
    txtActual->hide();

    auto* filas = new QGridLayout(Frame1);
    filas->addWidget(lblLabels[2], 0, 0);
    filas->addWidget(txtActual, 0, 1);
    filas->addWidget(lblLabels[0], 1, 0);
    filas->addWidget(txtContrasena, 1, 1);
    filas->addWidget(lblLabels[1], 2, 0);
    filas->addWidget(txtConfirma, 2, 1);
    filas->setColumnMinimumWidth(1, 160);

    cmdOK = new QPushButton(QStringLiteral("Aceptar"), this);
    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    cmdOK->setDefault(true);
    cmdCancel = new QPushButton(QStringLiteral("Cancelar"), this);
    cmdCancel->setObjectName(QStringLiteral("cmdCancel"));
    auto* botones = new QHBoxLayout;
    botones->addStretch();
    botones->addWidget(cmdOK);
    botones->addWidget(cmdCancel);

    auto* todo = new QVBoxLayout(this);
    todo->addWidget(Frame1);
    todo->addLayout(botones);
    todo->setSizeConstraint(QLayout::SetFixedSize);

    setTabOrder(txtActual, txtContrasena);
    setTabOrder(txtContrasena, txtConfirma);
    setTabOrder(txtConfirma, cmdOK);
    setTabOrder(cmdOK, cmdCancel);

    for (QLineEdit* caja : cajas) {
        auto* reglas = new Clstxt_valida(this);
        reglas->Asigna(caja);
        m_mayusculas.append(reglas);
    }
    connect(cmdOK, &QPushButton::clicked, this, &frmContrasena::cmdOK_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &frmContrasena::cmdCancel_Click);
}

void frmContrasena::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    Form_Activate();
}

void frmContrasena::Form_Activate()
{
    lblLabels[2]->setVisible(bCambio);
    txtActual->setVisible(bCambio);
    (bCambio ? txtActual : txtContrasena)->setFocus(Qt::OtherFocusReason);
}

// Esc presses "Aceptar", as Enter does: the dialog has no other way out but "Cancelar".
void frmContrasena::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        cmdOK_Click();
        return;
    }
    QDialog::keyPressEvent(event);
}

// The close box leaves the dialog as "Cancelar" does, so that no caller takes an untyped password.
void frmContrasena::reject()
{
    cmdCancel_Click();
}

void frmContrasena::cmdOK_Click()
{
    if (txtContrasena->text().isEmpty()) {
        ui::msgBox(QStringLiteral("La contraseña es requerida"), ui::Information);
        txtContrasena->setFocus(Qt::OtherFocusReason);
        return;
    }
    if (txtContrasena->text() != txtConfirma->text()) {
        ui::msgBox(QStringLiteral("Las contraseñas no coinciden"), ui::Information);
        txtContrasena->clear();
        txtContrasena->setFocus(Qt::OtherFocusReason);
        return;
    }
    if (!ContrasenaGuardable(txtContrasena->text())) {
        ui::msgBox(ContrasenaNoGuardable(), ui::Information);
        txtContrasena->clear();
        txtConfirma->clear();
        txtContrasena->setFocus(Qt::OtherFocusReason);
        return;
    }
    if (!bCambio) {
        done(QDialog::Accepted);
        return;
    }
    if (!ActualCorrecta()) {
        ui::msgBox(QStringLiteral("La contraseña actual no es correcta"), ui::Exclamation);
        txtActual->clear();
        txtActual->setFocus(Qt::OtherFocusReason);
        return;
    }
    if (!GuardaContrasena())
        return;
    ui::msgBox(QStringLiteral("Contraseña cambiada"), ui::Information);
    done(QDialog::Accepted);
}

void frmContrasena::cmdCancel_Click()
{
    bCancelar = true;
    done(QDialog::Rejected);
}

// The current password as the login would take it: the stored one deciphered, compared in capitals.
bool frmContrasena::ActualCorrecta()
{
    if (!esClave(sUsuario) || txtActual->text().isEmpty())
        return false;
    try {
        const QString guardada = BuscaValor(QStringLiteral("Empleado"), QStringLiteral("Contraseña"),
                                            QStringLiteral("ID_Empleado=") + sUsuario);
        if (guardada.isEmpty())
            return false;
        return DescifraContrasena(guardada).toUpper() == txtActual->text().toUpper();
    } catch (const KeyFileError& e) {
        ui::msgBox(e.message(), ui::Critical);
        return false;
    } catch (const std::exception&) {
        return false;
    }
}

bool frmContrasena::GuardaContrasena()
{
    QString cifrada;
    try {
        cifrada = CifraContrasena(txtContrasena->text());
    } catch (const KeyFileError& e) {
        ui::msgBox(e.message(), ui::Critical);
        return false;
    }
    if (!GuardaContrasenaEmpleado(sUsuario, cifrada)) {
        ui::msgBox(QStringLiteral("Imposible cambiar la contraseña!"), ui::Critical);
        return false;
    }
    return true;
}

bool GuardaContrasenaEmpleado(const QString& idEmpleado, const QString& cifrada)
{
    if (!esClave(idEmpleado))
        return false;
    const QString condicion = QStringLiteral("ID_Empleado=") + idEmpleado;
    try {
        if (BuscaValor(QStringLiteral("Empleado"), QStringLiteral("ID_Empleado"), condicion).isEmpty())
            return false;
    } catch (const std::exception&) {
        return false;
    }
    adodb::Recordset ninguno;
    // The Base64 text holds no apostrophe; it is quoted like every other text all the same.
    const bool hecho = g_ClsAdo().Modificar(ninguno, QStringLiteral("Empleado"),
                                            QStringLiteral("Contraseña='") + DuplicaComillas(cifrada)
                                                + QStringLiteral("',Intentos=0"),
                                            condicion, false);
    g_ClsAdo().conexion().errors().clear();
    return hecho;
}

void CambiaContrasenaPropia()
{
    frmContrasena dialogo;
    dialogo.bCambio = true;
    dialogo.sUsuario = QString::number(g_IdEmpleado);
    dialogo.exec();
}
