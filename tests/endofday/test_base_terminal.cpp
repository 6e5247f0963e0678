#include "endofday_fixture.h"

#include "endofday/arma_base_terminal.h"
#include "endofday/envia_base_terminal.h"
#include "endofday/folio_productos.h"
#include "endofday/punto_falla.h"
#include "endofday/rutas_terminal.h"
#include "platform/paths/paths.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

using adodb::ComError;

class BaseTerminal : public EndOfDayFixture {
protected:
    void SetUp() override
    {
        EndOfDayFixture::SetUp();
        db.execute(QStringLiteral(
            "UPDATE Parametros SET Valor_Cad='Datos' WHERE ID_Parametro='DIRTERMBD';"
            "INSERT INTO Producto (ID_Producto, Nombre_Boton) VALUES (1, 'CAFE'), (2, 'TE'), (3, 'PAN');"
            "INSERT INTO Menu (ID_Menu, Nombre_Menu) VALUES (1, 'A'), (2, 'B');"
            "INSERT INTO PreciosXMenu (ID_Menu, ID_Producto, Precio) VALUES (1, 1, 10.5), (1, 2, 20), (2, 2, 25);"
            "INSERT INTO SubMenu (ID_SubMenu, Nombre_SubMenu) VALUES (10, 'BEBIDAS'), (20, 'POSTRES');"
            "INSERT INTO SubMenuXMenu (ID_Menu, ID_SubMenu, Orden) VALUES (1, 10, 1), (2, 20, 2);"
            "INSERT INTO ProductosXSubmenu (ID_Producto, ID_SubMenu) VALUES (1, 10), (2, 20);"
            "INSERT INTO Terminal (ID_Terminal, Nombre_Terminal, Estado_Terminal, ID_Menu) VALUES"
            " (4, 'CAJA4', 'A', 2), (1, 'CAJA1', 'A', 1), (3, 'CAJA3', 'A', NULL), (2, 'CAJA2', 'A', 1), (5, 'CAJA5', 'I', 1);"
            "INSERT INTO Tipos_Impuesto (ID_Tipo_Impuesto, Nombre_Tipo_Impuesto) VALUES (1, 'IVA'), (2, 'IEPS'), (3, 'VIEJO'), (4, 'FUTURO');"
            "INSERT INTO PorcentajeXTipo_Impuesto VALUES (1, '2020-01-01 00:00:00', NULL, 0.16),"
            " (2, '2026-01-01 00:00:00', '2026-12-10 00:00:00', 0.08), (3, '2020-01-01 00:00:00', '2026-12-09 00:00:00', 0.1),"
            " (4, '2026-12-11 00:00:00', '2027-01-01 00:00:00', 0.2);"
            "INSERT INTO Empleado (ID_Empleado, Usuario, Nombre_Empleado, Apellido_Paterno, Apellido_Materno) VALUES"
            " (5, 'ana', 'ANA', 'DE LA O', 'RUIZ'), (6, 'luis', 'LUIS', NULL, 'PEREZ');"));
        for (const char* t : {"CAJA1", "CAJA2", "CAJA3", "CAJA4", "CAJA5"})
            QDir().mkpath(QFileInfo(share(QLatin1String(t))).path());
    }

    static DatosEnvio datos()
    {
        DatosEnvio d;
        d.dirTermBD = QStringLiteral("Datos");
        return d;
    }
    static QString share(const QString& terminal) { return rutas::baseEnShare(terminal, QStringLiteral("Datos")); }
    static QString precios(const QString& ruta)
    {
        return deTerminal(ruta, QStringLiteral("SELECT group_concat(ID_Producto||'='||Precio_Producto, ' ') FROM "
                                               "(SELECT * FROM Producto ORDER BY ID_Producto)")).toString();
    }
    static QString parametro(const QString& ruta, const char* id)
    {
        return deTerminal(ruta, QStringLiteral("SELECT Valor_Num FROM Parametros WHERE ID_Parametro='") + QLatin1String(id)
                                    + QLatin1Char('\'')).toString();
    }
};

TEST_F(BaseTerminal, EveryTerminalGetsItsMenuNumberAndFolioAndTheCatalogsInForce)
{
    EXPECT_EQ(ArmaBaseTerminal(), 0);
    const ResultadoEnvio r = EnviaBaseTerminal(datos());
    EXPECT_TRUE(r.errores.isEmpty()) << r.errores.toStdString();
    EXPECT_TRUE(r.noEnviadas.isEmpty());
    ASSERT_EQ(r.enviadas.size(), 4);
    EXPECT_EQ(r.enviadas.first(), QStringLiteral("CAJA3"));   // no menu first
    EXPECT_FALSE(QFileInfo::exists(share(QStringLiteral("CAJA5"))));

    struct Caso { const char* terminal; const char* precios; const char* submenus; const char* numero; };
    const Caso casos[] = {
        {"CAJA3", "1=0.0 2=0.0 3=0.0", "", "3"},
        {"CAJA1", "1=10.5 2=20.0 3=0.0", "10", "1"},
        {"CAJA2", "1=10.5 2=20.0 3=0.0", "10", "2"},
        {"CAJA4", "1=0.0 2=25.0 3=0.0", "20", "4"},
    };
    for (const Caso& c : casos) {
        const QString ruta = share(QLatin1String(c.terminal));
        EXPECT_EQ(precios(ruta), QLatin1String(c.precios)) << c.terminal;
        EXPECT_EQ(deTerminal(ruta, QStringLiteral("SELECT IFNULL(group_concat(ID_Submenu),'') FROM Submenu")).toString(),
                  QLatin1String(c.submenus)) << c.terminal;
        EXPECT_EQ(parametro(ruta, "TERMINAL"), QLatin1String(c.numero)) << c.terminal;
        EXPECT_EQ(parametro(ruta, "FOLIOPRODUCTOSX"), QStringLiteral("1")) << c.terminal;
        EXPECT_FALSE(QFileInfo::exists(ruta + QStringLiteral(".tmp")));
    }
    const QString caja1 = share(QStringLiteral("CAJA1"));
    EXPECT_EQ(deTerminal(caja1, QStringLiteral("SELECT group_concat(ID_Tipo_Impuesto) FROM Tipos_Impuesto")).toString(),
              QStringLiteral("1,2"));
    EXPECT_EQ(deTerminal(caja1, QStringLiteral("SELECT Nombre_Empleado FROM Empleado WHERE ID_Empleado=5")).toString(),
              QStringLiteral("ANA DE LA O RUIZ"));
    EXPECT_TRUE(deTerminal(caja1, QStringLiteral("SELECT Nombre_Empleado FROM Empleado WHERE ID_Empleado=6")).isNull());
    EXPECT_EQ(deTerminal(caja1, QStringLiteral("SELECT Valor_Cad FROM Parametros WHERE ID_Parametro='FECHA_TRABAJO'")).toString(),
              QStringLiteral("10122026"));
    EXPECT_EQ(deTerminal(caja1, QStringLiteral("SELECT COUNT(*) FROM ProductosXSubmenu")).toInt(), 2);
}

TEST_F(BaseTerminal, ItemFolioGoesOnFromTheTerminalsOwnKeys)
{
    db.execute(QStringLiteral(
        "INSERT INTO Terminal (ID_Terminal, Nombre_Terminal, Estado_Terminal) VALUES (7, 'CAJA7', 'I'), (12, 'CAJA12', 'I');"
        "INSERT INTO ProductosXCuenta (ID_ProductosXCuenta) VALUES (71234), (1999), (12500);"));
    const QString copia7 = copia(QStringLiteral("CAJA7"));
    enTerminal(copia7, QStringLiteral("INSERT INTO ProductosXCuenta (ID_ProductosXCuenta) VALUES (71234), (7999)"));
    struct Caso { int terminal; bool conCopia; RegistroFolio registro; qint64 folio; };
    const Caso casos[] = {
        {7, true, {}, 1235},                        // 71234 beats 7999: the folio is what follows the digits
        {7, false, {}, 1235},                       // no copy, no record: the central keys
        {4, false, {}, 1},                          // nothing anywhere
        {1, false, {}, 1000},                       // 1999, not terminal 12's 12500
        {12, false, {}, 501},
        {7, true, {2000, std::nullopt}, 2000},      // never below the folio last sent
        {7, true, {std::nullopt, 5000}, 5001},
        {1, false, {10, std::nullopt}, 10},         // a record: the central keys do not count
    };
    for (const Caso& c : casos)
        EXPECT_EQ(FolioProductosX(c.terminal, c.conCopia ? copia7 : QString(), c.registro), c.folio) << c.terminal;
}

TEST_F(BaseTerminal, OnlyTerminalsCollectedWithTheirFileUnchangedOrWithoutOneAreSent)
{
    // CAJA1 collected but its file changed since; CAJA2 holds a file not collected; CAJA4 collected
    // and unchanged; CAJA3 has none; CAJA2's share is gone... no: CAJA3's share folder is gone.
    for (const char* t : {"CAJA1", "CAJA2", "CAJA4"})
        nuevaBaseTerminal(share(QLatin1String(t)));
    DatosEnvio datos = BaseTerminal::datos();
    datos.recogidas.insert(1, DigestoArchivo(share(QStringLiteral("CAJA1"))));
    datos.recogidas.insert(4, DigestoArchivo(share(QStringLiteral("CAJA4"))));
    venta(share(QStringLiteral("CAJA1")), 418, 1001, 77);
    QDir(QFileInfo(share(QStringLiteral("CAJA3"))).path()).removeRecursively();
    QStringList enDiario;
    datos.alEnviar = [&](int id, const QString& nombre, qint64) { enDiario << nombre + QString::number(id); };

    ASSERT_EQ(ArmaBaseTerminal(), 0);
    const ResultadoEnvio r = EnviaBaseTerminal(datos);
    EXPECT_EQ(r.enviadas, QStringList{QStringLiteral("CAJA4")});
    EXPECT_EQ(enDiario, QStringList{QStringLiteral("CAJA44")});
    EXPECT_EQ(r.noEnviadas, (QStringList{QStringLiteral("CAJA1: no se envió la base, su base cambió después de traerla"),
                                         QStringLiteral("CAJA2: no se envió la base, sus ventas no se recogieron")}));
    EXPECT_TRUE(r.errores.startsWith(QStringLiteral("\r\nCAJA3 "))) << r.errores.toStdString();
    EXPECT_EQ(deTerminal(share(QStringLiteral("CAJA1")), QStringLiteral("SELECT COUNT(*) FROM Comanda")).toInt(), 1);
    EXPECT_EQ(parametro(share(QStringLiteral("CAJA4")), "TERMINAL"), QStringLiteral("4"));
}

TEST_F(BaseTerminal, AStopBetweenThePushsTemporaryFileAndItsRenameLeavesTheOldFile)
{
    nuevaBaseTerminal(share(QStringLiteral("CAJA1")));
    venta(share(QStringLiteral("CAJA1")), 418, 1001, 77);
    DatosEnvio datos = BaseTerminal::datos();
    datos.recogidas.insert(1, DigestoArchivo(share(QStringLiteral("CAJA1"))));
    puntofalla::fija([](const QString& punto) {
        if (punto == QLatin1String("envio:temporal:CAJA1"))
            throw ComError(5, QStringLiteral("falla de prueba"));
    });
    ASSERT_EQ(ArmaBaseTerminal(), 0);
    EXPECT_THROW(EnviaBaseTerminal(datos), ComError);
    EXPECT_EQ(deTerminal(share(QStringLiteral("CAJA1")), QStringLiteral("SELECT COUNT(*) FROM Comanda")).toInt(), 1);
}

TEST_F(BaseTerminal, AMissingTemplateFailsWithItsNameAndLeavesTheOldCopyUnused)
{
    ASSERT_EQ(ArmaBaseTerminal(), 0);
    QFile::remove(rutas::plantilla());
    try {
        ArmaBaseTerminal();
        FAIL() << "sin plantilla";
    } catch (const ComError& e) {
        EXPECT_EQ(e.number(), 53);
        EXPECT_TRUE(e.description().contains(QStringLiteral("Plantilla.mdb"))) << e.description().toStdString();
    }
    EXPECT_FALSE(QFileInfo::exists(rutas::copiaPlantilla() + QStringLiteral(".tmp")));
}
