#include "catalog/op_modo_preparacion.h"
#include "foundation/forms/controls.h"
#include "foundation/forms/design.h"

#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

OpModoPreparacion::OpModoPreparacion(QWidget* parent) : CatalogWindow(parent)
{
    setObjectName(QStringLiteral("OpModoPreparacion"));
    setWindowTitle(QStringLiteral("Modos de Preparación"));
    setCatalogo(QStringLiteral("Modo_Preparacion"), QStringLiteral("ID_Modo_Preparacion"), KeyForm::C,
                QStringLiteral("Ya existe el modo de preparación"));

    auto* Frame1 = new QGroupBox(this);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    txtId = forms::textBox(Frame1, QStringLiteral("txtId"), QStringLiteral("ID_Modo_Preparacion"));
    forms::keyBoxStyle(txtId);
    txtId->setToolTip(QStringLiteral("Identificador del modo de preparación"));
    TxtNombre = forms::textBox(Frame1, QStringLiteral("TxtNombre"), QStringLiteral("Nombre_Modo_Preparacion"),
                               QStringLiteral("NoVacioMayusculas"), 25);
    TxtNombre->setToolTip(QStringLiteral("Nombre del modo de preparación"));
    txtIndicador = forms::textBox(Frame1, QStringLiteral("txtIndicador"), QStringLiteral("Indicador"),
                                  QStringLiteral("NoVacio"), 20);
    txtIndicador->setToolTip(QStringLiteral("Indicador en la impresión de cocina para saber el modo de preparación"));

    auto* Label2 = forms::label(Frame1, QStringLiteral("Label2"), QStringLiteral("Nombre:"), TxtNombre);
    forms::setTag(Label2, QStringLiteral("txtNombre"));
    auto* filas = new QFormLayout(Frame1);
    filas->addRow(forms::label(Frame1, QStringLiteral("Label1"), QStringLiteral("Id Modo:"), txtId), txtId);
    filas->addRow(Label2, TxtNombre);
    filas->addRow(forms::label(Frame1, QStringLiteral("Label3"), QStringLiteral("Indicador:"), txtIndicador),
                  txtIndicador);
    (new QVBoxLayout(this))->addWidget(Frame1);

    setTabOrder(TxtNombre, txtIndicador);
    setTabOrder(txtIndicador, txtId);
    setPrimerCampo(TxtNombre);

    agregaRequerido(TxtNombre, QStringLiteral("Nombre"));
    agregaRequerido(txtIndicador, QStringLiteral("Indicador"));

    agregaColumnaFiltro(QStringLiteral("Id Modo"), QStringLiteral("ID_Modo_Preparacion"),
                        QStringLiteral("ID_Modo_Preparacion"));
    agregaColumnaFiltro(QStringLiteral("Nombre"), QStringLiteral("Nombre_Modo_Preparacion"),
                        QStringLiteral("Nombre_Modo_Preparacion"));
    agregaColumnaFiltro(QStringLiteral("Indicador"), QStringLiteral("Indicador"), QStringLiteral("Indicador"));

    Form_Load();
}
