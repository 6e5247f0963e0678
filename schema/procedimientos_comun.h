#pragma once

#include "platform/adodb/adodb.h"

#include <QDate>
#include <QString>

// What the report procedures share: their date arguments and the sold items of a period.
namespace procedimientos {

// A date argument, "dd/mm/yyyy" or "ddmmyyyy" (the working date's form); a missing or malformed
// one fails the procedure with its position and text.
QDate fechaArgumento(adodb::Connection& conexion, const QVariantList& argumentos, int posicion,
                     const QString& procedimiento);

// " FROM Comanda C JOIN ProductosXCuenta P ON ... WHERE period": every item of the working dates
// from desde to hasta, with its check as C and itself as P; more joins go before the WHERE.
QString itemsDelPeriodo(const QDate& desde, const QDate& hasta, const QString& uniones = QString());

// A temporary table's name as an SQL identifier ("#Temp" -> "\"#Temp\"").
QString identificador(const QString& nombre);

// Whether the temporary table exists on the connection.
bool existeTemporal(adodb::Connection& conexion, const QString& nombre);

void registraProcedimientosVentas();
void registraProcedimientosReportes();
void registraProcedimientosTickets();

} // namespace procedimientos
