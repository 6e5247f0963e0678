#include "catalog/op_categoria.h"
#include "foundation/forms/controls.h"
#include "foundation/forms/design.h"

#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

const QList<Codigo>& OpCategoria::tipos()
{
    static const QList<Codigo> lista{{QStringLiteral("V"), QStringLiteral("Ventas")},
                                     {QStringLiteral("S"), QStringLiteral("Sugestivo")},
                                     {QStringLiteral("R"), QStringLiteral("Retail")},
                                     {QStringLiteral("N"), QStringLiteral("Sin Ventas")}};
    return lista;
}

OpCategoria::OpCategoria(QWidget* parent) : CatalogWindow(parent)
{
    setObjectName(QStringLiteral("OpCategoria"));
    setWindowTitle(QStringLiteral("Categorías"));
    setCatalogo(QStringLiteral("Categoria"), QStringLiteral("ID_Categoria"), KeyForm::A,
                QStringLiteral("Ya existe el nombre de la categoría"));

    auto* Frame1 = new QGroupBox(this);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    txtId = forms::textBox(Frame1, QStringLiteral("txtId"), QStringLiteral("ID_Categoria"));
    forms::keyBoxStyle(txtId);
    txtId->setToolTip(QStringLiteral("Identificador de la categoría"));
    TxtNombre = forms::textBox(Frame1, QStringLiteral("TxtNombre"), QStringLiteral("Nombre_Categoria"),
                               QStringLiteral("NoVacioMayusculas"), 25);
    cmbTipo = new QComboBox(Frame1);
    cmbTipo->setObjectName(QStringLiteral("cmbTipo"));
    cmbTipo->setToolTip(QStringLiteral("Tipo de la categoría"));
    TxtTipo = forms::textBox(Frame1, QStringLiteral("TxtTipo"), QStringLiteral("Tipo_Categoria"));
    TxtTipo->setEnabled(false);
    TxtTipo->hide();

    auto* Label1 = forms::label(Frame1, QStringLiteral("Label1"), QStringLiteral("Id Categoria:"), txtId);
    auto* Label2 = forms::label(Frame1, QStringLiteral("Label2"), QStringLiteral("Nombre:"), TxtNombre);
    forms::setTag(Label2, QStringLiteral("txtNombre"));
    auto* Label3 = new QLabel(QStringLiteral("Tipo:"), Frame1);
    Label3->setObjectName(QStringLiteral("Label3"));
    Label3->setBuddy(cmbTipo);
    auto* filas = new QFormLayout(Frame1);
    filas->addRow(Label1, txtId);
    filas->addRow(Label2, TxtNombre);
    filas->addRow(Label3, cmbTipo);
    (new QVBoxLayout(this))->addWidget(Frame1);

    setTabOrder(TxtNombre, cmbTipo);
    setTabOrder(cmbTipo, txtId);
    setPrimerCampo(TxtNombre);

    agregaParCodigo(cmbTipo, TxtTipo, tipos());
    agregaRequerido(TxtNombre, QStringLiteral("Nombre"));
    agregaRequerido(cmbTipo, QStringLiteral("Tipo"));

    agregaColumnaFiltro(QStringLiteral("Id Categoria"), QStringLiteral("ID_Categoria"), QStringLiteral("ID_Categoria"));
    agregaColumnaFiltro(QStringLiteral("Nombre"), QStringLiteral("Nombre_Categoria"), QStringLiteral("Nombre_Categoria"));
    agregaColumnaFiltro(QStringLiteral("Tipo"),
                        QStringLiteral("CASE Tipo_Categoria WHEN 'V' THEN 'Ventas' WHEN 'S' THEN 'Sugestivo' WHEN 'R' "
                                       "THEN 'Retail' WHEN 'N' THEN 'Sin Ventas' END AS Tipo"),
                        QStringLiteral("Tipo_Categoria"));

    Form_Load();
}
