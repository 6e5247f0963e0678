#pragma once

// Registers the report windows with the window registry under their names, so that the main
// window's "&Reportes" items open them.
void registraVentanasReportes();
