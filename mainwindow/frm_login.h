#pragma once

#include <QDialog>
#include <QStringList>
#include <QVariant>

class QLabel;
class QLineEdit;
class QPushButton;

// The login window "Ingreso": connects the shared gateway to the database named by the program's
// arguments, checks a user and password against Empleado with its count of failed logins, and
// opens the main window for an accepted user.
class frmLogin : public QDialog {
    Q_OBJECT

public:
    // argumentos: the program's arguments after its name, as given (a name may hold blanks).
    explicit frmLogin(const QStringList& argumentos, QWidget* parent = nullptr);

    // The load: arguments, log object, gateway and connection; a database that cannot be used or
    // whose key file is another's is refused. False when refused: the message is shown and the
    // program is ending.
    bool Form_Load();

    void cmdOK_Click();
    void cmdCancel_Click();

    // Closes the window once the main window has taken over; the program goes on.
    void Descarga();

    QLabel* lblLabels[2];
    QLineEdit* txtUserName;
    QLineEdit* txtPassword;
    QPushButton* cmdOK;
    QPushButton* cmdCancel;
    QLabel* PicRojo;
    QLabel* PicAmarillo;
    QLabel* PicVerde;

protected:
    // Esc and the close box cancel, as the cancel button does.
    void reject() override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void txt_Change();
    void Reinicia();
    void ContrasenaErronea(QVariant intentosGuardados, const QString& condicion);
    void Acepta(const QString& usuario, const QString& condicion);

    QStringList m_argumentos;
    bool m_descargado = false;
};

// Creates the login window, runs its load and shows it when the connection was made.
void MuestraLogin(const QStringList& argumentos);
