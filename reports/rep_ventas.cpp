#include "reports/rep_ventas.h"

#include "foundation/database/cls_ado.h"
#include "foundation/routines/period_sales.h"
#include "platform/grid/grid.h"
#include "reports/renglones.h"
#include "reports/sql_ventas.h"

#include <QDateEdit>
#include <QLabel>

namespace {

constexpr int kColumnas = 20;
constexpr int kRenglonesEncabezado = 4;
const double kAnchos[kColumnas] = {21.5,  13.75, 9.62,  10.12, 11.75, 12.75, 10.37, 11.12, 11.25, 11.12,
                                   11,    11.75, 12.25, 11.87, 10.87, 10.87, 11.37, 11.12, 12,    12.62};

const QString kTempDia = QStringLiteral("#TempDia");
const QString kTmpVentas = QStringLiteral("#Tmp_Ventas");
const QString kTempSecCat = QStringLiteral("#TempSecCat");

RepVentana::Ajustes ajustesVentas()
{
    RepVentana::Ajustes a;
    a.titulo = QStringLiteral("Reporte de ventas");
    a.maximizada = true;
    a.escCierra = true;
    a.vistaOcultaAlActivar = true;
    a.encabezado = RepVentana::Encabezado::LineaEmpresa;
    a.bordeImpresion = false;
    a.margenSuperior = 100;
    a.margenInferior = 100;
    a.margenIzquierdo = 350;
    a.orientacion = grid::Orientation::Portrait;
    a.vistaSoloMargenes = RepVentana::Ajustes::MargenesVista{350, 0, false};
    return a;
}

QString textoFecha(const QDate& fecha)
{
    return fecha.toString(QStringLiteral("dd/MM/yyyy"));
}

} // namespace

RepVentas::RepVentas(QWidget* parent) : RepVentana(QStringLiteral("RepVentas"), ajustesVentas(), parent)
{
    dtpFecha = agregaFecha(QStringLiteral("dtpFecha"), QStringLiteral("Fecha Inicio:"));
    dtpFechaFin = agregaFecha(QStringLiteral("dtpFechaFin"), QStringLiteral("Fecha Fin:"));
    for (QLabel* etiqueta : FraSeleccion->findChildren<QLabel*>())
        etiqueta->setObjectName(etiqueta->buddy() == dtpFecha ? QStringLiteral("Label1") : QStringLiteral("Label2"));
    agregaBuscar(QStringLiteral("cmbBuscar"), QStringLiteral("Buscar registros"));

    grid::Grid* sprDatos = creaRejilla(QStringLiteral("sprDatos"), QStringLiteral("PrvVista"));
    sprDatos->setColumnCount(kColumnas);
    sprDatos->setRowCount(kRenglonesEncabezado);
    for (int c = 1; c <= kColumnas; ++c)
        sprDatos->setColumnWidth(c, kAnchos[c - 1]);
    sprDatos->setText(1, 3, QStringLiteral("INFORME DE VENTAS"));
    sprDatos->setCellBold(1, 3, true);
    sprDatos->setCellFontSize(1, 3, 12);
    sprDatos->setSpan(1, 3, 1, 3);
    sprDatos->setRangeBackground({3, 1, 3, kColumnas}, QColor(192, 192, 192));
    sprDatos->setColumnHeaderVisible(false);
    sprDatos->setRowHeaderVisible(false);
    setTablasTemporales(QStringList{kTempDia, kTmpVentas, kTempSecCat} + PeriodSales::tables());
}

void RepVentas::renglonVacio()
{
    rejilla()->setRowCount(rejilla()->rowCount() + 1);
}

void RepVentas::titulo(const QString& texto, int columnas)
{
    AgregaTitulo(*rejilla(), texto);
    rejilla()->setSpan(rejilla()->rowCount(), 1, 1, columnas);
}

void RepVentas::buscar()
{
    grid::Grid* sprDatos = rejilla();
    const QDate desde = dtpFecha->date(), hasta = dtpFechaFin->date();
    const QString inicio = textoFecha(desde), fin = textoFecha(hasta);

    // Back to the design: a wide cross-tab of the last search may have added columns.
    sprDatos->setRowCount(kRenglonesEncabezado);
    sprDatos->setColumnCount(kColumnas);
    sprDatos->setCellBold(2, 4, true);
    sprDatos->setText(2, 4, inicio + QStringLiteral(" - ") + fin);
    sprDatos->setSpan(2, 4, 1, 2);

    // Every section below, and the procedures called, read the period's items from here.
    const PeriodSales ventas(g_ClsAdo().conexion(), desde, hasta);
    ventasNetasYBrutas();

    renglonVacio();
    adodb::Recordset secciones = consulta(QStringLiteral("SELECT * FROM Seccion_dia ORDER BY Nombre"));

    const QString invitados = QStringLiteral("Invitados_X_SeccionDia '") + inicio + QStringLiteral("','") + fin
        + QLatin1Char('\'');
    titulo(QStringLiteral("Número de invitados por parte del Día"), 3);
    ejecuta(QStringLiteral("CREATE TEMP TABLE \"#TempDia\" (ID_Comanda NUMERIC, Fecha_Apertura DATETIME TEXT,"
                           " Categoria VARCHAR(80), Huespedes INTEGER, Monto REAL)"));
    ejecuta(sqlventas::llenaTempDia());
    porSeccionDia(invitados, QStringLiteral("Invitados"));
    titulo(QStringLiteral("Cuentas por Parte del Día"), 2);
    porSeccionDia(invitados, QStringLiteral("Cuentas"));

    ventasPorCategoria(inicio, fin);
    ventasSeccionCategoria(secciones);

    seccionLista(QStringLiteral("Pagos no hechos en efectivo"), consulta(sqlventas::pagosNoEfectivo(desde, hasta)),
                 QStringLiteral("Nombre_Tipo_Pago"));
    seccionLista(QStringLiteral("Cortesias"), consulta(sqlventas::cortesias()),
                 QStringLiteral("Nombre_Tipo_Cortesia"));
    seccionLista(QStringLiteral("Promociones"), consulta(sqlventas::promociones()),
                 QStringLiteral("Nombre_Promocion"));
    seccionLista(QStringLiteral("Anulaciones"), consulta(sqlventas::anulaciones()),
                 QStringLiteral("Nombre_Categoria"));
    seccionLista(QStringLiteral("Impuestos"),
                 g_ClsAdo().conexion().execute(QStringLiteral("Rep_Ventas_Imp_Mod '") + inicio + QStringLiteral("','")
                                               + fin + QLatin1Char('\'')),
                 QStringLiteral("Nombre_Tipo_Impuesto"));

    efectivoYPropinas(desde, hasta);

    sprDatos->setRowCount(sprDatos->rowCount() + 2);
    const int ultimo = sprDatos->rowCount();
    sprDatos->setSpan(ultimo, 1, 1, 3);
    sprDatos->setText(ultimo, 1, QStringLiteral("   ******** Fin de Informe ********   "));
    sprDatos->setCellBold(ultimo, 1, true);
}

void RepVentas::ventasNetasYBrutas()
{
    adodb::Recordset netas = consulta(sqlventas::ventasNetas());
    AgregaRenglon(*rejilla(), QStringLiteral("VENTAS NETAS"));
    EscribeMonto(*rejilla(), netas.eof() ? 0.0 : netas.value(QStringLiteral("TotalVenta")).toDouble());
    adodb::Recordset brutas = consulta(sqlventas::ventasBrutas());
    AgregaRenglon(*rejilla(), QStringLiteral("VENTAS BRUTAS"));
    EscribeMonto(*rejilla(), brutas.eof() ? 0.0 : brutas.value(QStringLiteral("Bruto")).toDouble());
}

// The guests or the checks of each day part, as the procedure returns them, and their total.
void RepVentas::porSeccionDia(const QString& llamada, const QString& campo)
{
    grid::Grid& g = *rejilla();
    adodb::Recordset rs = g_ClsAdo().conexion().execute(llamada);
    qint64 total = 0;
    for (; !rs.isNull() && !rs.eof(); rs.moveNext()) {
        AgregaRenglon(g, rs.value(QStringLiteral("Nombre")).toString());
        const int fila = g.activeRow();
        g.setCellFormat(fila, 2, grid::CellFormat::number(0));
        const qint64 cantidad = rs.value(campo).toLongLong();
        g.setText(fila, 2, QString::number(cantidad));
        total += cantidad;
    }
    AgregaRenglon(g, QStringLiteral("TOTAL"));
    const int fila = g.activeRow();
    g.setCellFormat(fila, 2, grid::CellFormat::number(0));
    g.setCellBorder(fila, 2, Qt::TopEdge, Qt::black, Qt::SolidLine);
    g.setValue(fila, 2, double(total));
    renglonVacio();
}
