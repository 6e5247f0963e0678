#pragma once

#include <QDate>
#include <QString>

// The working dates "ddmmyyyy" do not sort as text, so every period over them compares one fixed
// expression that turns a column into "yyyymmdd". The central database indexes Comanda on exactly
// this expression (schema/central.sql): write periods only through these helpers, so that the index
// serves them.
namespace fechatrabajo {

// "(substr(C,5,4)||substr(C,3,2)||substr(C,1,2))" for the column C (Fecha_Trabajo by default; a
// qualified name such as "Comanda.Fecha_Trabajo" or "C.Fecha_Trabajo" is served by the same index).
QString expresionOrden(const QString& columna = QStringLiteral("Fecha_Trabajo"));

// "yyyymmdd" of a date.
QString orden(const QDate& fecha);

// "yyyymmdd" of a working date written "ddmmyyyy"; empty when the text is not a real date of eight
// digits.
QString ordenDeTexto(const QString& ddmmyyyy);

// " expresion BETWEEN 'yyyymmdd' AND 'yyyymmdd'": the working dates from `desde` to `hasta`, both
// whole; nothing when `desde` lies after `hasta`.
QString periodo(const QDate& desde, const QDate& hasta, const QString& columna = QStringLiteral("Fecha_Trabajo"));

// The same period from two "ddmmyyyy" texts; empty when either is not a real date.
QString periodoDeTexto(const QString& desde, const QString& hasta,
                       const QString& columna = QStringLiteral("Fecha_Trabajo"));

} // namespace fechatrabajo
