#pragma once

// The day utilities of "&Utilerias" > "P&rocesos". Each asks first and then runs in one
// transaction on the shared connection; a refused statement undoes the whole command.

// "&Borrar Todos Los Datos": every sale, through the database procedure Borrar_Comanda.
void mnuBorrarDatos_Click();
// "&Borrar Cola Impresion": every job of the print queue with its lines.
void mnuBorrarCola_Click();
// "&Desfirmar Empleados": every employee signed off the terminals.
void mnuDesfirmar_Click();
