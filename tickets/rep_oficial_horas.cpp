#include "tickets/rep_oficial_horas.h"

#include "platform/grid/grid.h"
#include "platform/grid/spanish_dates.h"
#include "reports/renglones.h"
#include "tickets/sql_horas.h"

#include <algorithm>

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
    // Read by hand: a parse by pattern costs more than the rest of the row.
    const bool digitos = fechaTrabajo.size() == 8
        && std::all_of(fechaTrabajo.cbegin(), fechaTrabajo.cend(), [](QChar c) { return c >= u'0' && c <= u'9'; });
    const auto parte = [&fechaTrabajo](int desde, int largo) { return QStringView(fechaTrabajo).mid(desde, largo).toInt(); };
    const QDate fecha = digitos ? QDate(parte(4, 4), parte(2, 2), parte(0, 2)) : QDate();
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
    const adodb::Recordset rs = consulta(sqlhoras::diasPorEmpleado(desde(), hasta()));
    // By position: ID_Empleado, Empleado, Fecha_Trabajo, Horas.
    const int dias = rs.recordCount();
    const auto empleadoDe = [&rs](int registro) { return rs.cell(registro, 0).toLongLong(); };

    // The section's rows at once: each employee's days and five of their own (name, spacer,
    // TOTAL, signature, spacer).
    int empleados = 0;
    for (int i = 0; i < dias; ++i)
        if (i == 0 || empleadoDe(i) != empleadoDe(i - 1))
            ++empleados;
    int fila = g.rowCount();
    g.setRowCount(fila + dias + 5 * empleados);
    grid::QuietCellWrites quiet(g);

    double minutos = 0;
    for (int i = 0; i < dias; ++i) {
        if (i == 0 || empleadoDe(i) != empleadoDe(i - 1)) {
            EscribeTitulo(g, ++fila, rs.cell(i, 1).toString());
            minutos = 0;
            ++fila;
        }
        ++fila;
        g.setText(fila, 1, diaTrabajo(rs.cell(i, 2).toString()));
        g.setCellAlignment(fila, 1, Qt::AlignRight);
        const double horas = rs.cell(i, 3).toDouble();
        numeroEn(fila, 2, horas / 60);
        // The employee's TOTAL is the sum of these days: the same entries and dates.
        minutos += horas;
        if (i + 1 == dias || empleadoDe(i + 1) != empleadoDe(i))
            fila = cierreEmpleado(fila, minutos);
    }
}

int RepOficialHoras::cierreEmpleado(int fila, double minutos)
{
    grid::Grid& g = *rejilla();
    ++fila;
    g.setText(fila, 1, QStringLiteral("TOTAL"));
    g.setCellAlignment(fila, 1, Qt::AlignRight);
    lineaTotal(1, 2, fila);
    numeroEn(fila, 2, minutos / 60, 2, Qt::AlignHCenter);
    EscribeTitulo(g, ++fila, QStringLiteral("FIRMA DE CONFORMIDAD:"));
    g.setText(fila, 2, QStringLiteral("_____________________"));
    return fila + 1;
}
