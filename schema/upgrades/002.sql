-- Reports: the working-date index, the sales indexes, the customers of the accounts.

-- Reports select a period of working dates through one expression that turns "ddmmyyyy" into
-- "yyyymmdd" (foundation/routines/fecha_trabajo.h); this index serves exactly that expression.
CREATE INDEX IX_Comanda_Orden_Fecha_Trabajo
    ON Comanda ((substr(Fecha_Trabajo,5,4)||substr(Fecha_Trabajo,3,2)||substr(Fecha_Trabajo,1,2)));
CREATE INDEX IX_ProductosXCuenta_Comanda ON ProductosXCuenta (ID_Comanda);
CREATE INDEX IX_Pago_Comanda ON Pago (ID_Comanda);

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

