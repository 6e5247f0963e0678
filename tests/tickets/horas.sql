-- The staff-hours data set: departments COCINA, PISO and BARRA (inactive, no entries); employees
-- 11 ANA LOPEZ DIAZ and 12 BETO RUIZ (no maternal surname); costs per hour ANA 60 in COCINA and
-- 45 in PISO, BETO 40 in PISO; five clock entries, E3 without its clock-out:
--   E1 ANA  COCINA 31012025 08:00-16:00  480 min  480.00
--   E2 ANA  PISO   01022025 18:00-19:30   90 min   67.50
--   E3 BETO PISO   01022025 09:00-        NULL     NULL
--   E4 BETO PISO   31012025 10:00-14:10  250 min  166.67
--   E5 ANA  COCINA 02022025 08:00-16:00  480 min  480.00
INSERT INTO Departamentos (ID_Departamento, Nombre, Descripcion, Activo) VALUES
    (1, 'COCINA', 'Cocina', 1), (2, 'PISO', 'Piso', 1), (3, 'BARRA', 'Barra', 0);
INSERT INTO Empleado (ID_Empleado, Usuario, Nombre_Empleado, Apellido_Paterno, Apellido_Materno, Estado_Empleado) VALUES
    (11, 'ANA', 'ANA', 'LOPEZ', 'DIAZ', 'A'),
    (12, 'BETO', 'BETO', 'RUIZ', NULL, 'A');
INSERT INTO CostosXEmpleado (ID_Empleado, ID_Departamento, Costo_Hora) VALUES (11, 1, 60), (11, 2, 45), (12, 2, 40);
INSERT INTO HorasXEmpleado (ID_Entrada, Id_Empleado, ID_Departamento, Fecha_Trabajo, Hora_Inicio, Hora_Final, Minutos, Costo)
VALUES
    (1, 11, 1, '31012025', '2025-01-31 08:00:00', '2025-01-31 16:00:00', 480, 480.00),
    (2, 11, 2, '01022025', '2025-02-01 18:00:00', '2025-02-01 19:30:00', 90, 67.50),
    (3, 12, 2, '01022025', '2025-02-01 09:00:00', NULL, NULL, NULL),
    (4, 12, 2, '31012025', '2025-01-31 10:00:00', '2025-01-31 14:10:00', 250, 166.67),
    (5, 11, 1, '02022025', '2025-02-02 08:00:00', '2025-02-02 16:00:00', 480, 480.00);
