#include "reports/rep_articulos_x_empleado.h"

#include "foundation/dialogs/frm_busca_prod.h"
#include "foundation/routines/fecha_trabajo.h"
#include "platform/grid/grid.h"
#include "platform/grid/recordset_fill.h"
#include "platform/ui/msgbox.h"
#include "reports/caja_empleados.h"
#include "reports/guarda_busqueda.h"
#include "reports/lista_ids.h"

#include <QCheckBox>
#include <QDateEdit>
#include <QPushButton>

namespace {

RepVentana::Ajustes ajustesArticulos()
{
    RepVentana::Ajustes a;
    a.titulo = QStringLiteral("Comparación de artículos X empleado");
    a.disenoTwips = QSize(10200, 6600);
    a.itemsArchivo = true;
    a.encabezado = RepVentana::Encabezado::LineaEmpresa;
    a.bordeImpresion = false;
    a.margenSuperior = 100;
    a.margenInferior = 100;
    a.margenIzquierdo = 350;
    a.orientacion = grid::Orientation::Portrait;
    return a;
}

// Wide enough for the bold titles of row 4.
constexpr double kAnchos[5] = {4.75, 23.37, 9, 21.12, 9};

// The waiter's name, first name first; a NULL part leaves the name empty.
const QString kEmpleado = QStringLiteral("Nombre_Empleado || ' ' || Apellido_Paterno || ' ' || Apellido_Materno AS Empleado");

} // namespace

RepArticulosXEmpleado::RepArticulosXEmpleado(QWidget* parent)
    : RepVentana(QStringLiteral("RepArticulosXEmpleado"), ajustesArticulos(), parent)
{
    dtpFechaIni = agregaFecha(QStringLiteral("dtpFechaIni"), QStringLiteral("Fecha Inicio:"));
    dtpFechaIni->setToolTip(QStringLiteral("Inicio del periodo a buscar"));
    dtpFechaFin = agregaFecha(QStringLiteral("dtpFechaFin"), QStringLiteral("Fecha Fin:"));
    dtpFechaFin->setToolTip(QStringLiteral("Fin del periodo a buscar"));
    txtProductos = new CajaEmpleados;
    txtProductos->setObjectName(QStringLiteral("txtProductos"));
    txtProductos->setToolTip(QStringLiteral("Id de productos a mostrar separados por comas, si esta vacío muestra todos"));
    agregaControl(txtProductos, QStringLiteral("Productos:"));
    cmdBuscarProd = new QPushButton(QStringLiteral("..."));
    cmdBuscarProd->setObjectName(QStringLiteral("cmdBuscarProd"));
    cmdBuscarProd->setToolTip(QStringLiteral("Buscar productos"));
    cmdBuscarProd->setFixedWidth(cmdBuscarProd->fontMetrics().horizontalAdvance(QStringLiteral("....")) + 12);
    agregaControl(cmdBuscarProd);
    chkModificadores = new QCheckBox(QStringLiteral("Incluir Modificadores"));
    chkModificadores->setObjectName(QStringLiteral("chkModificadores"));
    agregaControl(chkModificadores);
    agregaBuscar(QStringLiteral("cmbBuscar"), QStringLiteral("Buscar registros"))->setToolTip(QStringLiteral("Buscar registros"));
    grid::Grid* g = creaRejilla(QStringLiteral("sprDatos"), QStringLiteral("PrvVista"));
    g->setColumnCount(5);
    g->setRowCount(0);
    g->setAllLocked(true);
    for (int c = 1; c <= 5; ++c)
        g->setColumnWidth(c, kAnchos[c - 1]);
    connect(cmdBuscarProd, &QPushButton::clicked, this, &RepArticulosXEmpleado::cmdBuscarProd_Click);
}

void RepArticulosXEmpleado::cmdBuscarProd_Click()
{
    frmBusca_Prod busca(this);
    busca.exec();
    txtProductos->setText(busca.bCancelado ? QString() : busca.selectedIds().join(QLatin1Char(',')));
}

void RepArticulosXEmpleado::buscar()
{
    grid::Grid* g = rejilla();
    const ListaIds productos = parseaListaIds(txtProductos->text());
    if (!productos.valida()) {
        ui::msgBox(QStringLiteral("\"%1\" no es un número de producto. Escriba los números de producto separados por comas.")
                       .arg(productos.invalido),
                   ui::Exclamation);
        throw BusquedaInterrumpida();
    }
    g->setRowCount(0);
    const QDate desde = dtpFechaIni->date(), hasta = dtpFechaFin->date();
    const QString periodo = fechatrabajo::periodo(desde, hasta, QStringLiteral("C.Fecha_Trabajo"));
    const QString vendidos = QStringLiteral(" FROM Comanda C JOIN ProductosXCuenta P ON P.ID_Comanda=C.ID_Comanda AND "
                                            "P.Control=C.Control JOIN Empleado E ON E.ID_Empleado=C.ID_Empleado");
    // Clase puts each waiter's products before his modifiers; it orders the rows and is not shown.
    // The names follow from the ids: the groups are the ids alone.
    QString sql = QStringLiteral("SELECT ID_Empleado,Empleado,ID_Producto,Nombre_Completo,Cantidad FROM ("
                                 "SELECT C.ID_Empleado AS ID_Empleado,")
        + kEmpleado
        + QStringLiteral(",P.ID_Producto AS ID_Producto,Pr.Nombre_Completo AS Nombre_Completo,COUNT(Pr.ID_Producto) AS Cantidad,"
                         "0 AS Clase")
        + vendidos + QStringLiteral(" JOIN Producto Pr ON Pr.ID_Producto=P.ID_Producto WHERE") + periodo
        + QStringLiteral(" AND P.ID_Tipo_Anulacion IS NULL");
    if (!productos.ids.isEmpty())
        sql += QStringLiteral(" AND P.ID_Producto IN (") + productos.texto() + QLatin1Char(')');
    sql += QStringLiteral(" GROUP BY C.ID_Empleado,P.ID_Producto");
    if (chkModificadores->isChecked())
        sql += QStringLiteral(" UNION ALL SELECT C.ID_Empleado,") + kEmpleado
            + QStringLiteral(",M.ID_Tipo_Modificador,T.Nombre_Tipo_Modificador,COUNT(M.ID_Tipo_Modificador),1")
            + vendidos
            + QStringLiteral(" JOIN Modificador M ON M.ID_ProductosXCuenta=P.ID_ProductosXCuenta JOIN Tipo_Modificador T ON "
                             "T.ID_Tipo_Modificador=M.ID_Tipo_Modificador WHERE")
            + periodo + QStringLiteral(" AND P.ID_Tipo_Anulacion IS NULL GROUP BY C.ID_Empleado,M.ID_Tipo_Modificador");
    sql += QStringLiteral(") ORDER BY Empleado,Clase,Nombre_Completo");

    // The records go below the four rows of the heading.
    grid::fillFromRecordset(*g, consulta(sql), {.firstRow = 5});
    g->setText(0, 5, QString());
    for (int c = 1; c <= 5; ++c)
        g->setColumnWidth(c, kAnchos[c - 1]);
    encabezado();
    g->setFrozenRows(4);
}

void RepArticulosXEmpleado::encabezado()
{
    grid::Grid* g = rejilla();
    const QString d1 = dtpFechaIni->date().toString(QStringLiteral("dd/MM/yyyy"));
    const QString d2 = dtpFechaFin->date().toString(QStringLiteral("dd/MM/yyyy"));
    g->setCellFontSize(1, 2, 16);
    g->setCellBold(1, 2, true);
    g->setCellAlignment(1, 2, Qt::AlignHCenter);
    g->setText(1, 2, QStringLiteral("INFORME ART. X EMPLEADO"));
    g->setSpan(1, 2, 1, 3);
    g->setCellBold(2, 2, true);
    g->setCellAlignment(2, 2, Qt::AlignHCenter);
    g->setText(2, 2, d1 + QLatin1Char('-') + d2);
    g->setSpan(2, 2, 1, 3);
    const QStringList titulos{QStringLiteral("ID"), QStringLiteral("Empleado"), QStringLiteral("Producto"),
                              QStringLiteral("Nombre Producto"), QStringLiteral("Cantidad")};
    for (int c = 1; c <= titulos.size(); ++c) {
        g->setCellFormat(4, c, grid::CellFormat::staticText());
        g->setText(4, c, titulos.at(c - 1));
    }
    g->setRangeBold(grid::CellRange{4, 1, 4, 5}, true);
    g->setRangeBorder(grid::CellRange{4, 1, 4, 5}, Qt::BottomEdge);
}
