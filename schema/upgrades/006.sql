-- Submenus, packages and their sections, courtesy types and promotional and gift groups refer to
-- their products, so that a product that any of them holds cannot be deleted. Their rows of
-- products deleted before name nothing the terminals could sell: they go, and so do the sections
-- of a deleted package with their products.

DELETE FROM ProductosXSubmenu WHERE ID_Producto NOT IN (SELECT ID_Producto FROM Producto);
DELETE FROM ProductosXSeccion
 WHERE ID_Producto NOT IN (SELECT ID_Producto FROM Producto)
    OR ID_Seccion_Paquete IN (SELECT ID_Seccion_Paquete FROM Secciones_Paquete
                               WHERE ID_Producto NOT IN (SELECT ID_Producto FROM Producto));
DELETE FROM Secciones_Paquete WHERE ID_Producto NOT IN (SELECT ID_Producto FROM Producto);
DELETE FROM ProductoXTipo_Cortesia WHERE ID_Producto NOT IN (SELECT ID_Producto FROM Producto);
DELETE FROM Detalle_Gpo_Promocional WHERE ID_Producto NOT IN (SELECT ID_Producto FROM Producto);
DELETE FROM Detalle_Gpo_Obsequios WHERE ID_Producto NOT IN (SELECT ID_Producto FROM Producto);

CREATE TABLE ProductosXSubmenu_nueva (
    ID_Producto        INTEGER NOT NULL REFERENCES Producto (ID_Producto),
    ID_SubMenu         INTEGER NOT NULL,
    Orden              INTEGER DEFAULT 0,
    PRIMARY KEY (ID_SubMenu, ID_Producto)
);
INSERT INTO ProductosXSubmenu_nueva (ID_Producto, ID_SubMenu, Orden)
    SELECT ID_Producto, ID_SubMenu, Orden FROM ProductosXSubmenu;
DROP TABLE ProductosXSubmenu;
ALTER TABLE ProductosXSubmenu_nueva RENAME TO ProductosXSubmenu;

CREATE TABLE Secciones_Paquete_nueva (
    ID_Seccion_Paquete INTEGER PRIMARY KEY,
    Nombre_Seccion     VARCHAR(25) COLLATE NOCASE,
    ID_Producto        INTEGER REFERENCES Producto (ID_Producto),
    Numero             INTEGER
);
INSERT INTO Secciones_Paquete_nueva (ID_Seccion_Paquete, Nombre_Seccion, ID_Producto, Numero)
    SELECT ID_Seccion_Paquete, Nombre_Seccion, ID_Producto, Numero FROM Secciones_Paquete;
DROP TABLE Secciones_Paquete;
ALTER TABLE Secciones_Paquete_nueva RENAME TO Secciones_Paquete;

CREATE TABLE ProductosXSeccion_nueva (
    ID_Seccion_Paquete INTEGER NOT NULL
        REFERENCES Secciones_Paquete (ID_Seccion_Paquete) ON DELETE CASCADE,
    ID_Producto        INTEGER NOT NULL REFERENCES Producto (ID_Producto),
    PRIMARY KEY (ID_Seccion_Paquete, ID_Producto)
);
INSERT INTO ProductosXSeccion_nueva (ID_Seccion_Paquete, ID_Producto)
    SELECT ID_Seccion_Paquete, ID_Producto FROM ProductosXSeccion;
DROP TABLE ProductosXSeccion;
ALTER TABLE ProductosXSeccion_nueva RENAME TO ProductosXSeccion;

CREATE TABLE ProductoXTipo_Cortesia_nueva (
    ID_Tipo_Cortesia   INTEGER NOT NULL,
    ID_Producto        INTEGER NOT NULL REFERENCES Producto (ID_Producto),
    PRIMARY KEY (ID_Tipo_Cortesia, ID_Producto)
);
INSERT INTO ProductoXTipo_Cortesia_nueva (ID_Tipo_Cortesia, ID_Producto)
    SELECT ID_Tipo_Cortesia, ID_Producto FROM ProductoXTipo_Cortesia;
DROP TABLE ProductoXTipo_Cortesia;
ALTER TABLE ProductoXTipo_Cortesia_nueva RENAME TO ProductoXTipo_Cortesia;

CREATE TABLE Detalle_Gpo_Promocional_nueva (
    ID_Grupo_Promocional INTEGER NOT NULL,
    ID_Producto          INTEGER NOT NULL REFERENCES Producto (ID_Producto),
    PRIMARY KEY (ID_Grupo_Promocional, ID_Producto)
);
INSERT INTO Detalle_Gpo_Promocional_nueva (ID_Grupo_Promocional, ID_Producto)
    SELECT ID_Grupo_Promocional, ID_Producto FROM Detalle_Gpo_Promocional;
DROP TABLE Detalle_Gpo_Promocional;
ALTER TABLE Detalle_Gpo_Promocional_nueva RENAME TO Detalle_Gpo_Promocional;

CREATE TABLE Detalle_Gpo_Obsequios_nueva (
    ID_Grupo_Obsequio  INTEGER NOT NULL,
    ID_Producto        INTEGER NOT NULL REFERENCES Producto (ID_Producto),
    PRIMARY KEY (ID_Grupo_Obsequio, ID_Producto)
);
INSERT INTO Detalle_Gpo_Obsequios_nueva (ID_Grupo_Obsequio, ID_Producto)
    SELECT ID_Grupo_Obsequio, ID_Producto FROM Detalle_Gpo_Obsequios;
DROP TABLE Detalle_Gpo_Obsequios;
ALTER TABLE Detalle_Gpo_Obsequios_nueva RENAME TO Detalle_Gpo_Obsequios;
