#pragma once

#include <QString>

#include <optional>

// What the end of day recorded of a terminal's item folio in earlier runs.
struct RegistroFolio {
    std::optional<qint64> folioEnviado;        // the FOLIOPRODUCTOSX last sent to it
    std::optional<qint64> mayorFolioRecogido;  // the largest folio of its keys collected before
};

// The largest folio among the item keys of a terminal database that begin with the terminal's
// digits (the key is those digits followed by the folio); none when it holds no such key.
std::optional<qint64> MayorFolioEnCopia(int idTerminal, const QString& rutaCopia);

// The next item folio of a terminal: 1 + the largest folio of its own keys (those of its fetched
// copy, when given, and those recorded), never below the folio last sent. With no record at all,
// the central keys beginning with its digits decide, leaving out those that begin with the digits
// of a longer registered terminal number (terminal 1 does not go on from terminal 12's keys).
// 1 when nothing is known.
qint64 FolioProductosX(int idTerminal, const QString& rutaCopia, const RegistroFolio& registro);
