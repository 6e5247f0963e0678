#pragma once

#include <QString>

// Writes one complete sale of order `comanda` on working date `fecha` into a terminal database:
// account 1, one item with a tax, a courtesy and a modifier, and one payment.
void ventaDePrueba(const QString& ruta, int comanda, qint64 producto, int pago, const QString& fecha);
