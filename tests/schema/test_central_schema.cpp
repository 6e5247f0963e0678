#include "../support/central_db.h"

#include <QStringList>

using namespace adodb;

namespace {

const QStringList kCentralTables = {
    QStringLiteral("Empleado"), QStringLiteral("EmpleadosXGrupo"), QStringLiteral("CostosXEmpleado"),
    QStringLiteral("Departamentos"), QStringLiteral("Grupo_Trabajo"), QStringLiteral("PermisosXGrupo_Trabajo"),
    QStringLiteral("Permisos"), QStringLiteral("Funciones"), QStringLiteral("ColaImpresion"),
    QStringLiteral("Detallecolaimpresion"), QStringLiteral("Categoria"), QStringLiteral("Modo_Preparacion"),
    QStringLiteral("Menu"), QStringLiteral("Tipo_Modificador"), QStringLiteral("Grupo_Modificadores"),
    QStringLiteral("TiposXGrupo_Modificadores"), QStringLiteral("Tipos_Impuesto"),
    QStringLiteral("PorcentajeXTipo_Impuesto"), QStringLiteral("Producto"), QStringLiteral("PreciosXMenu"),
    QStringLiteral("ImpuestosXProducto"), QStringLiteral("SubMenu"), QStringLiteral("SubMenuXMenu"),
    QStringLiteral("ProductosXSubmenu"), QStringLiteral("Secciones_Paquete"), QStringLiteral("ProductosXSeccion"),
    QStringLiteral("Tipo_Pago"), QStringLiteral("Tipos_Anulacion"), QStringLiteral("Mensajes"),
    QStringLiteral("Terminal"), QStringLiteral("Impresora"), QStringLiteral("Grupo_Impresoras"),
    QStringLiteral("ImpresorasXGrupo"), QStringLiteral("Tipo_Cortesia"), QStringLiteral("ProductoXTipo_Cortesia"),
    QStringLiteral("Grupo_Promocional"), QStringLiteral("Grupo_Obsequios"), QStringLiteral("Detalle_Gpo_Promocional"),
    QStringLiteral("Detalle_Gpo_Obsequios"), QStringLiteral("Promocion"), QStringLiteral("Detalle_Promocion"),
    QStringLiteral("Parametros"), QStringLiteral("Control_Paquetes"), QStringLiteral("Transacciones"),
    QStringLiteral("TransaccionesXTerminal"), QStringLiteral("Comanda"), QStringLiteral("Cuenta"),
    QStringLiteral("ProductosXCuenta"), QStringLiteral("Pago"), QStringLiteral("Cortesia"),
    QStringLiteral("ImpuestosXCuenta"), QStringLiteral("Modificador"), QStringLiteral("Seccion_dia"),
    QStringLiteral("Empresas"), QStringLiteral("HorasXEmpleado"), QStringLiteral("Ultima_Clave"),
    QStringLiteral("EndOfDayRun"), QStringLiteral("EndOfDayTerminal"), QStringLiteral("ClientesXCuenta"),
    QStringLiteral("KeyFileCheck"),
};

// A small catalog that the refusal cases below lean on.
const char* kCatalog = R"(
    INSERT INTO Categoria VALUES (1, 'BEBIDAS', 'V');
    INSERT INTO Grupo_Impresoras VALUES (1, 'COCINA');
    INSERT INTO Grupo_Modificadores (ID_Grupo_Modificadores, Nombre_Grupo_Modificadores) VALUES (1, 'SALSAS');
    INSERT INTO Terminal (Nombre_Terminal, Estado_Terminal) VALUES ('CAJA1', 'A');
    INSERT INTO Impresora (Nombre_Impresora, ID_Terminal) VALUES ('BARRA', 1);
    INSERT INTO Impresora (Nombre_Impresora, ID_Terminal) VALUES ('RESPALDO', 1);
    UPDATE Impresora SET Redirigido = ID_Impresora WHERE Redirigido IS NULL;
    UPDATE Impresora SET Id_Impresora_Respaldo = 2 WHERE ID_Impresora = 1;
    INSERT INTO ImpresorasXGrupo VALUES (1, 1);
    INSERT INTO Producto (ID_Producto, Nombre_Completo, Estado, ID_Categoria, ID_Grupo_Impresoras,
                          ID_Grupo_Modificadores) VALUES (1, 'AGUA', 'A', 1, 1, 1);
    INSERT INTO Menu (ID_Menu, Nombre_Menu) VALUES (1, 'GENERAL');
    INSERT INTO PreciosXMenu VALUES (1, 1, 12.5);
    INSERT INTO Grupo_Promocional (Nombre_Gpo_Promocional) VALUES ('REFRESCOS');
    INSERT INTO Grupo_Obsequios (Nombre_Gpo_Obsequio) VALUES ('POSTRES');
    INSERT INTO Promocion (Nombre_Promocion, Tipo_Promocion) VALUES ('2X1', 'M');
    INSERT INTO Detalle_Promocion (ID_Promocion, CantMinima, ID_Grupo_Promocional, ID_Grupo_Obsequios)
        VALUES (1, 2, 1, 1);
)";

} // namespace

TEST_F(CentralDbFixture, HoldsEveryTableAndTheStartingRows)
{
    for (const QString& table : kCentralTables)
        EXPECT_EQ(scalar(QStringLiteral("SELECT COUNT(*) FROM sqlite_master WHERE type='table' AND name='%1'").arg(table)), 1)
            << qPrintable(table);
    EXPECT_EQ(scalar(QStringLiteral("SELECT COUNT(*) FROM sqlite_master WHERE type='table' AND name NOT LIKE 'sqlite%'")),
              kCentralTables.size());

    EXPECT_EQ(scalar(QStringLiteral("SELECT group_concat(ID_Permiso || '=' || Nombre_Permiso, ' ') FROM Permisos")).toString(),
              QStringLiteral("1=OPERACION 2=TIPOSDEPAGO 3=TIPOSDEANULACION 4=CATEGORIAS 5=GRUPOSMODIFICADORES 6=MENU "
                             "7=SUBMENU 8=GPOOBSEQUIOS 9=CORTESIAS 10=MODIFICADORES 11=PAQUETES 12=REPORTES "
                             "13=REPPAGOS 14=REPANULACION 15=REPPMIX 16=REPVENTAS 17=REPESPECIALES "
                             "18=REPARTICULOSXEMPL 19=REPLISTADEPRECIOS 20=ADMIN 21=PERMISOSXGRUPO 22=GRUPOSTRABAJO "
                             "23=EMPLEADOS 24=CONFIGURACION 25=GRUPOSIMPRESORAS 26=IMPRESORAS 27=MENSAJES 28=PARAMETROS"));
    EXPECT_EQ(scalar(QStringLiteral("SELECT group_concat(Id_Funcion) FROM Funciones WHERE Estado=0 AND Nombre<>'' "
                                    "AND length(Descripcion) BETWEEN 1 AND 90")).toString(), QStringLiteral("10,13,16"));
    EXPECT_EQ(scalar(QStringLiteral("SELECT COUNT(*) FROM Funciones")), 3);

    EXPECT_EQ(scalar(QStringLiteral("SELECT Valor_Cad FROM Parametros WHERE ID_Parametro='FECHA_TRABAJO'")).toString(),
              QStringLiteral("15032024"));
    for (const char* key : {"DIRTERMBD", "TERMINAL", "FOLIOCOMANDA", "FOLIOPAGO", "CVEEMPRESA", "TC_US", "SUCURSAL",
                            "DIRECCIONCALLE", "DIRECCIONCALLE2", "DIRECCIONCOL", "DIRECCIONDEL", "DIRECCIONEYC",
                            "DIRECCIONCP", "RFC", "SERIE"})
        EXPECT_EQ(scalar(QStringLiteral("SELECT COUNT(*) FROM Parametros WHERE ID_Parametro='%1'").arg(QLatin1String(key))), 1) << key;
    EXPECT_GT(scalar(QStringLiteral("SELECT Valor_Num FROM Parametros WHERE ID_Parametro='TC_US'")).toDouble(), 0);

    // The ticket refuses a company without its name and first three address lines.
    EXPECT_EQ(scalar(QStringLiteral("SELECT COUNT(*) FROM Empresas, Parametros WHERE ID_Parametro='CVEEMPRESA' "
                                    "AND CveEmpresa=Valor_Num AND RazonSocial<>'' AND Calle<>'' AND Colonia<>'' "
                                    "AND DelMunicipio<>''")), 1);
    EXPECT_EQ(scalar(QStringLiteral("SELECT group_concat(Nombre || ' ' || Hora_inicio || '-' || Hora_Fin, ', ') FROM "
                                    "(SELECT * FROM Seccion_dia ORDER BY Nombre)")).toString(),
              QStringLiteral("CENA 18:00:00-05:59:59, COMIDA 12:00:00-17:59:59, DESAYUNO 06:00:00-11:59:59"));
    EXPECT_EQ(scalar(QStringLiteral("SELECT COUNT(*) FROM PermisosXGrupo_Trabajo, Grupo_Trabajo "
                                    "WHERE PermisosXGrupo_Trabajo.ID_Grupo_Trabajo=Grupo_Trabajo.ID_Grupo_Trabajo "
                                    "AND Activo=1")), 28);
    EXPECT_EQ(scalar(QStringLiteral("SELECT COUNT(*) FROM Empleado")), 0);
}

TEST_F(CentralDbFixture, DuplicateNamesAndPairsAreRefusedAsDuplicateKeys)
{
    db.execute(QString::fromLatin1(kCatalog));
    db.execute(QStringLiteral("INSERT INTO Empleado (ID_Empleado, Usuario) VALUES (1, 'PEDRO')"));
    const char* cases[] = {
        "INSERT INTO Categoria VALUES (2, 'bebidas', 'S')",  // names compare without regard to case
        "INSERT INTO PreciosXMenu VALUES (1, 1, 15)",
        "INSERT INTO Empleado (ID_Empleado, Usuario) VALUES (2, 'Pedro')",
        "INSERT INTO Grupo_Trabajo (Nombre_Grupo_Trabajo) VALUES ('ADMINISTRADORES')",
        "INSERT INTO Departamentos (Nombre) VALUES ('COCINA'); INSERT INTO Departamentos (Nombre) VALUES ('COCINA')",
        "INSERT INTO Terminal (Nombre_Terminal) VALUES ('CAJA1')",
        "INSERT INTO Impresora (Nombre_Impresora) VALUES ('BARRA')",
        "INSERT INTO ImpresorasXGrupo VALUES (1, 1)",
        "INSERT INTO PorcentajeXTipo_Impuesto VALUES (1, '2024-01-01 00:00:00', NULL, 0.16);"
        "INSERT INTO PorcentajeXTipo_Impuesto VALUES (1, '2024-01-01 00:00:00', NULL, 0.08)",
        "INSERT INTO Mensajes (Mensaje) VALUES ('HOLA'); INSERT INTO Mensajes (Mensaje) VALUES ('hola')",
        "INSERT INTO Promocion (Nombre_Promocion) VALUES ('2x1')",
        "INSERT INTO Comanda (ID_Comanda) VALUES (7); INSERT INTO Comanda (ID_Comanda) VALUES (7)",
        "INSERT INTO Modificador VALUES (11, 3, 5, 0); INSERT INTO Modificador VALUES (11, 3, 6, 0)",
    };
    for (const char* sql : cases) {
        EXPECT_EQ(nativeErrorOf(QString::fromLatin1(sql)), native::DuplicateKey) << sql;
    }
}

TEST_F(CentralDbFixture, DeletingACatalogRowInUseIsRefusedNamingTheReferringTable)
{
    db.execute(QString::fromLatin1(kCatalog));
    db.execute(QStringLiteral("INSERT INTO Departamentos (ID_Departamento, Nombre) VALUES (1, 'COCINA');"
                              "INSERT INTO CostosXEmpleado VALUES (1, 1, 55.5);"
                              "INSERT INTO EmpleadosXGrupo VALUES (1, 1)"));
    struct Case { const char* sql; const char* table; };
    const Case cases[] = {
        {"DELETE FROM Grupo_Impresoras WHERE ID_Grupo_Impresoras=1", "Producto"},
        {"DELETE FROM Categoria WHERE ID_Categoria=1", "Producto"},
        {"DELETE FROM Grupo_Modificadores WHERE ID_Grupo_Modificadores=1", "Producto"},
        {"DELETE FROM Terminal WHERE ID_Terminal=1", "Impresora"},
        {"DELETE FROM Impresora WHERE ID_Impresora=1", "ImpresorasXGrupo"},
        {"DELETE FROM Impresora WHERE ID_Impresora=2", "Impresora"},  // backup of printer 1
        {"DELETE FROM Grupo_Promocional WHERE ID_Grupo_Promocional=1", "Detalle_Promocion"},
        {"DELETE FROM Grupo_Obsequios WHERE ID_Grupo_Obsequio=1", "Detalle_Promocion"},
        {"DELETE FROM Departamentos WHERE ID_Departamento=1", "CostosXEmpleado"},
        {"DELETE FROM Grupo_Trabajo WHERE ID_Grupo_Trabajo=1", "EmpleadosXGrupo"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(nativeErrorOf(QString::fromLatin1(c.sql)), native::ReferenceConflict) << c.sql;
        ASSERT_FALSE(db.errors().isEmpty());
        EXPECT_TRUE(db.errors().first().Description.contains(QStringLiteral("tabla '%1'").arg(QLatin1String(c.table))))
            << c.sql << ": " << qPrintable(db.errors().first().Description);
    }
    // The refused group delete kept its printers too.
    EXPECT_EQ(scalar(QStringLiteral("SELECT COUNT(*) FROM ImpresorasXGrupo")), 1);
}

TEST_F(CentralDbFixture, DeletesThatLeaveOrTakeTheirDependentRows)
{
    db.execute(QString::fromLatin1(kCatalog));
    db.execute(QStringLiteral(R"(
        INSERT INTO Empleado (ID_Empleado, Usuario) VALUES (1, 'PEDRO');
        INSERT INTO Departamentos (ID_Departamento, Nombre) VALUES (1, 'COCINA');
        INSERT INTO CostosXEmpleado VALUES (1, 1, 55.5);
        INSERT INTO Tipo_Modificador (ID_Tipo_Modificador, Nombre_Tipo_Modificador) VALUES (1, 'EXTRA QUESO');
        INSERT INTO TiposXGrupo_Modificadores VALUES (1, 1);
        INSERT INTO Secciones_Paquete VALUES (1, 'BEBIDA', 1, 1);
        INSERT INTO ProductosXSeccion VALUES (1, 1);
    )"));

    // Kept behind: an employee's costs, a modifier's memberships, a promotion's rules.
    EXPECT_EQ(nativeErrorOf(QStringLiteral("DELETE FROM Empleado WHERE ID_Empleado=1")), 0);
    EXPECT_EQ(scalar(QStringLiteral("SELECT COUNT(*) FROM CostosXEmpleado WHERE ID_Empleado=1")), 1);
    EXPECT_EQ(nativeErrorOf(QStringLiteral("DELETE FROM Tipo_Modificador WHERE ID_Tipo_Modificador=1")), 0);
    EXPECT_EQ(scalar(QStringLiteral("SELECT COUNT(*) FROM TiposXGrupo_Modificadores")), 1);
    EXPECT_EQ(nativeErrorOf(QStringLiteral("DELETE FROM Promocion WHERE ID_Promocion=1")), 0);
    EXPECT_EQ(scalar(QStringLiteral("SELECT COUNT(*) FROM Detalle_Promocion")), 1);

    // Taken along: a section's products and a printer group's members, which a new section or
    // group with the same key must not inherit.
    EXPECT_EQ(nativeErrorOf(QStringLiteral("DELETE FROM Secciones_Paquete WHERE ID_Seccion_Paquete=1")), 0);
    EXPECT_EQ(scalar(QStringLiteral("SELECT COUNT(*) FROM ProductosXSeccion")), 0);
    db.execute(QStringLiteral("UPDATE Producto SET ID_Grupo_Impresoras=NULL"));
    EXPECT_EQ(nativeErrorOf(QStringLiteral("DELETE FROM Grupo_Impresoras WHERE ID_Grupo_Impresoras=1")), 0);
    EXPECT_EQ(scalar(QStringLiteral("SELECT COUNT(*) FROM ImpresorasXGrupo")), 0);

    // A printer that prints its own jobs (every printer does after a save) can go.
    EXPECT_EQ(nativeErrorOf(QStringLiteral("DELETE FROM Impresora WHERE ID_Impresora=1")), 0);

    // Sales never refer to catalog rows.
    db.execute(QStringLiteral("INSERT INTO ProductosXCuenta (ID_ProductosXCuenta, ID_Producto, ID_Modo_Preparacion) "
                              "VALUES (11, 1, 99)"));
    db.execute(QStringLiteral("DELETE FROM PreciosXMenu; DELETE FROM Producto"));
    EXPECT_EQ(scalar(QStringLiteral("SELECT COUNT(*) FROM ProductosXCuenta")), 1);
}

TEST_F(CentralDbFixture, KeysTheDatabaseHandsOutAreNeverHandedOutAgain)
{
    struct Case { const char* table; const char* insert; };
    const Case cases[] = {
        {"Transacciones", "INSERT INTO Transacciones (Transaccion) VALUES ('!ON')"},
        {"Grupo_Promocional", "INSERT INTO Grupo_Promocional (Nombre_Gpo_Promocional) VALUES (hex(randomblob(8)))"},
    };
    for (const Case& c : cases) {
        const QString insert = QString::fromLatin1(c.insert);
        const QString maxKey = QStringLiteral("SELECT MAX(rowid) FROM %1").arg(QLatin1String(c.table));
        db.execute(insert);
        db.execute(insert);
        const long last = scalar(maxKey).toLongLong();
        db.execute(QStringLiteral("DELETE FROM %1").arg(QLatin1String(c.table)));
        db.execute(insert);
        EXPECT_EQ(scalar(maxKey).toLongLong(), last + 1) << c.table;
    }
}

TEST_F(CentralDbFixture, ColumnsNobodyWritesTakeTheDefaultsTheReportsNeed)
{
    // What the end of day's collection and the employees window write, and nothing more.
    db.execute(QStringLiteral(R"(
        INSERT INTO Comanda (ID_Comanda, ID_Empleado, Num_Mesa, Abierta, Fecha_Apertura, Fecha_Cierre, Tipo, Fecha_Trabajo)
            VALUES (7, 1, 4, 0, '2024-03-15 13:00:00', NULL, 'M', '15032024');
        INSERT INTO Cuenta (ID_Comanda, Num_Cuenta, Pagada, Num_Impresiones, Total) VALUES (7, 1, 1, 1, 100);
        INSERT INTO ProductosXCuenta (ID_ProductosXCuenta, ID_Comanda, Num_Cuenta, ID_Producto) VALUES (31, 7, 1, 1);
        INSERT INTO Modificador (ID_ProductosXCuenta, ID_Tipo_Modificador, Precio_Modificador) VALUES (31, 1, 10);
        INSERT INTO Pago (ID_Pago, ID_Comanda, Num_Cuenta, ID_Tipo_Pago, Monto_Pago, Propina) VALUES (1, 7, 1, 1, 100, 0);
        INSERT INTO Transacciones (Transaccion) VALUES ('!OFF ');
        INSERT INTO Empleado (Id_Empleado, Usuario, Nombre_Empleado, Contraseña, Tarjeta_magnetica, Apellido_Paterno,
            Apellido_Materno, Calle_Numero, Colonia, Estado, C_P, RFC, S_S, Estado_Empleado, Intentos, Admin_Usuarios, Ciudad)
            VALUES (1, 'ANA', 'ANA', 'x', 0, 'A', 'B', '', '', '', '', '', '', 'A', 0, 0, '');
    )"));
    EXPECT_EQ(scalar(QStringLiteral("SELECT Control || '/' || CantHuespedes FROM Comanda")).toString(), QStringLiteral("0/0"));
    EXPECT_EQ(scalar(QStringLiteral("SELECT COUNT(*) FROM Comanda c, Cuenta t, ProductosXCuenta p, Pago g "
                                    "WHERE t.Control=c.Control AND p.Control=c.Control AND g.Control=c.Control")), 1);
    EXPECT_EQ(scalar(QStringLiteral("SELECT Precio_Modificador - impuesto_modificador FROM Modificador")).toDouble(), 10.0);
    EXPECT_TRUE(scalar(QStringLiteral("SELECT Referencia FROM Pago")).isNull());
    EXPECT_TRUE(scalar(QStringLiteral("SELECT Fecha_Cierre FROM Comanda")).isNull());
    EXPECT_EQ(scalar(QStringLiteral("SELECT Escribiendo FROM Transacciones")).toInt(), 1);
    EXPECT_EQ(scalar(QStringLiteral("SELECT Id_Terminal || '/' || Num_Tarjeta || '/' || Admin_Usuarios FROM Empleado")).toString(),
              QStringLiteral("0//0"));
}

TEST_F(CentralDbFixture, DeclaredTypesGiveTheFieldTypesTheWindowsExpect)
{
    struct Case { const char* column; DataType type; };
    const Case cases[] = {
        {"Comanda.ID_Comanda", DataType::Integer},          {"Comanda.Abierta", DataType::Boolean},
        {"Comanda.Fecha_Apertura", DataType::DBTimeStamp},  {"Comanda.Fecha_Trabajo", DataType::Char},
        {"Cuenta.Total", DataType::Currency},               {"Producto.Nombre_Completo", DataType::VarChar},
        {"Producto.Estado", DataType::Char},                {"Producto.Paquete", DataType::Boolean},
        {"PorcentajeXTipo_Impuesto.Porcentaje", DataType::Double},
        {"PorcentajeXTipo_Impuesto.Fecha_Fin_Impuesto", DataType::DBTimeStamp},
        {"Parametros.Valor_Num", DataType::Double},         {"Parametros.Valor_Cad", DataType::VarChar},
        {"CostosXEmpleado.Costo_Hora", DataType::Currency}, {"Empleado.Admin_Usuarios", DataType::Boolean},
        {"Seccion_dia.Hora_inicio", DataType::Char},        {"HorasXEmpleado.Hora_Inicio", DataType::DBTimeStamp},
    };
    for (const Case& c : cases) {
        const QString table = QString::fromLatin1(c.column).section(QLatin1Char('.'), 0, 0);
        const QString column = QString::fromLatin1(c.column).section(QLatin1Char('.'), 1);
        Recordset rs = Recordset::open(db, QStringLiteral("SELECT * FROM %1").arg(table));
        EXPECT_EQ(rs.field(column).type(), c.type) << c.column;
    }
}

// Queries of the windows, reports and the end of day that name columns without their table: each
// column must lie in exactly one of the joined tables, and names in other letter cases must resolve.
TEST_F(CentralDbFixture, UnqualifiedColumnsOfTheSystemsJoinsResolve)
{
    const char* queries[] = {
        "SELECT Nombre_Permiso FROM EmpleadosXGrupo,Grupo_Trabajo,PermisosXGrupo_Trabajo,Permisos "
        "WHERE EmpleadosXGrupo.ID_Grupo_Trabajo=Grupo_Trabajo.ID_Grupo_Trabajo "
        "AND EmpleadosXGrupo.ID_Grupo_Trabajo=PermisosXGrupo_Trabajo.ID_Grupo_Trabajo "
        "AND PermisosXGrupo_Trabajo.ID_Permiso=Permisos.ID_Permiso AND Activo=1 AND ID_Empleado=1",
        "SELECT  Nombre_Empleado,Fecha_Cierre,Num_Mesa,Num_Impresiones,CantHuespedes FROM Comanda Com, Empleado Emp, "
        "Cuenta Cta WHERE Emp.ID_Empleado=Com.ID_Empleado AND Com.ID_Comanda=1 AND Cta.ID_Comanda = Com.ID_Comanda",
        "SELECT Producto.ID_Producto,Nombre_Completo,Precio,Porcentaje FROM Producto,PreciosXMenu,ImpuestosXProducto,"
        "Tipos_Impuesto,PorcentajeXTipo_Impuesto WHERE Producto.ID_Producto=PreciosXMenu.ID_Producto "
        "AND ImpuestosXProducto.ID_Tipo_Impuesto=Tipos_Impuesto.ID_Tipo_Impuesto "
        "AND Producto.ID_Producto=ImpuestosXProducto.ID_Producto "
        "AND Tipos_Impuesto.ID_Tipo_Impuesto=PorcentajeXTipo_Impuesto.ID_Tipo_Impuesto AND Estado='A' "
        "AND Tipo_Imp_Activo=1 AND ID_Menu=1 AND ID_Categoria=1",
        "SELECT Submenu.ID_Submenu,Nombre_Submenu,SubMenu_Fijo,Orden FROM Submenu,SubmenuXMenu "
        "WHERE Submenu.ID_Submenu=SubmenuXMenu.ID_Submenu AND ID_Menu=1",
        "SELECT ID_Submenu,ProductosXSubmenu.ID_Producto,Nombre_Completo,NULL,' ',Orden FROM ProductosXSubmenu,Producto "
        "WHERE ProductosXSubmenu.ID_Producto=Producto.ID_Producto AND ID_SubMenu=1",
        "SELECT *,' ' AS Modificar,Fecha_Inicio_Impuesto FROM PorcentajeXTipo_Impuesto",
        "SELECT Tipo_Cortesia.ID_Tipo_Cortesia,ID_Producto FROM Tipo_Cortesia,ProductoXTipo_Cortesia "
        "WHERE Tipo_Cortesia.ID_Tipo_Cortesia=ProductoXTipo_Cortesia.ID_Tipo_Cortesia "
        "AND (datetime('now','localtime') BETWEEN Fecha_Inicio_Cortesia AND Fecha_Fin_Cortesia OR Fecha_Fin_Cortesia IS NULL)",
        "SELECT COUNT(*),SUM(Precio_Venta) FROM ProductosXCuenta,Comanda "
        "WHERE ProductosXCuenta.ID_Comanda=Comanda.ID_Comanda AND Fecha_Trabajo='15032024' AND ID_Tipo_Anulacion IS NULL",
        "SELECT SUM(Monto_Pago) FROM Pago P,Tipo_Pago TP,Comanda COM WHERE P.ID_Tipo_Pago=TP.ID_Tipo_Pago "
        "AND P.ID_Comanda=COM.ID_Comanda AND Clase='E' AND Fecha_Trabajo='15032024'",
        "SELECT Fecha_Trabajo,SUM(Costo),SUM(Minutos) FROM HorasXEmpleado,Empleado,Departamentos "
        "WHERE HorasXEmpleado.Id_Empleado=Empleado.ID_Empleado "
        "AND HorasXEmpleado.ID_Departamento=Departamentos.ID_Departamento GROUP BY Fecha_Trabajo",
        "SELECT ImpresorasXGrupo.ID_Impresora,Nombre_Impresora,' ' FROM ImpresorasXgrupo,Impresora "
        "WHERE ImpresorasXGrupo.ID_Impresora=Impresora.ID_Impresora AND ID_Grupo_Impresoras=1",
        "SELECT Id_Impresora FROM Impresora WHERE EsDeCheques=1 AND id_terminal="
        "(SELECT id_terminal FROM terminal WHERE Vereduda=1)",
        "SELECT MAX(ID_ProductosXCuenta) AS ID FROM ProductosXCuenta WHERE ID_ProductosXCuenta LIKE '7%'",
    };
    for (const char* sql : queries)
        EXPECT_EQ(nativeErrorOf(QString::fromLatin1(sql)), 0) << sql;
}
