#include "reports/rep_det_comp_empleado.h"

#include "platform/grid/grid.h"

#include <QFrame>
#include <QLabel>

namespace {

// The print codes read "/" as the start of a code: the dates' slashes print as "//".
QString textoImpreso(QString texto)
{
    return texto.replace(QLatin1Char('/'), QStringLiteral("//"));
}

RepVentana::Ajustes ajustesDetalle(const QString& nombre, const QString& periodo)
{
    RepVentana::Ajustes a;
    a.titulo = QStringLiteral("Detalle de Ventas por Empleado");
    a.disenoTwips = QSize(5844, 3480);
    a.encabezado = RepVentana::Encabezado::LineaEmpresa;
    a.encabezadoDiseno = textoImpreso(nombre + QStringLiteral(" Periodo ") + periodo);
    a.bordeImpresion = true;
    a.margenSuperior = 300;
    a.margenInferior = 100;
    a.margenIzquierdo = 150;
    a.margenDerecho = 100;
    a.orientacion = grid::Orientation::Portrait;
    return a;
}

} // namespace

repDetCompEmpleado::repDetCompEmpleado(const QString& nombre, const QString& periodo, QWidget* parent)
    : RepVentana(QStringLiteral("repDetCompEmpleado"), ajustesDetalle(nombre, periodo), parent)
{
    FraSeleccion->setFrameShape(QFrame::NoFrame);
    lblNombre = new QLabel(nombre);
    lblNombre->setObjectName(QStringLiteral("lblNombre"));
    QFont negrita = lblNombre->font();
    negrita.setBold(true);
    lblNombre->setFont(negrita);
    agregaControl(lblNombre);
    fpsDetalle = creaRejilla(QStringLiteral("fpsDetalle"), QStringLiteral("PrvVista"));
    fpsDetalle->setColumnCount(3);
    fpsDetalle->setRowCount(0);
    fpsDetalle->setRowHeaderVisible(false);
    fpsDetalle->setText(0, 1, QStringLiteral("Categoria"));
    fpsDetalle->setText(0, 2, QStringLiteral("Articulos"));
    fpsDetalle->setText(0, 3, QStringLiteral("Monto"));
    fpsDetalle->setColumnWidth(1, 18.87);
    fpsDetalle->setColumnWidth(3, 12.37);
    fpsDetalle->setAllLocked(true);
    fpsDetalle->setColumnFormat(2, grid::CellFormat::integer());
    fpsDetalle->setColumnFormat(3, grid::CellFormat::currency());
}

void repDetCompEmpleado::agregaCategoria(const QString& categoria, qint64 articulos, double monto)
{
    const int fila = fpsDetalle->rowCount() + 1;
    fpsDetalle->setRowCount(fila);
    fpsDetalle->setText(fila, 1, categoria);
    fpsDetalle->setValue(fila, 2, articulos);
    fpsDetalle->setValue(fila, 3, monto);
}

void repDetCompEmpleado::preparaImpresion(bool paraVista)
{
    if (!paraVista) {
        RepVentana::preparaImpresion(false);
        return;
    }
    // The preview keeps what the last print set and only drops the side margins.
    grid::PrintSettings s = fpsDetalle->printSettings();
    if (s.header.isEmpty())
        s.header = ajustes().encabezadoDiseno;
    s.marginLeft = s.marginRight = 0;
    s.printBorder = true;
    fpsDetalle->setPrintSettings(s);
}
