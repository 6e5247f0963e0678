#pragma once

#include <QDate>
#include <QString>

// The statements of the hours reports over the clock entries (HorasXEmpleado) of a period of
// working dates, both whole.
namespace sqlhoras {

// The employee's name from the columns of the Empleado table under `alias`: paternal surname,
// maternal surname and first name, single blanks between them, a missing or blank part left out;
// never NULL. The view Vw_DetalleHoras writes the same expression.
QString nombreEmpleado(const QString& alias);

// The period's totals: Minutos, Costo (each NULL for none) and Empleados, the count of entries.
QString totales(const QDate& desde, const QDate& hasta);

// One row per department with entries in the period, in name order: ID_Departamento, Nombre,
// Horas (minutes), CostoPromedio (cost per worked hour, an entry of 0 minutes counted as 1),
// Costo (0 for none).
QString porDepartamento(const QDate& desde, const QDate& hasta);
// Every department, with or without entries in the period, in name order: ID_Departamento, Nombre,
// Horas (minutes of the period's entries; NULL for none).
QString todosLosDepartamentos(const QDate& desde, const QDate& hasta);
// The departments' TOTAL: Horas, CostoPromedio (0-minute entries counted as 1 minute), Costo.
QString totalDepartamentos(const QDate& desde, const QDate& hasta);

// One row per employee with entries in the period, by paternal and maternal surname and first name:
// ID_Empleado, Empleado, Horas (minutes, NULL counted as 0), CostoPromedio, Costo.
QString porEmpleado(const QDate& desde, const QDate& hasta);
// The employees' TOTAL: Horas, CostoPromedio (over the plain sum of minutes; 0 when that is 0),
// Costo (0 for none).
QString totalEmpleados(const QDate& desde, const QDate& hasta);

// One row per employee and work date of the period, by name, employee and date: ID_Empleado,
// Empleado, Fecha_Trabajo ("ddmmyyyy"), Horas (minutes, NULL counted as 0).
QString diasPorEmpleado(const QDate& desde, const QDate& hasta);

// The clock entries of the period, optionally of one department, as the hours detail lists them,
// in entry order: Id_Entrada, Empleado, Departamento, Costo_Hora, Hora_Inicio, Hora_Final (the
// times of day, "hh:mm:ss"), Minutos, Costo, in this order.
QString detalle(const QDate& desde, const QDate& hasta, const QString& condicionDepartamento);
// The same columns of one clock entry.
QString detalleEntrada(qint64 entrada);

} // namespace sqlhoras
