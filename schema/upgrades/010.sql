-- The correcting trigger of the clock entries rounds the cost in plain SQL, so that a time
-- corrected from a tool without the program's functions is recomputed alike.
DROP TRIGGER IF EXISTS TR_HorasXEmpleado_Correccion;

CREATE TRIGGER TR_HorasXEmpleado_Correccion AFTER UPDATE OF Hora_Inicio, Hora_Final ON HorasXEmpleado
BEGIN
    UPDATE HorasXEmpleado
       SET Minutos = CASE WHEN NEW.Hora_Inicio IS NULL OR NEW.Hora_Final IS NULL THEN NULL
                          ELSE (strftime('%s', NEW.Hora_Final) - strftime('%s', NEW.Hora_Inicio)) / 60 END
     WHERE ID_Entrada = NEW.ID_Entrada;
    UPDATE HorasXEmpleado
       SET Costo = CASE WHEN EXISTS (SELECT 1 FROM CostosXEmpleado C
                                      WHERE C.ID_Empleado = NEW.Id_Empleado AND C.ID_Departamento = NEW.ID_Departamento)
                        THEN (SELECT (R.Piso + CASE WHEN abs(R.Centavos - R.Piso - 0.5) < 1e-9 * max(1.0, abs(R.Centavos))
                                                    THEN R.Piso % 2 <> 0
                                                    ELSE R.Centavos - R.Piso > 0.5 END) / 100.0
                                FROM (SELECT V.Centavos,
                                             CAST(V.Centavos AS INTEGER) - (V.Centavos < CAST(V.Centavos AS INTEGER)) AS Piso
                                        FROM (SELECT HorasXEmpleado.Minutos * C.Costo_Hora / 60.0 * 100.0 AS Centavos
                                                FROM CostosXEmpleado C
                                               WHERE C.ID_Empleado = NEW.Id_Empleado
                                                 AND C.ID_Departamento = NEW.ID_Departamento) V) R)
                        ELSE 0 END
     WHERE ID_Entrada = NEW.ID_Entrada;
END;

