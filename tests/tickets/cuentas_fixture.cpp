#include "tests/tickets/cuentas_fixture.h"

#include "foundation/forms/window_registry.h"
#include "mainwindow/mdi_principal.h"
#include "platform/clock/clock.h"
#include "platform/grid/grid.h"
#include "platform/printqueue/ticket_layout.h"
#include "schema/procedimientos.h"
#include "tests/foundation/forms/typing.h"
#include "tests/reports/reportes_fixture.h"
#include "tickets/rep_cuentas.h"
#include "tickets/ventanas_tickets.h"

#include <QAction>
#include <QApplication>
#include <QDateEdit>
#include <QFile>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>

namespace {

QList<QWidget*> ventanasMdi(QWidget* principal)
{
    QList<QWidget*> out;
    auto* mdi = principal ? principal->findChild<QMdiArea*>() : nullptr;
    if (!mdi)
        return out;
    for (QMdiSubWindow* s : mdi->subWindowList())
        if (s->widget())
            out << s->widget();
    return out;
}

} // namespace

QList<QWidget*> CuentasDb::hijas() const
{
    return ventanasMdi(main);
}

void CuentasDb::SetUp()
{
    appclock::setNow(QDateTime(QDate(2025, 2, 10), QTime(9, 15, 0)));
    MainWindowDb::SetUp();
    QFile datos(QStringLiteral(DATOS_CUENTAS));
    ASSERT_TRUE(datos.open(QIODevice::ReadOnly));
    db.execute(QString::fromUtf8(datos.readAll()));
    addEmployee(1, QStringLiteral("GERENTE"), QStringLiteral("X"));
    join(1, addGroup(QStringLiteral("REPORTES"), true, {QStringLiteral("REPORTES")}));
    registraProcedimientos();
    registraVentanasTickets();
    impresion.addQueue(QStringLiteral("TICKETS"));
    openMain(1);
    ASSERT_TRUE(main);
    ASSERT_TRUE(muestraActiva(main));
}

RepCuentas* CuentasDb::abreCuentas()
{
    QAction* item = main->menuItem(QStringLiteral("mnuProRepCuentas"));
    if (!item || !item->isVisible())
        return nullptr;
    item->trigger();
    QApplication::processEvents();
    return qobject_cast<RepCuentas*>(WindowRegistry::find(QStringLiteral("RepCuentas")));
}

RepCuentas* CuentasDb::busca(const QDate& desde, const QDate& hasta)
{
    RepCuentas* cuentas = abreCuentas();
    if (!cuentas)
        return nullptr;
    cuentas->dtpFecha->setDate(desde);
    cuentas->dtpFechaFin->setDate(hasta);
    cuentas->botonBuscar()->click();
    return cuentas;
}

QWidget* CuentasDb::abreComanda(RepCuentas* cuentas, int comanda)
{
    grid::Grid* g = cuentas->rejilla();
    for (int r = RepCuentas::kFilasEncabezado + 1; r <= g->rowCount(); ++r)
        if (g->text(r, 1).trimmed() == QString::number(comanda)) {
            const QList<QWidget*> antes = ventanasMdi(main);
            emit g->doubleClicked(r, 1);
            QApplication::processEvents();
            for (QWidget* w : ventanasMdi(main))
                if (!antes.contains(w))
                    return w;
            return nullptr;
        }
    return nullptr;
}

void CuentasDb::imprime(QWidget* ventana)
{
    auto* marco = qobject_cast<QMdiSubWindow*>(ventana->parentWidget());
    main->findChild<QMdiArea*>()->setActiveSubWindow(marco);
    QApplication::processEvents();
    QAction* boton = main->toolbarButton(20);
    ASSERT_TRUE(boton->isVisible());
    boton->trigger();
    QApplication::processEvents();
}

QString CuentasDb::ultimoPdf()
{
    if (impresion.jobs.isEmpty())
        return QString();
    QTemporaryDir carpeta;
    QFile pdf(carpeta.filePath(QStringLiteral("ticket.pdf")));
    if (!pdf.open(QIODevice::WriteOnly) || pdf.write(impresion.jobs.last().pdf) < 0)
        return QString();
    pdf.close();
    QProcess pdftotext;
    pdftotext.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pdf.fileName(), QStringLiteral("-")});
    if (!pdftotext.waitForFinished(30000) || pdftotext.exitCode() != 0)
        return QString();
    return QString::fromUtf8(pdftotext.readAllStandardOutput());
}

QStringList CuentasDb::filas(const QString& sql)
{
    return filasDe(db, sql);
}

QStringList CuentasDb::filasRejilla(const grid::Grid* rejilla, int desde)
{
    QStringList out;
    for (int r = desde; r <= rejilla->rowCount(); ++r) {
        QStringList celdas;
        for (int c = 1; c <= rejilla->columnCount(); ++c)
            if (!rejilla->isColumnHidden(c))
                celdas << rejilla->text(r, c);
        out << celdas.join(QStringLiteral(" | "));
    }
    return out;
}

void CuentasDb::activaFuncion(int funcion)
{
    db.execute(QStringLiteral("UPDATE Funciones SET Estado=1 WHERE Id_Funcion=%1").arg(funcion));
}

QString CuentasDb::ultimoTicket()
{
    const QVariant trabajo = scalar(QStringLiteral("SELECT MAX(ID_Trabajo) FROM ColaImpresion WHERE Cerrado=1"));
    if (trabajo.isNull())
        return QString();
    QStringList piezas;
    for (adodb::Recordset rs = db.execute(
             QStringLiteral("SELECT Texto FROM Detallecolaimpresion WHERE ID_Trabajo=%1 ORDER BY Linea").arg(trabajo.toInt()));
         !rs.eof(); rs.moveNext())
        piezas << rs.field(0).value().toString();
    QStringList lineas;
    for (const ticketlayout::Renglon& r : ticketlayout::compone(piezas))
        lineas << r.texto();
    return lineas.join(QLatin1Char('\n'));
}
