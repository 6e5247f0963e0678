#include "mainwindow/admin/frm_departamentos.h"
#include "foundation/forms/design.h"
#include "foundation/forms/multiline_text_box.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

FrmDepartamentos::FrmDepartamentos(QWidget* parent) : DataEntryWindow(parent)
{
    setObjectName(QStringLiteral("FrmDepartamentos"));
    setWindowTitle(QStringLiteral("Departamentos"));
    setTabla(QStringLiteral("Departamentos"), QStringLiteral("ID_Departamento"),
             QStringLiteral("Ya existe el nombre del grupo"));

    auto* Frame1 = new QGroupBox(this);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    txtId = forms::textBox(Frame1, QStringLiteral("txtId"), QStringLiteral("ID_Departamento"));
    forms::keyBoxStyle(txtId);
    txtGrupos = forms::textBox(Frame1, QStringLiteral("txtGrupos"), QStringLiteral("Nombre"),
                               QStringLiteral("NoVacioMayusculas"), 25);
    txtDescripcion = forms::multiLineTextBox(Frame1, QStringLiteral("txtDescripcion"), QStringLiteral("Descripcion"), 100);
    chkActivo = forms::checkBox(Frame1, QStringLiteral("chkActivo"), QStringLiteral("Activo"), QStringLiteral("Activo"));

    auto* filas = new QFormLayout(Frame1);
    filas->addRow(forms::label(Frame1, QStringLiteral("Label1"), QStringLiteral("Id Departamento:"), txtId), txtId);
    filas->addRow(forms::label(Frame1, QStringLiteral("Label2"), QStringLiteral("Nombre:"), txtGrupos), txtGrupos);
    filas->addRow(forms::label(Frame1, QStringLiteral("Label3"), QStringLiteral("Descripción:"), txtDescripcion),
                  txtDescripcion);
    filas->addRow(QString(), chkActivo);
    (new QVBoxLayout(this))->addWidget(Frame1);

    setTabOrder(txtGrupos, txtDescripcion);
    setTabOrder(txtDescripcion, chkActivo);
    setTabOrder(chkActivo, txtId);
    setPrimerCampo(txtGrupos);

    agregaColumnaFiltro(QStringLiteral("Id Departamento"), QStringLiteral("ID_Departamento"),
                        QStringLiteral("ID_Departamento"));
    agregaColumnaFiltro(QStringLiteral("Nombre"), QStringLiteral("Nombre"), QStringLiteral("Nombre"));
    agregaColumnaFiltro(QStringLiteral("Descripción"), QStringLiteral("Descripcion"), QStringLiteral("Descripcion"));
    agregaColumnaFiltro(QStringLiteral("Activo"), QStringLiteral("Activo"), QStringLiteral("Activo"));

    Form_Load();
}

// A new department starts active.
void FrmDepartamentos::Valores_Nuevos()
{
    chkActivo->setChecked(true);
}
