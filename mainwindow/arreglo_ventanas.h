#pragma once

class QMdiArea;

// The "&Ventana" arrangements of the child windows.
namespace arreglo {

// Lines the minimized children up along the bottom of the area.
void iconos(QMdiArea* area);
// One child above another, each as wide as the area.
void horizontal(QMdiArea* area);
// Side by side, each as tall as the area.
void vertical(QMdiArea* area);
void cascada(QMdiArea* area);

} // namespace arreglo
