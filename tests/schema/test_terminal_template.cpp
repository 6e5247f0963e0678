#include "../support/central_db.h"

#include "schema/schema.h"

#include <QFile>

#include <iterator>

using namespace adodb;

namespace {

// The terminal build's copy list: central source, columns as the copy reads them, template table,
// condition.
struct Copy { const char* source; const char* columns; const char* destination; const char* condition = ""; };
const Copy kCopies[] = {
    {"Empleado", "ID_Empleado,Usuario,Nombre_Empleado || ' ' || Apellido_Paterno || ' ' || Apellido_Materno "
                 "AS Nombre_Empleado,Contraseña,Tarjeta_magnetica,Estado_Empleado,Num_Tarjeta", "Empleado"},
    {"Grupo_Trabajo", "ID_Grupo_Trabajo,Nombre_Grupo_Trabajo", "Grupo_Trabajo"},
    {"EmpleadosXGrupo", "ID_Empleado,ID_Grupo_Trabajo", "EmpleadosXGrupo"},
    {"Permisos", "ID_Permiso", "Permisos"},
    {"PermisosXGrupo_Trabajo", "ID_Grupo_Trabajo,ID_Permiso", "PermisosXGrupo_Trabajo"},
    {"Mensajes", "ID_Mensaje,Mensaje", "Mensajes"},
    {"Categoria", "ID_Categoria,Nombre_Categoria,Tipo_categoria", "Categoria"},
    {"Grupo_Impresoras", "ID_Grupo_Impresoras,Nombre_Grupo_Impresoras", "Grupo_Impresoras"},
    {"Terminal", "ID_Terminal,Nombre_Terminal,Direccion_IP,Estado_Terminal", "Terminal"},
    {"Impresora", "ID_Impresora,Nombre_Impresora,Puerto,Modo,ID_Terminal,Redirigido,Estado_Impresora,EsDeCheques,"
                  "Id_Impresora_Respaldo", "Impresora"},
    {"ImpresorasXGrupo", "ID_Impresora,ID_Grupo_Impresoras", "ImpresorasXGrupo"},
    {"Tipos_Impuesto,PorcentajeXTipo_Impuesto", "Tipos_Impuesto.ID_Tipo_Impuesto,Nombre_Tipo_Impuesto,Porcentaje,"
                                                "Tipo_Imp_Activo", "Tipos_Impuesto",
     "Tipos_Impuesto.ID_Tipo_Impuesto=PorcentajeXTipo_Impuesto.ID_Tipo_Impuesto AND (datetime('now','localtime') "
     "BETWEEN Fecha_Inicio_Impuesto AND Fecha_Fin_Impuesto OR Fecha_Fin_Impuesto IS NULL)"},
    {"Tipos_Anulacion", "ID_Tipo_Anulacion,Nombre_Tipos_Anulacion,Regresa_Existencia", "Tipos_Anulacion"},
    {"Modo_Preparacion", "ID_Modo_Preparacion,Nombre_Modo_Preparacion,Indicador", "Modo_Preparacion"},
    {"Tipo_Modificador", "ID_Tipo_Modificador,Nombre_Tipo_Modificador,Precio_Tipo_Modificador,Estado_Modificador",
     "Tipo_Modificador"},
    {"Grupo_Modificadores", "ID_Grupo_Modificadores,Nombre_Grupo_Modificadores,Fluir_automatico,Grupo_Mod_Activo",
     "Grupo_Modificadores"},
    {"TiposXGrupo_Modificadores", "ID_Grupo_Modificadores,ID_Tipo_Modificador", "TiposXGrupo_Modificadores"},
    {"Producto", "ID_Producto,ID_Categoria,Nombre_Boton,Nombre_Cuenta,0 AS Precio_Producto,Existencia,Abierto,"
                 "ID_Grupo_Impresoras,ID_Grupo_Modificadores,Estado,Paquete", "Producto"},
    {"Tipo_Cortesia", "ID_Tipo_Cortesia,Nombre_Tipo_Cortesia,Tipo_Cortesia,Cantidad_Cortesia,Cantidad_Maxima,"
                      "Sel_articulo,Cortesia_Activa", "Tipo_Cortesia"},
    {"Tipo_Cortesia,ProductoXTipo_Cortesia", "Tipo_Cortesia.ID_Tipo_Cortesia,ID_Producto", "ProductoXTipo_Cortesia",
     "Tipo_Cortesia.ID_Tipo_Cortesia=ProductoXTipo_Cortesia.ID_Tipo_Cortesia"},
    {"Tipo_Pago", "ID_Tipo_Pago,Nombre_Tipo_Pago,Clase,Abrir_gaveta", "Tipo_Pago"},
    {"ImpuestosXProducto", "ID_Tipo_Impuesto,ID_Producto,Incluir_en_precio", "ImpuestosXProducto"},
    {"Secciones_Paquete", "Id_Seccion_Paquete,Nombre_Seccion,ID_Producto,Numero", "Secciones_Paquete"},
    {"ProductosXSeccion", "ID_Seccion_Paquete,ID_Producto", "ProductosXSeccion"},
    {"Promocion", "ID_Promocion,ClaveUsr,Nombre_Promocion,Tipo_Promocion,CantMesa,Activo", "Promocion"},
    {"Grupo_Promocional", "ID_Grupo_Promocional,Nombre_Gpo_Promocional", "Grupo_Promocional"},
    {"Detalle_Gpo_Promocional", "ID_Grupo_Promocional,ID_Producto", "Detalle_Gpo_Promocional"},
    {"Grupo_Obsequios", "ID_Grupo_Obsequio,Nombre_Gpo_Obsequio", "Grupo_Obsequios"},
    {"Detalle_Gpo_Obsequios", "ID_Grupo_Obsequio,ID_Producto", "Detalle_Gpo_Obsequios"},
    {"Detalle_Promocion", "ID_Detalle_Promocion,ID_Promocion,CantMinima,CantMaxima,CantObsequios,Descuento,"
                          "ID_Grupo_Promocional,ID_Grupo_Obsequios", "Detalle_Promocion"},
    {"Parametros", "ID_Parametro,Valor_Num,Valor_Cad", "Parametros"},
    {"Submenu,SubmenuXMenu", "Submenu.ID_Submenu,Nombre_Submenu,SubMenu_Fijo,Orden", "Submenu",
     "Submenu.ID_Submenu=SubmenuXMenu.ID_Submenu AND ID_Menu=1"},
    {"ProductosXSubmenu", "ID_Submenu,ID_Producto", "ProductosXSubmenu"},
};

// Every central row the copy list reads, one of each.
const char* kCatalog = R"(
    INSERT INTO Empleado (ID_Empleado, Usuario, Nombre_Empleado, Apellido_Paterno, Apellido_Materno, Contraseña)
        VALUES (1, 'ANA', 'ANA', 'LOPEZ', 'RUIZ', 'x');
    INSERT INTO EmpleadosXGrupo VALUES (1, 1);
    INSERT INTO Mensajes (Mensaje) VALUES ('BIENVENIDOS');
    INSERT INTO Categoria VALUES (1, 'BEBIDAS', 'V');
    INSERT INTO Grupo_Impresoras VALUES (1, 'COCINA');
    INSERT INTO Terminal (Nombre_Terminal, Estado_Terminal, ID_Menu) VALUES ('CAJA1', 'A', 1);
    INSERT INTO Impresora (Nombre_Impresora, ID_Terminal, Redirigido) VALUES ('BARRA', 1, 1);
    INSERT INTO ImpresorasXGrupo VALUES (1, 1);
    INSERT INTO Tipos_Impuesto (ID_Tipo_Impuesto, Nombre_Tipo_Impuesto) VALUES (1, 'IVA');
    INSERT INTO PorcentajeXTipo_Impuesto VALUES (1, '2020-01-01 00:00:00', NULL, 0.16);
    INSERT INTO Tipos_Anulacion (Nombre_Tipos_Anulacion) VALUES ('ERROR');
    INSERT INTO Modo_Preparacion (Nombre_Modo_Preparacion, Indicador) VALUES ('TERMINO MEDIO', 'TM');
    INSERT INTO Tipo_Modificador VALUES (1, 'EXTRA QUESO', 'A', 10);
    INSERT INTO Grupo_Modificadores (ID_Grupo_Modificadores, Nombre_Grupo_Modificadores) VALUES (1, 'EXTRAS');
    INSERT INTO TiposXGrupo_Modificadores VALUES (1, 1);
    INSERT INTO Producto (ID_Producto, Nombre_Completo, Nombre_Boton, Nombre_Cuenta, Estado, ID_Categoria,
                          ID_Grupo_Impresoras, ID_Grupo_Modificadores) VALUES (1, 'AGUA', 'AGUA', 'AGUA', 'A', 1, 1, 1);
    INSERT INTO Tipo_Cortesia (ID_Tipo_Cortesia, Nombre_Tipo_Cortesia, Tipo_Cortesia, Cantidad_Cortesia,
                               Fecha_Inicio_Cortesia, Fecha_Fin_Cortesia) VALUES (1, 'GERENCIA', 'P', 10, NULL, NULL);
    INSERT INTO ProductoXTipo_Cortesia VALUES (1, 1);
    INSERT INTO Tipo_Pago (Nombre_Tipo_Pago, Clase, Abrir_Gaveta) VALUES ('EFECTIVO', 'E', 1);
    INSERT INTO ImpuestosXProducto VALUES (1, 1, 1);
    INSERT INTO Secciones_Paquete VALUES (1, 'BEBIDA', 1, 1);
    INSERT INTO ProductosXSeccion VALUES (1, 1);
    INSERT INTO Promocion (Nombre_Promocion, Tipo_Promocion) VALUES ('2X1', 'M');
    INSERT INTO Grupo_Promocional (Nombre_Gpo_Promocional) VALUES ('REFRESCOS');
    INSERT INTO Detalle_Gpo_Promocional VALUES (1, 1);
    INSERT INTO Grupo_Obsequios (Nombre_Gpo_Obsequio) VALUES ('POSTRES');
    INSERT INTO Detalle_Gpo_Obsequios VALUES (1, 1);
    INSERT INTO Detalle_Promocion (ID_Promocion, CantMinima, ID_Grupo_Promocional, ID_Grupo_Obsequios) VALUES (1, 2, 1, 1);
    INSERT INTO SubMenu (ID_SubMenu, Nombre_SubMenu) VALUES (1, 'BEBIDAS');
    INSERT INTO SubMenuXMenu (ID_Menu, ID_SubMenu) VALUES (1, 1);
    INSERT INTO ProductosXSubmenu (ID_Producto, ID_SubMenu, Orden) VALUES (1, 1, 3);
)";

class TerminalTemplate : public CentralDbFixture {
protected:
    void SetUp() override
    {
        CentralDbFixture::SetUp();
        path = root.filePath(QStringLiteral("Plantilla.mdb"));
        schema::createTerminalTemplate(path);
    }

    QString path;
};

} // namespace

TEST_F(TerminalTemplate, IsOneClosedFileThatOpensAsATerminalDatabase)
{
    EXPECT_TRUE(QFile::exists(path));
    EXPECT_FALSE(QFile::exists(path + QStringLiteral("-wal")));
    EXPECT_FALSE(QFile::exists(path + QStringLiteral(".nuevo")));

    Connection terminal;
    terminal.open(QStringLiteral("Driver={Microsoft Access Driver (*.mdb)};Dbq=C:\\Plantilla.mdb;DefaultDir=C:\\;"));
    EXPECT_EQ(terminal.execute(QStringLiteral("PRAGMA journal_mode")).field(0).text(), QStringLiteral("delete"));
    Recordset parametros = terminal.execute(QStringLiteral("SELECT ID_Parametro, Valor_Num FROM Parametros"));
    ASSERT_EQ(parametros.recordCount(), 1);
    EXPECT_EQ(parametros.field(0).text(), QStringLiteral("FOLIOPRODUCTOSX"));

    // The end of day's measures of a terminal's sales, on empty tables.
    const char* measures[] = {
        "SELECT COUNT(*),SUM(Precio_Venta) FROM ProductosXCuenta", "SELECT COUNT(*) FROM Comanda",
        "SELECT COUNT(*),SUM(Total) FROM Cuenta", "SELECT COUNT(*),SUM(Monto_Pago) FROM Pago",
        "SELECT COUNT(*),SUM(Monto) FROM Cortesia", "SELECT COUNT(*),SUM(Precio_Modificador) FROM Modificador",
        "SELECT COUNT(*),SUM(Monto_ImpuestosXCuenta) FROM ImpuestosXCuenta",
        "SELECT COUNT(*) FROM ProductosXCuenta WHERE NOT ID_Tipo_Anulacion IS NULL",
    };
    for (const char* sql : measures)
        EXPECT_EQ(terminal.execute(QString::fromLatin1(sql)).field(0).value().toInt(), 0) << sql;
    // The columns its collection reads.
    const char* reads[] = {
        "SELECT ID_Comanda,ID_Empleado,Num_Mesa,Abierta,Fecha_Apertura,Fecha_Cierre,Tipo,Fecha_Trabajo FROM Comanda",
        "SELECT ID_Comanda,Num_Cuenta,Pagada,Num_Impresiones,Total FROM Cuenta",
        "SELECT ID_ProductosXCuenta,ID_Comanda,Num_Cuenta,ID_Producto,Comentario,Preparado,Precio_Venta,Precio_Original,"
        "ID_Tipo_Anulacion,ID_Modo_Preparacion,ID_Promocion,ID_Paquete,Empleado_Anulacion,Hora_Anulacion FROM ProductosXCuenta",
        "SELECT ID_ProductosXCuenta,ID_Tipo_Cortesia,Monto FROM Cortesia",
        "SELECT ID_ProductosXCuenta,ID_Tipo_Impuesto,Monto_ImpuestosXCuenta FROM ImpuestosXCuenta",
        "SELECT ID_ProductosXCuenta,ID_Tipo_Modificador,Precio_Modificador FROM Modificador",
        "SELECT ID_Pago,ID_comanda,Num_Cuenta,ID_Tipo_Pago,Monto_Pago,Propina FROM Pago",
    };
    for (const char* sql : reads)
        EXPECT_EQ(terminal.execute(QString::fromLatin1(sql)).recordCount(), 0) << sql;
    // The central-only columns stay central.
    EXPECT_FALSE(terminal.execute(QStringLiteral("SELECT * FROM Comanda")).hasField(QStringLiteral("Control")));
    EXPECT_FALSE(terminal.execute(QStringLiteral("SELECT * FROM Modificador")).hasField(QStringLiteral("impuesto_modificador")));
}

TEST_F(TerminalTemplate, TakesEveryTableOfTheTerminalBuild)
{
    db.execute(QString::fromUtf8(kCatalog));
    db.execute(QStringLiteral("ATTACH DATABASE '%1' AS term").arg(path));
    // Like the build, each row goes in under the names that the central query gives its columns.
    for (const Copy& c : kCopies) {
        QString select = QStringLiteral("SELECT %1 FROM %2").arg(QString::fromUtf8(c.columns), QLatin1String(c.source));
        if (*c.condition)
            select += QStringLiteral(" WHERE ") + QLatin1String(c.condition);
        const Recordset rows = Recordset::open(db, select);
        const QStringList names = rows.fieldNames();
        const QString copy = QStringLiteral("INSERT INTO term.%1 (%2) %3")
                                 .arg(QLatin1String(c.destination), names.join(QLatin1Char(',')), select);
        EXPECT_EQ(nativeErrorOf(copy), 0) << qPrintable(copy) << " " << qPrintable(db.errors().value(0).Description);
        // The template's own parameter row stays beside the central ones.
        const int own = QLatin1String(c.destination) == QLatin1String("Parametros") ? 1 : 0;
        EXPECT_GT(rows.recordCount(), 0) << c.source;
        EXPECT_EQ(scalar(QStringLiteral("SELECT COUNT(*) FROM term.%1").arg(QLatin1String(c.destination))).toInt(),
                  rows.recordCount() + own) << c.destination;
    }
    EXPECT_EQ(scalar(QStringLiteral("SELECT Nombre_Empleado FROM term.Empleado")).toString(), QStringLiteral("ANA LOPEZ RUIZ"));
    // Besides the copied catalogs, only the seven sales tables.
    EXPECT_EQ(scalar(QStringLiteral("SELECT COUNT(*) FROM term.sqlite_master WHERE type='table'")).toInt(),
              int(std::size(kCopies)) + 7);
}

TEST_F(TerminalTemplate, ReplacesAnOlderTemplateWhole)
{
    Connection old;
    old.openFile(path, false, false);
    old.execute(QStringLiteral("INSERT INTO Categoria VALUES (9, 'VIEJA', 'V')"));
    old.close();

    schema::createTerminalTemplate(path);
    Connection fresh;
    fresh.openFile(path, false, false);
    EXPECT_EQ(fresh.execute(QStringLiteral("SELECT COUNT(*) FROM Categoria")).field(0).value().toInt(), 0);
    EXPECT_FALSE(QFile::exists(path + QStringLiteral(".nuevo")));
}

TEST_F(TerminalTemplate, IsRebuiltAtStartOnlyWhenAnOlderScriptWroteIt)
{
    const auto version = [this] {
        Connection t;
        t.openFile(path, false, false);
        return t.execute(QStringLiteral("PRAGMA user_version")).field(0).value().toInt();
    };
    const auto stamp = [this](int v) {
        Connection t;
        t.openFile(path, false, false);
        t.execute(QStringLiteral("INSERT OR REPLACE INTO Categoria VALUES (9, 'VIEJA', 'V'); PRAGMA user_version = %1").arg(v));
    };
    const auto bytes = [this] {
        QFile f(path);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    };
    ASSERT_GE(schema::terminalTemplateVersion(), 1);
    EXPECT_EQ(version(), schema::terminalTemplateVersion());

    // The first set-up's templates carry 0.
    stamp(schema::terminalTemplateVersion() - 1);
    EXPECT_TRUE(schema::refreshTerminalTemplate(path));
    EXPECT_EQ(version(), schema::terminalTemplateVersion());
    Connection fresh;
    fresh.openFile(path, false, false);
    EXPECT_EQ(fresh.execute(QStringLiteral("SELECT COUNT(*) FROM Categoria")).field(0).value().toInt(), 0);
    fresh.close();
    EXPECT_FALSE(QFile::exists(path + QStringLiteral(".nuevo")));

    for (int kept : {schema::terminalTemplateVersion(), schema::terminalTemplateVersion() + 1}) {
        stamp(kept);
        const QByteArray before = bytes();
        EXPECT_FALSE(schema::refreshTerminalTemplate(path)) << kept;
        EXPECT_EQ(bytes(), before) << kept;
    }

    {
        QFile garbage(path);
        ASSERT_TRUE(garbage.open(QIODevice::WriteOnly | QIODevice::Truncate));
        garbage.write(QByteArray(4096, 'x'));
    }
    EXPECT_TRUE(schema::refreshTerminalTemplate(path));
    EXPECT_EQ(version(), schema::terminalTemplateVersion());

    QFile::remove(path);
    EXPECT_FALSE(schema::refreshTerminalTemplate(path));
    EXPECT_FALSE(QFile::exists(path));
}
