-- The account reports and the customer ticket: two checks of control 3 over a database made by the
-- set-up command, with the series 'A'. Load with
--   sqlite3 <data root>/zorva.db < tests/tickets/datos_cuentas.sql
UPDATE Parametros SET Valor_Cad='A' WHERE ID_Parametro='SERIE';

INSERT INTO Terminal (ID_Terminal, Nombre_Terminal, Direccion_IP, Estado_Terminal, ID_Menu, Vereduda)
    VALUES (1, 'CAJA', '127.0.0.1', 'A', NULL, 1);
INSERT INTO Impresora (ID_Impresora, Nombre_Impresora, Puerto, Modo, ID_Terminal, Redirigido, Estado_Impresora,
                       EsDeCheques)
    VALUES (1, 'TICKETS', 'LPT1', 'T', 1, 1, 'A', 1);

INSERT INTO Empleado (ID_Empleado, Usuario, Nombre_Empleado, Apellido_Paterno, Apellido_Materno, Estado_Empleado)
    VALUES (101, 'ANAL', 'ANA', 'LOPEZ', 'DIAZ', 'A');

INSERT INTO Categoria (ID_Categoria, Nombre_Categoria, Tipo_Categoria) VALUES
    (101, 'ALIMENTOS', 'A'),
    (102, 'BEBIDAS', 'B');
INSERT INTO Producto (ID_Producto, Nombre_Completo, Nombre_Boton, Nombre_Cuenta, Estado, ID_Categoria) VALUES
    (201, 'HAMBURGUESA', 'HAMBURGUESA', NULL, 'A', 101),
    (202, 'REFRESCO', 'REFRESCO', NULL, 'A', 102),
    (203, 'CAFE', 'CAFE', NULL, 'A', 102);
INSERT INTO Tipos_Impuesto (ID_Tipo_Impuesto, Nombre_Tipo_Impuesto, Tipo_Imp_Activo) VALUES
    (101, 'IVA', 1),
    (102, 'IEPS', 1);
INSERT INTO Tipo_Modificador (ID_Tipo_Modificador, Nombre_Tipo_Modificador, Estado_Modificador, Precio_Tipo_Modificador)
    VALUES
    (101, 'EXTRA QUESO', 'A', 11.00),
    (102, 'EXTRA TOCINO', 'A', 14.00);
INSERT INTO Tipos_Anulacion (ID_Tipo_Anulacion, Nombre_Tipos_Anulacion) VALUES (101, 'ERROR DE CAPTURA');

-- Check 101: closed, one account of 301.00 paid in two payments.
INSERT INTO Comanda (ID_Comanda, ID_Empleado, Num_Mesa, Abierta, Fecha_Apertura, Fecha_Cierre, Tipo, Fecha_Trabajo,
                     Control, CantHuespedes)
    VALUES (101, 101, 5, 0, '2025-01-31 13:00:00', '2025-01-31 14:30:00', 'MESA', '31012025', 3, 2);
INSERT INTO Cuenta (ID_Comanda, Num_Cuenta, Pagada, Num_Impresiones, Total, Control) VALUES (101, 1, 1, 0, 301.00, 3);
INSERT INTO ProductosXCuenta (ID_ProductosXCuenta, ID_Comanda, Num_Cuenta, ID_Producto, Precio_Venta, Precio_Original,
                              ID_Tipo_Anulacion, Control) VALUES
    (10001, 101, 1, 201, 100.00, 100.00, NULL, 3),
    (10002, 101, 1, 201, 100.00, 100.00, NULL, 3),
    (10003, 101, 1, 202, 25.00, 25.00, NULL, 3),
    (10004, 101, 1, 202, 25.00, 25.00, NULL, 3),
    (10005, 101, 1, 202, 25.00, 25.00, 101, 3);
INSERT INTO ImpuestosXCuenta (ID_ProductosXCuenta, ID_Tipo_Impuesto, Monto_ImpuestosXCuenta) VALUES
    (10001, 101, 16.00),
    (10002, 101, 16.00),
    (10003, 101, 3.00), (10003, 102, 1.00),
    (10004, 101, 3.00), (10004, 102, 1.00),
    (10005, 101, 3.00), (10005, 102, 1.00);
INSERT INTO Modificador (ID_ProductosXCuenta, ID_Tipo_Modificador, Precio_Modificador, impuesto_modificador) VALUES
    (10001, 101, 11.00, 1.52);
INSERT INTO Pago (ID_Pago, ID_Comanda, Num_Cuenta, ID_Tipo_Pago, Monto_Pago, Propina, Control) VALUES
    (10001, 101, 1, 1, 200.00, 0, 3),
    (10002, 101, 1, 1, 101.00, 0, 3);

-- Check 102: still open, two accounts.
INSERT INTO Comanda (ID_Comanda, ID_Empleado, Num_Mesa, Abierta, Fecha_Apertura, Fecha_Cierre, Tipo, Fecha_Trabajo,
                     Control, CantHuespedes)
    VALUES (102, 101, 7, 1, '2025-02-01 20:00:00', NULL, 'MESA', '01022025', 3, 0);
INSERT INTO Cuenta (ID_Comanda, Num_Cuenta, Pagada, Num_Impresiones, Total, Control) VALUES
    (102, 1, 0, 0, 170.00, 3),
    (102, 2, 0, 0, 21.50, 3);
INSERT INTO ProductosXCuenta (ID_ProductosXCuenta, ID_Comanda, Num_Cuenta, ID_Producto, Precio_Venta, Precio_Original,
                              ID_Tipo_Anulacion, Control) VALUES
    (10006, 102, 1, 201, 100.00, 100.00, NULL, 3),
    (10007, 102, 1, 202, 25.00, 25.00, NULL, 3),
    (10008, 102, 2, 203, 18.53, 18.53, NULL, 3);
INSERT INTO ImpuestosXCuenta (ID_ProductosXCuenta, ID_Tipo_Impuesto, Monto_ImpuestosXCuenta) VALUES
    (10006, 101, 16.00),
    (10007, 101, 3.00), (10007, 102, 1.00),
    (10008, 101, 2.97);
INSERT INTO Modificador (ID_ProductosXCuenta, ID_Tipo_Modificador, Precio_Modificador, impuesto_modificador) VALUES
    (10006, 101, 11.00, 1.52),
    (10006, 102, 14.00, 1.93);
