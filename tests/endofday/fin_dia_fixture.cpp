#include "fin_dia_fixture.h"
#include "ventas_prueba.h"

#include "endofday/archivo_terminal.h"
#include "endofday/punto_falla.h"
#include "foundation/database/cls_ado.h"
#include "platform/keys/clsclaves.h"
#include "platform/paths/paths.h"
#include "schema/schema.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

void FinDiaTest::SetUp()
{
    CentralDbFixture::SetUp();
    ASSERT_TRUE(ClsClaves::CreaArchivo());
    schema::createTerminalTemplate(templateFile());
    g_ClsAdo_Reinicia();
    ASSERT_TRUE(g_ClsAdo().Conectar(QStringLiteral("."), QStringLiteral("central"), QStringLiteral("vypjv_ok"),
                                    QStringLiteral("quorma3048")));
    findia::esperaArchivo() = {200, 10};
    setParam(QStringLiteral("DIRTERMBD"), QStringLiteral("Datos"));
}

void FinDiaTest::TearDown()
{
    g_ClsAdo().Cerrar();
    g_ClsAdo_Reinicia();
    findia::esperaArchivo() = {};
}

qint64 FinDiaTest::addTerminal(const QString& name, const QString& estado, const QVariant& menu)
{
    db.executeBound(QStringLiteral("INSERT INTO Terminal (Nombre_Terminal, Estado_Terminal, ID_Menu) VALUES (?, ?, ?)"),
                    {name, estado, menu});
    return scalar(QStringLiteral("SELECT MAX(ID_Terminal) FROM Terminal")).toLongLong();
}

QString FinDiaTest::shareFile(const QString& name, const QString& dir) const
{
    return QDir(paths::sharesRoot()).filePath(dir.isEmpty() ? name + QStringLiteral("/Zorva_Terminal.mdb")
                                                            : name + QLatin1Char('/') + dir + QStringLiteral("/Zorva_Terminal.mdb"));
}

QString FinDiaTest::localCopy(const QString& name) const
{
    return QDir(paths::appFolder()).filePath(name + QStringLiteral("/Zorva_Terminal.mdb"));
}

void FinDiaTest::giveShare(const QString& name, int order, const QString& dir)
{
    const QString path = shareFile(name, dir);
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile::remove(path);
    ASSERT_TRUE(QFile::copy(templateFile(), path));
    adodb::Connection terminal;
    terminal.openFile(path, false, false);
    if (order == 0)
        order = qMax(1, scalar(QStringLiteral("SELECT ID_Terminal FROM Terminal WHERE Nombre_Terminal='%1'").arg(name)).toInt());
    terminal.executeBound(QStringLiteral("INSERT INTO Comanda (ID_Comanda, Fecha_Trabajo) VALUES (?, '15032024')"), {order});
    terminal.close();
}

void FinDiaTest::sellOnShare(const QString& name, int order, qint64 item, int payment)
{
    const QString path = shareFile(name);
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile::remove(path);
    ASSERT_TRUE(QFile::copy(templateFile(), path));
    ventaDePrueba(path, order, item, payment, QStringLiteral("15032024"));
}

QVariant FinDiaTest::valueIn(const QString& path, const QString& sql)
{
    adodb::Connection c;
    c.openFile(path, false, false);
    return c.execute(sql).cell(0, 0);
}

void FinDiaTest::runIn(const QString& path, const QString& sql)
{
    adodb::Connection c;
    c.openFile(path, false, false);
    c.execute(sql);
}

QByteArray FinDiaTest::bytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool FinDiaTest::holdsNewDatabase(const QString& name, const QString& dir)
{
    const qint64 id = scalar(QStringLiteral("SELECT ID_Terminal FROM Terminal WHERE Nombre_Terminal='%1'").arg(name)).toLongLong();
    adodb::Connection terminal;
    try {
        terminal.openFile(shareFile(name, dir), false, false);
        adodb::Recordset rs = terminal.execute(QStringLiteral(
            "SELECT (SELECT Valor_Num FROM Parametros WHERE ID_Parametro='TERMINAL'), (SELECT COUNT(*) FROM Comanda)"));
        const bool built = rs.field(0).value().toLongLong() == id && rs.field(1).value().toInt() == 0;
        terminal.close();
        return built;
    } catch (const adodb::ComError&) {
        return false;
    }
}

QString FinDiaTest::templateFile() const
{
    return QDir(paths::appFolder()).filePath(QStringLiteral("Plantilla.mdb"));
}

void FinDiaTest::setParam(const QString& key, const QVariant& text, const QString& column)
{
    db.executeBound(QStringLiteral("UPDATE Parametros SET %1=? WHERE ID_Parametro=?").arg(column), {text, key});
}

QString FinDiaTest::param(const QString& key, const QString& column)
{
    return scalar(QStringLiteral("SELECT %1 FROM Parametros WHERE ID_Parametro='%2'").arg(column, key)).toString();
}

findia::ResultadoFinDia FinDiaTest::run(bool confirm, bool pointer)
{
    findia::OpcionesFinDia options;
    options.confirma = confirm;
    options.punteroEspera = pointer;
    options.usuario = QStringLiteral("PRUEBA");
    return findia::EjecutaFinDia(options);
}

QStringList FinDiaTest::commands()
{
    QStringList list;
    adodb::Recordset rs = db.execute(QStringLiteral(
        "SELECT t.Transaccion || ':' || IFNULL((SELECT group_concat(ID_Terminal) FROM (SELECT ID_Terminal FROM "
        "TransaccionesXTerminal x WHERE x.ID_Transaccion=t.ID_Transaccion ORDER BY ID_Terminal)), '') || "
        "CASE WHEN t.Escribiendo=0 THEN '' ELSE ' (escribiendo)' END FROM Transacciones t ORDER BY t.ID_Transaccion"));
    for (; !rs.eof(); rs.moveNext())
        list << rs.field(0).text();
    return list;
}

QString FinDiaTest::terminalState(const QString& name)
{
    adodb::Recordset rs = db.execute(QStringLiteral(
        "SELECT State FROM EndOfDayTerminal WHERE TerminalName='%1' ORDER BY RunId DESC LIMIT 1").arg(name));
    return rs.eof() ? QString() : rs.field(0).text();
}

int FinDiaTest::tempTables()
{
    return g_ClsAdo().conexion().execute(QStringLiteral("SELECT COUNT(*) FROM sqlite_temp_master WHERE type='table'"))
        .field(0).value().toInt();
}

QString FinDiaTest::readAll(std::FILE* file)
{
    std::rewind(file);
    QByteArray text;
    char buffer[4096];
    for (size_t n; (n = std::fread(buffer, 1, sizeof buffer, file)) > 0;)
        text.append(buffer, qsizetype(n));
    return QString::fromUtf8(text);
}

void SoldTerminalsTest::SetUp()
{
    FinDiaTest::SetUp();
    addTerminal(QStringLiteral("CAJA1"));
    addTerminal(QStringLiteral("CAJA2"));
    sellOnShare(QStringLiteral("CAJA1"), 418, 1001, 77);
    sellOnShare(QStringLiteral("CAJA2"), 419, 2001, 78);
}

void SoldTerminalsTest::TearDown()
{
    puntofalla::quita();
    FinDiaTest::TearDown();
}
