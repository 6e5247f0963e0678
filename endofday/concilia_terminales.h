#pragma once

#include "endofday/medidas_ventas.h"

#include <QList>
#include <QString>

#include <functional>

// One measured terminal as the reconciliation left it.
struct ConciliacionTerminal {
    int idTerminal = 0;
    QString nombre;
    MedidasVentas medidas;
    BanderasVentas banderas{};
};

// Measures the central sales of the closing working date ("ddmmyyyy") once, then walks the measured
// terminals of the temporary tables in their order, sets each one's flags against the central
// figures and hands it to recoge. The flags are a record (log and journal): every measured terminal
// is handed over, whatever they say, since a terminal whose figures happen to equal the day's may
// still hold sales that are not central. Returns the terminals as handed over.
QList<ConciliacionTerminal> ConciliaTerminales(const QString& fechaCierre,
                                               const std::function<void(const ConciliacionTerminal&)>& recoge);
