// The products window's second tab: the product's price on each menu and its taxes.
#include "catalog/op_productos.h"
#include "platform/grid/grid.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QVBoxLayout>

using grid::CellFormat;

namespace {

// Both grids: 1 the related row's key, 2 the product, 3 its name (combo), 4 the value, 5 the row state.
enum Columna { Llave = 1, Producto, Nombre, Valor, Modificacion };

grid::Grid* rejilla(QWidget* parent, const QString& nombre, const QStringList& titulos)
{
    auto* g = new grid::Grid(parent);
    g->setObjectName(nombre);
    g->setColumnCount(Modificacion);
    for (int c = Llave; c <= Modificacion; ++c)
        g->setText(0, c, titulos.at(c - 1));
    g->setColumnFormat(Llave, CellFormat::integer());
    g->setColumnFormat(Producto, CellFormat::integer());
    for (int c : {Llave, Producto, Modificacion})
        g->setColumnHidden(c, true);
    g->setColumnWidth(Nombre, 25);
    g->setColumnWidth(Valor, 14);
    g->setToolTip(QStringLiteral("Ins=Insertar registro Del=Borrar registro"));
    return g;
}

} // namespace

void OpProductos::construyeRejillas(QWidget* pagina)
{
    auto* marcoPrecios = new QGroupBox(QStringLiteral("Precios"), pagina);
    marcoPrecios->setObjectName(QStringLiteral("fraPrecios"));
    sprMenus = rejilla(marcoPrecios, QStringLiteral("sprMenus"),
                       {QStringLiteral("ID_Menu"), QStringLiteral("ID_Producto"), QStringLiteral("Menu"),
                        QStringLiteral("Precio"), QStringLiteral("Modificacion")});
    sprMenus->setColumnFormat(Valor, CellFormat::currency(2, 0, 99999999.99));
    (new QVBoxLayout(marcoPrecios))->addWidget(sprMenus);

    auto* marcoImpuestos = new QGroupBox(QStringLiteral("Impuestos"), pagina);
    marcoImpuestos->setObjectName(QStringLiteral("fraImpuestos"));
    sprImpuestos = rejilla(marcoImpuestos, QStringLiteral("sprImpuestos"),
                           {QStringLiteral("ID_Tipo_Impuesto"), QStringLiteral("ID_Producto"), QStringLiteral("Impuesto"),
                            QStringLiteral("Incluir"), QStringLiteral("Modificacion")});
    sprImpuestos->setColumnFormat(Valor, CellFormat::checkBox(QStringLiteral("Incluir en Precio")));
    (new QVBoxLayout(marcoImpuestos))->addWidget(sprImpuestos);

    auto* fila = new QHBoxLayout(pagina);
    fila->addWidget(marcoPrecios, 1);
    fila->addWidget(marcoImpuestos, 1);
}

void OpProductos::configuraImpuestos()
{
    DetailGrid* impuestos = agregaDetalle(sprImpuestos);
    impuestos->setStateColumn(Modificacion);
    impuestos->setFillQuery(QStringLiteral(
        "SELECT ImpuestosXProducto.ID_Tipo_Impuesto,ID_Producto,Nombre_Tipo_Impuesto,Incluir_en_precio,' ' FROM "
        "ImpuestosXProducto,Tipos_Impuesto WHERE ImpuestosXProducto.ID_Tipo_Impuesto=Tipos_Impuesto.ID_Tipo_Impuesto "
        "AND ID_Producto="));
    impuestos->addComboColumn(Nombre, Llave, QStringLiteral("SELECT ID_Tipo_Impuesto,Nombre_Tipo_Impuesto FROM "
                                                            "Tipos_Impuesto ORDER BY Nombre_Tipo_Impuesto"));
    impuestos->setTable(QStringLiteral("ImpuestosXProducto"), QStringLiteral("ID_Producto"));
    impuestos->addField({.name = QStringLiteral("ID_Tipo_Impuesto"), .column = Llave, .key = true});
    impuestos->addField({.name = QStringLiteral("Incluir_en_precio"), .column = Valor});
    impuestos->setKeyColumn(Llave);
    impuestos->setInsertValue(Valor, 0);
    impuestos->setModifyColumns({Valor}, {Nombre});
    impuestos->sizeToColumns(6);
}

void OpProductos::configuraPrecios()
{
    DetailGrid* precios = agregaDetalle(sprMenus);
    precios->setStateColumn(Modificacion);
    precios->setFillQuery(QStringLiteral("SELECT PreciosXMenu.ID_Menu,ID_Producto,Nombre_Menu,Precio,' ' AS M FROM "
                                         "PreciosXMenu,Menu WHERE PreciosXMenu.ID_Menu=Menu.ID_Menu AND ID_Producto="));
    precios->addComboColumn(Nombre, Llave, QStringLiteral("SELECT ID_Menu,Nombre_Menu FROM Menu ORDER BY Nombre_Menu"));
    precios->setTable(QStringLiteral("PreciosXMenu"), QStringLiteral("ID_Producto"));
    precios->addField({.name = QStringLiteral("ID_Menu"), .column = Llave, .key = true});
    precios->addField({.name = QStringLiteral("Precio"), .column = Valor});
    precios->setKeyColumn(Llave);
    precios->setInsertValue(Valor, 0);
    precios->setModifyColumns({Valor}, {Nombre});
    precios->sizeToColumns(6);
}
