#pragma once

#include "endofday/pasos_fin_dia.h"

#include <QList>
#include <QString>

#include <optional>

// The end-of-day journal (EndOfDayRun, EndOfDayTerminal) on the gateway's connection. Each write
// commits on its own unless the caller holds a transaction, so that a state is on disk before the
// step that relies on it.
namespace findia {

// Run states.
inline constexpr const char* kIniciada = "started";
inline constexpr const char* kRecogida = "collected";
inline constexpr const char* kTerminada = "finished";
// Terminal states.
inline constexpr const char* kPendiente = "pending";
inline constexpr const char* kAusente = "absent";
inline constexpr const char* kOmitida = "skipped";
inline constexpr const char* kTraida = "fetched";
inline constexpr const char* kRecogidaTerminal = "collected";
inline constexpr const char* kEnviada = "pushed";

struct CorridaDiario {
    CorridaFinDia corrida;
    QString estado;
};

struct TerminalDiario {
    TerminalFinDia terminal;
    QString estado;
    QString huella;
    int rechazadas = 0;
    bool activa = true;      // still an active terminal: one set inactive since is left out
    QString error;           // why it was skipped, or its refused rows, one per line
    QString errorEnvio;      // why its last push failed
    QString huellaEnvio;     // the digest of the database last about to be sent to it
};

namespace diario {

// The latest run that did not finish.
std::optional<CorridaDiario> corridaPendiente(const QString& dirTermBD);

// A new run closing fechaAnterior, with the active terminals as they stand now, in one
// transaction; returns its key.
qint64 creaCorrida(const QString& fechaAnterior, const QString& fechaNueva, const QString& usuario);

// The run's terminals, by terminal key, or in menu order for the push.
QList<TerminalDiario> terminales(const CorridaFinDia& corrida, bool porMenu = false);

// "\r\nNAME reason" for every terminal of the run still active that was not sent its database
// or had rows refused, from what the journal holds: the lines of the closing box.
QString lineasDeCierre(const CorridaFinDia& corrida);

void marcaTerminal(qint64 corrida, qint64 terminal, const QString& estado);
void anotaHuella(qint64 corrida, qint64 terminal, const QString& huella);
void anotaMedidas(qint64 corrida, qint64 terminal, const QString& medidas);
void anotaRecoleccion(qint64 corrida, qint64 terminal, const ResultadoRecoleccion& resultado);
// Just before the database built for the terminal takes its share's place.
void anotaHuellaEnvio(qint64 corrida, qint64 terminal, const QString& huella, qint64 folio);
void anotaEnvio(qint64 corrida, qint64 terminal);
void anotaErrorEnvio(qint64 corrida, qint64 terminal, const QString& texto);
void anotaError(qint64 corrida, qint64 terminal, const QString& texto);
void marcaCorrida(qint64 corrida, const QString& estado);

} // namespace diario

} // namespace findia
