#pragma once

#include "foundation/routines/moneda.h"

#include <QString>

class CtlTrabajos;

// The customer ticket of one account, reprinted from the back office on the check printer of the
// server terminal: the header, one line per item of ImprimirTicket and the totals, handed to the
// print queue as one job of 32-column pieces. A job that cannot be completed is cancelled, so that
// nothing of it prints or stays queued.

// True when the job was opened, filled and closed. A check id of 0 prints nothing; a failure has
// shown its message and written its log line.
bool ImprimeTicket(CtlTrabajos& trabajos, qint32 comanda, int cuenta, qint32 control);

// Adds the header pieces to the open job (company, branch, folio, waiter, table and guests).
void EncabezadoTicket(CtlTrabajos& trabajos, qint32 trabajo, qint32 comanda, int cuenta, qint32 control);

// Adds the totals and the footer pieces to the open job.
void TotalesTicket(CtlTrabajos& trabajos, qint32 trabajo, const Moneda& total, const Moneda& subtotal,
                   const Moneda& impuesto);

// The text fitted to the width: alineacion 0 left, 1 right, anything else centred (half the free
// room, ties to even, on each side). A longer text is cut, or wrapped after "<N>"; a wrapped rest
// longer than the width, right or centred, raises adodb::ComError.
QString AlinearTexto(const QString& texto, int ancho, int alineacion, bool cortar);

// One item: the name (with "(quantity@unit)" when the quantity is above 1) in 25 columns, the
// amount in 7; a longer amount takes its room from the name. A suffix longer than the name's field
// prints alone, and the line grows.
QString LineaArticulo(const QString& nombre, const Moneda& cantidad, const Moneda& unitario, const Moneda& importe);

// Whether the feature switch is on in Funciones.
bool FuncionActiva(int funcion);

// The header's layout rules on the 32-column line: centred (blanks in front only) and centred with
// wrap (a text of 32 or more continues on further lines, each rest centred with blanks both sides).
QString Centrado(const QString& texto);
QString CentradoConCorte(const QString& texto);
