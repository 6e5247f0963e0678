#include "tickets/sql_horas.h"

#include "foundation/routines/fecha_trabajo.h"

namespace sqlhoras {

namespace {

QString periodoHoras(const QDate& desde, const QDate& hasta)
{
    return fechatrabajo::periodo(desde, hasta, QStringLiteral("horas.Fecha_Trabajo"));
}

// SQLite divides integers as integers: the sums are made real first.
const QString kCostoPromedio = QStringLiteral(
    "SUM(horas.Costo)*1.0/SUM(CASE horas.Minutos WHEN 0 THEN 1 ELSE horas.Minutos END)*60 AS CostoPromedio");

} // namespace

QString nombreEmpleado(const QString& alias)
{
    QString partes;
    for (const char* columna : {"Apellido_Paterno", "Apellido_Materno", "Nombre_Empleado"}) {
        const QString c = alias + QLatin1Char('.') + QLatin1String(columna);
        if (!partes.isEmpty())
            partes += QStringLiteral(" || ");
        partes += QStringLiteral("CASE WHEN trim(IFNULL(%1, '')) <> '' THEN ' ' || trim(%1) ELSE '' END").arg(c);
    }
    return QStringLiteral("substr(") + partes + QStringLiteral(", 2)");
}

QString totales(const QDate& desde, const QDate& hasta)
{
    return QStringLiteral("SELECT SUM(Minutos) AS Minutos, SUM(Costo) AS Costo, COUNT(*) AS Empleados FROM Vw_DetalleHoras "
                          "WHERE")
        + fechatrabajo::periodo(desde, hasta);
}

QString porDepartamento(const QDate& desde, const QDate& hasta)
{
    return QStringLiteral("SELECT dep.ID_Departamento, dep.Nombre, SUM(horas.Minutos) AS Horas, ") + kCostoPromedio
        + QStringLiteral(", IFNULL(SUM(horas.Costo), 0) AS Costo FROM HorasXEmpleado horas, Departamentos dep "
                         "WHERE dep.ID_Departamento = horas.ID_Departamento AND")
        + periodoHoras(desde, hasta)
        + QStringLiteral(" GROUP BY dep.ID_Departamento, dep.Nombre ORDER BY dep.Nombre, dep.ID_Departamento");
}

QString todosLosDepartamentos(const QDate& desde, const QDate& hasta)
{
    // The period goes into the join, so that a department without entries in it stays.
    return QStringLiteral("SELECT dep.ID_Departamento, dep.Nombre, SUM(horas.Minutos) AS Horas FROM Departamentos dep "
                          "LEFT JOIN HorasXEmpleado horas ON dep.ID_Departamento = horas.ID_Departamento AND")
        + periodoHoras(desde, hasta)
        + QStringLiteral(" GROUP BY dep.ID_Departamento, dep.Nombre ORDER BY dep.Nombre, dep.ID_Departamento");
}

QString totalDepartamentos(const QDate& desde, const QDate& hasta)
{
    return QStringLiteral("SELECT SUM(horas.Minutos) AS Horas, ") + kCostoPromedio
        + QStringLiteral(", SUM(horas.Costo) AS Costo FROM HorasXEmpleado horas WHERE") + periodoHoras(desde, hasta);
}

QString porEmpleado(const QDate& desde, const QDate& hasta)
{
    return QStringLiteral("SELECT emp.ID_Empleado, ") + nombreEmpleado(QStringLiteral("emp"))
        + QStringLiteral(" AS Empleado, SUM(IFNULL(horas.Minutos, 0)) AS Horas, ") + kCostoPromedio
        + QStringLiteral(", SUM(horas.Costo) AS Costo FROM Empleado emp, HorasXEmpleado horas "
                         "WHERE emp.ID_Empleado = horas.Id_Empleado AND")
        + periodoHoras(desde, hasta)
        + QStringLiteral(" GROUP BY emp.ID_Empleado ORDER BY emp.Apellido_Paterno, emp.Apellido_Materno, "
                         "emp.Nombre_Empleado, emp.ID_Empleado");
}

QString totalEmpleados(const QDate& desde, const QDate& hasta)
{
    // A period whose entries add up to 0 minutes has no average: 0, as for no entries.
    return QStringLiteral("SELECT SUM(horas.Minutos) AS Horas, "
                          "IFNULL(SUM(horas.Costo)*1.0/NULLIF(SUM(horas.Minutos), 0)*60, 0) AS CostoPromedio, "
                          "IFNULL(SUM(horas.Costo), 0) AS Costo FROM HorasXEmpleado horas WHERE")
        + periodoHoras(desde, hasta);
}

QString diasPorEmpleado(const QDate& desde, const QDate& hasta)
{
    // Same-named employees stay apart (by id), and work dates sort as dates.
    return QStringLiteral("SELECT emp.ID_Empleado, ") + nombreEmpleado(QStringLiteral("emp"))
        + QStringLiteral(" AS Empleado, horas.Fecha_Trabajo AS Fecha_Trabajo, SUM(IFNULL(horas.Minutos, 0)) AS Horas "
                         "FROM Empleado emp, HorasXEmpleado horas WHERE emp.ID_Empleado = horas.Id_Empleado AND")
        + periodoHoras(desde, hasta)
        + QStringLiteral(" GROUP BY emp.ID_Empleado, horas.Fecha_Trabajo ORDER BY emp.Apellido_Paterno, "
                         "emp.Apellido_Materno, emp.Nombre_Empleado, emp.ID_Empleado, ")
        + fechatrabajo::expresionOrden(QStringLiteral("horas.Fecha_Trabajo"));
}

namespace {

// The hours detail shows the times of day alone, read as text.
const QString kColumnasDetalle = QStringLiteral(
    "SELECT Id_Entrada, Empleado, Departamento, Costo_Hora, time(Hora_Inicio) AS Hora_Inicio, "
    "time(Hora_Final) AS Hora_Final, Minutos, Costo FROM Vw_DetalleHoras WHERE");

} // namespace

QString detalle(const QDate& desde, const QDate& hasta, const QString& condicionDepartamento)
{
    return kColumnasDetalle + fechatrabajo::periodo(desde, hasta) + condicionDepartamento + QStringLiteral(" ORDER BY Id_Entrada");
}

QString detalleEntrada(qint64 entrada)
{
    return kColumnasDetalle + QStringLiteral(" Id_Entrada = ") + QString::number(entrada);
}

} // namespace sqlhoras
