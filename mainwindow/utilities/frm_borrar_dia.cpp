#include "mainwindow/utilities/frm_borrar_dia.h"

#include "platform/clock/clock.h"
#include "platform/ui/date_typing.h"

#include <QDateEdit>
#include <QHBoxLayout>
#include <QLabel>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

namespace {

QPushButton* botonConImagen(QWidget* parent, const QString& name, QStyle::StandardPixmap imagen)
{
    auto* b = new QPushButton(parent);
    b->setObjectName(name);
    b->setIcon(parent->style()->standardIcon(imagen));
    b->setIconSize(QSize(24, 24));
    b->setMinimumSize(QSize(56, 40));
    return b;
}

} // namespace

frmBorrarDia::frmBorrarDia(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("frmBorrarDia"));
    setWindowTitle(QStringLiteral("Borrar Día"));

    auto* Label1 = new QLabel(QStringLiteral("Fecha Inicio:"), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Fecha = new QDateEdit(appclock::now().date(), this);
    Fecha->setObjectName(QStringLiteral("Fecha"));
    Fecha->setCalendarPopup(true);
    Fecha->setDisplayFormat(QStringLiteral("dd/MM/yyyy"));
    ui::typeDatesWhole(Fecha);
    Label1->setBuddy(Fecha);
    Command1 = botonConImagen(this, QStringLiteral("Command1"), QStyle::SP_DialogApplyButton);
    Command2 = botonConImagen(this, QStringLiteral("Command2"), QStyle::SP_DialogCloseButton);

    auto* fecha = new QHBoxLayout;
    fecha->addWidget(Label1);
    fecha->addWidget(Fecha, 1);
    auto* botones = new QHBoxLayout;
    botones->addStretch();
    botones->addWidget(Command1);
    botones->addWidget(Command2);
    auto* ventana = new QVBoxLayout(this);
    ventana->addLayout(fecha);
    ventana->addStretch();
    ventana->addLayout(botones);

    setTabOrder(Fecha, Command1);
    setTabOrder(Command1, Command2);

    connect(Command2, &QPushButton::clicked, this, &frmBorrarDia::Command2_Click);
}

void frmBorrarDia::Command2_Click()
{
    if (auto* marco = qobject_cast<QMdiSubWindow*>(parentWidget()))
        marco->close();
    else
        close();
}
