#pragma once

#include <QString>

#include <functional>

// The one error handler of the end of day. A step runs through ejecuta(); what a failure leads to
// depends on its number and on the mode:
//  - in use (70): the step is tried again after a short pause until the wait runs out, then
//    "La terminal X no se cerro" and the step is given up;
//  - communication (52, 75, 76): while asking, "Falla de comunicación con X" with Abort, Retry and
//    Ignore; while collecting, the step is given up (the caller records why: ultimoMotivo());
//  - anything else: "number description", and the run ends (CorridaTerminada).
namespace findia {

enum class ModoManejador { Preguntando, Recogiendo };
enum class ResultadoPaso { Hecho, Omitido, Abortado };

// Thrown once the handler has shown why the run ends.
struct CorridaTerminada {};

class ManejadorFinDia {
public:
    ModoManejador modo = ModoManejador::Recogiendo;

    // nombre: what the messages name (the terminal, or "Plantilla.mdb"). With comoComunicacion, any
    // failure of the step is asked about like a communication failure (a copy that cannot be
    // opened or measured).
    ResultadoPaso ejecuta(const QString& nombre, const std::function<void()>& paso, bool comoComunicacion = false);

    // Ends the run with the handler's last-row message.
    [[noreturn]] void termina(long numero, const QString& descripcion);

    // A line for the closing box that concerns no terminal (the journal holds the terminals').
    void recoge(const QString& nombre, const QString& descripcion);
    const QString& errores() const { return m_errores; }

    // Why the last step given up failed, for the journal.
    const QString& ultimoMotivo() const { return m_motivo; }

private:
    QString m_errores;
    QString m_motivo;
};

} // namespace findia
