-- Reports: the working-date index, the sales indexes, the customers of the accounts and the
-- courtesy views.

-- Reports select a period of working dates through one expression that turns "ddmmyyyy" into
-- "yyyymmdd" (foundation/routines/fecha_trabajo.h); this index serves exactly that expression.
CREATE INDEX IX_Comanda_Orden_Fecha_Trabajo
    ON Comanda ((substr(Fecha_Trabajo,5,4)||substr(Fecha_Trabajo,3,2)||substr(Fecha_Trabajo,1,2)));

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

