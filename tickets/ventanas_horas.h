#pragma once

// Registers the hours reports with the window registry under their names, so that the items of
// "&Reportes" > "&Nomina" open them.
void registraVentanasHoras();
