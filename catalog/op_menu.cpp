#include "catalog/op_menu.h"
#include "foundation/forms/controls.h"
#include "foundation/forms/design.h"
#include "foundation/forms/multiline_text_box.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

OpMenu::OpMenu(QWidget* parent) : CatalogWindow(parent)
{
    setObjectName(QStringLiteral("OpMenu"));
    setWindowTitle(QStringLiteral("Menus"));
    setCatalogo(QStringLiteral("Menu"), QStringLiteral("ID_Menu"), KeyForm::A,
                QStringLiteral("Ya existe el nombre del menu"));

    auto* Frame1 = new QGroupBox(this);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    txtId = forms::textBox(Frame1, QStringLiteral("txtId"), QStringLiteral("ID_Menu"));
    forms::keyBoxStyle(txtId);
    TxtNombre = forms::textBox(Frame1, QStringLiteral("TxtNombre"), QStringLiteral("Nombre_Menu"),
                               QStringLiteral("NoVacioMayusculas"), 25);
    txtDescripcion = forms::multiLineTextBox(Frame1, QStringLiteral("txtDescripcion"), QStringLiteral("Descripcion"), 150);
    chkActivo = forms::checkBox(Frame1, QStringLiteral("chkActivo"), QStringLiteral("Activo"), QStringLiteral("Menu_Activo"));

    auto* Label2 = forms::label(Frame1, QStringLiteral("Label2"), QStringLiteral("Nombre:"), TxtNombre);
    forms::setTag(Label2, QStringLiteral("txtNombre"));
    // The description's caption names no control: find does not search descriptions.
    auto* Label3 = new QLabel(QStringLiteral("Descripción;"), Frame1);
    Label3->setObjectName(QStringLiteral("Label3"));
    Label3->setBuddy(txtDescripcion);
    auto* filas = new QFormLayout(Frame1);
    filas->addRow(forms::label(Frame1, QStringLiteral("Label1"), QStringLiteral("Id Menu:"), txtId), txtId);
    filas->addRow(Label2, TxtNombre);
    filas->addRow(Label3, txtDescripcion);
    filas->addRow(QString(), chkActivo);
    (new QVBoxLayout(this))->addWidget(Frame1);

    setTabOrder(TxtNombre, txtDescripcion);
    setTabOrder(txtDescripcion, chkActivo);
    setTabOrder(chkActivo, txtId);
    setPrimerCampo(TxtNombre);

    agregaRequerido(TxtNombre, QStringLiteral("Nombre"));

    agregaColumnaFiltro(QStringLiteral("Id Menu"), QStringLiteral("ID_Menu"), QStringLiteral("ID_Menu"));
    agregaColumnaFiltro(QStringLiteral("Nombre"), QStringLiteral("Nombre_Menu"), QStringLiteral("Nombre_Menu"));
    agregaColumnaFiltro(QStringLiteral("Descripción"), QStringLiteral("Descripcion"), QStringLiteral("Descripcion"));
    agregaColumnaFiltro(QStringLiteral("Activo"), QStringLiteral("Menu_Activo"), QStringLiteral("Menu_Activo"));

    Form_Load();
}

// A new menu starts active.
void OpMenu::Valores_Nuevos()
{
    chkActivo->setChecked(true);
}
