#include "mainwindow/frm_acerca.h"

#include "mainwindow/imagenes.h"
#include "platform/ui/msgbox.h"
#include "zorva_version.h"

#include <QFile>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QProcess>
#include <QPushButton>
#include <QVBoxLayout>

FrmAcerca::FrmAcerca(QWidget* parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("FrmAcerca"));
    setWindowTitle(QStringLiteral("Acerca de ") + ui::applicationTitle());
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);

    auto* picLogo = new QLabel(this);
    picLogo->setObjectName(QStringLiteral("picIcon"));
    picLogo->setPixmap(imagenes::logo(72));
    picLogo->setAlignment(Qt::AlignTop | Qt::AlignHCenter);

    lblTitle = new QLabel(QStringLiteral("Z O R V A   S E R V I D O R"), this);
    lblTitle->setObjectName(QStringLiteral("lblTitle"));
    QFont titulo = lblTitle->font();
    titulo.setBold(true);
    titulo.setPointSizeF(titulo.pointSizeF() * 1.5);
    lblTitle->setFont(titulo);

    lblMarca = new QLabel(QStringLiteral("VEREDUDA"), this);
    lblMarca->setObjectName(QStringLiteral("lblMarca"));
    QFont marca = lblMarca->font();
    marca.setLetterSpacing(QFont::AbsoluteSpacing, 4);
    lblMarca->setFont(marca);

    lblDescription = new QLabel(QStringLiteral("Programa servidor del proceso de punto de venta"), this);
    lblDescription->setObjectName(QStringLiteral("lblDescription"));
    lblDescription->setWordWrap(true);

    lblversion = new QLabel(QStringLiteral("Version ") + QStringLiteral(ZORVA_VERSION_TEXT), this);
    lblversion->setObjectName(QStringLiteral("lblversion"));

    auto* linea = new QFrame(this);
    linea->setFrameShape(QFrame::HLine);
    linea->setFrameShadow(QFrame::Sunken);

    lblDisclaimer = new QLabel(
        QStringLiteral("Advertencia: este programa está protegido por las leyes de derechos de autor. "
                       "Su reproducción o distribución no autorizada, total o parcial, puede dar lugar "
                       "a sanciones civiles y penales."),
        this);
    lblDisclaimer->setObjectName(QStringLiteral("lblDisclaimer"));
    lblDisclaimer->setWordWrap(true);

    cmdOK = new QPushButton(QStringLiteral("Aceptar"), this);
    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    cmdOK->setDefault(true);
    cmdSysInfo = new QPushButton(QStringLiteral("&Información del sist...."), this);
    cmdSysInfo->setObjectName(QStringLiteral("cmdSysInfo"));
    cmdSysInfo->setAutoDefault(false);
    connect(cmdOK, &QPushButton::clicked, this, &QDialog::accept);
    connect(cmdSysInfo, &QPushButton::clicked, this, &FrmAcerca::StartSysInfo);

    auto* textos = new QVBoxLayout;
    textos->addWidget(lblTitle);
    textos->addWidget(lblMarca);
    textos->addSpacing(8);
    textos->addWidget(lblDescription);
    textos->addWidget(lblversion);
    textos->addStretch();

    auto* arriba = new QHBoxLayout;
    arriba->addWidget(picLogo);
    arriba->addSpacing(12);
    arriba->addLayout(textos, 1);

    auto* abajo = new QHBoxLayout;
    abajo->addWidget(lblDisclaimer, 1);
    auto* botones = new QVBoxLayout;
    botones->addWidget(cmdOK);
    botones->addWidget(cmdSysInfo);
    botones->addStretch();
    abajo->addLayout(botones);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(arriba);
    layout->addWidget(linea);
    layout->addLayout(abajo);
    setMinimumWidth(480);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

bool FrmAcerca::GetKeyValue(const QString&, const QString&, const QString&, QString& KeyVal)
{
    KeyVal.clear();
    return false;
}

void FrmAcerca::StartSysInfo()
{
    QString programa;
    if (!GetKeyValue(QStringLiteral("HKEY_LOCAL_MACHINE"), QStringLiteral("SOFTWARE\\Microsoft\\Shared Tools\\MSINFO"),
                     QStringLiteral("PATH"), programa)) {
        QString carpeta;
        if (GetKeyValue(QStringLiteral("HKEY_LOCAL_MACHINE"),
                        QStringLiteral("SOFTWARE\\Microsoft\\Shared Tools Location"), QStringLiteral("MSINFO"),
                        carpeta)
            && QFile::exists(carpeta + QStringLiteral("/MSINFO32.EXE")))
            programa = carpeta + QStringLiteral("/MSINFO32.EXE");
    }
    if (programa.isEmpty() || !QProcess::startDetached(programa, {})) {
        ui::msgBox(QStringLiteral("System Information Is Unavailable At This Time"), ui::OkOnly);
    }
}
