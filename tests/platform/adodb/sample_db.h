#pragma once

#include "platform/adodb/adodb.h"
#include "../../support/temp_data_root.h"

#include <gtest/gtest.h>

// A small central database under a temporary data root: a catalog table with a generated key and a
// unique name, a table that refers to another, and a table with a unique index created by name.
class SampleDb : public ::testing::Test {
protected:
    void SetUp() override
    {
        adodb::Connection setup;
        setup.openFile(root.filePath(QStringLiteral("central.db")), true, true);
        setup.execute(QStringLiteral(R"(
            CREATE TABLE Departamentos (
                ID_Departamento INTEGER PRIMARY KEY AUTOINCREMENT,
                Nombre VARCHAR(25) COLLATE NOCASE NOT NULL,
                Descripcion VARCHAR(100),
                Activo BIT INTEGER NOT NULL DEFAULT 1,
                UNIQUE (Nombre));
            CREATE TABLE Grupo_Impresoras (
                ID_Grupo_Impresora INTEGER PRIMARY KEY, Nombre VARCHAR(25) COLLATE NOCASE);
            CREATE TABLE Producto (
                ID_Producto INTEGER PRIMARY KEY, Nombre VARCHAR(40),
                Precio MONEY REAL, Alta DATETIME TEXT,
                ID_Grupo_Impresora INTEGER REFERENCES Grupo_Impresoras(ID_Grupo_Impresora));
            CREATE TABLE Terminal (ID_Terminal INTEGER PRIMARY KEY, Nombre VARCHAR(20));
            CREATE UNIQUE INDEX IX_Terminal_Nombre ON Terminal(Nombre);
            CREATE TABLE EmpleadosXGrupo (ID_Empleado INTEGER, ID_Grupo_Trabajo INTEGER);
            INSERT INTO Grupo_Impresoras VALUES (1, 'COCINA'), (2, 'BARRA');
            INSERT INTO Producto VALUES (10, 'Café', 12.5, '2021-07-05 14:03:22', 1);
            INSERT INTO Producto VALUES (11, 'Té', 10, NULL, NULL);
        )"));
        setup.close();
        db.open(QStringLiteral("server=.;driver={SQL Server};database=central"), QStringLiteral("vypjv_ok"), QStringLiteral("x"));
    }

    long scalar(const QString& sql)
    {
        adodb::Recordset rs = db.execute(sql);
        return rs.field(0).value().toLongLong();
    }

    TempDataRoot root;
    adodb::Connection db;
};
