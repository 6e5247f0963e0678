#include "mainwindow/admin/frm_grupos.h"
#include "foundation/forms/design.h"
#include "foundation/forms/multiline_text_box.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

FrmGrupos::FrmGrupos(QWidget* parent) : DataEntryWindow(parent)
{
    setObjectName(QStringLiteral("FrmGrupos"));
    setWindowTitle(QStringLiteral("Grupos de trabajo"));
    setTabla(QStringLiteral("Grupo_Trabajo"), QStringLiteral("ID_Grupo_Trabajo"),
             QStringLiteral("Ya existe el nombre del grupo"));

    auto* Frame1 = new QGroupBox(this);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    txtId = forms::textBox(Frame1, QStringLiteral("txtId"), QStringLiteral("ID_Grupo_Trabajo"));
    forms::keyBoxStyle(txtId);
    txtGrupos = forms::textBox(Frame1, QStringLiteral("txtGrupos"), QStringLiteral("Nombre_Grupo_Trabajo"),
                               QStringLiteral("NoVacioMayusculas"), 25);
    txtGrupos->setToolTip(QStringLiteral("Nombre del grupo"));
    txtDescripcion = forms::multiLineTextBox(Frame1, QStringLiteral("txtDescripcion"),
                                             QStringLiteral("Descripcion_Grupo_Trabajo"), 100);
    chkActivo = forms::checkBox(Frame1, QStringLiteral("chkActivo"), QStringLiteral("Activo"), QStringLiteral("Activo"));

    auto* filas = new QFormLayout(Frame1);
    filas->addRow(forms::label(Frame1, QStringLiteral("Label1"), QStringLiteral("Id Grupo:"), txtId), txtId);
    filas->addRow(forms::label(Frame1, QStringLiteral("Label2"), QStringLiteral("Nombre:"), txtGrupos), txtGrupos);
    filas->addRow(forms::label(Frame1, QStringLiteral("Label3"), QStringLiteral("Descripción:"), txtDescripcion),
                  txtDescripcion);
    filas->addRow(QString(), chkActivo);
    (new QVBoxLayout(this))->addWidget(Frame1);

    setTabOrder(txtGrupos, txtDescripcion);
    setTabOrder(txtDescripcion, chkActivo);
    setTabOrder(chkActivo, txtId);
    setPrimerCampo(txtGrupos);

    agregaColumnaFiltro(QStringLiteral("Id Grupo"), QStringLiteral("ID_Grupo_Trabajo"), QStringLiteral("ID_Grupo_Trabajo"));
    agregaColumnaFiltro(QStringLiteral("Nombre"), QStringLiteral("Nombre_Grupo_trabajo"),
                        QStringLiteral("Nombre_Grupo_Trabajo"));
    agregaColumnaFiltro(QStringLiteral("Descripción"), QStringLiteral("Descripcion_Grupo_Trabajo"),
                        QStringLiteral("Descripcion_Grupo_Trabajo"));
    agregaColumnaFiltro(QStringLiteral("Activo"), QStringLiteral("Activo"), QStringLiteral("Activo"));

    Form_Load();
}

// A new group starts active.
void FrmGrupos::Valores_Nuevos()
{
    chkActivo->setChecked(true);
}
