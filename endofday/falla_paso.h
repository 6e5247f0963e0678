#pragma once

#include <QString>

#include <stdexcept>

// A step of the end of day that failed. The run's handler decides by the number what follows:
//   52 bad file name, 75 path or file access error, 76 path not found: a communication failure,
//      asked about (Abort, Retry, Ignore) while fetching, collected for the closing box afterwards;
//   53 file not found (the template): ends the run;
//   70 the file is in use: retried for a while, then "La terminal X no se cerro";
//   anything else: "number description" and the run ends.
class FallaPaso : public std::runtime_error {
public:
    static constexpr int NombreIncorrecto = 52;
    static constexpr int ArchivoNoEncontrado = 53;
    static constexpr int PermisoDenegado = 70;
    static constexpr int ErrorAcceso = 75;
    static constexpr int RutaNoEncontrada = 76;

    FallaPaso(int numero, const QString& descripcion)
        : std::runtime_error(descripcion.toStdString()), m_numero(numero), m_descripcion(descripcion)
    {
    }

    int numero() const { return m_numero; }
    const QString& descripcion() const { return m_descripcion; }

    bool esComunicacion() const
    {
        return m_numero == NombreIncorrecto || m_numero == ErrorAcceso || m_numero == RutaNoEncontrada;
    }
    bool esEnUso() const { return m_numero == PermisoDenegado; }

    // The file errors with their usual descriptions.
    static FallaPaso conNumero(int numero);

private:
    int m_numero;
    QString m_descripcion;
};
