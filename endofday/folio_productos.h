#pragma once

#include <QString>

#include <optional>

namespace findia {

// The largest folio among the item keys of a terminal database that begin with the terminal's
// digits (the key is those digits followed by the folio); none when it holds no such key.
std::optional<qint64> MayorFolioEnCopia(qint64 idTerminal, const QString& rutaCopia);

// The next item folio of a terminal: 1 + the largest folio of the keys of its fetched copy (when
// given), never below folioEnviado (the folio the end of day last sent it). With neither, the
// central keys beginning with its digits decide, leaving out those that begin with the digits of a
// longer registered terminal number (terminal 1 does not go on from terminal 12's keys). 1 when
// nothing is known.
qint64 FolioProductosX(qint64 idTerminal, const QString& rutaCopia, std::optional<qint64> folioEnviado);

} // namespace findia
