#include "endofday/falla_paso.h"

FallaPaso FallaPaso::conNumero(int numero)
{
    switch (numero) {
    case NombreIncorrecto: return FallaPaso(numero, QStringLiteral("Nombre o número de archivo incorrecto"));
    case ArchivoNoEncontrado: return FallaPaso(numero, QStringLiteral("No se encontró el archivo"));
    case PermisoDenegado: return FallaPaso(numero, QStringLiteral("Permiso denegado"));
    case ErrorAcceso: return FallaPaso(numero, QStringLiteral("Error de acceso a la ruta o el archivo"));
    case RutaNoEncontrada: return FallaPaso(numero, QStringLiteral("No se encontró la ruta de acceso"));
    default: return FallaPaso(numero, QStringLiteral("Error %1").arg(numero));
    }
}
