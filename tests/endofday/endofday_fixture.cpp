#include "endofday_fixture.h"

#include "endofday/punto_falla.h"
#include "foundation/database/cls_ado.h"
#include "foundation/log/cls_bitacora.h"
#include "platform/clock/clock.h"
#include "platform/keys/clsclaves.h"
#include "platform/paths/paths.h"
#include "schema/schema.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

void EndOfDayFixture::SetUp()
{
    appclock::setNow(QDateTime(QDate(2026, 12, 10), QTime(23, 30)));
    testsupport::createCentralDb(root.path(), QStringLiteral("central"), QDate(2026, 12, 10));
    db.open(testsupport::centralConnectionString());
    g_ClsAdo_Reinicia();
    g_ClsBitacora().inciar_log({.PCrearArchivo = false, .Parchivo = false, .PMsgBox = false});
    ASSERT_TRUE(g_ClsAdo().Conectar(QStringLiteral("."), QStringLiteral("central"), QString(), QString()));
    ASSERT_TRUE(ClsClaves::CreaArchivo());
    schema::createTerminalTemplate(QDir(paths::appFolder()).filePath(QStringLiteral("Plantilla.mdb")));
}

void EndOfDayFixture::TearDown()
{
    puntofalla::quita();
    g_ClsAdo_Reinicia();
    appclock::reset();
}

findia::CorridaFinDia EndOfDayFixture::corrida()
{
    findia::CorridaFinDia c;
    c.idCorrida = 2;
    c.fechaAnterior = QStringLiteral("10122026");
    c.fechaNueva = QStringLiteral("11122026");
    c.dirTermBD = QStringLiteral("Datos");
    return c;
}

findia::TerminalFinDia EndOfDayFixture::terminal(qint64 id, const QString& nombre, const QVariant& menu) const
{
    findia::TerminalFinDia t;
    t.ID_Terminal = id;
    t.Nombre_Terminal = nombre;
    t.ID_Menu = menu;
    t.carpetaLocal = QDir(paths::dataRoot()).filePath(nombre);
    t.rutaCompartida = paths::toLocal(QStringLiteral("\\\\") + nombre + QStringLiteral("\\Datos\\Zorva_Terminal.mdb"));
    return t;
}

void EndOfDayFixture::creaTablasConciliacion()
{
    g_ClsAdo().conexion().execute(QStringLiteral(
        "CREATE TEMP TABLE \"#Tmp_Conciliacion\" (ID_Terminal INTEGER, Nombre_Term VARCHAR(25), RegistrosPXC INTEGER,"
        " RegistrosCta INTEGER, RegistrosCmd INTEGER, RegistrosP INTEGER, RegistrosCt INTEGER, RegistrosM INTEGER,"
        " RegistrosIXC INTEGER, RegistrosA INTEGER);"
        "CREATE TEMP TABLE \"#Tmp_Conciliacion_Montos\" (ID_Terminal INTEGER, Nombre_Term VARCHAR(25), TotalPXC MONEY REAL,"
        " TotalCta MONEY REAL, TotalPago MONEY REAL, TotalCtesia MONEY REAL, TotalMod MONEY REAL, TotalIXC MONEY REAL)"));
}

void EndOfDayFixture::copiaPlantilla()
{
    const QDir programa(paths::appFolder());
    QFile::remove(programa.filePath(QStringLiteral("Zorva_Terminal.mdb")));
    ASSERT_TRUE(QFile::copy(programa.filePath(QStringLiteral("Plantilla.mdb")), programa.filePath(QStringLiteral("Zorva_Terminal.mdb"))));
}

void EndOfDayFixture::nuevaBaseTerminal(const QString& ruta)
{
    QDir().mkpath(QFileInfo(ruta).path());
    schema::createTerminalTemplate(ruta);
}

QString EndOfDayFixture::copia(const QString& terminal)
{
    const QString ruta = QDir(paths::dataRoot()).filePath(terminal + QStringLiteral("/Zorva_Terminal.mdb"));
    if (!QFileInfo::exists(ruta))
        nuevaBaseTerminal(ruta);
    return ruta;
}

void EndOfDayFixture::enTerminal(const QString& ruta, const QString& sql)
{
    adodb::Connection c;
    c.openFile(ruta, false, false);
    c.execute(sql);
    c.close();
}

QVariant EndOfDayFixture::deTerminal(const QString& ruta, const QString& sql)
{
    adodb::Connection c;
    c.openFile(ruta, false, false);
    const adodb::Recordset rs = c.execute(sql);
    const QVariant v = rs.isNull() || rs.recordCount() == 0 ? QVariant() : rs.cell(0, 0);
    c.close();
    return v;
}

QString EndOfDayFixture::bitacora() const
{
    QFile f(QDir(root.path()).filePath(QStringLiteral("plimo/ZorvaComTra10122026.log")));
    return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QString();
}
