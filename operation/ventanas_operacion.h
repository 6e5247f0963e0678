#pragma once

// Registers the operation catalogs and configuration windows with the window registry under their
// names, so that the main window's "&Operación" and "&Utilerias" items open them.
void registraVentanasOperacion();
