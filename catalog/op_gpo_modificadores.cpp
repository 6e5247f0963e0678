#include "catalog/op_gpo_modificadores.h"
#include "foundation/forms/controls.h"
#include "foundation/forms/design.h"
#include "platform/grid/grid.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

using grid::CellFormat;

OpGpoModificadores::OpGpoModificadores(QWidget* parent) : CatalogWindow(parent)
{
    setObjectName(QStringLiteral("OpGpoModificadores"));
    setWindowTitle(QStringLiteral("Grupos de Modificadores"));
    setCatalogo(QStringLiteral("Grupo_Modificadores"), QStringLiteral("ID_Grupo_Modificadores"), KeyForm::B,
                QStringLiteral("Ya existe el nombre del grupo de modificadores"));

    auto* Frame1 = new QGroupBox(this);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    txtId = forms::textBox(Frame1, QStringLiteral("txtId"), QStringLiteral("ID_Grupo_Modificadores"));
    forms::keyBoxStyle(txtId);
    txtId->setToolTip(QStringLiteral("Identificador del grupo de modificadores"));
    TxtNombre = forms::textBox(Frame1, QStringLiteral("TxtNombre"), QStringLiteral("Nombre_Grupo_Modificadores"),
                               QStringLiteral("NoVacioMayusculas"), 25);
    TxtNombre->setToolTip(QStringLiteral("Nombre del grupo de modificadores"));
    chkFluir = forms::checkBox(Frame1, QStringLiteral("chkFluir"), QStringLiteral("Fluir en Automático:"),
                               QStringLiteral("Fluir_automatico"));
    chkFluir->setToolTip(
        QStringLiteral("Indica si se debe pasar a la pantalla de selección de modificadores en automático"));
    chkActivo = forms::checkBox(Frame1, QStringLiteral("chkActivo"), QStringLiteral("Activo"),
                                QStringLiteral("Grupo_Mod_Activo"));
    chkActivo->setToolTip(QStringLiteral("Indica si el modificador esta activo"));

    sprModificadores = new grid::Grid(this);
    sprModificadores->setObjectName(QStringLiteral("sprModificadores"));
    sprModificadores->setColumnCount(3);
    sprModificadores->setText(0, 1, QStringLiteral("ID"));
    sprModificadores->setText(0, 2, QStringLiteral("Nombre"));
    sprModificadores->setText(0, 3, QStringLiteral(" "));
    sprModificadores->setColumnFormat(1, CellFormat::integer(0, 99999999));
    sprModificadores->setColumnFormat(2, CellFormat::staticText());
    sprModificadores->setColumnFormat(3, CellFormat::button(QStringLiteral("...")));
    sprModificadores->setColumnWidth(1, 8);
    sprModificadores->setColumnWidth(2, 25);
    sprModificadores->setColumnWidth(3, 3);

    auto* Label2 = forms::label(Frame1, QStringLiteral("Label2"), QStringLiteral("Nombre:"), TxtNombre);
    forms::setTag(Label2, QStringLiteral("txtNombre"));
    auto* filas = new QFormLayout(Frame1);
    filas->addRow(forms::label(Frame1, QStringLiteral("Label1"), QStringLiteral("Id Grupo:"), txtId), txtId);
    filas->addRow(Label2, TxtNombre);
    filas->addRow(QString(), chkFluir);
    filas->addRow(QString(), chkActivo);
    auto* ventana = new QVBoxLayout(this);
    ventana->addWidget(Frame1);
    ventana->addWidget(sprModificadores, 1);

    setTabOrder(TxtNombre, chkFluir);
    setTabOrder(chkFluir, chkActivo);
    setTabOrder(chkActivo, sprModificadores);
    setTabOrder(sprModificadores, txtId);
    setPrimerCampo(TxtNombre);

    agregaRequerido(TxtNombre, QStringLiteral("Nombre"));

    DetailGrid* miembros = agregaDetalle(sprModificadores);
    miembros->setFillQuery(QStringLiteral(
        "SELECT TiposXGrupo_Modificadores.ID_Tipo_Modificador,Nombre_Tipo_Modificador,' ' FROM "
        "TiposXGrupo_Modificadores,Tipo_Modificador WHERE "
        "TiposXGrupo_Modificadores.ID_Tipo_Modificador=Tipo_Modificador.ID_Tipo_Modificador AND ID_Grupo_Modificadores="));
    miembros->setTable(QStringLiteral("TiposXGrupo_Modificadores"), QStringLiteral("ID_Grupo_Modificadores"));
    miembros->addField({.name = QStringLiteral("ID_Tipo_Modificador"), .column = 1, .key = true});
    miembros->setKeyColumn(1);
    miembros->setNameColumn(2);
    miembros->setLookup({QStringLiteral("Tipo_Modificador"), QStringLiteral("Nombre_Tipo_Modificador"),
                         QStringLiteral("ID_Tipo_Modificador"), QStringLiteral("La clave del modificador no existe")});
    miembros->setPicker(3, DetailPicker::ModifierTypes);
    miembros->sizeToColumns(8);

    agregaColumnaFiltro(QStringLiteral("Id Grupo"), QStringLiteral("ID_Grupo_Modificadores"),
                        QStringLiteral("ID_Grupo_Modificadores"));
    agregaColumnaFiltro(QStringLiteral("Nombre"), QStringLiteral("Nombre_Grupo_Modificadores"),
                        QStringLiteral("Nombre_Grupo_Modificadores"));
    agregaColumnaFiltro(QStringLiteral("Fluir Aut."), QStringLiteral("Fluir_automatico"),
                        QStringLiteral("Fluir_automatico"));
    agregaColumnaFiltro(QStringLiteral("Activo"), QStringLiteral("Grupo_Mod_Activo"), QStringLiteral("Grupo_Mod_Activo"));

    Form_Load();
}

// A new group is offered at once, without flowing to the modifier screen by itself.
void OpGpoModificadores::Valores_Nuevos()
{
    chkActivo->setChecked(true);
    chkFluir->setChecked(false);
}
