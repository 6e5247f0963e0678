#include "reports/rep_comp_categoria.h"

#include "foundation/routines/fecha_trabajo.h"
#include "foundation/routines/zorva_funciones.h"
#include "platform/grid/grid.h"
#include "reports/combos_reporte.h"

#include <QComboBox>
#include <QDateEdit>
#include <QPushButton>

#include <vector>

namespace {

const QString kTodos = QStringLiteral("TODOS");
constexpr int kFilasDiseno = 8;

// The query's columns, by position.
enum Columna { kNombre, kComanda, kArticulo, kNombreArticulo, kPrecio, kModificador, kPrecioModificador, kNombreModificador };

// One row of the report below the heading: the query's row whose texts it shows (none for the empty
// row that ends a check) and what it shows of it.
struct Renglon {
    enum Tipo { Vacio, Articulo, Modificador };
    Tipo tipo = Vacio;
    int registro = -1;
    bool primero = false;  // the check's first row: waiter, check number and amount too
    double monto = 0;
};

double numero(const adodb::Recordset& rs, int registro, int columna)
{
    const QVariant v = rs.cell(registro, columna);
    return v.isNull() ? 0.0 : v.toDouble();
}

// A check is a run of rows of one waiter's name and one check number.
bool mismoGrupo(const adodb::Recordset& rs, int a, int b)
{
    return rs.cell(a, kComanda) == rs.cell(b, kComanda) && rs.cell(a, kNombre).toString() == rs.cell(b, kNombre).toString();
}

// The rows of the report, in order: each check's items on rows of their own, the first beside the
// waiter and the check, each item's modifiers below it, and one empty row after the check.
std::vector<Renglon> planea(const adodb::Recordset& rs)
{
    std::vector<Renglon> renglones;
    const int registros = rs.recordCount();
    size_t primero = 0;
    for (int r = 0; r < registros; ++r) {
        const bool nuevoGrupo = r == 0 || !mismoGrupo(rs, r - 1, r);
        if (nuevoGrupo) {
            if (r > 0)
                renglones.push_back({});
            primero = renglones.size();
        }
        // An item is written once and its price added once, however many modifiers it has.
        if (nuevoGrupo || rs.cell(r, kArticulo) != rs.cell(r - 1, kArticulo)) {
            renglones.push_back({Renglon::Articulo, r, nuevoGrupo, 0});
            renglones[primero].monto += numero(rs, r, kPrecio);
        }
        if (!rs.cell(r, kModificador).isNull()) {
            renglones[primero].monto += numero(rs, r, kPrecioModificador);
            renglones.push_back({Renglon::Modificador, r, false, 0});
        }
    }
    if (registros > 0)
        renglones.push_back({});
    return renglones;
}

// Writes the rows below the heading in one step.
void escribeReporte(grid::Grid& g, const std::vector<Renglon>& renglones, const adodb::Recordset& rs)
{
    const grid::QuietCellWrites llenado(g);
    g.setRowCount(kFilasDiseno + int(renglones.size()));
    const grid::CellFormat moneda = grid::CellFormat::currency();
    int fila = kFilasDiseno;
    for (const Renglon& renglon : renglones) {
        ++fila;
        const int r = renglon.registro;
        if (renglon.tipo == Renglon::Vacio)
            continue;
        if (renglon.tipo == Renglon::Modificador) {
            g.setText(fila, 4, QStringLiteral("   ") + rs.cell(r, kNombreModificador).toString());
            continue;
        }
        g.setText(fila, 4, rs.cell(r, kNombreArticulo).toString());
        g.setActiveCell(fila, 1);
        if (!renglon.primero)
            continue;
        g.setText(fila, 1, rs.cell(r, kNombre).toString());
        g.setText(fila, 3, QString::number(rs.cell(r, kComanda).toLongLong()));
        g.setCellFormat(fila, 5, moneda);
        g.setValue(fila, 5, renglon.monto);
    }
}

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

    // The period's sold items of the category, each followed by its modifiers in id order; read
    // straight from the sales, so that only the category's items are read and none is copied.
    adodb::Recordset rs = consulta(
        QStringLiteral("SELECT IFNULL(Apellido_Paterno,'') || ' ' || IFNULL(Apellido_Materno,'') || ' ' || IFNULL(Nombre_Empleado,'')"
                       " AS Nombre,P.ID_Comanda AS ID_Comanda,P.ID_ProductosXCuenta AS ID_ProductosXCuenta,"
                       "Pr.Nombre_Completo AS Nombre_Completo,P.Precio_Venta AS Precio_Venta,"
                       "M.ID_Tipo_Modificador AS ID_Tipo_Modificador,M.Precio_Modificador AS Precio_Modificador,"
                       "TM.Nombre_Tipo_Modificador AS Nombre_Tipo_Modificador "
                       "FROM Comanda C JOIN ProductosXCuenta P ON P.ID_Comanda=C.ID_Comanda AND P.Control=C.Control "
                       "LEFT JOIN Producto Pr ON Pr.ID_Producto=P.ID_Producto "
                       "JOIN Empleado E ON E.ID_Empleado=C.ID_Empleado "
                       "LEFT JOIN Modificador M ON M.ID_ProductosXCuenta=P.ID_ProductosXCuenta "
                       "LEFT JOIN Tipo_Modificador TM ON TM.ID_Tipo_Modificador=M.ID_Tipo_Modificador WHERE")
        + fechatrabajo::periodo(dtpFechaIni->date(), dtpFechaFin->date(), QStringLiteral("C.Fecha_Trabajo"))
        + QStringLiteral(" AND P.ID_Tipo_Anulacion IS NULL")
        + condicionCombo(cboCategoria, kTodos, QStringLiteral(" AND Pr.ID_Categoria="))
        + QStringLiteral(" ORDER BY C.ID_Empleado,P.ID_Comanda,Apellido_Paterno,Apellido_Materno,Nombre_Empleado,"
                         "P.ID_ProductosXCuenta,M.ID_Tipo_Modificador"));

    escribeReporte(*g, planea(rs), rs);
}
