#include "tickets/rep_nomina.h"

#include "platform/grid/grid.h"
#include "reports/renglones.h"
#include "tickets/sql_horas.h"

#include <QDateEdit>
#include <QLabel>

#include <cmath>

namespace {

constexpr int kColumnas = 7;
constexpr int kRenglonesEncabezado = 4;

// Two decimals, ties to the even neighbour.
double redondea2(double valor)
{
    return std::nearbyint(valor * 100) / 100;
}

QString textoFecha(const QDate& fecha)
{
    return fecha.toString(QStringLiteral("dd/MM/yyyy"));
}

} // namespace

RepNomina::RepNomina(const QString& nombre, const Ajustes& ajustes, QWidget* parent) : RepVentana(nombre, ajustes, parent)
{
    dtpFecha = agregaFecha(QStringLiteral("dtpFecha"), QStringLiteral("Fecha Inicio:"));
    dtpFechaFin = agregaFecha(QStringLiteral("dtpFechaFin"), QStringLiteral("Fecha Fin:"));
    for (QLabel* etiqueta : FraSeleccion->findChildren<QLabel*>())
        etiqueta->setObjectName(etiqueta->buddy() == dtpFecha ? QStringLiteral("Label1") : QStringLiteral("Label2"));
    agregaBuscar(QStringLiteral("cmbBuscar"), QStringLiteral("Buscar registros"));

    grid::Grid* sprDatos = creaRejilla(QStringLiteral("sprDatos"), QStringLiteral("PrvVista"));
    sprDatos->setColumnCount(kColumnas);
    sprDatos->setRowCount(kRenglonesEncabezado);
    const double anchos[kColumnas] = {29.75, 13, 12, 13.62, 16, 15.5, 16};
    for (int c = 1; c <= kColumnas; ++c)
        sprDatos->setColumnWidth(c, anchos[c - 1]);
    for (int c = 2; c <= 6; ++c) {
        sprDatos->setCellBold(1, c, true);
        sprDatos->setCellFontSize(1, c, 16);
    }
    sprDatos->setRangeBackground({4, 1, 4, kColumnas}, QColor(128, 128, 128));
    sprDatos->setColumnHeaderVisible(false);
    sprDatos->setRowHeaderVisible(false);
}

QDate RepNomina::desde() const
{
    return dtpFecha->date();
}

QDate RepNomina::hasta() const
{
    return dtpFechaFin->date();
}

void RepNomina::encabezado(const QString& tituloReporte, bool tituloNegrita, int filaPeriodo)
{
    grid::Grid* g = rejilla();
    g->setRowCount(kRenglonesEncabezado);
    g->setText(1, 3, tituloReporte);
    if (tituloNegrita)
        g->setCellBold(1, 3, true);
    g->setSpan(1, 3, 1, 3);
    g->setCellBold(filaPeriodo, 3, true);
    g->setText(filaPeriodo, 3, QStringLiteral("     ") + textoFecha(desde()) + QStringLiteral(" - ") + textoFecha(hasta()));
    g->setSpan(filaPeriodo, 3, 1, 3);
}

RepNomina::Totales RepNomina::totalesPeriodo()
{
    adodb::Recordset rs = consulta(sqlhoras::totales(desde(), hasta()));
    Totales t;
    if (!rs.eof()) {
        t.costo = rs.value(QStringLiteral("Costo")).toDouble();
        t.minutos = rs.value(QStringLiteral("Minutos")).toDouble();
        t.entradas = rs.value(QStringLiteral("Empleados")).toLongLong();
    }
    t.horas = redondea2(t.minutos / 60);

    grid::Grid& g = *rejilla();
    AgregaRenglon(g, QStringLiteral("COSTO TOTAL"));
    EscribeMonto(g, t.costo);
    AgregaRenglon(g, QStringLiteral("TOTAL HORAS"));
    numero(2, t.horas);
    AgregaRenglon(g, QStringLiteral("EMPLEADOS QUE CHECARON"));
    numero(2, double(t.entradas), 0);
    return t;
}

void RepNomina::renglonVacio()
{
    rejilla()->setRowCount(rejilla()->rowCount() + 1);
}

void RepNomina::titulo(const QString& texto)
{
    AgregaTitulo(*rejilla(), texto);
    rejilla()->setSpan(rejilla()->rowCount(), 1, 1, 3);
}

void RepNomina::renglonTitulos(const QStringList& titulos)
{
    grid::Grid* g = rejilla();
    renglonVacio();
    const int fila = g->rowCount();
    for (int c = 1; c <= titulos.size(); ++c) {
        if (titulos.at(c - 1).isEmpty())
            continue;
        g->setText(fila, c, titulos.at(c - 1));
        g->setCellAlignment(fila, c, Qt::AlignHCenter);
        g->setCellBold(fila, c, true);
    }
}

void RepNomina::lineaTotal(int desdeColumna, int hastaColumna, int fila)
{
    if (fila == 0)
        fila = rejilla()->rowCount();
    rejilla()->setRangeBorder({fila, desdeColumna, fila, hastaColumna}, Qt::TopEdge, Qt::black, Qt::SolidLine);
}

void RepNomina::numero(int columna, double valor, int decimales, Qt::Alignment alineacion)
{
    numeroEn(rejilla()->rowCount(), columna, valor, decimales, alineacion);
}

void RepNomina::numeroEn(int fila, int columna, double valor, int decimales, Qt::Alignment alineacion)
{
    grid::Grid* g = rejilla();
    g->setCellFormat(fila, columna, grid::CellFormat::number(decimales));
    g->setCellAlignment(fila, columna, alineacion);
    g->setValue(fila, columna, valor);
}
