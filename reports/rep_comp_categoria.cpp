#include "reports/rep_comp_categoria.h"

#include "foundation/routines/zorva_funciones.h"
#include "platform/grid/grid.h"
#include "reports/combos_reporte.h"
#include "reports/valor_campo.h"

#include <QComboBox>
#include <QDateEdit>
#include <QPushButton>

namespace {

const QString kTodos = QStringLiteral("TODOS");
constexpr int kFilasDiseno = 8;

RepVentana::Ajustes ajustesCategoria()
{
    RepVentana::Ajustes a;
    a.titulo = QStringLiteral("Comparción de Ventas por Categoria");
    a.maximizada = true;
    a.escCierra = true;
    a.vistaOcultaAlActivar = true;
    a.encabezado = RepVentana::Encabezado::LineaEmpresa;
    a.bordeImpresion = false;
    a.margenSuperior = a.margenInferior = a.margenIzquierdo = a.margenDerecho = 100;
    a.orientacion = grid::Orientation::Portrait;
    return a;
}

} // namespace

RepCompCategoria::RepCompCategoria(QWidget* parent)
    : RepVentana(QStringLiteral("RepCompCategoria"), ajustesCategoria(), parent)
{
    dtpFechaIni = agregaFecha(QStringLiteral("dtpFechaIni"), QStringLiteral("Fecha Inicio:"));
    dtpFechaFin = agregaFecha(QStringLiteral("dtpFechaFin"), QStringLiteral("Fecha Fin:"));
    cboCategoria = agregaCombo(QStringLiteral("cboCategoria"), QStringLiteral("Categoria:"));
    agregaBuscar(QStringLiteral("cmbBuscar"), QStringLiteral("Buscar registros"))->setToolTip(QStringLiteral("Buscar registros"));
    creaRejilla(QStringLiteral("sprDatos"), QStringLiteral("PrvVista"));
    setTablasTemporales({QStringLiteral("#TempCompCategoria"), QStringLiteral("#TempModCompCategoria")});
    disenoRejilla();
    LlenaCombo(cboCategoria, QStringLiteral("SELECT Nombre_Categoria,ID_Categoria FROM Categoria ORDER BY Nombre_Categoria"));
    cboCategoria->addItem(kTodos);
    // Chosen once, at opening: the second item, or "TODOS" when there is no category; the user's
    // choice stays from then on.
    cboCategoria->setCurrentIndex(cboCategoria->count() > 1 ? 1 : cboCategoria->count() - 1);
}

void RepCompCategoria::disenoRejilla()
{
    grid::Grid* g = rejilla();
    g->setColumnCount(5);
    g->setRowCount(kFilasDiseno);
    g->setColumnHeaderVisible(false);
    g->setRowHeaderVisible(false);
    g->setAllLocked(true);
    const double anchos[] = {26.5, 17.75, 12, 21.87, 11.62};
    for (int c = 1; c <= 5; ++c)
        g->setColumnWidth(c, anchos[c - 1]);
    g->setText(1, 2, QStringLiteral("INFORME COMPARACION VENTAS"));
    g->setCellBold(1, 2, true);
    g->setCellFontSize(1, 2, 14);
    g->setRowHeight(1, 24);
    g->setRangeBackground(grid::CellRange{4, 1, 4, 5}, QColor(192, 192, 192));
    const QList<std::pair<int, QString>> titulos{{1, QStringLiteral("Nombre Empleado")},
                                                 {3, QStringLiteral("No. de Cuenta")},
                                                 {4, QStringLiteral("Nombre del Artículo")},
                                                 {5, QStringLiteral("Monto")}};
    for (const auto& [columna, titulo] : titulos) {
        g->setText(7, columna, titulo);
        g->setCellBold(7, columna, true);
    }
    g->setRangeBorder(grid::CellRange{8, 1, 8, 5}, Qt::TopEdge);
}

void RepCompCategoria::buscar()
{
    grid::Grid* g = rejilla();
    g->setRowCount(kFilasDiseno);
    g->setActiveCell(2, 2);
    g->setCellBold(2, 2, true);
    g->setCellFontSize(2, 2, 12);
    g->setCellAlignment(2, 2, Qt::AlignHCenter);
    g->setText(2, 2, dtpFechaIni->date().toString(QStringLiteral("dd/MM/yyyy")) + QStringLiteral(" - ")
                         + dtpFechaFin->date().toString(QStringLiteral("dd/MM/yyyy")));

    ejecuta(QStringLiteral("CREATE TEMP TABLE \"#TempCompCategoria\"(ID_ProductosXCuenta INTEGER,ID_Empleado INTEGER,"
                           "ID_Comanda INTEGER,ID_Categoria INTEGER,ID_Producto INTEGER,Nombre_Completo VARCHAR(300),"
                           "Precio_Venta REAL,CantHuespedes INTEGER)"));
    ejecuta(QStringLiteral("CREATE TEMP TABLE \"#TempModCompCategoria\"(ID_ProductosXCuenta INTEGER,ID_Tipo_Modificador INTEGER,"
                           "Precio_Modificador REAL,Nombre_Tipo_Modificador VARCHAR(300))"));
    ejecutaProcedimiento(QStringLiteral("EXEC proComparacionVenta '") + dtpFechaIni->date().toString(QStringLiteral("dd/MM/yyyy"))
                         + QStringLiteral("', '") + dtpFechaFin->date().toString(QStringLiteral("dd/MM/yyyy"))
                         + QStringLiteral("', '#TempCompCategoria', '#TempModCompCategoria'"));

    // Items in id order, each followed by its modifiers in id order.
    adodb::Recordset rs = consulta(
        QStringLiteral("SELECT Nombre_Empleado,Apellido_Paterno,Apellido_Materno,T.ID_Comanda AS ID_Comanda,"
                       "T.ID_ProductosXCuenta AS ID_ProductosXCuenta,T.Nombre_Completo AS Nombre_Completo,"
                       "T.Precio_Venta AS Precio_Venta,M.ID_Tipo_Modificador AS ID_Tipo_Modificador,"
                       "M.Precio_Modificador AS Precio_Modificador,M.Nombre_Tipo_Modificador AS Nombre_Tipo_Modificador "
                       "FROM \"#TempCompCategoria\" T "
                       "LEFT JOIN \"#TempModCompCategoria\" M ON M.ID_ProductosXCuenta=T.ID_ProductosXCuenta "
                       "JOIN Empleado E ON E.ID_Empleado=T.ID_Empleado WHERE 1=1")
        + condicionCombo(cboCategoria, kTodos, QStringLiteral(" AND T.ID_Categoria="))
        + QStringLiteral(" ORDER BY T.ID_Empleado,T.ID_Comanda,Apellido_Paterno,Apellido_Materno,Nombre_Empleado,"
                         "T.ID_ProductosXCuenta,M.ID_Tipo_Modificador"));

    int primeraFila = 0;  // the group's first row
    QString nombreGrupo;
    qint64 comandaGrupo = 0;
    double monto = 0;
    QVariant articulo;  // the item being written
    auto cierraGrupo = [&] {
        if (primeraFila == 0)
            return;
        g->setCellFormat(primeraFila, 5, grid::CellFormat::currency());
        g->setValue(primeraFila, 5, monto);
    };
    for (; !rs.eof(); rs.moveNext()) {
        const QString nombre = rs.field(QStringLiteral("Apellido_Paterno")).text() + QLatin1Char(' ')
            + rs.field(QStringLiteral("Apellido_Materno")).text() + QLatin1Char(' ')
            + rs.field(QStringLiteral("Nombre_Empleado")).text();
        const qint64 comanda = rs.field(QStringLiteral("ID_Comanda")).value().toLongLong();
        if (primeraFila == 0 || nombre != nombreGrupo || comanda != comandaGrupo) {
            cierraGrupo();
            // One empty row after each group.
            if (primeraFila != 0)
                g->setRowCount(g->rowCount() + 1);
            primeraFila = g->rowCount() + 1;
            g->setRowCount(primeraFila);
            g->setActiveCell(primeraFila, 1);
            g->setText(primeraFila, 1, nombre);
            g->setText(primeraFila, 3, QString::number(comanda));
            nombreGrupo = nombre;
            comandaGrupo = comanda;
            monto = 0;
            articulo = QVariant();
        }
        const QVariant idArticulo = rs.field(QStringLiteral("ID_ProductosXCuenta")).value();
        if (articulo.isNull() || idArticulo != articulo) {
            // A new item: written once on the active row, its price added once; the row after the
            // previous item's modifiers is the one left active for it.
            if (!articulo.isNull()) {
                g->setRowCount(g->rowCount() + 1);
                g->setActiveCell(g->rowCount(), 1);
            }
            articulo = idArticulo;
            g->setText(g->activeRow(), 4, rs.field(QStringLiteral("Nombre_Completo")).text());
            monto += numeroCampo(rs, QStringLiteral("Precio_Venta"));
        }
        if (!rs.field(QStringLiteral("ID_Tipo_Modificador")).isNull()) {
            monto += numeroCampo(rs, QStringLiteral("Precio_Modificador"));
            const int fila = g->rowCount() + 1;
            g->setRowCount(fila);
            g->setText(fila, 4, QStringLiteral("   ") + rs.field(QStringLiteral("Nombre_Tipo_Modificador")).text());
        }
    }
    cierraGrupo();
    if (primeraFila != 0)
        g->setRowCount(g->rowCount() + 1);
}
