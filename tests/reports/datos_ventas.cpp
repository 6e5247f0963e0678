#include "tests/reports/datos_ventas.h"

namespace datosventas {

void carga(adodb::Connection& db)
{
    db.execute(QStringLiteral(R"SQL(
INSERT INTO Categoria (ID_Categoria, Nombre_Categoria, Tipo_Categoria) VALUES (1, 'BEBIDAS', 'V'), (2, 'COMIDA', 'V');
INSERT INTO Producto (ID_Producto, Nombre_Completo, Nombre_Boton, Nombre_Cuenta, Especial, Estado, ID_Categoria) VALUES
    (10, 'CAFE', 'CAFE', 'CAFE', 0, 'A', 1),
    (30, 'REFRESCO', 'REFRESCO', 'REFRESCO', 0, 'A', 1),
    (50, 'TE', 'TE', 'TE', 0, 'I', 1),
    (20, 'HAMBURGUESA', 'HAMBURGUESA', 'HAMBURGUESA', 1, 'A', 2),
    (40, 'PASTEL', 'PASTEL', 'PASTEL', 0, 'A', 2);
INSERT INTO Menu (ID_Menu, Nombre_Menu, Descripcion, Menu_Activo) VALUES (1, 'GENERAL', 'Menú general', 1);
INSERT INTO PreciosXMenu (ID_Menu, ID_Producto, Precio) VALUES
    (1, 10, 20.0), (1, 30, 25.0), (1, 50, 15.0), (1, 20, 100.0), (1, 40, 30.0);
INSERT INTO Tipos_Impuesto (ID_Tipo_Impuesto, Nombre_Tipo_Impuesto, Tipo_Imp_Activo) VALUES (1, 'IVA', 1), (2, 'IEPS', 1);
INSERT INTO PorcentajeXTipo_Impuesto (ID_Tipo_Impuesto, Fecha_Inicio_Impuesto, Fecha_Fin_Impuesto, Porcentaje) VALUES
    (1, '2020-01-01 00:00:00', NULL, 0.16),
    (2, '2020-01-01 00:00:00', '2024-03-15 00:00:00', 0.08),
    (2, '2024-03-16 00:00:00', NULL, 0.09);
INSERT INTO ImpuestosXProducto (ID_Tipo_Impuesto, ID_Producto) VALUES (1, 10), (1, 20), (2, 20);
INSERT INTO Tipo_Pago (ID_Tipo_Pago, Nombre_Tipo_Pago, Clase) VALUES (1, 'EFECTIVO', 'E'), (2, 'TARJETA', 'T');
INSERT INTO Tipo_Cortesia (ID_Tipo_Cortesia, Nombre_Tipo_Cortesia, Tipo_Cortesia, Cantidad_Cortesia)
    VALUES (1, 'GERENCIA', 'P', 100);
INSERT INTO Promocion (ID_Promocion, Nombre_Promocion, Tipo_Promocion, Activo) VALUES (1, '2X1', 'M', 1);
INSERT INTO Tipos_Anulacion (ID_Tipo_Anulacion, Nombre_Tipos_Anulacion) VALUES (1, 'ERROR');
INSERT INTO Tipo_Modificador (ID_Tipo_Modificador, Nombre_Tipo_Modificador, Estado_Modificador, Precio_Tipo_Modificador)
    VALUES (1, 'EXTRA QUESO', 'A', 11.60), (2, 'SIN CEBOLLA', 'A', 0);
INSERT INTO Empleado (ID_Empleado, Usuario, Nombre_Empleado, Apellido_Paterno, Apellido_Materno, Estado_Empleado) VALUES
    (1, 'ANA', 'ANA', 'LOPEZ', 'DIAZ', 'A'),
    (2, 'BETO', 'BETO', 'RUIZ', 'SOTO', 'A'),
    (3, 'CARLOS', 'CARLOS', 'GOMEZ', 'PEREZ', 'A');

INSERT INTO Comanda (ID_Comanda, ID_Empleado, Num_Mesa, Abierta, Fecha_Apertura, Fecha_Cierre, Tipo, Fecha_Trabajo,
                     Control, CantHuespedes) VALUES
    (101, 1, 1, 0, '2024-03-15 13:10:00', '2024-03-15 14:00:00', 'MESA', '15032024', 1, 3),
    (102, 2, 2, 0, '2024-03-16 00:00:00', '2024-03-16 00:30:00', 'MESA', '15032024', 1, 2),
    (103, 1, 3, 0, '2024-03-14 20:00:00', '2024-03-14 21:00:00', 'MESA', '14032024', 1, 4);
INSERT INTO Cuenta (ID_Comanda, Num_Cuenta, Pagada, Num_Impresiones, Total, Control) VALUES
    (101, 1, 1, 0, 135.60, 1), (102, 1, 1, 0, 12.00, 1), (103, 1, 1, 0, 23.20, 1);
INSERT INTO ProductosXCuenta (ID_ProductosXCuenta, ID_Comanda, Num_Cuenta, ID_Producto, Comentario, Preparado,
                              Precio_Venta, Precio_Original, ID_Tipo_Anulacion, ID_Promocion, Empleado_Anulacion,
                              Hora_Anulacion, Control) VALUES
    (1001, 101, 1, 20, NULL, 1, 100.00, 100.00, NULL, NULL, NULL, NULL, 1),
    (1002, 101, 1, 10, NULL, 1, 0.00, 20.00, NULL, NULL, NULL, NULL, 1),
    (1003, 102, 1, 30, NULL, 1, 12.00, 25.00, NULL, 1, NULL, NULL, 1),
    (1004, 102, 1, 20, NULL, 1, 100.00, 100.00, 1, NULL, 3, '2024-03-16 00:05:00', 1),
    (1005, 102, 1, 30, NULL, 1, 12.00, 25.00, 1, 1, 1, '2024-03-16 00:02:00', 1),
    (1006, 103, 1, 10, NULL, 1, 20.00, 20.00, NULL, NULL, NULL, NULL, 1);
INSERT INTO ImpuestosXCuenta (ID_ProductosXCuenta, ID_Tipo_Impuesto, Monto_ImpuestosXCuenta) VALUES
    (1001, 1, 16.00), (1001, 2, 8.00), (1004, 1, 16.00), (1004, 2, 8.00), (1006, 1, 3.20);
INSERT INTO Modificador (ID_ProductosXCuenta, ID_Tipo_Modificador, Precio_Modificador, impuesto_modificador) VALUES
    (1001, 1, 11.60, 1.60), (1001, 2, 0.00, 0.00), (1004, 1, 11.60, 1.60);
INSERT INTO Cortesia (ID_ProductosXCuenta, ID_Tipo_Cortesia, Monto) VALUES (1002, 1, 20.00);
INSERT INTO Pago (ID_Pago, ID_Comanda, Num_Cuenta, ID_Tipo_Pago, Monto_Pago, Propina, Control, Referencia) VALUES
    (1, 101, 1, 2, 100.00, 15.00, 1, 'VISA 1234'),
    (2, 101, 1, 1, 35.60, NULL, 1, NULL),
    (3, 102, 1, 1, 12.00, 2.00, 1, NULL),
    (4, 103, 1, 1, 23.20, 1.00, 1, NULL);
INSERT INTO ClientesXCuenta (ID_Comanda, Num_Cuenta, CveCliente, NombreCliente, IdTipoCliente) VALUES
    (101, 1, 'C101', 'MARIA TORRES', 2), (102, 1, 'C102', 'JUAN PEREZ', 2), (103, 1, 'C103', 'LUIS ORTIZ', 1);
)SQL"));
}

} // namespace datosventas
