#include "tests/reports/reportes_fixture.h"

#include "foundation/database/cls_ado.h"
#include "foundation/forms/window_registry.h"
#include "mainwindow/mdi_principal.h"
#include "platform/clock/clock.h"
#include "platform/grid/grid.h"
#include "reports/ventanas_reportes.h"
#include "schema/procedimientos.h"
#include "tests/foundation/forms/typing.h"

#include <QAction>
#include <QPrinter>
#include <QProcess>

QStringList filasDe(adodb::Connection& conexion, const QString& sql)
{
    QStringList out;
    adodb::Recordset rs = conexion.execute(sql);
    for (; !rs.isNull() && !rs.eof(); rs.moveNext()) {
        QStringList celdas;
        for (int i = 0; i < rs.fieldCount(); ++i) {
            const QVariant v = rs.field(i).value();
            if (v.isNull())
                celdas << QStringLiteral("NULL");
            else if (v.typeId() == QMetaType::Double)
                celdas << QString::number(v.toDouble(), 'f', 2);
            else if (v.typeId() == QMetaType::QDateTime)
                celdas << v.toDateTime().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"));
            else
                celdas << v.toString();
        }
        out << celdas.join(QStringLiteral(" | "));
    }
    return out;
}

void DatosVentasDb::SetUp()
{
    CentralDbFixture::SetUp();
    datosventas::carga(db);
    registraProcedimientos();
}

void ReportesDb::SetUp()
{
    appclock::setNow(QDateTime(QDate(2024, 3, 15), QTime(12, 0, 0)));
    MainWindowDb::SetUp();
    datosventas::carga(db);
    join(1, addGroup(QStringLiteral("REPORTES"), true,
                     {QStringLiteral("REPORTES"), QStringLiteral("REPPAGOS"), QStringLiteral("REPANULACION"),
                      QStringLiteral("REPPMIX"), QStringLiteral("REPVENTAS"), QStringLiteral("REPESPECIALES"),
                      QStringLiteral("REPARTICULOSXEMPL"), QStringLiteral("REPLISTADEPRECIOS")}));
    registraProcedimientos();
    registraVentanasReportes();
    openMain(1);
    ASSERT_TRUE(muestraActiva(main));
}

void ReportesDb::TearDown()
{
    MainWindowDb::TearDown();
}

QWidget* ReportesDb::abreVentana(const QString& item, const QString& ventana)
{
    QAction* accion = main->menuItem(item);
    if (!accion || !accion->isVisible())
        return nullptr;
    accion->trigger();
    QApplication::processEvents();
    return WindowRegistry::find(ventana);
}

bool ReportesDb::click(int boton)
{
    QAction* accion = main->toolbarButton(boton);
    if (!accion->isVisible() || !accion->isEnabled())
        return false;
    accion->trigger();
    return true;
}

bool ReportesDb::botonVisible(int boton) const
{
    return main->toolbarButton(boton)->isVisible();
}

QStringList ReportesDb::filasRejilla(const grid::Grid* rejilla)
{
    QStringList filas;
    for (int r = 1; r <= rejilla->rowCount(); ++r) {
        if (rejilla->isRowHidden(r))
            continue;
        QStringList celdas;
        for (int c = 1; c <= rejilla->columnCount(); ++c)
            celdas << rejilla->text(r, c);
        filas << celdas.join(QStringLiteral(" | "));
    }
    return filas;
}

QStringList ReportesDb::imprime(RepVentana* ventana, const QString& nombre)
{
    const QString ruta = pdfs.filePath(nombre);
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setPageSize(QPageSize(QPageSize::Letter));
    printer.setOutputFileName(ruta);
    ventana->setPrinter(&printer);
    ventana->BotonImprimir();
    ventana->setPrinter(nullptr);
    QProcess pdftotext;
    pdftotext.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), ruta, QStringLiteral("-")});
    if (!pdftotext.waitForFinished(30000) || pdftotext.exitCode() != 0)
        return {};
    QStringList paginas = QString::fromUtf8(pdftotext.readAllStandardOutput()).split(QLatin1Char('\f'));
    if (!paginas.isEmpty() && paginas.last().trimmed().isEmpty())
        paginas.removeLast();
    return paginas;
}

QStringList ReportesDb::tablasTemporales()
{
    QStringList nombres;
    adodb::Recordset rs = g_ClsAdo().conexion().execute(
        QStringLiteral("SELECT name FROM sqlite_temp_master WHERE type='table' AND name LIKE '#%' ORDER BY name"));
    for (; !rs.isNull() && !rs.eof(); rs.moveNext())
        nombres << rs.field(0).text();
    return nombres;
}

QStringList ReportesDb::filas(const QString& sql)
{
    return filasDe(db, sql);
}
