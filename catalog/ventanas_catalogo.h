#pragma once

// Registers the product catalog windows with the window registry under their names, so that the
// main window's "&Operación" items open them.
void registraVentanasCatalogo();
