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

void repDetCompEmpleado::agregaCategorias(const adodb::Recordset& categorias)
{
    const grid::QuietCellWrites llenado(*fpsDetalle);
    const int antes = fpsDetalle->rowCount();
    const int filas = categorias.recordCount();
    const int categoria = categorias.field(QStringLiteral("Nombre_Categoria")).index();
    const int articulos = categorias.field(QStringLiteral("Articulo")).index();
    const int monto = categorias.field(QStringLiteral("Monto")).index();
    fpsDetalle->setRowCount(antes + filas);
    for (int r = 0; r < filas; ++r) {
        const int fila = antes + 1 + r;
        fpsDetalle->setText(fila, 1, categorias.cell(r, categoria).toString());
        fpsDetalle->setValue(fila, 2, categorias.cell(r, articulos).toLongLong());
        // An empty sum counts 0.
        const QVariant suma = categorias.cell(r, monto);
        fpsDetalle->setValue(fila, 3, suma.isNull() ? 0.0 : suma.toDouble());
    }
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
