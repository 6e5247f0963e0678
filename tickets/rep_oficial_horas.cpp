#include "tickets/rep_oficial_horas.h"

#include "platform/grid/grid.h"
#include "platform/grid/spanish_dates.h"
#include "reports/renglones.h"
#include "tickets/sql_horas.h"

namespace {

RepVentana::Ajustes ajustesOficial()
{
    RepVentana::Ajustes a;
    a.titulo = QStringLiteral("Horas X Empleado");
    a.maximizada = true;
    a.escCierra = true;
    a.vistaOcultaAlActivar = true;
    a.encabezado = RepVentana::Encabezado::LineaEmpresa;
    a.bordeImpresion = false;
    a.margenSuperior = 100;
    a.margenInferior = 100;
    a.margenIzquierdo = 300;
    a.orientacion = grid::Orientation::Portrait;
    a.vistaSoloMargenes = RepVentana::Ajustes::MargenesVista{350, 0, false};
    return a;
}

// "31/ene/2025" of a work date "ddmmyyyy"; the text as stored when it is no date.
QString diaTrabajo(const QString& fechaTrabajo)
{
    const QDate fecha = QDate::fromString(fechaTrabajo, QStringLiteral("ddMMyyyy"));
    if (!fecha.isValid())
        return fechaTrabajo;
    return QStringLiteral("%1/%2/%3")
        .arg(fecha.day(), 2, 10, QLatin1Char('0'))
        .arg(spanish::monthAbbreviation(fecha.month()))
        .arg(fecha.year());
}

} // namespace

RepOficialHoras::RepOficialHoras(QWidget* parent) : RepNomina(QStringLiteral("RepOficialHoras"), ajustesOficial(), parent)
{
}

void RepOficialHoras::buscar()
{
    encabezado(QStringLiteral("REPORTE DE HORAS"), true, 3);
    totalesPeriodo();
    departamentos();
    empleados();
}

void RepOficialHoras::departamentos()
{
    grid::Grid& g = *rejilla();
    renglonVacio();
    titulo(QStringLiteral("Resumen de Horas X Departamento"));
    renglonTitulos({QStringLiteral("DEPARTAMENTO"), QStringLiteral("HORAS")});
    for (adodb::Recordset rs = consulta(sqlhoras::todosLosDepartamentos(desde(), hasta())); !rs.eof(); rs.moveNext()) {
        AgregaRenglon(g, rs.value(QStringLiteral("Nombre")).toString());
        numero(2, rs.value(QStringLiteral("Horas")).toDouble() / 60);
    }
    adodb::Recordset total = consulta(sqlhoras::totalDepartamentos(desde(), hasta()));
    AgregaRenglon(g, QStringLiteral("TOTAL"));
    lineaTotal(2, 3);
    numero(2, total.eof() ? 0.0 : total.value(QStringLiteral("Horas")).toDouble() / 60);
}

void RepOficialHoras::empleados()
{
    grid::Grid& g = *rejilla();
    renglonVacio();
    titulo(QStringLiteral("Resumen de Horas X Empleado"));
    renglonTitulos({QString(), QStringLiteral("HORAS")});
    adodb::Recordset rs = consulta(sqlhoras::diasPorEmpleado(desde(), hasta()));
    std::optional<qint64> actual;
    while (!rs.eof()) {
        const qint64 empleado = rs.value(QStringLiteral("ID_Empleado")).toLongLong();
        if (empleado != actual) {
            AgregaTitulo(g, rs.value(QStringLiteral("Empleado")).toString());
            actual = empleado;
            renglonVacio();
        }
        renglonVacio();
        const int fila = g.rowCount();
        g.setText(fila, 1, diaTrabajo(rs.value(QStringLiteral("Fecha_Trabajo")).toString()));
        g.setCellAlignment(fila, 1, Qt::AlignRight);
        numero(2, rs.value(QStringLiteral("Horas")).toDouble() / 60);
        rs.moveNext();
        if (rs.eof() || rs.value(QStringLiteral("ID_Empleado")).toLongLong() != *actual)
            cierreEmpleado(*actual);
    }
}

void RepOficialHoras::cierreEmpleado(qint64 empleado)
{
    grid::Grid& g = *rejilla();
    adodb::Recordset total = consulta(sqlhoras::totalEmpleado(desde(), hasta(), empleado));
    renglonVacio();
    const int fila = g.rowCount();
    g.setText(fila, 1, QStringLiteral("TOTAL"));
    g.setCellAlignment(fila, 1, Qt::AlignRight);
    lineaTotal(1, 2);
    numero(2, total.eof() ? 0.0 : total.value(QStringLiteral("Horas")).toDouble() / 60, 2, Qt::AlignHCenter);
    AgregaTitulo(g, QStringLiteral("FIRMA DE CONFORMIDAD:"));
    g.setText(g.rowCount(), 2, QStringLiteral("_____________________"));
    renglonVacio();
}
