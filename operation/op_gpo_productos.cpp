#include "operation/op_gpo_productos.h"
#include "foundation/database/cls_ado.h"
#include "foundation/forms/controls.h"
#include "foundation/forms/design.h"
#include "operation/disenos_operacion.h"
#include "platform/grid/grid.h"
#include "platform/ui/msgbox.h"

#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

OpGpoProductos::OpGpoProductos(const GrupoProductos& grupo, QWidget* parent) : CatalogWindow(parent), m_grupo(grupo)
{
    setObjectName(grupo.objeto);
    setWindowTitle(grupo.titulo);
    setCatalogo(grupo.tabla, grupo.llave, KeyForm::C, grupo.llaveRepetida);

    auto* Frame1 = new QGroupBox(this);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    txtId = forms::textBox(Frame1, QStringLiteral("txtId"), grupo.llave);
    forms::keyBoxStyle(txtId);
    TxtNombre = forms::textBox(Frame1, QStringLiteral("TxtNombre"), grupo.nombre, QStringLiteral("NoVacioMayusculas"), 25);
    sprProductos = disenos::rejillaProductos(this);

    auto* filas = new QFormLayout(Frame1);
    filas->addRow(forms::label(Frame1, QStringLiteral("Label1"), QStringLiteral("Id Grupo:"), txtId), txtId);
    filas->addRow(forms::label(Frame1, QStringLiteral("Label2"), QStringLiteral("Nombre:"), TxtNombre), TxtNombre);
    auto* columna = new QVBoxLayout(this);
    columna->addWidget(Frame1);
    columna->addWidget(sprProductos, 1);

    setTabOrder(TxtNombre, sprProductos);
    setTabOrder(sprProductos, txtId);
    setPrimerCampo(TxtNombre);
    agregaRequerido(TxtNombre, QStringLiteral("Nombre"));

    // The grid shows and edits the products; Guarda_Detalle writes them.
    DetailGrid* productos = agregaDetalle(sprProductos);
    disenos::configuraProductos(productos, QStringLiteral("SELECT %1.ID_Producto,Nombre_Completo,' ' FROM %1,Producto "
                                                          "WHERE %1.ID_Producto=Producto.ID_Producto AND %2=")
                                               .arg(grupo.miembros, grupo.llaveMiembros));
    // A deleted group's products go with it, in the delete's transaction.
    agregaTablaDetalle(grupo.miembros, grupo.llaveMiembros);

    agregaColumnaFiltro(QStringLiteral("Id Grupo"), grupo.llave, grupo.llave);
    agregaColumnaFiltro(QStringLiteral("Nombre"), grupo.nombre, grupo.nombre);

    Form_Load();
}

bool OpGpoProductos::Guarda_Detalle()
{
    const QString clave = llave();
    if (!DetailGrid::isKey(clave))
        return true;
    adodb::Recordset ninguno;
    if (!g_ClsAdo().Borrar(ninguno, m_grupo.miembros, QVariant(), m_grupo.llaveMiembros + QLatin1Char('=') + clave,
                           false))
        return false;
    // A refused row does not keep the rows after it from being stored.
    const QString campos = m_grupo.llaveMiembros + QStringLiteral(",ID_Producto");
    bool rechazado = false;
    for (int row = 1; row <= sprProductos->rowCount(); ++row) {
        const QString producto = sprProductos->text(row, 1).trimmed();
        // A row appended with Insert and left without a product is no member.
        if (producto.isEmpty())
            continue;
        if (!DetailGrid::isKey(producto)
            || !g_ClsAdo().Alta(m_grupo.miembros, campos,
                                clave + QLatin1Char(',') + QString::number(producto.toLongLong())))
            rechazado = true;
    }
    g_ClsAdo().conexion().errors().clear();
    if (rechazado)
        ui::msgBox(QStringLiteral("ERROR TRANSACCIÓN TERMINADA"), ui::Exclamation);
    return true;
}

OpGpoPromocional::OpGpoPromocional(QWidget* parent)
    : OpGpoProductos({QStringLiteral("OpGpoPromocional"), QStringLiteral("Grupos Promocionales"),
                      QStringLiteral("Grupo_Promocional"), QStringLiteral("ID_Grupo_Promocional"),
                      QStringLiteral("Nombre_Gpo_Promocional"), QStringLiteral("Detalle_Gpo_Promocional"),
                      QStringLiteral("ID_Grupo_Promocional"), QStringLiteral("Ya existe el nombre del grupo promocional")},
                     parent)
{
}

OpGpoObsequios::OpGpoObsequios(QWidget* parent)
    : OpGpoProductos({QStringLiteral("OpGpoObsequios"), QStringLiteral("Grupo Obsequios"),
                      QStringLiteral("Grupo_Obsequios"), QStringLiteral("ID_Grupo_Obsequio"),
                      QStringLiteral("Nombre_Gpo_Obsequio"), QStringLiteral("Detalle_Gpo_Obsequios"),
                      QStringLiteral("ID_Grupo_Obsequio"), QStringLiteral("Ya existe el nombre del grupo obsequios")},
                     parent)
{
}
