-- The highest key given so far in each table whose keys the windows compute: a deleted row's key
-- is never given to a new row.
CREATE TABLE Ultima_Clave (
    Tabla              VARCHAR(50) COLLATE NOCASE NOT NULL,
    Clave              INTEGER NOT NULL,
    PRIMARY KEY (Tabla)
);

-- The keys in use when the mark starts being kept count as given.
INSERT INTO Ultima_Clave (Tabla, Clave)
    SELECT 'Empleado', MAX(ID_Empleado) FROM Empleado HAVING MAX(ID_Empleado) IS NOT NULL
    UNION ALL SELECT 'Categoria', MAX(ID_Categoria) FROM Categoria HAVING MAX(ID_Categoria) IS NOT NULL
    UNION ALL SELECT 'Menu', MAX(ID_Menu) FROM Menu HAVING MAX(ID_Menu) IS NOT NULL
    UNION ALL SELECT 'Tipo_Modificador', MAX(ID_Tipo_Modificador) FROM Tipo_Modificador
        HAVING MAX(ID_Tipo_Modificador) IS NOT NULL
    UNION ALL SELECT 'Grupo_Modificadores', MAX(ID_Grupo_Modificadores) FROM Grupo_Modificadores
        HAVING MAX(ID_Grupo_Modificadores) IS NOT NULL
    UNION ALL SELECT 'Tipos_Impuesto', MAX(ID_Tipo_Impuesto) FROM Tipos_Impuesto HAVING MAX(ID_Tipo_Impuesto) IS NOT NULL
    UNION ALL SELECT 'Producto', MAX(ID_Producto) FROM Producto HAVING MAX(ID_Producto) IS NOT NULL
    UNION ALL SELECT 'SubMenu', MAX(ID_SubMenu) FROM SubMenu HAVING MAX(ID_SubMenu) IS NOT NULL
    UNION ALL SELECT 'Secciones_Paquete', MAX(ID_Seccion_Paquete) FROM Secciones_Paquete
        HAVING MAX(ID_Seccion_Paquete) IS NOT NULL
    UNION ALL SELECT 'Grupo_Impresoras', MAX(ID_Grupo_Impresoras) FROM Grupo_Impresoras
        HAVING MAX(ID_Grupo_Impresoras) IS NOT NULL
    UNION ALL SELECT 'Tipo_Cortesia', MAX(ID_Tipo_Cortesia) FROM Tipo_Cortesia HAVING MAX(ID_Tipo_Cortesia) IS NOT NULL;
