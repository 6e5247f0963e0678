#pragma once

// Registers the windows of the tickets, accounts and hours reports with the window registry under
// their names, so that the main window's "&Reportes" items open them.
void registraVentanasTickets();
