#pragma once

// Registers the database procedures that the program calls by name ("EXEC Borrar_Comanda ...") with
// the data layer's procedure registry. Called once at start; registering again replaces them.
void registraProcedimientos();
