#include "catalog/op_submenu.h"
#include "catalog/grid_width.h"
#include "foundation/database/cls_ado.h"
#include "foundation/forms/controls.h"
#include "foundation/forms/design.h"
#include "platform/grid/grid.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QSet>
#include <QVBoxLayout>

#include <functional>

using grid::CellFormat;

namespace {

grid::Grid* rejilla(QWidget* parent, const QString& nombre, const QStringList& titulos)
{
    auto* g = new grid::Grid(parent);
    g->setObjectName(nombre);
    g->setColumnCount(titulos.size());
    for (int c = 1; c <= titulos.size(); ++c)
        g->setText(0, c, titulos.at(c - 1));
    return g;
}

// The rows of the submenu stored in a table, by their key column.
QSet<qlonglong> guardados(const QString& tabla, const QString& columna, const QString& submenu)
{
    QSet<qlonglong> llaves;
    if (!DetailGrid::isKey(submenu))
        return llaves;
    adodb::Recordset filas;
    if (!g_ClsAdo().Establece_consulta(filas, QStringLiteral("SELECT ") + columna + QStringLiteral(" FROM ") + tabla
                                                  + QStringLiteral(" WHERE ID_SubMenu=") + submenu.trimmed()))
        return llaves;
    for (int r = 0; r < filas.recordCount(); ++r)
        llaves.insert(filas.cell(r, 0).toLongLong());
    return llaves;
}

// A menu or product listed twice is stored once: the repeated rows added in this edit go before
// the save, so that the database never refuses them. A stored row counts even when the grid no
// longer shows it (its own button picked products in its place): picked again, it stays as stored,
// taking the new row's position when one was typed. Rows to be deleted do not count, so a row
// deleted and entered again is written again. Without rows added there is nothing to look at.
void quitaRepetidos(DetailGrid* detalle, int columnaLlave, const std::function<QSet<qlonglong>()>& leeGuardados,
                    int columnaOrden = 0)
{
    grid::Grid* g = detalle->grid();
    QList<QPair<int, QString>> filas;
    bool hayNuevas = false;
    for (int r = 1; r <= g->rowCount(); ++r) {
        const QString estado = detalle->rowState(r);
        hayNuevas = hayNuevas || estado == QLatin1String("N");
        filas.append({r, estado});
    }
    if (!hayNuevas)
        return;
    QSet<qlonglong> vistos;
    QSet<qlonglong> borrados;
    QList<QPair<int, qlonglong>> nuevas;
    for (const auto& [r, estado] : std::as_const(filas)) {
        // A number as the cell holds it; a text as it shows.
        const QVariant valor = g->value(r, columnaLlave);
        qlonglong llave = 0;
        if (!valor.isNull() && valor.typeId() != QMetaType::QString) {
            llave = valor.toLongLong();
        } else {
            const QString texto = g->text(r, columnaLlave).trimmed();
            if (texto.isEmpty())
                continue;
            llave = texto.toLongLong();
        }
        if (estado == QLatin1String("B"))
            borrados.insert(llave);
        else if (estado == QLatin1String("N"))
            nuevas.append({r, llave});
        else
            vistos.insert(llave);
    }
    const QSet<qlonglong> enLaBase = leeGuardados();
    QList<int> repetidas;
    for (const auto& [r, llave] : std::as_const(nuevas)) {
        const bool guardada = enLaBase.contains(llave) && !borrados.contains(llave);
        if (vistos.contains(llave)) {
            repetidas.prepend(r);
        } else if (guardada && columnaOrden > 0 && !g->text(r, columnaOrden).trimmed().isEmpty()) {
            g->setText(r, detalle->stateColumn(), QStringLiteral("M"));
            vistos.insert(llave);
        } else if (guardada) {
            repetidas.prepend(r);
        } else {
            vistos.insert(llave);
        }
    }
    for (int r : repetidas)
        g->deleteRows(r);
}

} // namespace

OpSubmenu::OpSubmenu(QWidget* parent) : CatalogWindow(parent)
{
    setObjectName(QStringLiteral("OpSubmenu"));
    setWindowTitle(QStringLiteral("SubMenus"));
    setCatalogo(QStringLiteral("SubMenu"), QStringLiteral("ID_SubMenu"), KeyForm::A,
                QStringLiteral("Ya existe el nombre del submenu"));

    auto* Frame1 = new QGroupBox(this);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    txtId = forms::textBox(Frame1, QStringLiteral("txtId"), QStringLiteral("ID_SubMenu"));
    txtId->setToolTip(QStringLiteral("Identificador del submenu"));
    forms::keyBoxStyle(txtId);
    TxtNombre = forms::textBox(Frame1, QStringLiteral("TxtNombre"), QStringLiteral("Nombre_SubMenu"),
                               QStringLiteral("NoVacioMayusculas"), 25);
    TxtNombre->setToolTip(QStringLiteral("Nombre del submenu"));
    chkFijo = forms::checkBox(Frame1, QStringLiteral("chkFijo"), QStringLiteral("Fijo:"),
                              QStringLiteral("SubMenu_Fijo"));
    // The caption stands before the box, as in the other rows.
    chkFijo->setLayoutDirection(Qt::RightToLeft);

    auto* Label2 = forms::label(Frame1, QStringLiteral("Label2"), QStringLiteral("Nombre:"), TxtNombre);
    forms::setTag(Label2, QStringLiteral("txtNombre"));
    auto* filas = new QFormLayout;
    filas->addRow(forms::label(Frame1, QStringLiteral("Label1"), QStringLiteral("Id SubMenu:"), txtId), txtId);
    filas->addRow(Label2, TxtNombre);
    auto* fijo = new QHBoxLayout;
    fijo->addWidget(chkFijo);
    fijo->addStretch();
    filas->addRow(QString(), fijo);

    sprMenus = rejilla(Frame1, QStringLiteral("sprMenus"),
                       {QStringLiteral("ID_Menu"), QStringLiteral("ID_SubMenu"), QStringLiteral("Menu"),
                        QStringLiteral("Modificacion")});
    sprMenus->setColumnFormat(1, CellFormat::integer());
    sprMenus->setColumnFormat(2, CellFormat::integer());
    for (int c : {1, 2, 4})
        sprMenus->setColumnHidden(c, true);
    sprMenus->setColumnWidth(3, 25);

    sprProductos = rejilla(Frame1, QStringLiteral("sprProductos"),
                           {QStringLiteral("ID_SubMenu"), QStringLiteral("ID_Producto"), QStringLiteral("Nombre"),
                            QStringLiteral(" "), QStringLiteral("Modificar"), QStringLiteral("Orden")});
    sprProductos->setColumnFormat(1, CellFormat::integer());
    sprProductos->setColumnFormat(2, CellFormat::integer(0, 99999999));
    sprProductos->setColumnFormat(3, CellFormat::staticText());
    sprProductos->setColumnFormat(4, CellFormat::button(QStringLiteral("...")));
    sprProductos->setColumnFormat(6, CellFormat::integer(0, 999));
    sprProductos->setColumnHidden(1, true);
    sprProductos->setColumnHidden(5, true);
    sprProductos->setColumnWidth(2, 10);
    sprProductos->setColumnWidth(3, 25);
    sprProductos->setColumnWidth(4, 3);
    sprProductos->setColumnWidth(6, 6);
    anchoParaColumnas(sprMenus);
    anchoParaColumnas(sprProductos);

    auto* rejillas = new QHBoxLayout;
    rejillas->addWidget(sprMenus, 2);
    rejillas->addWidget(sprProductos, 3);
    auto* marco = new QVBoxLayout(Frame1);
    marco->addLayout(filas);
    marco->addLayout(rejillas, 1);
    (new QVBoxLayout(this))->addWidget(Frame1);

    setTabOrder(TxtNombre, chkFijo);
    setTabOrder(chkFijo, sprMenus);
    setTabOrder(sprMenus, sprProductos);
    setTabOrder(sprProductos, txtId);
    setPrimerCampo(TxtNombre);
    agregaRequerido(TxtNombre, QStringLiteral("Nombre"));

    DetailGrid* menus = agregaDetalle(sprMenus);
    menus->setStateColumn(4);
    menus->setFillQuery(QStringLiteral(
        "SELECT SubMenuXMenu.ID_Menu,ID_SubMenu,Nombre_Menu,' ' AS M FROM SubMenuXMenu,Menu "
        "WHERE SubMenuXMenu.ID_Menu=Menu.ID_Menu AND ID_SubMenu="));
    menus->addComboColumn(3, 1, QStringLiteral("SELECT ID_Menu,Nombre_Menu FROM Menu ORDER BY Nombre_Menu"));
    menus->setTable(QStringLiteral("SubMenuXMenu"), QStringLiteral("ID_SubMenu"));
    menus->addField({.name = QStringLiteral("ID_Menu"), .column = 1, .key = true});
    menus->setKeyColumn(1);
    // A stored row's menu never changes: delete the row and add the other menu instead.
    menus->setModifyColumns({}, {3});

    DetailGrid* productos = agregaDetalle(sprProductos);
    productos->setStateColumn(5);
    productos->setFillQuery(QStringLiteral(
        "SELECT ID_Submenu,ProductosXSubmenu.ID_Producto,Nombre_Completo,NULL,' ',Orden FROM ProductosXSubmenu,"
        "Producto WHERE ProductosXSubmenu.ID_Producto=Producto.ID_Producto AND ID_SubMenu="));
    productos->setTable(QStringLiteral("ProductosXSubmenu"), QStringLiteral("ID_SubMenu"));
    productos->addField({.name = QStringLiteral("ID_Producto"), .column = 2, .key = true});
    productos->addField({.name = QStringLiteral("Orden"),
                         .column = 6,
                         .value = [](const grid::Grid& g, int row) {
                             // A position left empty is 0.
                             return QVariant(g.value(row, 6).toLongLong());
                         }});
    productos->setKeyColumn(2);
    productos->setNameColumn(3);
    productos->setLookup({QStringLiteral("Producto"), QStringLiteral("Nombre_Completo"), QStringLiteral("ID_Producto"),
                          QStringLiteral("La clave del producto no existe")});
    productos->setPicker(4, DetailPicker::Products);
    // In a change a stored row takes a new position, or gives way to picked products (its button).
    productos->setModifyColumns({4, 6}, {2, 4, 6});
    // Deletes before changes before inserts, so that a product deleted and entered again is stored.
    productos->setSaveOrder(5);

    agregaColumnaFiltro(QStringLiteral("Id SubMenu"), QStringLiteral("ID_SubMenu"), QStringLiteral("ID_SubMenu"));
    agregaColumnaFiltro(QStringLiteral("Nombre"), QStringLiteral("Nombre_SubMenu"), QStringLiteral("Nombre_SubMenu"));

    Form_Load();
}

bool OpSubmenu::Guarda_Detalle()
{
    const QString submenu = bNuevo() ? QString() : llave();
    quitaRepetidos(detalles().at(0), 1,
                   [&] { return guardados(QStringLiteral("SubMenuXMenu"), QStringLiteral("ID_Menu"), submenu); });
    quitaRepetidos(
        detalles().at(1), 2,
        [&] { return guardados(QStringLiteral("ProductosXSubmenu"), QStringLiteral("ID_Producto"), submenu); }, 6);
    return CatalogWindow::Guarda_Detalle();
}
