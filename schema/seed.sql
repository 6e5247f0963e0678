-- Rows that the program expects to find in a new central database and that nothing in it writes.
-- The first administrator is added by the set-up command, which knows the user and password.

-- Permission names, granted per work group; the main window shows its menus by them.
INSERT INTO Permisos (ID_Permiso, Nombre_Permiso) VALUES
    (1, 'OPERACION'),
    (2, 'TIPOSDEPAGO'),
    (3, 'TIPOSDEANULACION'),
    (4, 'CATEGORIAS'),
    (5, 'GRUPOSMODIFICADORES'),
    (6, 'MENU'),
    (7, 'SUBMENU'),
    (8, 'GPOOBSEQUIOS'),
    (9, 'CORTESIAS'),
    (10, 'MODIFICADORES'),
    (11, 'PAQUETES'),
    (12, 'REPORTES'),
    (13, 'REPPAGOS'),
    (14, 'REPANULACION'),
    (15, 'REPPMIX'),
    (16, 'REPVENTAS'),
    (17, 'REPESPECIALES'),
    (18, 'REPARTICULOSXEMPL'),
    (19, 'REPLISTADEPRECIOS'),
    (20, 'ADMIN'),
    (21, 'PERMISOSXGRUPO'),
    (22, 'GRUPOSTRABAJO'),
    (23, 'EMPLEADOS'),
    (24, 'CONFIGURACION'),
    (25, 'GRUPOSIMPRESORAS'),
    (26, 'IMPRESORAS'),
    (27, 'MENSAJES'),
    (28, 'PARAMETROS');

-- Feature switches of the customer ticket, all off.
INSERT INTO Funciones (Id_Funcion, Nombre, Descripcion, Estado) VALUES
    (10, 'TOTAL EN DOLARES',
         'El ticket imprime también el total en dólares, al tipo de cambio TC_US', 0),
    (13, 'TICKET SIN SERIE NI LEYENDA',
         'El ticket omite la serie del folio y la leyenda fiscal', 0),
    (16, 'PRECIOS SIN IMPUESTO',
         'El ticket imprime los precios sin impuesto y el impuesto por separado', 0);

-- FECHA_TRABAJO starts on the day of the set-up (the set-up command writes its own clock's date).
-- TERMINAL 0: no terminal is the server yet. The branch block of the ticket stays off while
-- SUCURSAL is empty.
INSERT INTO Parametros (ID_Parametro, Valor_Num, Valor_Cad) VALUES
    ('FECHA_TRABAJO', NULL, strftime('%d%m%Y', 'now', 'localtime')),
    ('DIRTERMBD', NULL, 'zorva'),
    ('TERMINAL', 0, NULL),
    ('FOLIOCOMANDA', 1, NULL),
    ('FOLIOPAGO', 1, NULL),
    ('CVEEMPRESA', 1, NULL),
    ('TC_US', 20, NULL),
    ('SUCURSAL', NULL, ''),
    ('DIRECCIONCALLE', NULL, ''),
    ('DIRECCIONCALLE2', NULL, ''),
    ('DIRECCIONCOL', NULL, ''),
    ('DIRECCIONDEL', NULL, ''),
    ('DIRECCIONEYC', NULL, ''),
    ('DIRECCIONCP', NULL, ''),
    ('RFC', NULL, ''),
    ('SERIE', NULL, '');

-- The company printed on the tickets; the ticket needs its name and first three address lines.
INSERT INTO Empresas (CveEmpresa, RazonSocial, Calle, Colonia, DelMunicipio, Estado, CP, RFC,
                      Telefono1)
    VALUES (1, 'MI RESTAURANTE', 'CALLE Y NUMERO', 'COLONIA', 'MUNICIPIO', 'ESTADO', '00000',
            'XAXX010101000', '');

-- Day parts of the sales report; dinner crosses midnight.
INSERT INTO Seccion_dia (Nombre, Hora_inicio, Hora_Fin) VALUES
    ('DESAYUNO', '06:00:00', '11:59:59'),
    ('COMIDA', '12:00:00', '17:59:59'),
    ('CENA', '18:00:00', '05:59:59');

-- The administrators' work group, holding every permission.
INSERT INTO Grupo_Trabajo (ID_Grupo_Trabajo, Nombre_Grupo_Trabajo, Descripcion_Grupo_Trabajo,
                           Activo)
    VALUES (1, 'ADMINISTRADORES', 'Todos los permisos del sistema', 1);
INSERT INTO PermisosXGrupo_Trabajo (ID_Grupo_Trabajo, ID_Permiso)
    SELECT 1, ID_Permiso FROM Permisos;
