#include "operation/op_cortesia.h"
#include "foundation/forms/controls.h"
#include "foundation/forms/design.h"
#include "operation/disenos_operacion.h"
#include "platform/clock/clock.h"
#include "platform/grid/grid.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QTabWidget>
#include <QVBoxLayout>

const QList<Codigo>& OpCortesia::tipos()
{
    static const QList<Codigo> lista =
        CodePair::primeraLetra({QStringLiteral("Porcentaje"), QStringLiteral("Fijo"), QStringLiteral("Abierto")});
    return lista;
}

OpCortesia::OpCortesia(QWidget* parent) : CatalogWindow(parent)
{
    setObjectName(QStringLiteral("OpCortesia"));
    setWindowTitle(QStringLiteral("Cortesias"));
    setCatalogo(QStringLiteral("Tipo_Cortesia"), QStringLiteral("ID_Tipo_Cortesia"), KeyForm::A,
                QStringLiteral("Ya existe el nombre de la cortesía"));

    sstFolder = new QTabWidget(this);
    QGroupBox* Frame1 = disenos::datosGenerales(sstFolder);
    // The code and the dates carry no tag: find searches the key, the name and the numbers.
    const auto sinEtiqueta = [Frame1](const QString& nombre, const QString& texto, QWidget* control) {
        return disenos::etiquetaSinTag(Frame1, nombre, texto, control);
    };

    // Created in the order the required-field check names them: the name before the quantity.
    txtId = forms::textBox(Frame1, QStringLiteral("txtId"), QStringLiteral("ID_Tipo_Cortesia"));
    forms::keyBoxStyle(txtId);
    TxtNombre = forms::textBox(Frame1, QStringLiteral("TxtNombre"), QStringLiteral("Nombre_Tipo_Cortesia"),
                               QStringLiteral("NoVacioMayusculas"), 25);
    cmbTipo = new QComboBox(Frame1);
    cmbTipo->setObjectName(QStringLiteral("cmbTipo"));
    TxtTipo = forms::textBox(Frame1, QStringLiteral("TxtTipo"), QStringLiteral("Tipo_Cortesia"));
    TxtTipo->hide();
    txtCantidad = forms::textBox(Frame1, QStringLiteral("txtCantidad"), QStringLiteral("Cantidad_Cortesia"),
                                 QStringLiteral("NumericoNoVacio"), 12);
    txtMaximo = forms::textBox(Frame1, QStringLiteral("txtMaximo"), QStringLiteral("Cantidad_Maxima"),
                               QStringLiteral("Numerico"), 12);
    chkSeleccionar = forms::checkBox(Frame1, QStringLiteral("chkSeleccionar"), QStringLiteral("Sel. artículo:"),
                                     QStringLiteral("Sel_articulo"));
    dtpInicio = disenos::selectorFecha(Frame1, QStringLiteral("dtpInicio"), QStringLiteral("Fecha_Inicio_Cortesia"));
    dtpFinal = disenos::selectorFechaOpcional(Frame1, QStringLiteral("dtpFinal"), QStringLiteral("Fecha_Fin_Cortesia"));
    chkActivo = forms::checkBox(Frame1, QStringLiteral("chkActivo"), QStringLiteral("Activo:"),
                                QStringLiteral("Cortesia_Activa"));
    // The caption before the box, as the other captions of the form.
    for (QCheckBox* caja : {chkSeleccionar, chkActivo})
        caja->setLayoutDirection(Qt::RightToLeft);

    auto* filas = new QFormLayout(Frame1);
    filas->addRow(forms::label(Frame1, QStringLiteral("Label1"), QStringLiteral("Id Cortesía:"), txtId), txtId);
    filas->addRow(forms::label(Frame1, QStringLiteral("Label2"), QStringLiteral("Nombre:"), TxtNombre), TxtNombre);
    filas->addRow(sinEtiqueta(QStringLiteral("Label3"), QStringLiteral("Tipo:"), cmbTipo), cmbTipo);
    filas->addRow(forms::label(Frame1, QStringLiteral("Label4"), QStringLiteral("Cantidad:"), txtCantidad),
                  txtCantidad);
    filas->addRow(forms::label(Frame1, QStringLiteral("Label5"), QStringLiteral("Cantidad Max.:"), txtMaximo),
                  txtMaximo);
    filas->addRow(sinEtiqueta(QStringLiteral("Label6"), QStringLiteral("Inicio:"), dtpInicio), dtpInicio);
    filas->addRow(sinEtiqueta(QStringLiteral("Label7"), QStringLiteral("Final:"), dtpFinal), dtpFinal);
    // Each caption in the captions' column, its box after it.
    for (QCheckBox* caja : {chkSeleccionar, chkActivo})
        filas->addRow(caja, static_cast<QWidget*>(nullptr));
    filas->addRow(TxtTipo);

    sprProductos = disenos::rejillaProductos(nullptr);
    sstFolder->addTab(sprProductos, QStringLiteral("Productos"));
    (new QVBoxLayout(this))->addWidget(sstFolder);

    setTabOrder(TxtNombre, cmbTipo);
    setTabOrder(cmbTipo, txtCantidad);
    setTabOrder(txtCantidad, txtMaximo);
    setTabOrder(txtMaximo, dtpInicio);
    setTabOrder(dtpInicio, dtpFinal);
    setTabOrder(dtpFinal, chkSeleccionar);
    setTabOrder(chkSeleccionar, chkActivo);
    setTabOrder(chkActivo, txtId);
    setPrimerCampo(TxtNombre);

    agregaParCodigo(cmbTipo, TxtTipo, tipos());

    DetailGrid* productos = agregaDetalle(sprProductos);
    disenos::configuraProductos(
        productos,
        QStringLiteral("SELECT ProductoXTipo_Cortesia.ID_Producto,Nombre_Completo,' ' FROM ProductoXTipo_Cortesia,"
                       "Producto WHERE ProductoXTipo_Cortesia.ID_Producto=Producto.ID_Producto AND ID_Tipo_Cortesia="));
    productos->setTable(QStringLiteral("ProductoXTipo_Cortesia"), QStringLiteral("ID_Tipo_Cortesia"));
    productos->addField({.name = QStringLiteral("ID_Producto"), .column = 1, .key = true});

    agregaColumnaFiltro(QStringLiteral("Id Cortesia"), QStringLiteral("ID_Tipo_Cortesia"),
                        QStringLiteral("ID_Tipo_Cortesia"));
    agregaColumnaFiltro(QStringLiteral("Nombre"), QStringLiteral("Nombre_Tipo_Cortesia"),
                        QStringLiteral("Nombre_Tipo_Cortesia"));

    Form_Load();
}

// A new type is in force from today for a year, on the article the waiter picks.
void OpCortesia::Valores_Nuevos()
{
    chkActivo->setChecked(true);
    chkSeleccionar->setChecked(true);
    const QDate hoy = appclock::now().date();
    dtpInicio->setDate(hoy);
    dtpFinal->setDate(hoy.addYears(1));
}

// An edit starts on the record's fields, whatever tab was shown.
void OpCortesia::BotonNuevoModificar(bool PbNuevo)
{
    if (!Formas().Edicion())
        sstFolder->setCurrentIndex(0);
    CatalogWindow::BotonNuevoModificar(PbNuevo);
}
