#include "operation/op_gpo_impresoras.h"
#include "foundation/forms/controls.h"
#include "foundation/forms/design.h"
#include "platform/grid/grid.h"

#include <QFormLayout>
#include <QHeaderView>
#include <QScrollBar>
#include <QTableWidget>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

using grid::CellFormat;

OpGpoImpresoras::OpGpoImpresoras(QWidget* parent) : CatalogWindow(parent)
{
    setObjectName(QStringLiteral("OpGpoImpresoras"));
    setWindowTitle(QStringLiteral("Grupos de Impresoras"));
    setCatalogo(QStringLiteral("Grupo_Impresoras"), QStringLiteral("ID_Grupo_Impresoras"), KeyForm::B,
                QStringLiteral("Ya existe el nombre grupo de impresoras"));

    auto* Frame1 = new QGroupBox(this);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    txtId = forms::textBox(Frame1, QStringLiteral("txtId"), QStringLiteral("ID_Grupo_Impresoras"));
    forms::keyBoxStyle(txtId);
    txtId->setToolTip(QStringLiteral("Identificador del grupo de impresoras"));
    TxtNombre = forms::textBox(Frame1, QStringLiteral("TxtNombre"), QStringLiteral("Nombre_Grupo_Impresoras"),
                               QStringLiteral("NoVacioMayusculas"), 25);
    TxtNombre->setToolTip(QStringLiteral("Nombre del grupo de impresoras"));

    sprImpresoras = new grid::Grid(this);
    sprImpresoras->setObjectName(QStringLiteral("sprImpresoras"));
    sprImpresoras->setColumnCount(3);
    sprImpresoras->setText(0, 1, QStringLiteral("ID"));
    sprImpresoras->setText(0, 2, QStringLiteral("Impresora"));
    sprImpresoras->setText(0, 3, QStringLiteral(" "));
    sprImpresoras->setColumnFormat(1, CellFormat::integer(0, 99999));
    sprImpresoras->setColumnFormat(2, CellFormat::staticText());
    sprImpresoras->setColumnFormat(3, CellFormat::button(QStringLiteral("...")));
    // A key of five digits, a printer's name of 25 letters and the picker's button.
    sprImpresoras->setColumnWidth(1, 7);
    sprImpresoras->setColumnWidth(2, 25);
    sprImpresoras->setColumnWidth(3, 3);
    QTableWidget* tabla = sprImpresoras->table();
    sprImpresoras->setMinimumWidth(tabla->horizontalHeader()->length() + tabla->verticalHeader()->width()
                                   + tabla->verticalScrollBar()->sizeHint().width() + 4 * tabla->frameWidth());

    auto* Label2 = forms::label(Frame1, QStringLiteral("Label2"), QStringLiteral("Nombre:"), TxtNombre);
    forms::setTag(Label2, QStringLiteral("txtNombre"));
    auto* filas = new QFormLayout(Frame1);
    filas->addRow(forms::label(Frame1, QStringLiteral("Label1"), QStringLiteral("Id grupo:"), txtId), txtId);
    filas->addRow(Label2, TxtNombre);
    auto* columna = new QVBoxLayout(this);
    columna->addWidget(Frame1);
    columna->addWidget(sprImpresoras, 1);

    setTabOrder(TxtNombre, sprImpresoras);
    setTabOrder(sprImpresoras, txtId);
    setPrimerCampo(TxtNombre);
    agregaRequerido(TxtNombre, QStringLiteral("Nombre"));

    DetailGrid* impresoras = agregaDetalle(sprImpresoras);
    impresoras->setFillQuery(QStringLiteral(
        "SELECT ImpresorasXGrupo.ID_Impresora,Nombre_Impresora,' ' FROM ImpresorasXGrupo,Impresora WHERE "
        "ImpresorasXGrupo.ID_Impresora=Impresora.ID_Impresora AND ID_Grupo_Impresoras="));
    impresoras->setTable(QStringLiteral("ImpresorasXGrupo"), QStringLiteral("ID_Grupo_Impresoras"));
    impresoras->addField({.name = QStringLiteral("ID_Impresora"), .column = 1, .key = true});
    impresoras->setKeyColumn(1);
    impresoras->setNameColumn(2);
    impresoras->setLookup({QStringLiteral("Impresora"), QStringLiteral("Nombre_Impresora"),
                           QStringLiteral("ID_Impresora"), QStringLiteral("La clave de la impresora no existe")});
    impresoras->setPicker(3, DetailPicker::Printers);
    // A deleted group's printers go with it through the schema's cascade, in the delete's transaction.

    agregaColumnaFiltro(QStringLiteral("Id Grupo"), QStringLiteral("ID_Grupo_Impresoras"),
                        QStringLiteral("ID_Grupo_Impresoras"));
    agregaColumnaFiltro(QStringLiteral("Nombre"), QStringLiteral("Nombre_Grupo_Impresoras"),
                        QStringLiteral("Nombre_Grupo_Impresoras"));

    Form_Load();
}
