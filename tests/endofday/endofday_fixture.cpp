#include "endofday_fixture.h"

#include "endofday/punto_falla.h"
#include "endofday/rutas_terminal.h"
#include "foundation/database/cls_ado.h"
#include "foundation/log/cls_bitacora.h"
#include "platform/clock/clock.h"
#include "platform/keys/clsclaves.h"
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
    schema::createTerminalTemplate(rutas::plantilla());
}

void EndOfDayFixture::TearDown()
{
    puntofalla::quita();
    g_ClsAdo_Reinicia();
    appclock::reset();
}

void EndOfDayFixture::nuevaBaseTerminal(const QString& ruta)
{
    QDir().mkpath(QFileInfo(ruta).path());
    schema::createTerminalTemplate(ruta);
}

QString EndOfDayFixture::copia(const QString& terminal)
{
    const QString ruta = rutas::copiaTerminal(terminal);
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

void EndOfDayFixture::venta(const QString& ruta, int comanda, qint64 producto, int pago, const QString& fecha)
{
    const QString c = QString::number(comanda);
    const QString p = QString::number(producto);
    enTerminal(ruta, QStringLiteral(
        "INSERT INTO Comanda VALUES (%1, 5, 7, 0, '2026-12-10 20:00:00', '2026-12-10 21:15:30', 'MESA', '%3');"
        "INSERT INTO Cuenta VALUES (%1, 1, 1, 1, 116.25);"
        "INSERT INTO ProductosXCuenta VALUES (%2, %1, 1, 57, NULL, 1, 100.25, 100.25, NULL, NULL, NULL, NULL, NULL, NULL);"
        "INSERT INTO ImpuestosXCuenta VALUES (%2, 1, 16.04);"
        "INSERT INTO Cortesia VALUES (%2, 2, 0.1);"
        "INSERT INTO Modificador VALUES (%2, 3, 0.2);"
        "INSERT INTO Pago VALUES (%4, %1, 1, 1, 116.25, 10);").arg(c, p, fecha, QString::number(pago)));
}

QString EndOfDayFixture::bitacora() const
{
    QFile f(QDir(root.path()).filePath(QStringLiteral("plimo/ZorvaComTra10122026.log")));
    return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QString();
}
