#pragma once

#include <QDialog>

class QLabel;
class QPushButton;

// The About box: product, maker, description, version and legal notice.
class FrmAcerca : public QDialog {
    Q_OBJECT

public:
    explicit FrmAcerca(QWidget* parent = nullptr);

    // Starts the system-information program; on this system there is none to start.
    void StartSysInfo();
    // Reads a text value of the system registry: false and "" when it cannot be read, which is
    // always the case here.
    bool GetKeyValue(const QString& KeyRoot, const QString& KeyName, const QString& SubKeyRef, QString& KeyVal);

    QLabel* lblTitle;
    QLabel* lblMarca;
    QLabel* lblDescription;
    QLabel* lblversion;
    QLabel* lblDisclaimer;
    QPushButton* cmdOK;
    QPushButton* cmdSysInfo;
};
