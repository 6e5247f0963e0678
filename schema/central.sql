-- Central database of the back office.
--
-- Every change to a table, view, index or trigger here adds its upgrade step upgrades/NNN.sql, so
-- that an existing database reaches the same schema (see the README).
--
-- Declared types carry the field type that the data layer reports: INTEGER keys and counts,
-- BIT INTEGER flags (0/1), MONEY REAL amounts, REAL other numbers, DATETIME TEXT ISO date-times
-- "yyyy-mm-dd hh:mm:ss", CHAR(8) working dates "ddmmyyyy", CHAR(1) one-letter codes.
-- Names compare without regard to case. Columns keep the order in which the windows read them
-- (several grids are filled with SELECT *).
--
-- Keys that the windows compute are plain INTEGER PRIMARY KEY, one past the highest key the table
-- ever had (kept in Ultima_Clave); keys that the database hands out are AUTOINCREMENT: either way a
-- deleted key is never handed out again.
-- Foreign keys join catalog rows only where deleting the referred row must be refused as "in use";
-- member rows that would otherwise pass to a group or section that reuses a deleted key go with
-- their owner. Nothing refers from the sales tables to the catalogs: the terminals' sales are
-- never refused for a catalog row deleted since.

------------------------------------------------------------------------------------------------
-- Staff, work groups and rights
------------------------------------------------------------------------------------------------

CREATE TABLE Empleado (
    ID_Empleado        INTEGER PRIMARY KEY,
    Usuario            VARCHAR(25) COLLATE NOCASE NOT NULL,
    Nombre_Empleado    VARCHAR(50) COLLATE NOCASE,
    Apellido_Paterno   VARCHAR(25) COLLATE NOCASE,
    Apellido_Materno   VARCHAR(25) COLLATE NOCASE,
    Contraseña         VARCHAR(255),
    Tarjeta_magnetica  BIT INTEGER DEFAULT 0,
    Num_Tarjeta        VARCHAR(50) DEFAULT '',
    Calle_Numero       VARCHAR(50),
    Colonia            VARCHAR(40),
    Ciudad             VARCHAR(50),
    Estado             VARCHAR(40),
    C_P                VARCHAR(5),
    RFC                VARCHAR(20),
    S_S                VARCHAR(20),
    Estado_Empleado    CHAR(1) DEFAULT 'A',
    Intentos           INTEGER DEFAULT 0,
    -- The employee list asks for 0 or 1: a NULL would hide the row from everybody.
    Admin_Usuarios     BIT INTEGER NOT NULL DEFAULT 0,
    -- Terminal the employee is signed on to; 0 = none. Set by the terminals.
    Id_Terminal        INTEGER DEFAULT 0,
    UNIQUE (Usuario)
);

CREATE TABLE Departamentos (
    ID_Departamento    INTEGER PRIMARY KEY AUTOINCREMENT,
    Nombre             VARCHAR(25) COLLATE NOCASE,
    Descripcion        VARCHAR(100),
    Activo             BIT INTEGER DEFAULT 1,
    UNIQUE (Nombre)
);

CREATE TABLE Grupo_Trabajo (
    ID_Grupo_Trabajo          INTEGER PRIMARY KEY AUTOINCREMENT,
    Nombre_Grupo_Trabajo      VARCHAR(25) COLLATE NOCASE,
    Descripcion_Grupo_Trabajo VARCHAR(100),
    Activo                    BIT INTEGER DEFAULT 1,
    UNIQUE (Nombre_Grupo_Trabajo)
);

-- Rewritten whole on every save of the employee and deleted before the employee. A work group with
-- members is in use.
CREATE TABLE EmpleadosXGrupo (
    ID_Empleado        INTEGER NOT NULL,
    ID_Grupo_Trabajo   INTEGER NOT NULL REFERENCES Grupo_Trabajo(ID_Grupo_Trabajo),
    PRIMARY KEY (ID_Empleado, ID_Grupo_Trabajo)
);

-- Deleted with the employee; a department that employees' costs name is in use.
CREATE TABLE CostosXEmpleado (
    ID_Empleado        INTEGER NOT NULL,
    ID_Departamento    INTEGER NOT NULL REFERENCES Departamentos(ID_Departamento),
    Costo_Hora         MONEY REAL DEFAULT 0,
    PRIMARY KEY (ID_Empleado, ID_Departamento)
);

-- The employees window's assigned departments: one row per cost, with the department's name.
CREATE VIEW Vw_DepartamentosXEmpleado AS
    SELECT CostosXEmpleado.ID_Departamento AS Id_Departamento, Departamentos.Nombre AS Nombre,
           CostosXEmpleado.Costo_Hora AS Costo_Hora, CostosXEmpleado.ID_Empleado AS ID_Empleado
    FROM CostosXEmpleado LEFT JOIN Departamentos ON Departamentos.ID_Departamento = CostosXEmpleado.ID_Departamento;

-- Supplied with the database; nothing in the program writes it.
CREATE TABLE Permisos (
    ID_Permiso         INTEGER PRIMARY KEY,
    Nombre_Permiso     VARCHAR(50) COLLATE NOCASE
);

-- A group's rights go with the group.
CREATE TABLE PermisosXGrupo_Trabajo (
    ID_Grupo_Trabajo   INTEGER NOT NULL REFERENCES Grupo_Trabajo(ID_Grupo_Trabajo) ON DELETE CASCADE,
    ID_Permiso         INTEGER NOT NULL,
    PRIMARY KEY (ID_Grupo_Trabajo, ID_Permiso)
);

-- Feature switches: supplied with the database; the program only updates them.
CREATE TABLE Funciones (
    Id_Funcion         INTEGER PRIMARY KEY,
    Nombre             VARCHAR(50) COLLATE NOCASE,
    Descripcion        VARCHAR(90),
    Estado             BIT INTEGER DEFAULT 0
);

-- Print queue: one job per ticket or kitchen order, its text pieces in order.
CREATE TABLE ColaImpresion (
    ID_Trabajo         INTEGER PRIMARY KEY AUTOINCREMENT,
    Tipo               CHAR(1),
    ID_Impresora       INTEGER,
    Usuario            VARCHAR(25),
    Fecha              DATETIME TEXT,
    Cerrado            BIT INTEGER DEFAULT 0
);

CREATE TABLE Detallecolaimpresion (
    ID_Trabajo         INTEGER NOT NULL,
    Linea              INTEGER NOT NULL,
    Texto              VARCHAR(2000),
    PRIMARY KEY (ID_Trabajo, Linea)
);

------------------------------------------------------------------------------------------------
-- Product catalog
------------------------------------------------------------------------------------------------

CREATE TABLE Categoria (
    ID_Categoria       INTEGER PRIMARY KEY,
    Nombre_Categoria   VARCHAR(25) COLLATE NOCASE,
    Tipo_Categoria     CHAR(1),
    UNIQUE (Nombre_Categoria)
);

CREATE TABLE Modo_Preparacion (
    ID_Modo_Preparacion     INTEGER PRIMARY KEY AUTOINCREMENT,
    Nombre_Modo_Preparacion VARCHAR(25) COLLATE NOCASE,
    Indicador               VARCHAR(20),
    UNIQUE (Nombre_Modo_Preparacion)
);

CREATE TABLE Menu (
    ID_Menu            INTEGER PRIMARY KEY,
    Nombre_Menu        VARCHAR(25) COLLATE NOCASE,
    Descripcion        VARCHAR(150),
    Menu_Activo        BIT INTEGER DEFAULT 1,
    UNIQUE (Nombre_Menu)
);

CREATE TABLE Tipo_Modificador (
    ID_Tipo_Modificador     INTEGER PRIMARY KEY,
    Nombre_Tipo_Modificador VARCHAR(25) COLLATE NOCASE,
    Estado_Modificador      CHAR(1),
    Precio_Tipo_Modificador MONEY REAL DEFAULT 0,
    UNIQUE (Nombre_Tipo_Modificador)
);

CREATE TABLE Grupo_Modificadores (
    ID_Grupo_Modificadores     INTEGER PRIMARY KEY,
    Nombre_Grupo_Modificadores VARCHAR(25) COLLATE NOCASE,
    Fluir_automatico           BIT INTEGER DEFAULT 0,
    Grupo_Mod_Activo           BIT INTEGER DEFAULT 1,
    UNIQUE (Nombre_Grupo_Modificadores)
);

-- A deleted modifier leaves its memberships: no reference to Tipo_Modificador.
CREATE TABLE TiposXGrupo_Modificadores (
    ID_Grupo_Modificadores INTEGER NOT NULL,
    ID_Tipo_Modificador    INTEGER NOT NULL,
    PRIMARY KEY (ID_Grupo_Modificadores, ID_Tipo_Modificador)
);

CREATE TABLE Tipos_Impuesto (
    ID_Tipo_Impuesto     INTEGER PRIMARY KEY,
    Nombre_Tipo_Impuesto VARCHAR(25) COLLATE NOCASE,
    Tipo_Imp_Activo      BIT INTEGER DEFAULT 1,
    UNIQUE (Nombre_Tipo_Impuesto)
);

-- Porcentaje is a fraction of the price (0.16). A NULL end means no end.
CREATE TABLE PorcentajeXTipo_Impuesto (
    ID_Tipo_Impuesto      INTEGER NOT NULL,
    Fecha_Inicio_Impuesto DATETIME TEXT NOT NULL,
    Fecha_Fin_Impuesto    DATETIME TEXT,
    Porcentaje            REAL,
    PRIMARY KEY (ID_Tipo_Impuesto, Fecha_Inicio_Impuesto)
);

-- Prices live per menu (PreciosXMenu); a NULL group means none.
CREATE TABLE Producto (
    ID_Producto            INTEGER PRIMARY KEY,
    Nombre_Completo        VARCHAR(25) COLLATE NOCASE,
    Nombre_Boton           VARCHAR(22) COLLATE NOCASE,
    Nombre_Cuenta          VARCHAR(20) COLLATE NOCASE,
    Existencia             INTEGER DEFAULT 0,
    Abierto                BIT INTEGER DEFAULT 0,
    Especial               BIT INTEGER DEFAULT 0,
    Paquete                BIT INTEGER DEFAULT 0,
    Estado                 CHAR(1),
    ID_Categoria           INTEGER REFERENCES Categoria (ID_Categoria),
    ID_Grupo_Impresoras    INTEGER REFERENCES Grupo_Impresoras (ID_Grupo_Impresoras),
    ID_Grupo_Modificadores INTEGER REFERENCES Grupo_Modificadores (ID_Grupo_Modificadores)
);

CREATE TABLE PreciosXMenu (
    ID_Menu            INTEGER NOT NULL,
    ID_Producto        INTEGER NOT NULL,
    Precio             MONEY REAL DEFAULT 0,
    PRIMARY KEY (ID_Producto, ID_Menu)
);

CREATE TABLE ImpuestosXProducto (
    ID_Tipo_Impuesto   INTEGER NOT NULL,
    ID_Producto        INTEGER NOT NULL,
    Incluir_en_precio  BIT INTEGER DEFAULT 0,
    PRIMARY KEY (ID_Producto, ID_Tipo_Impuesto)
);

CREATE TABLE SubMenu (
    ID_SubMenu         INTEGER PRIMARY KEY,
    Nombre_SubMenu     VARCHAR(25) COLLATE NOCASE,
    SubMenu_Fijo       BIT INTEGER DEFAULT 0,
    UNIQUE (Nombre_SubMenu)
);

-- Orden: the submenu's place on the menu, sent to the terminals with the submenu. No window
-- writes it, so every placement starts at 0.
CREATE TABLE SubMenuXMenu (
    ID_Menu            INTEGER NOT NULL,
    ID_SubMenu         INTEGER NOT NULL,
    Orden              INTEGER DEFAULT 0,
    PRIMARY KEY (ID_Menu, ID_SubMenu)
);

-- A product that a submenu, a package, a package section, a courtesy type or a promotional or gift
-- group holds cannot be deleted: the terminals would receive those rows for a product that is gone.
CREATE TABLE ProductosXSubmenu (
    ID_Producto        INTEGER NOT NULL REFERENCES Producto (ID_Producto),
    ID_SubMenu         INTEGER NOT NULL,
    Orden              INTEGER DEFAULT 0,
    PRIMARY KEY (ID_SubMenu, ID_Producto)
);

-- Section keys are the largest plus one over every package.
CREATE TABLE Secciones_Paquete (
    ID_Seccion_Paquete INTEGER PRIMARY KEY,
    Nombre_Seccion     VARCHAR(25) COLLATE NOCASE,
    ID_Producto        INTEGER REFERENCES Producto (ID_Producto),
    Numero             INTEGER
);

-- A deleted section's products go with it: a new section may receive its key.
CREATE TABLE ProductosXSeccion (
    ID_Seccion_Paquete INTEGER NOT NULL
        REFERENCES Secciones_Paquete (ID_Seccion_Paquete) ON DELETE CASCADE,
    ID_Producto        INTEGER NOT NULL REFERENCES Producto (ID_Producto),
    PRIMARY KEY (ID_Seccion_Paquete, ID_Producto)
);

------------------------------------------------------------------------------------------------
-- Operation catalogs, printers and terminals
------------------------------------------------------------------------------------------------

CREATE TABLE Tipo_Pago (
    ID_Tipo_Pago       INTEGER PRIMARY KEY AUTOINCREMENT,
    Nombre_Tipo_Pago   VARCHAR(25) COLLATE NOCASE,
    Clase              CHAR(1),
    Abrir_Gaveta       BIT INTEGER DEFAULT 0,
    UNIQUE (Nombre_Tipo_Pago)
);

CREATE TABLE Tipos_Anulacion (
    ID_Tipo_Anulacion      INTEGER PRIMARY KEY AUTOINCREMENT,
    Nombre_Tipos_Anulacion VARCHAR(25) COLLATE NOCASE,
    Regresa_Existencia     BIT INTEGER DEFAULT 0,
    UNIQUE (Nombre_Tipos_Anulacion)
);

CREATE TABLE Mensajes (
    ID_Mensaje         INTEGER PRIMARY KEY AUTOINCREMENT,
    Mensaje            VARCHAR(255) COLLATE NOCASE,
    Mensaje_Activo     BIT INTEGER DEFAULT 1,
    UNIQUE (Mensaje)
);

-- Vereduda marks the server terminal. A terminal may have no menu yet.
CREATE TABLE Terminal (
    ID_Terminal        INTEGER PRIMARY KEY AUTOINCREMENT,
    Nombre_Terminal    VARCHAR(25) COLLATE NOCASE,
    Direccion_IP       VARCHAR(255),
    Estado_Terminal    CHAR(1),
    ID_Menu            INTEGER,
    Vereduda           BIT INTEGER DEFAULT 0,
    Servidor_Backup    BIT INTEGER DEFAULT 0,
    UNIQUE (Nombre_Terminal)
);

-- One server at most: the customer-ticket reprint looks for the server's printer by it.
CREATE UNIQUE INDEX IX_Terminal_Servidor ON Terminal (Vereduda) WHERE Vereduda=1;

-- Redirigido is NULL only between the insert and the update that points a printer at itself.
CREATE TABLE Impresora (
    ID_Impresora          INTEGER PRIMARY KEY AUTOINCREMENT,
    Nombre_Impresora      VARCHAR(25) COLLATE NOCASE,
    Puerto                VARCHAR(25),
    Modo                  CHAR(1),
    ID_Terminal           INTEGER REFERENCES Terminal (ID_Terminal),
    Redirigido            INTEGER REFERENCES Impresora (ID_Impresora),
    Estado_Impresora      CHAR(1),
    EsDeCheques           BIT INTEGER DEFAULT 0,
    Id_Impresora_Respaldo INTEGER REFERENCES Impresora (ID_Impresora),
    Comentario            VARCHAR(255),
    UNIQUE (Nombre_Impresora)
);

CREATE TABLE Grupo_Impresoras (
    ID_Grupo_Impresoras     INTEGER PRIMARY KEY,
    Nombre_Grupo_Impresoras VARCHAR(25) COLLATE NOCASE,
    UNIQUE (Nombre_Grupo_Impresoras)
);

-- A deleted group's printers go with it: a new group may receive its key.
CREATE TABLE ImpresorasXGrupo (
    ID_Impresora        INTEGER NOT NULL REFERENCES Impresora (ID_Impresora),
    ID_Grupo_Impresoras INTEGER NOT NULL
        REFERENCES Grupo_Impresoras (ID_Grupo_Impresoras) ON DELETE CASCADE,
    PRIMARY KEY (ID_Impresora, ID_Grupo_Impresoras)
);

-- Tipo_Cortesia: P percentage, F fixed, A open. A NULL end means no end.
CREATE TABLE Tipo_Cortesia (
    ID_Tipo_Cortesia      INTEGER PRIMARY KEY,
    Nombre_Tipo_Cortesia  VARCHAR(25) COLLATE NOCASE,
    Tipo_Cortesia         CHAR(1),
    Cantidad_Cortesia     REAL,
    Cantidad_Maxima       REAL,
    Sel_articulo          BIT INTEGER DEFAULT 1,
    Fecha_Inicio_Cortesia DATETIME TEXT,
    Fecha_Fin_Cortesia    DATETIME TEXT,
    Cortesia_Activa       BIT INTEGER DEFAULT 1,
    UNIQUE (Nombre_Tipo_Cortesia)
);

CREATE TABLE ProductoXTipo_Cortesia (
    ID_Tipo_Cortesia   INTEGER NOT NULL,
    ID_Producto        INTEGER NOT NULL REFERENCES Producto (ID_Producto),
    PRIMARY KEY (ID_Tipo_Cortesia, ID_Producto)
);

CREATE TABLE Grupo_Promocional (
    ID_Grupo_Promocional   INTEGER PRIMARY KEY AUTOINCREMENT,
    Nombre_Gpo_Promocional VARCHAR(25) COLLATE NOCASE,
    UNIQUE (Nombre_Gpo_Promocional)
);

CREATE TABLE Detalle_Gpo_Promocional (
    ID_Grupo_Promocional INTEGER NOT NULL,
    ID_Producto          INTEGER NOT NULL REFERENCES Producto (ID_Producto),
    PRIMARY KEY (ID_Grupo_Promocional, ID_Producto)
);

-- The gift group's key is singular here and plural in Detalle_Promocion.
CREATE TABLE Grupo_Obsequios (
    ID_Grupo_Obsequio   INTEGER PRIMARY KEY AUTOINCREMENT,
    Nombre_Gpo_Obsequio VARCHAR(25) COLLATE NOCASE,
    UNIQUE (Nombre_Gpo_Obsequio)
);

CREATE TABLE Detalle_Gpo_Obsequios (
    ID_Grupo_Obsequio  INTEGER NOT NULL,
    ID_Producto        INTEGER NOT NULL REFERENCES Producto (ID_Producto),
    PRIMARY KEY (ID_Grupo_Obsequio, ID_Producto)
);

-- Tipo_Promocion: M minimum, P percentage, R range. ClaveUsr is only passed on to the terminals.
CREATE TABLE Promocion (
    ID_Promocion           INTEGER PRIMARY KEY AUTOINCREMENT,
    ClaveUsr               VARCHAR(20),
    Nombre_Promocion       VARCHAR(25) COLLATE NOCASE,
    Tipo_Promocion         CHAR(1),
    CantMesa               INTEGER,
    Fecha_Inicio_Promocion DATETIME TEXT,
    Fecha_Fin_Promocion    DATETIME TEXT,
    Activo                 BIT INTEGER DEFAULT 0,
    UNIQUE (Nombre_Promocion)
);

-- The promotions window deletes a promotion's rules with it, in one transaction; the groups a rule
-- uses cannot be deleted under it.
CREATE TABLE Detalle_Promocion (
    ID_Detalle_Promocion INTEGER PRIMARY KEY AUTOINCREMENT,
    ID_Promocion         INTEGER,
    CantMinima           INTEGER,
    CantMaxima           INTEGER,
    CantObsequios        INTEGER,
    Descuento            REAL,
    ID_Grupo_Promocional INTEGER REFERENCES Grupo_Promocional (ID_Grupo_Promocional),
    ID_Grupo_Obsequios   INTEGER REFERENCES Grupo_Obsequios (ID_Grupo_Obsequio)
);

------------------------------------------------------------------------------------------------
-- End of day: parameters, terminal commands and the central copies of the sales
------------------------------------------------------------------------------------------------

CREATE TABLE Parametros (
    ID_Parametro       VARCHAR(25) COLLATE NOCASE NOT NULL,
    Valor_Num          REAL,
    Valor_Cad          VARCHAR(255),
    PRIMARY KEY (ID_Parametro)
);

-- Emptied at the start of every end of day; the program reads and writes none of its columns.
CREATE TABLE Control_Paquetes (
    ID_Control         INTEGER PRIMARY KEY AUTOINCREMENT,
    ID_Terminal        INTEGER,
    ID_Paquete         INTEGER,
    Fecha              DATETIME TEXT
);

-- Escribiendo stays 1 until every addressee of the command is written.
CREATE TABLE Transacciones (
    ID_Transaccion     INTEGER PRIMARY KEY AUTOINCREMENT,
    Transaccion        VARCHAR(10),
    Escribiendo        BIT INTEGER DEFAULT 1
);

CREATE TABLE TransaccionesXTerminal (
    ID_Transaccion     INTEGER NOT NULL,
    ID_Terminal        INTEGER NOT NULL,
    PRIMARY KEY (ID_Transaccion, ID_Terminal)
);

-- Sales keys are made on the terminals. Control, CantHuespedes, impuesto_modificador and
-- Referencia exist only here; the reports join an order's rows by Control and sum modifier
-- amounts net of impuesto_modificador, so they start at 0 rather than NULL.
CREATE TABLE Comanda (
    ID_Comanda         INTEGER PRIMARY KEY,
    ID_Empleado        INTEGER,
    Num_Mesa           INTEGER,
    Abierta            BIT INTEGER,
    Fecha_Apertura     DATETIME TEXT,
    Fecha_Cierre       DATETIME TEXT,
    Tipo               VARCHAR(20),
    Fecha_Trabajo      CHAR(8),
    Control            INTEGER DEFAULT 0,
    CantHuespedes      INTEGER DEFAULT 0,
    -- The terminal the order was collected from; NULL for orders collected before it was kept.
    ID_Terminal_Origen INTEGER
);

CREATE TABLE Cuenta (
    ID_Comanda         INTEGER NOT NULL,
    Num_Cuenta         INTEGER NOT NULL,
    Pagada             BIT INTEGER,
    Num_Impresiones    INTEGER DEFAULT 0,
    Total              MONEY REAL,
    Control            INTEGER DEFAULT 0,
    PRIMARY KEY (ID_Comanda, Num_Cuenta)
);

-- ID_ProductosXCuenta: the terminal's ID_Terminal digits followed by its item folio.
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
    Hora_Anulacion      DATETIME TEXT,
    Control             INTEGER DEFAULT 0
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
    ID_ProductosXCuenta  INTEGER NOT NULL,
    ID_Tipo_Modificador  INTEGER NOT NULL,
    Precio_Modificador   MONEY REAL,
    impuesto_modificador MONEY REAL DEFAULT 0,
    PRIMARY KEY (ID_ProductosXCuenta, ID_Tipo_Modificador)
);

CREATE TABLE Pago (
    ID_Pago            INTEGER PRIMARY KEY,
    ID_Comanda         INTEGER,
    Num_Cuenta         INTEGER,
    ID_Tipo_Pago       INTEGER,
    Monto_Pago         MONEY REAL,
    Propina            MONEY REAL,
    Control            INTEGER DEFAULT 0,
    Referencia         VARCHAR(50) DEFAULT NULL
);


-- The end of day and the reports select a day's sales by its orders, and an order's rows by it.
CREATE INDEX IX_Comanda_Fecha_Trabajo ON Comanda (Fecha_Trabajo);
CREATE INDEX IX_ProductosXCuenta_ID_Comanda ON ProductosXCuenta (ID_Comanda);
CREATE INDEX IX_Pago_ID_Comanda ON Pago (ID_Comanda);

-- Journal of the end of day, so that a run stopped at any point is finished by the next start and
-- never repeated. A run is started, then collected (working date and folios written), then
-- finished. Its terminals are fixed when it starts; each is pending, then absent (no database on
-- its share), skipped (refused name, ignored or locked file), fetched (Digest: SHA-256 of the copy
-- taken), collected, and pushed.
CREATE TABLE EndOfDayRun (
    RunId              INTEGER PRIMARY KEY AUTOINCREMENT,
    OldDate            CHAR(8) NOT NULL,
    NewDate            CHAR(8) NOT NULL,
    State              VARCHAR(10) NOT NULL DEFAULT 'started'
                       CHECK (State IN ('started', 'collected', 'finished')),
    StartedAt          DATETIME TEXT,
    FinishedAt         DATETIME TEXT,
    UserName           VARCHAR(50)
);

CREATE TABLE EndOfDayTerminal (
    RunId              INTEGER NOT NULL REFERENCES EndOfDayRun (RunId),
    TerminalId         INTEGER NOT NULL,
    TerminalName       VARCHAR(25),
    MenuId             INTEGER,
    State              VARCHAR(10) NOT NULL DEFAULT 'pending'
                       CHECK (State IN ('pending', 'absent', 'skipped', 'fetched', 'collected', 'pushed')),
    Digest             VARCHAR(64),
    Measures           TEXT,
    RowsInserted       INTEGER DEFAULT 0,
    RowsUpdated        INTEGER DEFAULT 0,
    RowsRefused        INTEGER DEFAULT 0,
    ItemFolioSent      INTEGER,
    ErrorText          TEXT,
    -- SHA-256 of the database sent, recorded before it takes the share's place, and why the
    -- last try to send it failed.
    PushDigest         VARCHAR(64),
    PushError          TEXT,
    PRIMARY KEY (RunId, TerminalId)
);

-- Reports select a period of working dates through one expression that turns "ddmmyyyy" into
-- "yyyymmdd" (foundation/routines/fecha_trabajo.h); this index serves exactly that expression.
CREATE INDEX IX_Comanda_Orden_Fecha_Trabajo
    ON Comanda ((substr(Fecha_Trabajo,5,4)||substr(Fecha_Trabajo,3,2)||substr(Fecha_Trabajo,1,2)));

-- The courtesy views give the working date as "yyyy.mm.dd" (FechaTrabajo); this index serves a
-- period of it, so that a day's courtesies or gold cards read that day's checks only.
CREATE INDEX IX_Comanda_FechaTrabajo_Vistas
    ON Comanda ((substr(Fecha_Trabajo,5,4)||'.'||substr(Fecha_Trabajo,3,2)||'.'||substr(Fecha_Trabajo,1,2)));

-- The customer of an account (IdTipoCliente 2: gold card). Nothing in the program writes it; the
-- courtesy views read it.
CREATE TABLE ClientesXCuenta (
    ID_Comanda         INTEGER NOT NULL,
    Num_Cuenta         INTEGER NOT NULL,
    CveCliente         VARCHAR(20),
    NombreCliente      VARCHAR(100) COLLATE NOCASE,
    IdTipoCliente      INTEGER,
    PRIMARY KEY (ID_Comanda, Num_Cuenta)
);

-- Courtesies given on items sold, by working date ("yyyy.mm.dd") and check. Nothing records who
-- authorised a courtesy: Gerente and ID_Gerente are NULL.
CREATE VIEW Vw_ReporteCortesias AS
    SELECT P.ID_Comanda AS Folio, K.ID_Tipo_Cortesia AS ID_Tipo_Cortesia, T.Nombre_Tipo_Cortesia AS Cortesia,
           K.Monto AS Monto, P.Comentario AS Comentario,
           IFNULL(E.Apellido_Paterno, '') || ' ' || IFNULL(E.Apellido_Materno, '') || ' '
               || IFNULL(E.Nombre_Empleado, '') AS Vendedor,
           NULL AS Gerente,
           substr(C.Fecha_Trabajo,5,4) || '.' || substr(C.Fecha_Trabajo,3,2) || '.' || substr(C.Fecha_Trabajo,1,2)
               AS FechaTrabajo,
           C.ID_Empleado AS ID_Empleado, NULL AS ID_Gerente
    FROM Cortesia K
         JOIN ProductosXCuenta P ON P.ID_ProductosXCuenta = K.ID_ProductosXCuenta
         JOIN Comanda C ON C.ID_Comanda = P.ID_Comanda AND C.Control = P.Control
         LEFT JOIN Tipo_Cortesia T ON T.ID_Tipo_Cortesia = K.ID_Tipo_Cortesia
         LEFT JOIN Empleado E ON E.ID_Empleado = C.ID_Empleado
    WHERE P.ID_Tipo_Anulacion IS NULL
    ORDER BY FechaTrabajo, Folio;

-- One row per account whose customer is known (ClientesXCuenta), with the account's total and its
-- waiter; Gerente and ID_Gerente are NULL, as nothing records who authorised it.
CREATE VIEW Vw_ReporteCortesiasEspeciales AS
    SELECT X.CveCliente AS CveCliente, X.NombreCliente AS NombreCliente, X.IdTipoCliente AS IdTipoCliente,
           substr(C.Fecha_Trabajo,5,4) || '.' || substr(C.Fecha_Trabajo,3,2) || '.' || substr(C.Fecha_Trabajo,1,2)
               AS FechaTrabajo,
           Cu.ID_Comanda AS ID_Comanda, Cu.Num_Cuenta AS Num_Cuenta, Cu.Total AS Total,
           NULL AS Gerente, NULL AS ID_Gerente,
           IFNULL(E.Apellido_Paterno, '') || ' ' || IFNULL(E.Apellido_Materno, '') || ' '
               || IFNULL(E.Nombre_Empleado, '') AS Empleado
    FROM ClientesXCuenta X
         JOIN Cuenta Cu ON Cu.ID_Comanda = X.ID_Comanda AND Cu.Num_Cuenta = X.Num_Cuenta
         JOIN Comanda C ON C.ID_Comanda = Cu.ID_Comanda AND C.Control = Cu.Control
         LEFT JOIN Empleado E ON E.ID_Empleado = C.ID_Empleado;

------------------------------------------------------------------------------------------------
-- Reports: day parts, company data, staff hours
------------------------------------------------------------------------------------------------

-- Times of day "hh:mm:ss"; a start later than the end crosses midnight.
CREATE TABLE Seccion_dia (
    Nombre             VARCHAR(25) COLLATE NOCASE NOT NULL,
    Hora_inicio        CHAR(8),
    Hora_Fin           CHAR(8),
    PRIMARY KEY (Nombre)
);

-- The ticket prints the row whose key is the parameter CVEEMPRESA.
CREATE TABLE Empresas (
    CveEmpresa         INTEGER PRIMARY KEY,
    RazonSocial        VARCHAR(64),
    Calle              VARCHAR(64),
    Colonia            VARCHAR(64),
    DelMunicipio       VARCHAR(64),
    Estado             VARCHAR(64),
    CP                 VARCHAR(10),
    RFC                VARCHAR(20),
    Telefono1          VARCHAR(20)
);

-- Clock entries come from the terminals; the back office corrects their times only.
CREATE TABLE HorasXEmpleado (
    ID_Entrada         INTEGER PRIMARY KEY AUTOINCREMENT,
    Id_Empleado        INTEGER,
    ID_Departamento    INTEGER,
    Fecha_Trabajo      CHAR(8),
    Hora_Inicio        DATETIME TEXT,
    Hora_Final         DATETIME TEXT,
    Minutos            REAL,
    Costo              MONEY REAL
);

-- Reports select a period of clock entries through the working-date expression
-- (foundation/routines/fecha_trabajo.h); the signed hours report also sums one employee's period.
CREATE INDEX IX_HorasXEmpleado_Orden_Fecha_Trabajo
    ON HorasXEmpleado ((substr(Fecha_Trabajo,5,4)||substr(Fecha_Trabajo,3,2)||substr(Fecha_Trabajo,1,2)));
CREATE INDEX IX_HorasXEmpleado_Empleado_Fecha_Trabajo
    ON HorasXEmpleado (Id_Empleado, (substr(Fecha_Trabajo,5,4)||substr(Fecha_Trabajo,3,2)||substr(Fecha_Trabajo,1,2)));

-- A corrected time recomputes the entry: whole minutes from clock-in to clock-out (NULL while
-- either is missing) and their cost at the employee's rate in the entry's department (0 without a
-- rate), to the cent with ties to the even cent as Redondear rounds. The rounding is plain SQL, so
-- that a time corrected from any tool that opens the database is recomputed alike.
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

-- The highest key given so far in each table whose keys the windows compute: a deleted row's key
-- is never given to a new row.
CREATE TABLE Ultima_Clave (
    Tabla              VARCHAR(50) COLLATE NOCASE NOT NULL,
    Clave              INTEGER NOT NULL,
    PRIMARY KEY (Tabla)
);

-- The check value of the key file whose cipher key enciphered the employees' passwords (a digest,
-- never the key): a key file of another installation is refused at start instead of turning every
-- right password into a failed login. One row; none until a key file was present.
CREATE TABLE KeyFileCheck (
    Id                 INTEGER PRIMARY KEY CHECK (Id = 1),
    Digest             VARCHAR(64) NOT NULL
);
