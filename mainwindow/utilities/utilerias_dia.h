#pragma once

// The day utilities of "&Utilerias" > "P&rocesos". Each asks first and then runs in one
// transaction on the shared connection; a refused statement undoes the whole command.

// "&Borrar Todos Los Datos": every sale, through the database procedure Borrar_Comanda.
// "&Borrar Cola Impresion": every job of the print queue with its lines.
// Both ask twice with No and Cancel as the default answers, and say how much they deleted.
void mnuBorrarDatos_Click();
void mnuBorrarCola_Click();
// "&Desfirmar Empleados": every employee signed off the terminals.
void mnuDesfirmar_Click();
