-- Staff hours: the working-date indexes of the clock entries, the trigger that recomputes a
-- corrected entry, and the view of the hours reports.

-- Reports select a period of clock entries through the working-date expression
-- (foundation/routines/fecha_trabajo.h); the signed hours report also sums one employee's period.
CREATE INDEX IX_HorasXEmpleado_Orden_Fecha_Trabajo
    ON HorasXEmpleado ((substr(Fecha_Trabajo,5,4)||substr(Fecha_Trabajo,3,2)||substr(Fecha_Trabajo,1,2)));
CREATE INDEX IX_HorasXEmpleado_Empleado_Fecha_Trabajo
    ON HorasXEmpleado (Id_Empleado, (substr(Fecha_Trabajo,5,4)||substr(Fecha_Trabajo,3,2)||substr(Fecha_Trabajo,1,2)));

-- A corrected time recomputes the entry: whole minutes from clock-in to clock-out (NULL while
-- either is missing) and their cost at the employee's rate in the entry's department (0 without a
-- rate).
CREATE TRIGGER TR_HorasXEmpleado_Correccion AFTER UPDATE OF Hora_Inicio, Hora_Final ON HorasXEmpleado
BEGIN
    UPDATE HorasXEmpleado
       SET Minutos = CASE WHEN NEW.Hora_Inicio IS NULL OR NEW.Hora_Final IS NULL THEN NULL
                          ELSE (strftime('%s', NEW.Hora_Final) - strftime('%s', NEW.Hora_Inicio)) / 60 END
     WHERE ID_Entrada = NEW.ID_Entrada;
    UPDATE HorasXEmpleado
       SET Costo = CASE WHEN EXISTS (SELECT 1 FROM CostosXEmpleado C
                                      WHERE C.ID_Empleado = NEW.Id_Empleado AND C.ID_Departamento = NEW.ID_Departamento)
                        THEN (SELECT Redondear(HorasXEmpleado.Minutos * C.Costo_Hora / 60.0) FROM CostosXEmpleado C
                               WHERE C.ID_Empleado = NEW.Id_Empleado AND C.ID_Departamento = NEW.ID_Departamento)
                        ELSE 0 END
     WHERE ID_Entrada = NEW.ID_Entrada;
END;

-- One row per clock entry with the employee's name (paternal surname, maternal surname, first name,
-- a missing or blank part left out; never NULL), the department's name and the employee's cost per
-- hour in that department.
CREATE VIEW Vw_DetalleHoras AS
    SELECT H.ID_Entrada AS Id_Entrada,
           substr(CASE WHEN trim(IFNULL(E.Apellido_Paterno, '')) <> '' THEN ' ' || trim(E.Apellido_Paterno) ELSE '' END
                  || CASE WHEN trim(IFNULL(E.Apellido_Materno, '')) <> '' THEN ' ' || trim(E.Apellido_Materno) ELSE '' END
                  || CASE WHEN trim(IFNULL(E.Nombre_Empleado, '')) <> '' THEN ' ' || trim(E.Nombre_Empleado) ELSE '' END,
                  2) AS Empleado,
           H.ID_Departamento AS ID_Departamento, D.Nombre AS Departamento, C.Costo_Hora AS Costo_Hora,
           H.Hora_Inicio AS Hora_Inicio, H.Hora_Final AS Hora_Final, H.Minutos AS Minutos, H.Costo AS Costo,
           H.Fecha_Trabajo AS Fecha_Trabajo
    FROM HorasXEmpleado H
         LEFT JOIN Empleado E ON E.ID_Empleado = H.Id_Empleado
         LEFT JOIN Departamentos D ON D.ID_Departamento = H.ID_Departamento
         LEFT JOIN CostosXEmpleado C ON C.ID_Empleado = H.Id_Empleado AND C.ID_Departamento = H.ID_Departamento;
