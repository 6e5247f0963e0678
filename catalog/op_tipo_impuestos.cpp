#include "catalog/op_tipo_impuestos.h"
#include "foundation/forms/controls.h"
#include "foundation/forms/design.h"
#include "foundation/forms/filtro.h"
#include "platform/adodb/adodb.h"
#include "platform/grid/grid.h"
#include "platform/ui/msgbox.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

using grid::CellFormat;

namespace {

enum Columna { Id = 1, Inicio, Final, Porcentaje, Modificacion, Iniciocve };

// The grid shows a percentage; the table keeps the fraction of the price that reports and the end
// of day multiply by.
QVariant fraccion(const grid::Grid& g, int row)
{
    const QVariant valor = g.value(row, Porcentaje);
    if (valor.isNull())
        return QVariant();
    return adodb::roundHalfEven(valor.toDouble() / 100.0, 4);
}

} // namespace

OpTipoImpuestos::OpTipoImpuestos(QWidget* parent) : CatalogWindow(parent)
{
    setObjectName(QStringLiteral("OpTipoImpuestos"));
    setWindowTitle(QStringLiteral("Tipo de Impuestos"));
    setCatalogo(QStringLiteral("Tipos_Impuesto"), QStringLiteral("ID_Tipo_Impuesto"), KeyForm::B,
                QStringLiteral("Ya existe el tipo de impuesto"));

    auto* Frame1 = new QGroupBox(this);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    txtId = forms::textBox(Frame1, QStringLiteral("txtId"), QStringLiteral("ID_Tipo_Impuesto"));
    forms::keyBoxStyle(txtId);
    TxtNombre = forms::textBox(Frame1, QStringLiteral("TxtNombre"), QStringLiteral("Nombre_Tipo_Impuesto"),
                               QStringLiteral("NoVacioMayusculas"), 25);
    chkActivo = forms::checkBox(Frame1, QStringLiteral("chkActivo"), QStringLiteral("Activo:"),
                                QStringLiteral("Tipo_Imp_Activo"));

    sprPorcentajes = new grid::Grid(this);
    sprPorcentajes->setObjectName(QStringLiteral("sprPorcentajes"));
    sprPorcentajes->setColumnCount(6);
    const char* titulos[] = {"ID", "Inicio", "Final", "Porcentaje", "Modificación", "Iniciocve"};
    for (int c = Id; c <= Iniciocve; ++c)
        sprPorcentajes->setText(0, c, QString::fromUtf8(titulos[c - 1]));
    const QDate primero(1990, 1, 1);
    const QDate ultimo(2100, 12, 31);
    sprPorcentajes->setColumnFormat(Id, CellFormat::integer());
    sprPorcentajes->setColumnFormat(Inicio, CellFormat::date(primero, ultimo));
    sprPorcentajes->setColumnFormat(Final, CellFormat::date(primero, ultimo));
    sprPorcentajes->setColumnFormat(Porcentaje, CellFormat::number(2, 0, 100));
    for (int c : {Id, Modificacion, Iniciocve})
        sprPorcentajes->setColumnHidden(c, true);
    for (int c : {Inicio, Final, Porcentaje})
        sprPorcentajes->setColumnWidth(c, 11);

    auto* filas = new QFormLayout(Frame1);
    filas->addRow(forms::label(Frame1, QStringLiteral("Label1"), QStringLiteral("Id Tipo:"), txtId), txtId);
    filas->addRow(forms::label(Frame1, QStringLiteral("Label2"), QStringLiteral("Nombre:"), TxtNombre), TxtNombre);
    filas->addRow(QString(), chkActivo);
    auto* ventana = new QVBoxLayout(this);
    ventana->addWidget(Frame1);
    ventana->addWidget(sprPorcentajes, 1);

    setTabOrder(TxtNombre, chkActivo);
    setTabOrder(chkActivo, sprPorcentajes);
    setTabOrder(sprPorcentajes, txtId);
    setPrimerCampo(TxtNombre);

    agregaRequerido(TxtNombre, QStringLiteral("Nombre"));

    porcentajes = agregaDetalle(sprPorcentajes);
    porcentajes->setStateColumn(Modificacion);
    // The loaded start day as stored, character for character: the key that finds the row again.
    porcentajes->setFillQuery(QStringLiteral(
        "SELECT ID_Tipo_Impuesto,Fecha_Inicio_Impuesto,Fecha_Fin_Impuesto,ROUND(Porcentaje*100,2),' ' AS Modificar,"
        "CAST(Fecha_Inicio_Impuesto AS TEXT) FROM PorcentajeXTipo_Impuesto WHERE ID_Tipo_Impuesto="));
    porcentajes->setTable(QStringLiteral("PorcentajeXTipo_Impuesto"), QStringLiteral("ID_Tipo_Impuesto"));
    porcentajes->addField(
        {.name = QStringLiteral("Fecha_Inicio_Impuesto"), .column = Inicio, .key = true, .loadedColumn = Iniciocve});
    porcentajes->addField({.name = QStringLiteral("Fecha_Fin_Impuesto"), .column = Final});
    porcentajes->addField({.name = QStringLiteral("Porcentaje"), .column = Porcentaje, .value = fraccion});
    porcentajes->setInsertOnlyAfterData(true);
    porcentajes->setInsertColumn(Inicio);
    porcentajes->setPopupMenu(true);
    porcentajes->setRewriteChanged(true);
    porcentajes->sizeToColumns(6);
    // Links of a deleted type would pass to a later type given the same key.
    agregaTablaDetalle(QStringLiteral("ImpuestosXProducto"));

    agregaColumnaFiltro(QStringLiteral("Id Tipo"), QStringLiteral("Tipos_Impuesto.ID_Tipo_Impuesto"),
                        QStringLiteral("Tipos_Impuesto.ID_Tipo_Impuesto"));
    agregaColumnaFiltro(QStringLiteral("Nombre"), QStringLiteral("Nombre_Tipo_Impuesto"),
                        QStringLiteral("Nombre_Tipo_Impuesto"));
    agregaColumnaFiltro(QStringLiteral("Activo"), QStringLiteral("Tipo_Imp_Activo"), QStringLiteral("Tipo_Imp_Activo"));
    agregaColumnaFiltro(QStringLiteral("Fecha Inicio"), QStringLiteral("Fecha_Inicio_Impuesto"),
                        QStringLiteral("Fecha_Inicio_Impuesto"));
    agregaColumnaFiltro(QStringLiteral("Fecha Fin"), QStringLiteral("Fecha_Fin_Impuesto"),
                        QStringLiteral("Fecha_Fin_Impuesto"));

    Form_Load();
}

// A new type is in use from the start.
void OpTipoImpuestos::Valores_Nuevos()
{
    chkActivo->setChecked(true);
}

bool OpTipoImpuestos::Campos_Completos()
{
    return CatalogWindow::Campos_Completos() && Revisa_Porcentajes();
}

bool OpTipoImpuestos::Revisa_Porcentajes()
{
    QList<QDate> inicios;
    for (int row = 1; row <= sprPorcentajes->rowCount(); ++row) {
        // A rate on its way out is not kept, whatever it holds.
        if (porcentajes->rowState(row) == QLatin1String("B"))
            continue;
        const QDate inicio = sprPorcentajes->value(row, Inicio).toDate();
        const QVariant final_ = sprPorcentajes->value(row, Final);
        QString problema;
        if (!inicio.isValid())
            problema = QStringLiteral("Datos de porcentajes incompletos");
        else if (!final_.isNull() && final_.toDate() < inicio)
            problema = QStringLiteral("La fecha final no puede ser anterior a la fecha inicial");
        else if (sprPorcentajes->value(row, Porcentaje).isNull())
            problema = QStringLiteral("Datos de porcentajes incompletos");
        else if (inicios.contains(inicio))
            problema = QStringLiteral("Hay dos porcentajes con la misma fecha de inicio");
        if (!problema.isEmpty()) {
            ui::msgBox(problema, ui::Exclamation);
            sprPorcentajes->setActiveCell(row, Inicio);
            return false;
        }
        inicios.append(inicio);
    }
    return true;
}

// The filter lists the types with their rates: a type without rates is not listed.
void OpTipoImpuestos::BotonFiltro()
{
    AbreFiltro(this,
               QStringLiteral("Tipos_Impuesto,PorcentajeXTipo_Impuesto WHERE "
                              "Tipos_Impuesto.ID_Tipo_Impuesto=PorcentajeXTipo_Impuesto.ID_Tipo_Impuesto"),
               columnasFiltro());
}
