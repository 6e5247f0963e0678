#include "tests/tickets/horas_fixture.h"

#include "mainwindow/mdi_principal.h"
#include "platform/clock/clock.h"
#include "tests/foundation/forms/typing.h"
#include "tickets/ventanas_horas.h"

#include <QDateEdit>
#include <QFile>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>

void cargaHoras(adodb::Connection& db)
{
    QFile datos(QStringLiteral(DATOS_HORAS));
    ASSERT_TRUE(datos.open(QIODevice::ReadOnly));
    db.execute(QString::fromUtf8(datos.readAll()));
}

void HorasBase::SetUp()
{
    CentralDbFixture::SetUp();
    cargaHoras(db);
}

void HorasDb::SetUp()
{
    appclock::setNow(QDateTime(QDate(2025, 2, 10), QTime(9, 15, 0)));
    // The main window alone: the sales data set of the report fixture stays out.
    MainWindowDb::SetUp();
    cargaHoras(db);
    addEmployee(1, QStringLiteral("GERENTE"), QStringLiteral("X"));
    join(1, addGroup(QStringLiteral("REPORTES"), true, {QStringLiteral("REPORTES")}));
    registraVentanasHoras();
    openMain(1);
    ASSERT_TRUE(main);
    ASSERT_TRUE(muestraActiva(main));
}

void HorasDb::busca(RepVentana* ventana, const QDate& desde, const QDate& hasta)
{
    ventana->findChild<QDateEdit*>(QStringLiteral("dtpFecha"))->setDate(desde);
    ventana->findChild<QDateEdit*>(QStringLiteral("dtpFechaFin"))->setDate(hasta);
    ventana->botonBuscar()->click();
}

QString HorasDb::tamanoPagina(const QString& pdf)
{
    QProcess pdfinfo;
    pdfinfo.start(QStringLiteral("pdfinfo"), {pdf});
    if (!pdfinfo.waitForFinished(30000))
        return QString();
    const QRegularExpressionMatch m = QRegularExpression(QStringLiteral("Page size:\\s*(.*)"))
                                          .match(QString::fromUtf8(pdfinfo.readAllStandardOutput()));
    return m.hasMatch() ? m.captured(1).trimmed() : QString();
}
