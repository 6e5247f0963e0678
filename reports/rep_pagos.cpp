#include "reports/rep_pagos.h"

#include "foundation/routines/fecha_trabajo.h"
#include "platform/grid/grid.h"
#include "platform/grid/grid_stack.h"

#include <QDateEdit>
#include <QLabel>

namespace {

constexpr int kColumnas = 6;
constexpr int kEncabezado = 9;

RepVentana::Ajustes ajustesPagos()
{
    RepVentana::Ajustes a;
    a.titulo = QStringLiteral("Informe de Detalles de Pago(Pago)");
    a.maximizada = true;
    a.escCierra = true;
    a.vistaOcultaAlActivar = true;
    a.encabezado = RepVentana::Encabezado::LineaEmpresa;
    a.bordeImpresion = false;
    a.margenSuperior = 100;
    a.margenInferior = 100;
    a.margenIzquierdo = 100;
    a.margenDerecho = 100;
    a.orientacion = grid::Orientation::Portrait;
    // The preview only turns the print border off: it shows the set-up of the last print.
    a.vistaConAjustes = false;
    return a;
}

double numero(const adodb::Recordset& rs, const char* campo)
{
    return rs.field(QLatin1String(campo)).value().toDouble();
}

// The share of a total in percent, 0 for a total of 0.
double porcentaje(double parte, double total)
{
    return total == 0 ? 0 : 100 * parte / total;
}

} // namespace

RepPagos::RepPagos(QWidget* parent) : RepVentana(QStringLiteral("RepPagos"), ajustesPagos(), parent)
{
    dtpFecha = agregaFecha(QStringLiteral("dtpFecha"), QStringLiteral("Fecha Inicio:"));
    dtpFechaFin = agregaFecha(QStringLiteral("dtpFechaFin"), QStringLiteral("Fecha Fin:"));
    for (QLabel* etiqueta : FraSeleccion->findChildren<QLabel*>())
        etiqueta->setObjectName(etiqueta->buddy() == dtpFecha ? QStringLiteral("Label1") : QStringLiteral("Label2"));
    agregaBuscar(QStringLiteral("cmbBuscar"), QStringLiteral("Buscar registros"));

    grid::Grid* fpsDatos = creaRejilla(QStringLiteral("fpsDatos"), QStringLiteral("fpsVista"));
    fpsDatos->setColumnCount(kColumnas);
    fpsDatos->setRowCount(kEncabezado + 1);
    fpsDatos->setColumnHeaderVisible(false);
    fpsDatos->setRowHeaderVisible(false);
    for (int c = 1; c <= kColumnas; ++c)
        fpsDatos->setColumnWidth(c, 15);
    fpsDatos->setSpan(1, 1, 1, 5);
    fpsDatos->setText(1, 1, QString(27, QLatin1Char(' ')) + QStringLiteral("INFORME DE DETALLES DE PAGO"));
    fpsDatos->setCellBold(1, 1, true);
    fpsDatos->setCellFontSize(1, 1, 14);
    fpsDatos->setRowHeight(1, 22);
    fpsDatos->setSpan(2, 3, 1, 2);
    fpsDatos->setRangeBackground({4, 1, 4, kColumnas}, QColor(128, 128, 128));
    fpsDatos->setRowHeight(5, 4);
    banda(6, QStringLiteral("********PAGOS********"));
    banda(7, QStringLiteral("*******RESUMEN*******"));
    const QStringList titulos{QStringLiteral("Forma de Pago"), QStringLiteral("Cantidad"), QStringLiteral("Monto"),
                              QStringLiteral("Propina"),       QStringLiteral("Total"),    QStringLiteral("%Total")};
    for (int c = 1; c <= kColumnas; ++c) {
        fpsDatos->setText(8, c, titulos.at(c - 1));
        fpsDatos->setCellAlignment(8, c, c == 1 ? Qt::AlignLeft : Qt::AlignRight);
    }
    fpsDatos->setRangeBold({8, 1, 8, kColumnas}, true);
    lineaInferior(8);
    fpsDatos->setAllLocked(true);
    grid::PrintSettings s = fpsDatos->printSettings();
    s.printBorder = false;
    fpsDatos->setPrintSettings(s);
}

int RepPagos::agregaRenglon()
{
    grid::Grid* fpsDatos = rejilla();
    const int renglon = fpsDatos->rowCount() + 1;
    fpsDatos->setRowCount(renglon);
    fpsDatos->setActiveCell(renglon, 1);
    return renglon;
}

// A banner centred on column 3, over its neighbours, which stay empty: it is wider than a column.
void RepPagos::banda(int renglon, const QString& texto)
{
    grid::Grid* fpsDatos = rejilla();
    fpsDatos->setSpan(renglon, 2, 1, 3);
    fpsDatos->setCellFormat(renglon, 2, grid::CellFormat::staticText());
    fpsDatos->setText(renglon, 2, texto);
    fpsDatos->setCellAlignment(renglon, 2, Qt::AlignHCenter);
}

void RepPagos::lineaInferior(int renglon)
{
    rejilla()->setRangeBorder({renglon, 1, renglon, kColumnas}, Qt::BottomEdge, Qt::black, Qt::SolidLine);
}

void RepPagos::buscar()
{
    grid::Grid* fpsDatos = rejilla();
    fpsDatos->setRowCount(kEncabezado);
    fpsDatos->setRowCount(kEncabezado + 1);
    fpsDatos->setCellBold(2, 3, true);
    fpsDatos->setText(2, 3, QString(8, QLatin1Char(' ')) + dtpFecha->date().toString(QStringLiteral("dd/MM/yyyy"))
                                + QStringLiteral(" - ") + dtpFechaFin->date().toString(QStringLiteral("dd/MM/yyyy")));
    const QString periodo = fechatrabajo::periodo(dtpFecha->date(), dtpFechaFin->date(), QStringLiteral("COM.Fecha_Trabajo"));
    pagos(periodo);
    cortesias(periodo);
}

// Two passes: the rows and their grand total first, then each row's share of it. A tip or amount
// that is missing counts as 0, so that its payment stays in every figure.
void RepPagos::pagos(const QString& periodo)
{
    grid::Grid* fpsDatos = rejilla();
    adodb::Recordset rs = consulta(
        QStringLiteral("SELECT Nombre_Tipo_Pago,COUNT(PAG.ID_Tipo_Pago) AS ContID,"
                       "IFNULL(SUM(PAG.Monto_Pago),0) AS SumaMontos,IFNULL(SUM(PAG.Propina),0) AS SumaPropinas,"
                       "SUM(IFNULL(PAG.Propina,0)+IFNULL(PAG.Monto_Pago,0)) AS Total "
                       "FROM Comanda COM,Tipo_Pago TP,Pago PAG WHERE COM.ID_Comanda=PAG.ID_Comanda "
                       "AND PAG.ID_Tipo_Pago=TP.ID_Tipo_Pago AND")
        + periodo + QStringLiteral(" GROUP BY Nombre_Tipo_Pago ORDER BY Nombre_Tipo_Pago"));

    const int primero = fpsDatos->rowCount();
    double granTotal = 0, cantidad = 0, montos = 0, propinas = 0;
    for (; !rs.eof(); rs.moveNext()) {
        const int r = fpsDatos->rowCount();
        fpsDatos->setCellFormat(r, 1, grid::CellFormat::staticText());
        fpsDatos->setText(r, 1, rs.field(0).value().toString());
        fpsDatos->setCellFormat(r, 2, grid::CellFormat::staticText());
        fpsDatos->setCellAlignment(r, 2, Qt::AlignRight);
        fpsDatos->setText(r, 2, QString::number(rs.field(1).value().toLongLong()));
        const double valores[] = {numero(rs, "SumaMontos"), numero(rs, "SumaPropinas"), numero(rs, "Total")};
        for (int c = 3; c <= 5; ++c) {
            fpsDatos->setCellFormat(r, c, grid::CellFormat::currency());
            fpsDatos->setValue(r, c, valores[c - 3]);
        }
        cantidad += rs.field(1).value().toDouble();
        montos += valores[0];
        propinas += valores[1];
        granTotal += valores[2];
        agregaRenglon();
    }
    // Single precision, as the shares are added up: they show 100 % whenever the total is not 0.
    float sumaPorcentajes = 0;
    if (rs.recordCount() > 0)
        rs.moveFirst();
    for (int r = primero; !rs.eof(); rs.moveNext(), ++r) {
        const double parte = porcentaje(numero(rs, "Total"), granTotal);
        fpsDatos->setCellFormat(r, 6, grid::CellFormat::percent());
        fpsDatos->setValue(r, 6, parte);
        sumaPorcentajes += static_cast<float>(parte);
    }
    lineaInferior(fpsDatos->rowCount());

    const int total = agregaRenglon();
    fpsDatos->setText(total, 1, QStringLiteral("Total de Pagos"));
    if (rs.recordCount() > 0) {
        fpsDatos->setCellFormat(total, 2, grid::CellFormat::staticText());
        fpsDatos->setCellAlignment(total, 2, Qt::AlignRight);
        fpsDatos->setText(total, 2, QString::number(cantidad, 'f', 0));
        fpsDatos->setCellFormat(total, 3, grid::CellFormat::currency());
        fpsDatos->setValue(total, 3, montos);
        fpsDatos->setCellFormat(total, 4, grid::CellFormat::currency());
        fpsDatos->setValue(total, 4, propinas);
    }
    fpsDatos->setCellFormat(total, 5, grid::CellFormat::currency());
    fpsDatos->setCellAlignment(total, 5, Qt::AlignRight);
    fpsDatos->setValue(total, 5, granTotal);
    fpsDatos->setCellFormat(total, 6, grid::CellFormat::percent());
    fpsDatos->setCellAlignment(total, 6, Qt::AlignRight);
    fpsDatos->setValue(total, 6, static_cast<double>(sumaPorcentajes));
    fpsDatos->setRangeBold({total, 1, total, kColumnas}, true);
}

void RepPagos::cortesias(const QString& periodo)
{
    grid::Grid* fpsDatos = rejilla();
    fpsDatos->setRowCount(fpsDatos->rowCount() + 4);
    int r = fpsDatos->rowCount();
    fpsDatos->setActiveCell(r, 3);
    banda(r, QStringLiteral("*****CORTESIAS******"));
    banda(agregaRenglon(), QStringLiteral("*****RESUMEN*******"));
    r = agregaRenglon();
    const QStringList titulos{QStringLiteral("Tipo de Cortesia"), QStringLiteral("Cantidad"), QStringLiteral("Monto"),
                              QStringLiteral("%Total")};
    for (int c = 1; c <= titulos.size(); ++c) {
        fpsDatos->setText(r, c, titulos.at(c - 1));
        fpsDatos->setCellBold(r, c, true);
        if (c > 1)
            fpsDatos->setCellAlignment(r, c, Qt::AlignRight);
    }
    lineaInferior(r);
    const int encima = agregaRenglon();
    pila()->showGrid();

    // Each courtesy rounded before it is added; courtesies of voided items do not count.
    adodb::Recordset rs = consulta(
        QStringLiteral("SELECT Nombre_Tipo_Cortesia,COUNT(COR.ID_ProductosXCuenta) AS Cantidad,"
                       "IFNULL(SUM(Redondear(COR.Monto)),0) AS Monto "
                       "FROM Cortesia COR,ProductosXCuenta PXC,Tipo_Cortesia TC,Comanda COM "
                       "WHERE COR.ID_Tipo_Cortesia=TC.ID_Tipo_Cortesia AND COR.ID_ProductosXCuenta=PXC.ID_ProductosXCuenta "
                       "AND PXC.ID_Comanda=COM.ID_Comanda AND PXC.ID_Tipo_Anulacion IS NULL AND")
        + periodo + QStringLiteral(" GROUP BY Nombre_Tipo_Cortesia ORDER BY Nombre_Tipo_Cortesia"));
    double cantidad = 0, monto = 0;
    for (; !rs.eof(); rs.moveNext()) {
        r = agregaRenglon();
        fpsDatos->setText(r, 1, rs.field(0).value().toString());
        fpsDatos->setCellAlignment(r, 2, Qt::AlignRight);
        fpsDatos->setText(r, 2, QString::number(rs.field(1).value().toLongLong()));
        fpsDatos->setCellFormat(r, 3, grid::CellFormat::currency());
        fpsDatos->setValue(r, 3, numero(rs, "Monto"));
        cantidad += rs.field(1).value().toDouble();
        monto += numero(rs, "Monto");
    }
    float sumaPorcentajes = 0;
    if (rs.recordCount() > 0) {
        rs.moveFirst();
        for (int fila = encima + 1; !rs.eof(); rs.moveNext(), ++fila) {
            const double parte = porcentaje(numero(rs, "Monto"), monto);
            fpsDatos->setCellFormat(fila, 4, grid::CellFormat::percent());
            fpsDatos->setValue(fila, 4, parte);
            sumaPorcentajes += static_cast<float>(parte);
        }
    }
    lineaInferior(agregaRenglon());

    r = agregaRenglon();
    fpsDatos->setText(r, 1, QStringLiteral("Cortesias Totales"));
    fpsDatos->setCellAlignment(r, 2, Qt::AlignRight);
    fpsDatos->setText(r, 2, QString::number(cantidad, 'f', 0));
    fpsDatos->setCellFormat(r, 3, grid::CellFormat::currency());
    fpsDatos->setValue(r, 3, monto);
    // Our percent cell holds the percentage itself, as the rows above do.
    fpsDatos->setCellFormat(r, 4, grid::CellFormat::percent());
    fpsDatos->setValue(r, 4, static_cast<double>(sumaPorcentajes));
    fpsDatos->setRangeBold({r, 1, r, 4}, true);
}
