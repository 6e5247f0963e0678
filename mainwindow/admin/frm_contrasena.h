#pragma once

#include <QDialog>
#include <QList>
#include <QString>

class Clstxt_valida;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

// "Cambio de contraseña": a password typed twice. In entry mode (bCambio False) the caller reads the
// password from txtContraseña once the dialog is hidden and stores it itself; in change mode it
// checks the current password of the employee in sUsuario and stores the new one, with the count of
// failed logins cleared.
class frmContrasena : public QDialog {
    Q_OBJECT
public:
    explicit frmContrasena(QWidget* parent = nullptr);

    // Change mode: the ID_Empleado of the employee whose password changes.
    QString sUsuario;
    bool bCambio = true;
    // True when the dialog was left with "Cancelar" (or its close box).
    bool bCancelar = true;

    void cmdOK_Click();
    void cmdCancel_Click();

    QGroupBox* Frame1;
    // 0 "Contraseña:", 1 "Confirmar:", 2 "Contraseña actual:".
    QLabel* lblLabels[3];
    QLineEdit* txtActual;
    QLineEdit* txtContrasena;
    QLineEdit* txtConfirma;
    QPushButton* cmdOK;
    QPushButton* cmdCancel;

protected:
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void reject() override;

private:
    void Form_Activate();
    bool ActualCorrecta();
    bool GuardaContrasena();

    QList<Clstxt_valida*> m_mayusculas;
};

// Stores an enciphered password for the employee and clears his count of failed logins; false
// when the employee does not exist (any more) or the database refused the change.
bool GuardaContrasenaEmpleado(const QString& idEmpleado, const QString& cifrada);

// "&Cambio Contraseña": the logged-in employee changes his own password.
void CambiaContrasenaPropia();
