#include "operation/op_promociones.h"
#include "foundation/forms/controls.h"
#include "foundation/forms/design.h"
#include "operation/disenos_operacion.h"
#include "platform/clock/clock.h"
#include "platform/grid/grid.h"
#include "platform/ui/msgbox.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QTabWidget>
#include <QVBoxLayout>

using grid::CellFormat;

namespace {

enum Columna { IdDetalle = 1, IdPromocion, Minimo, Maximo, Obsequios, Descuento, IdGpoProm, GpoProm, IdGpoObseq,
               GpoObseq, Modif };

} // namespace

const QList<Codigo>& OpPromociones::tipos()
{
    static const QList<Codigo> lista =
        CodePair::primeraLetra({QStringLiteral("Minimo"), QStringLiteral("Porcentaje"), QStringLiteral("Rango")});
    return lista;
}

OpPromociones::OpPromociones(QWidget* parent) : CatalogWindow(parent)
{
    setObjectName(QStringLiteral("OpPromociones"));
    setWindowTitle(QStringLiteral("Promociones"));
    setCatalogo(QStringLiteral("Promocion"), QStringLiteral("ID_Promocion"), KeyForm::C,
                QStringLiteral("Ya existe el nombre de la promoción"));

    sstFolder = new QTabWidget(this);
    QGroupBox* Frame1 = disenos::datosGenerales(sstFolder);
    // The code and the dates carry no tag: find searches the key, the name and the numbers.
    const auto sinEtiqueta = [Frame1](const QString& nombre, const QString& texto, QWidget* control) {
        return disenos::etiquetaSinTag(Frame1, nombre, texto, control);
    };

    txtId = forms::textBox(Frame1, QStringLiteral("txtId"), QStringLiteral("ID_Promocion"));
    forms::keyBoxStyle(txtId);
    TxtNombre = forms::textBox(Frame1, QStringLiteral("TxtNombre"), QStringLiteral("Nombre_Promocion"),
                               QStringLiteral("NoVacioMayusculas"), 25);
    cmbTipo = new QComboBox(Frame1);
    cmbTipo->setObjectName(QStringLiteral("cmbTipo"));
    TxtTipo = forms::textBox(Frame1, QStringLiteral("TxtTipo"), QStringLiteral("Tipo_Promocion"));
    TxtTipo->hide();
    txtCantidadXMesa = forms::textBox(Frame1, QStringLiteral("txtCantidadXMesa"), QStringLiteral("CantMesa"),
                                      QStringLiteral("NumericoNoSignos"), 4);
    dtpInicio = disenos::selectorFecha(Frame1, QStringLiteral("dtpInicio"), QStringLiteral("Fecha_Inicio_Promocion"));
    dtpFinal = disenos::selectorFechaOpcional(Frame1, QStringLiteral("dtpFinal"), QStringLiteral("Fecha_Fin_Promocion"));
    chkActivo = forms::checkBox(Frame1, QStringLiteral("chkActivo"), QStringLiteral("Activo"), QStringLiteral("Activo"));

        auto* filas = new QFormLayout(Frame1);
    filas->addRow(forms::label(Frame1, QStringLiteral("Label1"), QStringLiteral("Id Promocion:"), txtId), txtId);
    filas->addRow(forms::label(Frame1, QStringLiteral("Label2"), QStringLiteral("Nombre:"), TxtNombre), TxtNombre);
    filas->addRow(sinEtiqueta(QStringLiteral("Label3"), QStringLiteral("Tipo:"), cmbTipo), cmbTipo);
    filas->addRow(
        forms::label(Frame1, QStringLiteral("Label4"), QStringLiteral("Cant. X Mesa:"), txtCantidadXMesa),
        txtCantidadXMesa);
    filas->addRow(sinEtiqueta(QStringLiteral("Label5"), QStringLiteral("Inicio:"), dtpInicio), dtpInicio);
    filas->addRow(sinEtiqueta(QStringLiteral("Label6"), QStringLiteral("Final:"), dtpFinal), dtpFinal);
    filas->addRow(QString(), chkActivo);
    filas->addRow(TxtTipo);

    sprDetalle = new grid::Grid;
    sprDetalle->setObjectName(QStringLiteral("sprDetalle"));
    sprDetalle->setColumnCount(Modif);
    const char* titulos[] = {"ID_Detalle", "ID_Promocion", "Minimo", "Máximo", "Obsequios", "Descuento",
                             "ID_Gpo_Prom", "Gpo Prom", "ID_Gpo_Obsequios", "Gpo Obseq", "Modif"};
    for (int c = IdDetalle; c <= Modif; ++c)
        sprDetalle->setText(0, c, QString::fromUtf8(titulos[c - 1]));
    for (int c : {IdDetalle, IdPromocion, IdGpoProm, IdGpoObseq})
        sprDetalle->setColumnFormat(c, CellFormat::integer());
    for (int c : {Minimo, Maximo, Obsequios})
        sprDetalle->setColumnFormat(c, CellFormat::integer(0, 99999));
    sprDetalle->setColumnFormat(Descuento, CellFormat::number(2, 0, 9999999));
    for (int c : {IdDetalle, IdPromocion, IdGpoProm, IdGpoObseq, Modif})
        sprDetalle->setColumnHidden(c, true);
    for (int c : {Minimo, Maximo, Obsequios, Descuento})
        sprDetalle->setColumnWidth(c, 10);
    sprDetalle->setColumnWidth(GpoProm, 25);
    sprDetalle->setColumnWidth(GpoObseq, 25);
    sstFolder->addTab(sprDetalle, QStringLiteral("Detalle"));
    (new QVBoxLayout(this))->addWidget(sstFolder);

    setTabOrder(TxtNombre, cmbTipo);
    setTabOrder(cmbTipo, txtCantidadXMesa);
    setTabOrder(txtCantidadXMesa, dtpInicio);
    setTabOrder(dtpInicio, dtpFinal);
    setTabOrder(dtpFinal, chkActivo);
    setTabOrder(chkActivo, txtId);
    setPrimerCampo(TxtNombre);

    agregaParCodigo(cmbTipo, TxtTipo, tipos());
    agregaRequerido(TxtNombre, QStringLiteral("Nombre"));
    agregaRequerido(cmbTipo, QStringLiteral("Tipo"));

    DetailGrid* reglas = agregaDetalle(sprDetalle);
    reglas->setStateColumn(Modif);
    // Every rule of the promotion, with or without its groups, in the grid's column order.
    reglas->setFillQuery(QStringLiteral(
        "SELECT D.ID_Detalle_Promocion,D.ID_Promocion,D.CantMinima,D.CantMaxima,D.CantObsequios,D.Descuento,"
        "D.ID_Grupo_Promocional,P.Nombre_Gpo_Promocional,D.ID_Grupo_Obsequios,O.Nombre_Gpo_Obsequio,'' "
        "FROM Detalle_Promocion D "
        "LEFT JOIN Grupo_Promocional P ON P.ID_Grupo_Promocional=D.ID_Grupo_Promocional "
        "LEFT JOIN Grupo_Obsequios O ON O.ID_Grupo_Obsequio=D.ID_Grupo_Obsequios WHERE D.ID_Promocion="));
    // The rules go with their promotion: left behind they would reach the terminals and hold
    // their groups.
    reglas->setTable(QStringLiteral("Detalle_Promocion"), QStringLiteral("ID_Promocion"));
    reglas->addField({.name = QStringLiteral("ID_Detalle_Promocion"), .column = IdDetalle, .key = true});
    reglas->addField({.name = QStringLiteral("CantMinima"), .column = Minimo});
    reglas->addField({.name = QStringLiteral("CantMaxima"), .column = Maximo});
    reglas->addField({.name = QStringLiteral("CantObsequios"), .column = Obsequios});
    reglas->addField({.name = QStringLiteral("Descuento"), .column = Descuento});
    reglas->addField({.name = QStringLiteral("ID_Grupo_Promocional"), .column = IdGpoProm});
    reglas->addField({.name = QStringLiteral("ID_Grupo_Obsequios"), .column = IdGpoObseq});
    reglas->addComboColumn(GpoProm, IdGpoProm,
                           QStringLiteral("SELECT ID_Grupo_Promocional,Nombre_Gpo_Promocional FROM Grupo_Promocional "
                                          "ORDER BY Nombre_Gpo_Promocional"));
    reglas->addComboColumn(GpoObseq, IdGpoObseq,
                           QStringLiteral("SELECT ID_Grupo_Obsequio,Nombre_Gpo_Obsequio FROM Grupo_Obsequios "
                                          "ORDER BY Nombre_Gpo_Obsequio"));
    reglas->sizeToColumns(8);

    agregaColumnaFiltro(QStringLiteral("Id Promocion"), QStringLiteral("ID_Promocion"), QStringLiteral("ID_Promocion"));
    agregaColumnaFiltro(QStringLiteral("Nombre"), QStringLiteral("Nombre_Promocion"),
                        QStringLiteral("Nombre_Promocion"));
    agregaColumnaFiltro(QStringLiteral("Cant X Mesa"), QStringLiteral("CantMesa"), QStringLiteral("CantMesa"));
    agregaColumnaFiltro(QStringLiteral("Tipo"),
                        QStringLiteral("CASE Tipo_Promocion WHEN 'M' THEN 'Minimo' WHEN 'P' THEN 'Porcentaje' WHEN 'R' "
                                       "THEN 'Rango' END AS Tipo"),
                        QStringLiteral("Tipo_Promocion"));

    Form_Load();
}

// An edit starts on the record's fields, whatever tab was shown.
void OpPromociones::BotonNuevoModificar(bool PbNuevo)
{
    if (!Formas().Edicion())
        sstFolder->setCurrentIndex(0);
    CatalogWindow::BotonNuevoModificar(PbNuevo);
}

// A new promotion runs today only until its dates are set; it is switched on by hand.
void OpPromociones::Valores_Nuevos()
{
    const QDate hoy = appclock::now().date();
    dtpInicio->setDate(hoy);
    dtpFinal->setDate(hoy);
    chkActivo->setChecked(false);
}

bool OpPromociones::Campos_Completos()
{
    const int pestana = sstFolder->currentIndex();
    sstFolder->setCurrentIndex(0);
    if (!CatalogWindow::Campos_Completos())
        return false;
    if (!disenos::sinFecha(dtpFinal) && dtpFinal->date() < dtpInicio->date()) {
        ui::msgBox(QStringLiteral("La fecha final no puede ser menor a la inicial"), ui::Exclamation);
        dtpInicio->setFocus(Qt::OtherFocusReason);
        return false;
    }
    if (!Numeros_Validos())
        return false;
    sstFolder->setCurrentIndex(pestana);
    return true;
}

// A rule appended with Insert and left with every cell empty is no rule: stored, it would reach the
// terminals as a rule of nothing.
bool OpPromociones::Guarda_Detalle()
{
    DetailGrid* reglas = detalles().at(0);
    for (int row = sprDetalle->rowCount(); row >= 1; --row) {
        if (reglas->rowState(row) != QLatin1String("N"))
            continue;
        bool vacia = true;
        for (int c : {Minimo, Maximo, Obsequios, Descuento, IdGpoProm, IdGpoObseq})
            vacia = vacia && sprDetalle->text(row, c).trimmed().isEmpty();
        if (vacia)
            sprDetalle->deleteRows(row);
    }
    return CatalogWindow::Guarda_Detalle();
}
