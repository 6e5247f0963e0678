#include "operation/op_tipo_pago.h"
#include "foundation/forms/controls.h"
#include "foundation/forms/design.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

const QList<Codigo>& OpTipoPago::clases()
{
    static const QList<Codigo> lista = CodePair::primeraLetra(
        {QStringLiteral("Efectivo"), QStringLiteral("Tarjeta Crédito"), QStringLiteral("Débito"),
         QStringLiteral("Cheque"), QStringLiteral("Otro")});
    return lista;
}

OpTipoPago::OpTipoPago(QWidget* parent) : CatalogWindow(parent)
{
    setObjectName(QStringLiteral("OpTipoPago"));
    setWindowTitle(QStringLiteral("Tipos de Pago"));
    setCatalogo(QStringLiteral("Tipo_Pago"), QStringLiteral("ID_Tipo_Pago"), KeyForm::C,
                QStringLiteral("Ya existe el nombre del tipo de pago"));

    auto* Frame1 = new QGroupBox(this);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    TxtNombre = forms::textBox(Frame1, QStringLiteral("TxtNombre"), QStringLiteral("Nombre_Tipo_Pago"),
                               QStringLiteral("NoVacioMayusculas"), 25);
    CmbClase = new QComboBox(Frame1);
    CmbClase->setObjectName(QStringLiteral("CmbClase"));
    CmbClase->setToolTip(QStringLiteral("Indica la clase del pago"));
    chkAbrir = forms::checkBox(Frame1, QStringLiteral("chkAbrir"), QStringLiteral("Abrir Gaveta"),
                               QStringLiteral("Abrir_gaveta"));
    chkAbrir->setToolTip(QStringLiteral("Indica si se debe mandar la señal de abrir gaveta"));
    txtId = forms::textBox(Frame1, QStringLiteral("txtId"), QStringLiteral("ID_Tipo_Pago"));
    forms::keyBoxStyle(txtId);
    txtId->setToolTip(QStringLiteral("Identificador del tipo de pago"));
    TxtClase = forms::textBox(Frame1, QStringLiteral("TxtClase"), QStringLiteral("Clase"));
    TxtClase->hide();

    auto* Label2 = forms::label(Frame1, QStringLiteral("Label2"), QStringLiteral("Nombre:"), TxtNombre);
    forms::setTag(Label2, QStringLiteral("txtNombre"));
    // The class has no tag: find does not search it.
    auto* Label3 = new QLabel(QStringLiteral("Clase"), Frame1);
    Label3->setObjectName(QStringLiteral("Label3"));
    Label3->setBuddy(CmbClase);
    auto* filas = new QFormLayout(Frame1);
    filas->addRow(forms::label(Frame1, QStringLiteral("Label1"), QStringLiteral("Id Tipo:"), txtId), txtId);
    filas->addRow(Label2, TxtNombre);
    filas->addRow(Label3, CmbClase);
    filas->addRow(QString(), chkAbrir);
    (new QVBoxLayout(this))->addWidget(Frame1);

    setTabOrder(TxtNombre, CmbClase);
    setTabOrder(CmbClase, chkAbrir);
    setTabOrder(chkAbrir, txtId);
    setPrimerCampo(TxtNombre);

    agregaParCodigo(CmbClase, TxtClase, clases());
    agregaRequerido(TxtNombre, QStringLiteral("Nombre"));
    agregaRequerido(CmbClase, QStringLiteral("Clase"));

    agregaColumnaFiltro(QStringLiteral("Id Tipo"), QStringLiteral("ID_Tipo_Pago"), QStringLiteral("ID_Tipo_Pago"));
    agregaColumnaFiltro(QStringLiteral("Nombre"), QStringLiteral("Nombre_Tipo_Pago"), QStringLiteral("Nombre_Tipo_Pago"));
    agregaColumnaFiltro(QStringLiteral("Clase"),
                        QStringLiteral("CASE Clase WHEN 'E' THEN 'Efectivo' WHEN 'T' THEN 'Tarjeta Crédito' WHEN 'D' "
                                       "THEN 'Débito' WHEN 'C' THEN 'Cheque' ELSE 'Otro' END AS Clase"),
                        QStringLiteral("Clase"));
    agregaColumnaFiltro(QStringLiteral("Abrir Gaveta"), QStringLiteral("Abrir_Gaveta"), QStringLiteral("Abrir_Gaveta"));

    Form_Load();
}

// A new payment type opens the drawer; its class is for the user to pick.
void OpTipoPago::Valores_Nuevos()
{
    chkAbrir->setChecked(true);
}
