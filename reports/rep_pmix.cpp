#include "reports/rep_pmix.h"

#include "foundation/routines/fecha_trabajo.h"
#include "platform/grid/grid.h"
#include "platform/grid/grid_stack.h"
#include "platform/ui/msgbox.h"
#include "reports/combos_reporte.h"
#include "reports/valor_campo.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QPushButton>

namespace {

const QString kTodas = QStringLiteral("TODAS");
const QString kTabla = QStringLiteral("#TempPMIX");
constexpr int kFilasDiseno = 7;

RepVentana::Ajustes ajustesPMIX()
{
    RepVentana::Ajustes a;
    a.titulo = QStringLiteral("Informe PMIX - Todos Terminales");
    a.maximizada = true;
    a.escCierra = true;
    a.encabezado = RepVentana::Encabezado::LineaEmpresa;
    a.margenSuperior = a.margenInferior = a.margenIzquierdo = a.margenDerecho = 100;
    a.bordeImpresion = false;
    return a;
}

} // namespace

RepPMIX::RepPMIX(QWidget* parent) : RepVentana(QStringLiteral("RepPMIX"), ajustesPMIX(), parent)
{
    dtpFecha = agregaFecha(QStringLiteral("dtpFecha"), QStringLiteral("Fecha Inicio:"));
    dtpFechaFin = agregaFecha(QStringLiteral("dtpFechaFin"), QStringLiteral("Fecha Fin:"));
    cmbCategoria = agregaCombo(QStringLiteral("cmbCategoria"), QStringLiteral("Categoría:"));
    chkVenta = new QCheckBox(QStringLiteral("Ver solo los que tengan venta"));
    chkVenta->setObjectName(QStringLiteral("chkVenta"));
    agregaControl(chkVenta);
    QPushButton* cmdBuscar = agregaBuscar(QStringLiteral("cmdBuscar"), QStringLiteral("Buscar registros"));
    cmdBuscar->setToolTip(QStringLiteral("Buscar registros"));
    creaRejilla(QStringLiteral("fpsDatos"), QStringLiteral("fpsVista"));
    setTablasTemporales({kTabla});
    disenoRejilla();
    LlenaComboTodos(cmbCategoria, QStringLiteral("SELECT Nombre_Categoria,ID_Categoria FROM Categoria"), kTodas);
}

void RepPMIX::disenoRejilla()
{
    grid::Grid* g = rejilla();
    g->setColumnCount(10);
    g->setRowCount(kFilasDiseno);
    g->setColumnHeaderVisible(false);
    g->setRowHeaderVisible(false);
    g->setAllLocked(true);
    const double anchos[] = {7.87, 21.87, 0, 7.25, 10.37, 8.62, 0, 9.12, 9, 7.37};
    for (int c = 1; c <= 10; ++c)
        g->setColumnWidth(c, anchos[c - 1]);
    g->setColumnHidden(3, true);
    g->setColumnHidden(7, true);
    g->setText(1, 4, QStringLiteral("         INFORME PMIX"));
    g->setCellBold(1, 4, true);
    g->setRangeBackground(grid::CellRange{4, 1, 4, 10}, QColor(128, 128, 128));
    const QStringList titulos{QStringLiteral("Articulo"), QStringLiteral("Nombre Artículo"), QStringLiteral("Precio Real"),
                              QStringLiteral("Vendidos"), QStringLiteral("Precio Venta"), QStringLiteral("Cantidad $"),
                              QStringLiteral("Costo"), QStringLiteral("Rentabilidad"), QStringLiteral("Costo Comida"),
                              QStringLiteral("% Ventas")};
    for (int c = 1; c <= titulos.size(); ++c) {
        g->setText(6, c, titulos.at(c - 1));
        g->setCellBold(6, c, true);
    }
}

QString RepPMIX::articulosVendidos(const QDate& desde, const QDate& hasta, const QString& categoria)
{
    // The period's items are summed per product, through the period's checks, before they meet the
    // catalog: joined item by item, the catalog would have every item of the history indexed.
    return QStringLiteral("SELECT IFNULL(V.Articulos,0),Pr.ID_Producto,Pr.Nombre_Completo,"
                          "CASE WHEN IFNULL(V.Articulos,0)=0 THEN NULL ELSE Redondear(V.Vendido/V.Articulos,2) END,"
                          "V.Original,0 FROM Producto Pr LEFT JOIN (SELECT P.ID_Producto AS ID_Producto,"
                          "COUNT(P.ID_ProductosXCuenta) AS Articulos,TOTAL(P.Precio_Venta) AS Vendido,"
                          "MAX(P.Precio_Original) AS Original FROM ProductosXCuenta P WHERE P.ID_Tipo_Anulacion IS NULL AND "
                          "P.ID_Comanda IN (SELECT ID_Comanda FROM Comanda WHERE")
        + fechatrabajo::periodo(desde, hasta)
        + QStringLiteral(") GROUP BY P.ID_Producto) V ON V.ID_Producto=Pr.ID_Producto WHERE 1=1") + categoria
        + QStringLiteral(" ORDER BY Pr.ID_Producto");
}

void RepPMIX::buscar()
{
    grid::Grid* g = rejilla();
    g->setRowCount(kFilasDiseno);
    pila()->showGrid();
    const QDate desde = dtpFecha->date(), hasta = dtpFechaFin->date();
    g->setCellBold(2, 5, true);
    g->setText(2, 5, desde.toString(QStringLiteral("dd/MM/yyyy")) + QStringLiteral(" - ")
                         + hasta.toString(QStringLiteral("dd/MM/yyyy")));

    ejecuta(QStringLiteral("CREATE TEMP TABLE \"#TempPMIX\"(Articulos INTEGER,id_Producto INTEGER,Nombre_Completo "
                           "VARCHAR(100),PrecioVendido REAL,PrecioOriginal REAL,Costo REAL)"));
    ejecuta(QStringLiteral("INSERT INTO \"#TempPMIX\" ")
            + articulosVendidos(desde, hasta, condicionCombo(cmbCategoria, kTodas, QStringLiteral(" AND Pr.ID_Categoria="))));

    // The totals cover every product, also those the filter hides, so the shares stay the same.
    const QString filtro = chkVenta->isChecked() ? QStringLiteral(" WHERE Articulos>0") : QString();
    adodb::Recordset rs = consulta(
        QStringLiteral("SELECT id_Producto AS ID_Producto,Nombre_Completo,PrecioOriginal,Articulos,PrecioVendido,"
                       "Articulos*PrecioVendido AS MontoVenta,Costo,"
                       "CASE WHEN IFNULL(TotalCosto,0)=0 THEN 0 ELSE Costo*100.0/TotalCosto END AS PrcCosto,"
                       "CASE WHEN IFNULL(TotalVenta,0)=0 THEN 0 ELSE Articulos*PrecioVendido*100.0/TotalVenta END AS PrcVenta "
                       "FROM \"#TempPMIX\","
                       "(SELECT TOTAL(Costo) AS TotalCosto FROM \"#TempPMIX\") AS prcCosto,"
                       "(SELECT TOTAL(IFNULL(PrecioVendido*Articulos,0)) AS TotalVenta FROM \"#TempPMIX\") AS prcVenta")
        + filtro + QStringLiteral(" ORDER BY Nombre_Completo"));

    const grid::CellFormat numeroFmt = grid::CellFormat::number(2);
    bool hayFilas = false;
    for (; !rs.eof(); rs.moveNext()) {
        hayFilas = true;
        const int fila = g->rowCount() + 1;
        g->setRowCount(fila);
        g->setText(fila, 1, rs.field(QStringLiteral("ID_Producto")).text());
        g->setText(fila, 2, rs.field(QStringLiteral("Nombre_Completo")).text());
        g->setText(fila, 3, QString::number(numeroCampo(rs, QStringLiteral("PrecioOriginal")), 'f', 2));
        g->setText(fila, 4, QString::number(static_cast<qint64>(numeroCampo(rs, QStringLiteral("Articulos")))));
        const bool sinPrecio = rs.field(QStringLiteral("PrecioVendido")).value().isNull();
        const double costo = numeroCampo(rs, QStringLiteral("Costo"));
        const double valores[] = {numeroCampo(rs, QStringLiteral("PrecioVendido")), numeroCampo(rs, QStringLiteral("MontoVenta")), costo,
                                  sinPrecio ? costo : numeroCampo(rs, QStringLiteral("PrecioVendido")) - costo};
        for (int i = 0; i < 4; ++i) {
            g->setCellFormat(fila, 5 + i, numeroFmt);
            g->setValue(fila, 5 + i, valores[i]);
        }
        g->setText(fila, 9, QString::number(numeroCampo(rs, QStringLiteral("PrcCosto"))));
        g->setCellFormat(fila, 10, grid::CellFormat::percent(2));
        g->setValue(fila, 10, numeroCampo(rs, QStringLiteral("PrcVenta")));
    }
    ejecuta(QStringLiteral("DROP TABLE \"#TempPMIX\""));
    if (!hayFilas)
        ui::msgBox(QStringLiteral("No hay registros"), ui::Information, QStringLiteral("Vereduda Zorva"));
}
