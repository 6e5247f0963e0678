#include "catalog/op_tipo_modificador.h"
#include "catalog/msk_precio.h"
#include "foundation/forms/controls.h"
#include "foundation/forms/design.h"
#include "platform/ui/msgbox.h"

#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

const QList<Codigo>& OpTipoModificador::estados()
{
    static const QList<Codigo> lista = CodePair::primeraLetra(
        {QStringLiteral("Activo"), QStringLiteral("Suspendido"), QStringLiteral("Descontinuado")});
    return lista;
}

OpTipoModificador::OpTipoModificador(QWidget* parent) : CatalogWindow(parent)
{
    setObjectName(QStringLiteral("OpTipoModificador"));
    setWindowTitle(QStringLiteral("Modificadores"));
    setCatalogo(QStringLiteral("Tipo_Modificador"), QStringLiteral("ID_Tipo_Modificador"), KeyForm::B,
                QStringLiteral("Ya existe el nombre del modificador"));

    auto* Frame1 = new QGroupBox(this);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    txtId = forms::textBox(Frame1, QStringLiteral("txtId"), QStringLiteral("ID_Tipo_Modificador"));
    forms::keyBoxStyle(txtId);
    txtId->setToolTip(QStringLiteral("Identificador del modificador"));
    TxtNombre = forms::textBox(Frame1, QStringLiteral("TxtNombre"), QStringLiteral("Nombre_Tipo_Modificador"),
                               QStringLiteral("NoVacioMayusculas"), 25);
    CmbEstado = new QComboBox(Frame1);
    CmbEstado->setObjectName(QStringLiteral("CmbEstado"));
    forms::setTag(CmbEstado, QStringLiteral("NoVacio"));
    TxtEstado = forms::textBox(Frame1, QStringLiteral("TxtEstado"), QStringLiteral("Estado_Modificador"));
    TxtEstado->setEnabled(false);
    TxtEstado->hide();
    mskPrecio = new MskPrecio(Frame1);
    mskPrecio->setObjectName(QStringLiteral("MskPrecio"));
    forms::setDataField(mskPrecio, QStringLiteral("Precio_Tipo_Modificador"));

    // The price's caption names no control: find does not search prices.
    auto* Label4 = new QLabel(QStringLiteral("Precio:"), Frame1);
    Label4->setObjectName(QStringLiteral("Label4"));
    Label4->setBuddy(mskPrecio);
    auto* filas = new QFormLayout(Frame1);
    filas->addRow(forms::label(Frame1, QStringLiteral("Label1"), QStringLiteral("Id Tipo:"), txtId), txtId);
    filas->addRow(forms::label(Frame1, QStringLiteral("Label2"), QStringLiteral("Nombre:"), TxtNombre), TxtNombre);
    filas->addRow(forms::label(Frame1, QStringLiteral("Label3"), QStringLiteral("Estado:"), CmbEstado), CmbEstado);
    filas->addRow(Label4, mskPrecio);
    (new QVBoxLayout(this))->addWidget(Frame1);

    setTabOrder(TxtNombre, CmbEstado);
    setTabOrder(CmbEstado, mskPrecio);
    setTabOrder(mskPrecio, txtId);
    setPrimerCampo(TxtNombre);

    agregaParCodigo(CmbEstado, TxtEstado, estados());
    agregaRequerido(TxtNombre, QStringLiteral("Nombre"));
    agregaRequerido(CmbEstado, QStringLiteral("Estado"));
    // Memberships of a deleted modifier would pass to a later modifier given the same key.
    agregaTablaDetalle(QStringLiteral("TiposXGrupo_Modificadores"), QStringLiteral("ID_Tipo_Modificador"));

    agregaColumnaFiltro(QStringLiteral("Id Modificador"), QStringLiteral("ID_Tipo_Modificador"),
                        QStringLiteral("ID_Tipo_Modificador"));
    agregaColumnaFiltro(QStringLiteral("Nombre"), QStringLiteral("Nombre_Tipo_Modificador"),
                        QStringLiteral("Nombre_Tipo_Modificador"));
    agregaColumnaFiltro(QStringLiteral("Estado"),
                        QStringLiteral("CASE Estado_Modificador WHEN 'A' THEN 'Activo' WHEN 'S' THEN 'Suspendido' "
                                       "WHEN 'D' THEN 'Descontinuado' END AS Estado_Modificador"),
                        QStringLiteral("Estado_Modificador"));
    agregaColumnaFiltro(QStringLiteral("Precio"), QStringLiteral("Precio_Tipo_Modificador"),
                        QStringLiteral("Precio_Tipo_Modificador"));

    Form_Load();
}

// Name and state first, then the price: present, within its length and a number, so that what
// reaches the column is the amount shown.
bool OpTipoModificador::Campos_Completos()
{
    if (!CatalogWindow::Campos_Completos())
        return false;
    if (mskPrecio->plainValue().isEmpty())
        ui::msgBox(QStringLiteral("Falta el campo de Precio"), ui::Exclamation);
    else if (!mskPrecio->largoValido())
        mskPrecio->rechazaLargo();
    else if (!mskPrecio->esNumero())
        ui::msgBox(QStringLiteral("El campo de Precio debe ser un número"), ui::Exclamation, windowTitle());
    else
        return true;
    mskPrecio->setFocus(Qt::OtherFocusReason);
    return false;
}
