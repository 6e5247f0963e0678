#include "tickets/rep_resumen_horas.h"

#include "platform/grid/grid.h"
#include "reports/renglones.h"
#include "tickets/sql_horas.h"

namespace {

RepVentana::Ajustes ajustesResumen()
{
    RepVentana::Ajustes a;
    a.titulo = QStringLiteral("Resumen de Horas");
    a.maximizada = true;
    a.escCierra = true;
    a.vistaOcultaAlActivar = true;
    a.encabezado = RepVentana::Encabezado::LineaEmpresa;
    a.bordeImpresion = false;
    a.margenSuperior = 100;
    a.margenInferior = 100;
    a.margenIzquierdo = 350;
    a.orientacion = grid::Orientation::Landscape;
    a.vistaSoloMargenes = RepVentana::Ajustes::MargenesVista{350, 0, false};
    return a;
}

// One day of work, in minutes, over which the productivity is measured.
constexpr double kMinutosDia = 480;

} // namespace

RepResumenHoras::RepResumenHoras(QWidget* parent) : RepNomina(QStringLiteral("RepResumenHoras"), ajustesResumen(), parent)
{
}

void RepResumenHoras::buscar()
{
    encabezado(QStringLiteral("RESUMEN DE HORAS"), false, 2);
    const Totales t = totalesPeriodo();
    grid::Grid& g = *rejilla();

    renglonVacio();
    titulo(QStringLiteral("Resumen de Horas X Departamento"));
    renglonTitulos({QStringLiteral("DEPARTAMENTO"), QStringLiteral("HORAS"), QStringLiteral("COSTO PROM."),
                    QStringLiteral("COSTO TOTAL"), QStringLiteral("% HORAS NOMINA"), QStringLiteral("% COSTO NOMINA")});
    for (adodb::Recordset rs = consulta(sqlhoras::porDepartamento(desde(), hasta())); !rs.eof(); rs.moveNext()) {
        AgregaRenglon(g, rs.value(QStringLiteral("Nombre")).toString());
        celdasRenglon(rs, t, false);
    }
    AgregaRenglon(g, QStringLiteral("TOTAL"));
    lineaTotal(2, 7);
    celdasTotal(consulta(sqlhoras::totalDepartamentos(desde(), hasta())), t, false);

    renglonVacio();
    titulo(QStringLiteral("Resumen de Horas X Empleado"));
    renglonTitulos({QStringLiteral("EMPLEADO"), QStringLiteral("HORAS"), QStringLiteral("COSTO PROM."),
                    QStringLiteral("COSTO TOTAL"), QStringLiteral("% HORAS NOMINA"), QStringLiteral("% COSTO NOMINA"),
                    QStringLiteral("% PRODUCTIVIDAD")});
    for (adodb::Recordset rs = consulta(sqlhoras::porEmpleado(desde(), hasta())); !rs.eof(); rs.moveNext()) {
        AgregaRenglon(g, rs.value(QStringLiteral("Empleado")).toString());
        celdasRenglon(rs, t, true);
    }
    AgregaRenglon(g, QStringLiteral("TOTAL"));
    lineaTotal(2, 7);
    celdasTotal(consulta(sqlhoras::totalEmpleados(desde(), hasta())), t, true);
    renglonVacio();
}

void RepResumenHoras::celdasRenglon(const adodb::Recordset& rs, const Totales& t, bool productividad)
{
    grid::Grid& g = *rejilla();
    const int fila = g.rowCount();
    const QVariant horas = rs.value(QStringLiteral("Horas"));
    const QVariant costo = rs.value(QStringLiteral("Costo"));
    numero(2, horas.toDouble() / 60);
    for (const int c : {3, 4})
        g.setCellFormat(fila, c, grid::CellFormat::currency());
    g.setValue(fila, 3, rs.value(QStringLiteral("CostoPromedio")).toDouble());
    g.setValue(fila, 4, costo.toDouble());
    for (int c = 5; c <= (productividad ? 7 : 6); ++c)
        g.setCellFormat(fila, c, grid::CellFormat::percent());
    g.setValue(fila, 5, horas.isNull() ? 0.0 : horas.toDouble() * 100 / t.divisorMinutos());
    g.setValue(fila, 6, costo.isNull() ? 0.0 : costo.toDouble() * 100 / t.divisorCosto());
    if (productividad)
        g.setValue(fila, 7, horas.isNull() ? 0.0 : horas.toDouble() * 100 / kMinutosDia);
}

void RepResumenHoras::celdasTotal(const adodb::Recordset& rs, const Totales& t, bool productividad)
{
    grid::Grid& g = *rejilla();
    const int fila = g.rowCount();
    const QVariant horas = rs.eof() ? QVariant() : rs.value(QStringLiteral("Horas"));
    const QVariant costo = rs.eof() ? QVariant() : rs.value(QStringLiteral("Costo"));
    numero(2, horas.toDouble() / 60);
    for (const int c : {3, 4}) {
        g.setCellFormat(fila, c, grid::CellFormat::currency());
        g.setCellAlignment(fila, c, Qt::AlignRight);
    }
    g.setValue(fila, 3, rs.eof() ? 0.0 : rs.value(QStringLiteral("CostoPromedio")).toDouble());
    g.setValue(fila, 4, costo.toDouble());
    // A share without a source stays empty.
    for (int c = 5; c <= (productividad ? 7 : 6); ++c) {
        g.setCellFormat(fila, c, grid::CellFormat::percent());
        g.setCellAlignment(fila, c, Qt::AlignRight);
    }
    if (!horas.isNull())
        g.setValue(fila, 5, horas.toDouble() * 100 / t.divisorMinutos());
    if (!costo.isNull())
        g.setValue(fila, 6, costo.toDouble() * 100 / t.divisorCosto());
    if (productividad && !horas.isNull())
        g.setValue(fila, 7, 100.0);
}
