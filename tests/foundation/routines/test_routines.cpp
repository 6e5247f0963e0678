#include "foundation/database/cls_ado.h"
#include "foundation/log/cls_bitacora.h"
#include "foundation/routines/moneda.h"
#include "foundation/routines/nombre_terminal.h"
#include "foundation/routines/zorva_funciones.h"
#include "platform/clock/clock.h"
#include "platform/keys/clsclaves.h"
#include "../../platform/adodb/sample_db.h"

#include <QComboBox>
#include <QDir>
#include <QFile>

using namespace adodb;

TEST(TextRoutines, QuotesAndWildcards)
{
    const QPair<QString, QString> comillas[] = {
        {QString(), QString()}, {QStringLiteral("'"), QStringLiteral("''")}, {QStringLiteral("abc"), QStringLiteral("abc")},
        {QStringLiteral("O'Brien"), QStringLiteral("O''Brien")}, {QStringLiteral("a''b"), QStringLiteral("a''''b")}};
    for (const auto& c : comillas)
        EXPECT_EQ(DuplicaComillas(c.first), c.second) << c.first.toStdString();
    const QPair<QString, QString> comodines[] = {
        {QStringLiteral("*"), QStringLiteral("%")}, {QStringLiteral("*abc*"), QStringLiteral("%abc%")},
        {QStringLiteral("abc"), QStringLiteral("abc")}};
    for (const auto& c : comodines)
        EXPECT_EQ(ComodinAPorcentaje(c.first), c.second);
}

class Routines : public SampleDb {
protected:
    void SetUp() override
    {
        SampleDb::SetUp();
        g_ClsAdo_Reinicia();
        g_ClsBitacora().inciar_log({.PCrearArchivo = false, .Parchivo = false, .PMsgBox = false});
        ASSERT_TRUE(g_ClsAdo().Conectar(QStringLiteral("."), QStringLiteral("central"), QString(), QString()));
    }
};

TEST_F(Routines, BuscaValorReadsOneValueOrNothing)
{
    db.execute(QStringLiteral("INSERT INTO Departamentos (Nombre, Activo) VALUES ('COCINA', 0)"));
    struct Case { const char* tabla; const char* columna; const char* condicion; const char* esperado; };
    const Case cases[] = {
        {"Producto", "Nombre", "ID_Producto = 10", "Café"},
        {"Producto", "Nombre", "ID_Producto = 99", ""},                     // no row
        {"Producto", "Alta", "ID_Producto = 11", ""},                       // null
        {"Producto", "Producto.Precio", "ID_Producto = 10", "12.5"},        // qualified: read as _RESULT
        {"Producto", "MAX(ID_Producto)+1 as siguiente", "", "12"},
        {"Terminal", "MAX(ID_Terminal)+1 as siguiente", "", ""},            // empty table
        {"Departamentos", "Activo", "", "0"},                               // a bit
        {"", "'sin tabla'", "", "sin tabla"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(BuscaValor(QString::fromUtf8(c.tabla), QString::fromUtf8(c.columna), QString::fromUtf8(c.condicion)),
                  QString::fromUtf8(c.esperado)) << c.columna;
    EXPECT_THROW(BuscaValor(QStringLiteral("NoExiste"), QStringLiteral("x"), QString()), ComError);
}

TEST_F(Routines, LlenaComboAddsAfterWhatIsThere)
{
    QComboBox combo;
    combo.addItem(QStringLiteral("(todos)"), 0);
    LlenaCombo(&combo, QStringLiteral("SELECT Nombre, ID_Grupo_Impresora FROM Grupo_Impresoras ORDER BY Nombre"));
    LlenaCombo(&combo, QStringLiteral("SELECT Nombre, ID_Grupo_Impresora FROM Grupo_Impresoras WHERE 0"));
    LlenaCombo(&combo, QStringLiteral("SELECT Nombre, ID_Grupo_Impresora FROM Grupo_Impresoras ORDER BY Nombre"));
    ASSERT_EQ(combo.count(), 5);
    EXPECT_EQ(combo.itemText(1), QStringLiteral("BARRA"));
    EXPECT_EQ(combo.itemData(1).toInt(), 2);
    EXPECT_EQ(combo.itemText(4), QStringLiteral("COCINA"));
}

class CopyToTerminal : public Routines {
protected:
    void SetUp() override
    {
        Routines::SetUp();
        ASSERT_TRUE(ClsClaves::CreaArchivo());
        appclock::setNow(QDateTime(QDate(2026, 12, 10), QTime(9, 0)));
        db.execute(QStringLiteral(
            "CREATE TABLE Submenu (ID_Submenu INTEGER PRIMARY KEY, Nombre_Submenu VARCHAR(30), SubMenu_Fijo BIT INTEGER);"
            "CREATE TABLE SubmenuXMenu (ID_Submenu INTEGER, ID_Menu INTEGER, Orden INTEGER);"
            "INSERT INTO Submenu VALUES (1, 'Bebidas d''hoy', 1), (2, NULL, 0), (3, 'Postres', NULL);"
            "INSERT INTO SubmenuXMenu VALUES (1, 1, 5), (2, 1, 6), (3, 1, NULL), (3, 2, 1);"));
        Connection terminal;
        terminal.openFile(QDir(root.path()).filePath(QStringLiteral("Zorva_Terminal.mdb")), true, false);
        terminal.execute(QStringLiteral(
            "CREATE TABLE Submenu (ID_Submenu INTEGER PRIMARY KEY, Nombre_Submenu VARCHAR(30), SubMenu_Fijo BIT INTEGER, Orden INTEGER);"
            "CREATE TABLE Producto (ID_Producto INTEGER PRIMARY KEY, Nombre VARCHAR(40), Precio MONEY REAL, Alta DATETIME TEXT)"));
    }
    void TearDown() override { appclock::reset(); }

    Recordset terminalRows(const QString& sql)
    {
        Connection terminal;
        terminal.openFile(QDir(root.path()).filePath(QStringLiteral("Zorva_Terminal.mdb")), false, false);
        return terminal.execute(sql);
    }
};

TEST_F(CopyToTerminal, CopiesEveryRowWithItsValuesAsTheyAre)
{
    EXPECT_EQ(CopiaTablaTerminal(QStringLiteral("Submenu,SubmenuXMenu"), QStringLiteral("Submenu"),
                                 QStringLiteral("Submenu.ID_Submenu,Nombre_Submenu,SubMenu_Fijo,Orden"),
                                 QStringLiteral("Submenu.ID_Submenu = SubmenuXMenu.ID_Submenu AND ID_Menu = 1")),
              0);
    Recordset rs = terminalRows(QStringLiteral("SELECT ID_Submenu, Nombre_Submenu, SubMenu_Fijo, Orden FROM Submenu ORDER BY 1"));
    ASSERT_EQ(rs.recordCount(), 3);
    EXPECT_EQ(rs.cell(0, 1).toString(), QStringLiteral("Bebidas d'hoy"));
    EXPECT_EQ(rs.cell(0, 2), QVariant(true));
    EXPECT_EQ(rs.cell(0, 3).toInt(), 5);
    EXPECT_TRUE(rs.cell(1, 1).isNull());
    EXPECT_EQ(rs.cell(1, 2), QVariant(false));
    EXPECT_TRUE(rs.cell(2, 2).isNull());
    EXPECT_TRUE(rs.cell(2, 3).isNull());

    EXPECT_EQ(CopiaTablaTerminal(QStringLiteral("Producto"), QStringLiteral("Producto"), QStringLiteral("ID_Producto,Nombre,Precio,Alta"), QString()), 0);
    Recordset p = terminalRows(QStringLiteral("SELECT Precio, Alta FROM Producto WHERE ID_Producto = 10"));
    EXPECT_DOUBLE_EQ(p.cell(0, 0).toDouble(), 12.5);
    EXPECT_EQ(p.cell(0, 1).toDateTime(), QDateTime(QDate(2021, 7, 5), QTime(14, 3, 22)));
}

TEST_F(CopyToTerminal, RefusedRowsAreLoggedCountedAndTheRestCopied)
{
    terminalRows(QStringLiteral("INSERT INTO Submenu (ID_Submenu) VALUES (2)"));
    EXPECT_EQ(CopiaTablaTerminal(QStringLiteral("Submenu"), QStringLiteral("Submenu"),
                                 QStringLiteral("ID_Submenu,Nombre_Submenu,SubMenu_Fijo"), QString()), 1);
    EXPECT_EQ(terminalRows(QStringLiteral("SELECT COUNT(*) FROM Submenu")).cell(0, 0).toInt(), 3);
    QFile daily(QDir(root.path()).filePath(QStringLiteral("plimo/ZorvaComTra10122026.log")));
    ASSERT_TRUE(daily.open(QIODevice::ReadOnly));
    const QString text = QString::fromUtf8(daily.readAll());
    EXPECT_TRUE(text.contains(QStringLiteral("Copia a la terminal, tabla Submenu"))) << text.toStdString();
    EXPECT_EQ(text.count(QStringLiteral("\n")), 1);

    EXPECT_EQ(CopiaTablaTerminal(QStringLiteral("NoExiste"), QStringLiteral("Submenu"), QStringLiteral("*"), QString()), -1);
    QFile::remove(QDir(root.path()).filePath(QStringLiteral("Zorva_Terminal.mdb")));
    EXPECT_EQ(CopiaTablaTerminal(QStringLiteral("Submenu"), QStringLiteral("Submenu"), QStringLiteral("ID_Submenu"), QString()), -1);
    EXPECT_FALSE(QFile::exists(QDir(root.path()).filePath(QStringLiteral("Zorva_Terminal.mdb"))));
}

TEST(MonedaRoutine, FourDecimalsTiesToEvenAndPlainText)
{
    struct Case { QVariant valor; qint64 diezmilesimos; const char* texto; };
    const Case cases[] = {
        {QVariant(0.1 + 0.2), 3000, "0.3"},
        {QVariant(1250.5), 12505000, "1250.5"},
        {QVariant(0.00005), 0, "0"},             // a tie: to the even neighbour
        {QVariant(0.00015), 2, "0.0002"},
        {QVariant(-87.25), -872500, "-87.25"},
        {QVariant(QStringLiteral("116.2501")), 1162501, "116.2501"},
        {QVariant(7), 70000, "7"},
        {QVariant(), 0, "0"},
    };
    for (const Case& c : cases) {
        const Moneda m = Moneda::deVariant(c.valor);
        EXPECT_EQ(m.diezmilesimos(), c.diezmilesimos) << c.texto;
        EXPECT_EQ(m.texto(), QLatin1String(c.texto));
    }
    EXPECT_NE(Moneda::deDouble(116.25), Moneda::deDouble(116.2501));
}

TEST(MonedaRoutine, RoundsToCentsAndWholesTiesToEven)
{
    struct Case { const char* valor; int decimales; const char* texto; const char* dos; };
    const Case cases[] = {
        {"10.5", 0, "10", "10.50"},       {"11.5", 0, "12", "11.50"},       {"21.5", 0, "22", "21.50"},
        {"1.125", 2, "1.12", "1.12"},     {"1.135", 2, "1.14", "1.14"},     {"12345.678", 2, "12345.68", "12345.68"},
        {"-2.5", 0, "-2", "-2.50"},       {"-3.5", 0, "-4", "-3.50"},       {"-0.005", 2, "0", "0.00"},
        {"0", 0, "0", "0.00"},            {"0.05", 2, "0.05", "0.05"},      {"301", 0, "301", "301.00"},
    };
    for (const Case& c : cases) {
        const Moneda m = Moneda::deVariant(QString::fromLatin1(c.valor));
        EXPECT_EQ(m.redondea(c.decimales).texto(), QLatin1String(c.texto)) << c.valor;
        EXPECT_EQ(m.dosDecimales(), QLatin1String(c.dos)) << c.valor;
    }
}

TEST(TerminalNames, OneRuleForEveryComputerName)
{
    for (const char* bueno : {"CAJA1", "Caja 2", "barra-3", "caja.1", "SERVIDOR_BAR", "CAFÉ"})
        EXPECT_EQ(MotivoNombreTerminal(QString::fromUtf8(bueno)), QString()) << bueno;
    EXPECT_EQ(MotivoNombreTerminal(QString()), QStringLiteral("El nombre de la terminal está vacío"));
    EXPECT_EQ(MotivoNombreTerminal(QStringLiteral("  ")), QStringLiteral("El nombre de la terminal está vacío"));
    for (const char* malo : {".", " . ", "..", "A..B", "..\\x", "a/b", "C:", "\\\\srv", "CAJA*", "CAJA?", "<CAJA>",
                             "CAJA|1", "CAJA\"1", "CAJA\t1", "CAJA\n1", "CAJA\x7f"})
        EXPECT_EQ(MotivoNombreTerminal(QString::fromUtf8(malo)),
                  QStringLiteral("El nombre de la terminal no es un nombre de equipo válido (no puede llevar "
                                 "\\ / : * ? \" < > | ni \"..\", ni ser \".\"): ")
                      + QString::fromUtf8(malo))
            << malo;
}
