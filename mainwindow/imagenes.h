#pragma once

#include <QIcon>
#include <QPixmap>

// The program's own pictures, drawn rather than shipped as files.
namespace imagenes {

enum class Luz { Roja, Amarilla, Verde };

// The splash picture.
QPixmap inicio();
// The login's signal light with one lamp lit.
QPixmap semaforo(Luz luz);
// The product's logo, square.
QPixmap logo(int lado);
// The picture of toolbar button `indice` (1..21); a null icon for the separators.
QIcon herramienta(int indice);

} // namespace imagenes
