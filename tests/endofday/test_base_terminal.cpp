#include "endofday_fixture.h"

#include "endofday/folio_productos.h"
#include "platform/paths/paths.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

using namespace findia;

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
            "INSERT INTO Tipos_Impuesto (ID_Tipo_Impuesto, Nombre_Tipo_Impuesto) VALUES (1, 'IVA'), (2, 'IEPS'), (3, 'VIEJO'),"
            " (4, 'FUTURO'), (5, 'FUTURO SIN FIN');"
            "INSERT INTO PorcentajeXTipo_Impuesto VALUES (1, '2020-01-01 00:00:00', NULL, 0.16), (1, '2026-06-01 00:00:00', NULL, 0.17),"
            " (1, '2026-12-11 00:00:00', NULL, 0.18),"
            " (2, '2026-01-01 00:00:00', '2026-12-10 00:00:00', 0.08), (3, '2020-01-01 00:00:00', '2026-12-09 00:00:00', 0.1),"
            " (4, '2026-12-11 00:00:00', '2027-01-01 00:00:00', 0.2), (5, '2026-12-11 00:00:00', NULL, 0.3);"
            "INSERT INTO Tipo_Cortesia (ID_Tipo_Cortesia, Nombre_Tipo_Cortesia, Fecha_Inicio_Cortesia, Fecha_Fin_Cortesia) VALUES"
            " (1, 'SIEMPRE', NULL, NULL), (2, 'HOY', '2026-12-10 00:00:00', '2026-12-10 00:00:00'), (3, 'MANANA', '2026-12-11 00:00:00', NULL);"
            "INSERT INTO Promocion (ID_Promocion, Nombre_Promocion, Fecha_Inicio_Promocion, Fecha_Fin_Promocion) VALUES"
            " (1, 'VIGENTE', '2026-12-01 00:00:00', NULL), (2, 'FUTURA', '2027-01-01 00:00:00', NULL), (3, 'PASADA', '2026-01-01 00:00:00', '2026-12-09 23:59:59');"
            "INSERT INTO Empleado (ID_Empleado, Usuario, Nombre_Empleado, Apellido_Paterno, Apellido_Materno) VALUES"
            " (5, 'ana', 'ANA', 'DE LA O', 'RUIZ'), (6, 'luis', 'LUIS', NULL, 'PEREZ');"));
    }

    // The build and the push loop as the run drives them: each active terminal in menu order gets
    // the template copy as it stands after its preparation, in its share file. Returns the order.
    QStringList construyeYEnvia()
    {
        copiaPlantilla();
        const QString programa = paths::appFolder();
        adodb::Connection plantilla = AbrePlantilla(programa);
        rechazadas = ArmaBaseTerminal(corrida(), plantilla);
        const adodb::Recordset activas = db.execute(QStringLiteral(
            "SELECT ID_Terminal,Nombre_Terminal,ID_Menu FROM Terminal WHERE Estado_Terminal='A' ORDER BY ID_Menu"));
        QStringList orden;
        QVariant menuAnterior;
        for (int f = 0; f < activas.recordCount(); ++f) {
            const TerminalFinDia t = terminal(activas.cell(f, 0).toInt(), activas.cell(f, 1).toString(), activas.cell(f, 2));
            PreparaBaseTerminal(corrida(), t, menuAnterior, plantilla);
            menuAnterior = t.ID_Menu;
            QDir().mkpath(QFileInfo(t.rutaCompartida).path());
            QFile::remove(t.rutaCompartida);
            EXPECT_TRUE(QFile::copy(QDir(programa).filePath(QStringLiteral("Zorva_Terminal.mdb")), t.rutaCompartida));
            orden << t.Nombre_Terminal;
        }
        return orden;
    }
    QStringList rechazadas;
    QString share(const QString& nombre) const { return terminal(0, nombre).rutaCompartida; }
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
    EXPECT_EQ(construyeYEnvia().first(), QStringLiteral("CAJA3"));   // no menu first
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
    }
    const QString caja1 = share(QStringLiteral("CAJA1"));
    // In force today, 10/12/2026: started and not ended; of a type's rates in force, the latest.
    EXPECT_EQ(deTerminal(caja1, QStringLiteral("SELECT group_concat(ID_Tipo_Impuesto||'='||Porcentaje) FROM Tipos_Impuesto")).toString(),
              QStringLiteral("1=0.17,2=0.08"));
    EXPECT_EQ(deTerminal(caja1, QStringLiteral("SELECT group_concat(ID_Tipo_Cortesia) FROM Tipo_Cortesia")).toString(), QStringLiteral("1,2"));
    EXPECT_EQ(deTerminal(caja1, QStringLiteral("SELECT group_concat(ID_Promocion) FROM Promocion")).toString(), QStringLiteral("1"));
    EXPECT_EQ(rechazadas, QStringList());
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
    struct Caso { int terminal; bool conCopia; std::optional<qint64> enviado; qint64 folio; };
    const Caso casos[] = {
        {7, true, std::nullopt, 1235},    // 71234 beats 7999: the folio is what follows the digits
        {7, false, std::nullopt, 1235},   // no copy, no record: the central keys
        {4, false, std::nullopt, 1},      // nothing anywhere
        {1, false, std::nullopt, 1000},   // 1999, not terminal 12's 12500
        {12, false, std::nullopt, 501},
        {7, true, 2000, 2000},            // never below the folio last sent
        {1, false, 10, 10},               // a record: the central keys do not count
    };
    for (const Caso& c : casos)
        EXPECT_EQ(FolioProductosX(c.terminal, c.conCopia ? copia7 : QString(), c.enviado), c.folio) << c.terminal;

    // Through the run's journal: the copy counts only when collected in this run; the last folio sent stays a floor.
    db.execute(QStringLiteral(
        "INSERT INTO EndOfDayRun (RunId, OldDate, NewDate, State) VALUES (1, '09122026', '10122026', 'finished'),"
        " (2, '10122026', '11122026', 'started');"
        "INSERT INTO EndOfDayTerminal (RunId, TerminalId, State, ItemFolioSent) VALUES (1, 7, 'pushed', 1000), (2, 7, 'collected', NULL),"
        " (1, 12, 'pushed', 800), (2, 12, 'absent', NULL);"));
    copiaPlantilla();
    adodb::Connection plantilla = AbrePlantilla(paths::appFolder());
    EXPECT_EQ(PreparaBaseTerminal(corrida(), terminal(7, QStringLiteral("CAJA7")), QVariant(), plantilla), 1235);
    EXPECT_EQ(PreparaBaseTerminal(corrida(), terminal(12, QStringLiteral("CAJA12")), QVariant(), plantilla), 800);
    EXPECT_EQ(parametro(QDir(paths::appFolder()).filePath(QStringLiteral("Zorva_Terminal.mdb")), "FOLIOPRODUCTOSX"),
              QStringLiteral("800"));
}
