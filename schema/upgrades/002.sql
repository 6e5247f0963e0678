-- The highest key given so far in each table whose keys the windows compute: a deleted row's key
-- is never given to a new row.
CREATE TABLE Ultima_Clave (
    Tabla              VARCHAR(50) COLLATE NOCASE NOT NULL,
    Clave              INTEGER NOT NULL,
    PRIMARY KEY (Tabla)
);
