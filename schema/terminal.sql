-- Template of the terminal database (Plantilla.mdb). The end of day copies it, fills the catalogs
-- from the central database and sends it to every active terminal; the terminals then record
-- their sales in it, and the end of day reads them back. Every change here raises
-- kTerminalTemplateVersion in schema.cpp, so that older templates are rebuilt at start.
--
-- Catalog tables hold the columns that the end of day copies, with the types of their central
-- columns; their keys come from the central database. Sales tables hold the columns that the
-- terminals write (the central-only columns are left out). Each table keeps the key of its
-- central table, so a second row for the same key is refused here too.

CREATE TABLE Empleado (
    ID_Empleado        INTEGER PRIMARY KEY,
    Usuario            VARCHAR(25) COLLATE NOCASE,
    -- The full name: given names and both surnames.
    Nombre_Empleado    VARCHAR(102) COLLATE NOCASE,
    Contraseña         VARCHAR(255),
    Tarjeta_magnetica  BIT INTEGER DEFAULT 0,
    Estado_Empleado    CHAR(1),
    Num_Tarjeta        VARCHAR(50)
);

CREATE TABLE Grupo_Trabajo (
    ID_Grupo_Trabajo     INTEGER PRIMARY KEY,
    Nombre_Grupo_Trabajo VARCHAR(25) COLLATE NOCASE
);

CREATE TABLE EmpleadosXGrupo (
    ID_Empleado        INTEGER NOT NULL,
    ID_Grupo_Trabajo   INTEGER NOT NULL,
    PRIMARY KEY (ID_Empleado, ID_Grupo_Trabajo)
);

CREATE TABLE Permisos (
    ID_Permiso         INTEGER PRIMARY KEY
);

CREATE TABLE PermisosXGrupo_Trabajo (
    ID_Grupo_Trabajo   INTEGER NOT NULL,
    ID_Permiso         INTEGER NOT NULL,
    PRIMARY KEY (ID_Grupo_Trabajo, ID_Permiso)
);

CREATE TABLE Mensajes (
    ID_Mensaje         INTEGER PRIMARY KEY,
    Mensaje            VARCHAR(255) COLLATE NOCASE
);

CREATE TABLE Categoria (
    ID_Categoria       INTEGER PRIMARY KEY,
    Nombre_Categoria   VARCHAR(25) COLLATE NOCASE,
    Tipo_Categoria     CHAR(1)
);

CREATE TABLE Grupo_Impresoras (
    ID_Grupo_Impresoras     INTEGER PRIMARY KEY,
    Nombre_Grupo_Impresoras VARCHAR(25) COLLATE NOCASE
);

CREATE TABLE Terminal (
    ID_Terminal        INTEGER PRIMARY KEY,
    Nombre_Terminal    VARCHAR(25) COLLATE NOCASE,
    Direccion_IP       VARCHAR(255),
    Estado_Terminal    CHAR(1)
);

CREATE TABLE Impresora (
    ID_Impresora          INTEGER PRIMARY KEY,
    Nombre_Impresora      VARCHAR(25) COLLATE NOCASE,
    Puerto                VARCHAR(25),
    Modo                  CHAR(1),
    ID_Terminal           INTEGER,
    Redirigido            INTEGER,
    Estado_Impresora      CHAR(1),
    EsDeCheques           BIT INTEGER DEFAULT 0,
    Id_Impresora_Respaldo INTEGER
);

CREATE TABLE ImpresorasXGrupo (
    ID_Impresora        INTEGER NOT NULL,
    ID_Grupo_Impresoras INTEGER NOT NULL,
    PRIMARY KEY (ID_Impresora, ID_Grupo_Impresoras)
);

-- One row per tax type with the rate in force.
CREATE TABLE Tipos_Impuesto (
    ID_Tipo_Impuesto     INTEGER PRIMARY KEY,
    Nombre_Tipo_Impuesto VARCHAR(25) COLLATE NOCASE,
    Porcentaje           REAL,
    Tipo_Imp_Activo      BIT INTEGER DEFAULT 1
);

CREATE TABLE Tipos_Anulacion (
    ID_Tipo_Anulacion      INTEGER PRIMARY KEY,
    Nombre_Tipos_Anulacion VARCHAR(25) COLLATE NOCASE,
    Regresa_Existencia     BIT INTEGER DEFAULT 0
);

CREATE TABLE Modo_Preparacion (
    ID_Modo_Preparacion     INTEGER PRIMARY KEY,
    Nombre_Modo_Preparacion VARCHAR(25) COLLATE NOCASE,
    Indicador               VARCHAR(20)
);

CREATE TABLE Tipo_Modificador (
    ID_Tipo_Modificador     INTEGER PRIMARY KEY,
    Nombre_Tipo_Modificador VARCHAR(25) COLLATE NOCASE,
    Precio_Tipo_Modificador MONEY REAL DEFAULT 0,
    Estado_Modificador      CHAR(1)
);

CREATE TABLE Grupo_Modificadores (
    ID_Grupo_Modificadores     INTEGER PRIMARY KEY,
    Nombre_Grupo_Modificadores VARCHAR(25) COLLATE NOCASE,
    Fluir_automatico           BIT INTEGER DEFAULT 0,
    Grupo_Mod_Activo           BIT INTEGER DEFAULT 1
);

CREATE TABLE TiposXGrupo_Modificadores (
    ID_Grupo_Modificadores INTEGER NOT NULL,
    ID_Tipo_Modificador    INTEGER NOT NULL,
    PRIMARY KEY (ID_Grupo_Modificadores, ID_Tipo_Modificador)
);

-- Precio_Producto: the price on the terminal's menu, written by the end of day.
CREATE TABLE Producto (
    ID_Producto            INTEGER PRIMARY KEY,
    ID_Categoria           INTEGER,
    Nombre_Boton           VARCHAR(22) COLLATE NOCASE,
    Nombre_Cuenta          VARCHAR(20) COLLATE NOCASE,
    Precio_Producto        MONEY REAL DEFAULT 0,
    Existencia             INTEGER DEFAULT 0,
    Abierto                BIT INTEGER DEFAULT 0,
    ID_Grupo_Impresoras    INTEGER,
    ID_Grupo_Modificadores INTEGER,
    Estado                 CHAR(1),
    Paquete                BIT INTEGER DEFAULT 0
);

CREATE TABLE Tipo_Cortesia (
    ID_Tipo_Cortesia     INTEGER PRIMARY KEY,
    Nombre_Tipo_Cortesia VARCHAR(25) COLLATE NOCASE,
    Tipo_Cortesia        CHAR(1),
    Cantidad_Cortesia    REAL,
    Cantidad_Maxima      REAL,
    Sel_articulo         BIT INTEGER DEFAULT 1,
    Cortesia_Activa      BIT INTEGER DEFAULT 1
);

CREATE TABLE ProductoXTipo_Cortesia (
    ID_Tipo_Cortesia   INTEGER NOT NULL,
    ID_Producto        INTEGER NOT NULL,
    PRIMARY KEY (ID_Tipo_Cortesia, ID_Producto)
);

CREATE TABLE Tipo_Pago (
    ID_Tipo_Pago       INTEGER PRIMARY KEY,
    Nombre_Tipo_Pago   VARCHAR(25) COLLATE NOCASE,
    Clase              CHAR(1),
    Abrir_Gaveta       BIT INTEGER DEFAULT 0
);

CREATE TABLE ImpuestosXProducto (
    ID_Tipo_Impuesto   INTEGER NOT NULL,
    ID_Producto        INTEGER NOT NULL,
    Incluir_en_precio  BIT INTEGER DEFAULT 0,
    PRIMARY KEY (ID_Producto, ID_Tipo_Impuesto)
);

CREATE TABLE Secciones_Paquete (
    ID_Seccion_Paquete INTEGER PRIMARY KEY,
    Nombre_Seccion     VARCHAR(25) COLLATE NOCASE,
    ID_Producto        INTEGER,
    Numero             INTEGER
);

CREATE TABLE ProductosXSeccion (
    ID_Seccion_Paquete INTEGER NOT NULL,
    ID_Producto        INTEGER NOT NULL,
    PRIMARY KEY (ID_Seccion_Paquete, ID_Producto)
);

CREATE TABLE Promocion (
    ID_Promocion       INTEGER PRIMARY KEY,
    ClaveUsr           VARCHAR(20),
    Nombre_Promocion   VARCHAR(25) COLLATE NOCASE,
    Tipo_Promocion     CHAR(1),
    CantMesa           INTEGER,
    Activo             BIT INTEGER DEFAULT 0
);

CREATE TABLE Grupo_Promocional (
    ID_Grupo_Promocional   INTEGER PRIMARY KEY,
    Nombre_Gpo_Promocional VARCHAR(25) COLLATE NOCASE
);

CREATE TABLE Detalle_Gpo_Promocional (
    ID_Grupo_Promocional INTEGER NOT NULL,
    ID_Producto          INTEGER NOT NULL,
    PRIMARY KEY (ID_Grupo_Promocional, ID_Producto)
);

CREATE TABLE Grupo_Obsequios (
    ID_Grupo_Obsequio   INTEGER PRIMARY KEY,
    Nombre_Gpo_Obsequio VARCHAR(25) COLLATE NOCASE
);

CREATE TABLE Detalle_Gpo_Obsequios (
    ID_Grupo_Obsequio  INTEGER NOT NULL,
    ID_Producto        INTEGER NOT NULL,
    PRIMARY KEY (ID_Grupo_Obsequio, ID_Producto)
);

CREATE TABLE Detalle_Promocion (
    ID_Detalle_Promocion INTEGER PRIMARY KEY,
    ID_Promocion         INTEGER,
    CantMinima           INTEGER,
    CantMaxima           INTEGER,
    CantObsequios        INTEGER,
    Descuento            REAL,
    ID_Grupo_Promocional INTEGER,
    ID_Grupo_Obsequios   INTEGER
);

CREATE TABLE Parametros (
    ID_Parametro       VARCHAR(25) COLLATE NOCASE NOT NULL,
    Valor_Num          REAL,
    Valor_Cad          VARCHAR(255),
    PRIMARY KEY (ID_Parametro)
);

-- The submenus of the terminal's menu, refilled at every menu change of the end of day.
CREATE TABLE Submenu (
    ID_Submenu         INTEGER PRIMARY KEY,
    Nombre_Submenu     VARCHAR(25) COLLATE NOCASE,
    SubMenu_Fijo       BIT INTEGER DEFAULT 0,
    Orden              INTEGER DEFAULT 0
);

CREATE TABLE ProductosXSubmenu (
    ID_Submenu         INTEGER NOT NULL,
    ID_Producto        INTEGER NOT NULL,
    PRIMARY KEY (ID_Submenu, ID_Producto)
);

-- Sales, made on the terminal.

CREATE TABLE Comanda (
    ID_Comanda         INTEGER PRIMARY KEY,
    ID_Empleado        INTEGER,
    Num_Mesa           INTEGER,
    Abierta            BIT INTEGER,
    Fecha_Apertura     DATETIME TEXT,
    Fecha_Cierre       DATETIME TEXT,
    Tipo               VARCHAR(20),
    Fecha_Trabajo      CHAR(8)
);

CREATE TABLE Cuenta (
    ID_Comanda         INTEGER NOT NULL,
    Num_Cuenta         INTEGER NOT NULL,
    Pagada             BIT INTEGER,
    Num_Impresiones    INTEGER DEFAULT 0,
    Total              MONEY REAL,
    PRIMARY KEY (ID_Comanda, Num_Cuenta)
);

CREATE TABLE ProductosXCuenta (
    ID_ProductosXCuenta INTEGER PRIMARY KEY,
    ID_Comanda          INTEGER,
    Num_Cuenta          INTEGER,
    ID_Producto         INTEGER,
    Comentario          VARCHAR(255),
    Preparado           BIT INTEGER,
    Precio_Venta        MONEY REAL,
    Precio_Original     MONEY REAL,
    ID_Tipo_Anulacion   INTEGER,
    ID_Modo_Preparacion INTEGER,
    ID_Promocion        INTEGER,
    ID_Paquete          INTEGER,
    Empleado_Anulacion  INTEGER,
    Hora_Anulacion      DATETIME TEXT
);

CREATE TABLE Cortesia (
    ID_ProductosXCuenta INTEGER NOT NULL,
    ID_Tipo_Cortesia    INTEGER NOT NULL,
    Monto               MONEY REAL,
    PRIMARY KEY (ID_ProductosXCuenta, ID_Tipo_Cortesia)
);

CREATE TABLE ImpuestosXCuenta (
    ID_ProductosXCuenta    INTEGER NOT NULL,
    ID_Tipo_Impuesto       INTEGER NOT NULL,
    Monto_ImpuestosXCuenta MONEY REAL,
    PRIMARY KEY (ID_ProductosXCuenta, ID_Tipo_Impuesto)
);

CREATE TABLE Modificador (
    ID_ProductosXCuenta INTEGER NOT NULL,
    ID_Tipo_Modificador INTEGER NOT NULL,
    Precio_Modificador  MONEY REAL,
    PRIMARY KEY (ID_ProductosXCuenta, ID_Tipo_Modificador)
);

CREATE TABLE Pago (
    ID_Pago            INTEGER PRIMARY KEY,
    ID_Comanda         INTEGER,
    Num_Cuenta         INTEGER,
    ID_Tipo_Pago       INTEGER,
    Monto_Pago         MONEY REAL,
    Propina            MONEY REAL
);

-- The terminal's next item folio; the end of day overwrites it for each terminal. The central
-- database keeps no such row.
INSERT INTO Parametros (ID_Parametro, Valor_Num, Valor_Cad) VALUES ('FOLIOPRODUCTOSX', 1, NULL);
