#include "tests/tickets/cuentas_fixture.h"

#include "foundation/database/cls_ado.h"
#include "platform/grid/grid.h"
#include "platform/grid/grid_stack.h"
#include "tests/reports/reportes_fixture.h"
#include "tests/support/full_scans.h"
#include "tickets/rep_cuenta_detalle.h"
#include "tickets/rep_cuentas.h"
#include "tickets/rep_det_cuentas.h"

#include <QApplication>
#include <QDateEdit>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <QPrinter>
#include <QProcess>

namespace {

const QDate k31Ene(2025, 1, 31), k1Feb(2025, 2, 1), k2Feb(2025, 2, 2);

QStringList temporales()
{
    QStringList nombres;
    adodb::Recordset rs = g_ClsAdo().conexion().execute(QStringLiteral("SELECT name FROM sqlite_temp_master WHERE type='table'"));
    for (; !rs.isNull() && !rs.eof(); rs.moveNext())
        nombres << rs.field(0).text();
    return nombres;
}

class Cuentas : public CuentasDb {};

TEST_F(Cuentas, ListsTheChecksOfThePeriodWithTheirTotals)
{
    // Time stamps show day first to the minute, also one written with a "T" and milliseconds.
    db.execute(QStringLiteral("UPDATE Comanda SET Fecha_Apertura='2025-02-01T20:05:00.000' WHERE ID_Comanda=102"));
    RepCuentas* cuentas = busca(k31Ene, k1Feb);
    ASSERT_TRUE(cuentas);
    EXPECT_EQ(cuentas->windowTitle(), QStringLiteral("Reporte de Cuentas por Comanda"));
    grid::Grid* g = cuentas->rejilla();
    EXPECT_EQ(g->text(2, 4), QStringLiteral("31/01/2025 - 01/02/2025"));
    const QStringList filas = filasRejilla(g, RepCuentas::kFilasEncabezado + 1);
    // The second check is still open.
    EXPECT_EQ(filas, (QStringList{QStringLiteral(" 101 |  5 | LOPEZ DIAZ ANA | 31/01/2025 | 31/01/2025 13:00 | 31/01/2025 14:30 | $301.00"),
                                  QStringLiteral(" 102 |  7 | LOPEZ DIAZ ANA | 01/02/2025 | 01/02/2025 20:05 |  | $191.50")}));
    EXPECT_EQ(g->value(8, 7).toDouble(), 301.0);
    EXPECT_EQ(g->value(9, 7).toDouble(), 191.5);
    EXPECT_EQ(g->text(8, 8), QStringLiteral("3"));
    EXPECT_TRUE(g->isColumnHidden(8));
    EXPECT_FALSE(g->isCellEditable(8, 7));
    EXPECT_FALSE(g->isCellEditable(8, 1));

    // One day without checks, and an inverted period, leave the heading alone.
    for (const auto& [desde, hasta] : {std::pair{k2Feb, k2Feb}, std::pair{k1Feb, k31Ene}}) {
        busca(desde, hasta);
        EXPECT_EQ(g->rowCount(), RepCuentas::kFilasEncabezado);
    }
    busca(k1Feb, k1Feb);
    ASSERT_EQ(g->rowCount(), RepCuentas::kFilasEncabezado + 1);
    EXPECT_EQ(g->text(8, 1), QStringLiteral(" 102"));
    EXPECT_TRUE(boxes.boxes().isEmpty());
}

TEST_F(Cuentas, ListFindsTheAccountsOfThePeriodByKeyOnAnUnanalysedDatabase)
{
    // Without statistics the planner would read every account of the history to list one day.
    RepCuentas* cuentas = abreCuentas();
    ASSERT_TRUE(cuentas);
    cuentas->dtpFecha->setDate(k31Ene);
    cuentas->dtpFechaFin->setDate(k1Feb);
    const testsupport::FullScans scans(g_ClsAdo().conexion());
    cuentas->botonBuscar()->click();
    ASSERT_EQ(cuentas->rejilla()->rowCount(), RepCuentas::kFilasEncabezado + 2);
    EXPECT_TRUE(scans.statements().isEmpty()) << scans.statements().join(QLatin1Char('\n')).toStdString();
}

TEST_F(Cuentas, PrintOutCarriesTheCompanyLineOnce)
{
    RepCuentas* cuentas = busca(k31Ene, k1Feb);
    QTemporaryDir dir;
    const QString ruta = dir.filePath(QStringLiteral("cuentas.pdf"));
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(ruta);
    cuentas->setPrinter(&printer);
    cuentas->BotonImprimir();
    cuentas->BotonImprimir();  // a second print composes its header afresh
    cuentas->setPrinter(nullptr);
    QProcess p;
    p.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), ruta, QStringLiteral("-")});
    ASSERT_TRUE(p.waitForFinished(30000));
    const QString texto = QString::fromUtf8(p.readAllStandardOutput());
    EXPECT_EQ(texto.count(QStringLiteral("ZORVA VEREDUDA")), 1) << texto.toStdString();
    EXPECT_TRUE(texto.contains(QStringLiteral("INFORME DE CUENTAS")));
    EXPECT_TRUE(texto.contains(QStringLiteral("LOPEZ DIAZ ANA")));
    EXPECT_TRUE(texto.contains(QStringLiteral("31/01/2025 13:00"))) << texto.toStdString();
}

TEST_F(Cuentas, OneAccountOpensItsProductsWithTaxesAndModifiers)
{
    RepCuentas* cuentas = busca(k31Ene, k1Feb);
    auto* detalle = qobject_cast<RepDetCuentas*>(abreComanda(cuentas, 101));
    ASSERT_TRUE(detalle);
    EXPECT_EQ(detalle->windowTitle(), QStringLiteral("Detalle de las Cuentas"));
    EXPECT_EQ(detalle->lblComanda->text(), QStringLiteral(" 101"));
    // Voided items still show.
    EXPECT_EQ(filasRejilla(detalle->rejilla()),
              (QStringList{QStringLiteral("HAMBURGUESA | $127.00"), QStringLiteral("HAMBURGUESA | $116.00"),
                           QStringLiteral("REFRESCO | $29.00"), QStringLiteral("REFRESCO | $29.00"),
                           QStringLiteral("REFRESCO | $29.00")}));
    EXPECT_TRUE(detalle->isVisible());
    EXPECT_FALSE(detalle->pila()->isPreviewShown());
    // A second double-click opens a second window; no temporary table stays behind.
    EXPECT_TRUE(qobject_cast<RepDetCuentas*>(abreComanda(cuentas, 101)));
    EXPECT_EQ(ventanas<RepDetCuentas>().size(), 2);
    EXPECT_TRUE(temporales().isEmpty()) << temporales().join(QLatin1Char(',')).toStdString();
}

TEST_F(Cuentas, SeveralAccountsOpenTheAccountsAndThenOneAccount)
{
    RepCuentas* cuentas = busca(k31Ene, k1Feb);
    auto* porComanda = qobject_cast<RepCuentaDetalle*>(abreComanda(cuentas, 102));
    ASSERT_TRUE(porComanda);
    EXPECT_EQ(porComanda->windowTitle(), QStringLiteral("Cuentas por Comanda"));
    EXPECT_EQ(porComanda->lblComanda->text(), QStringLiteral(" 102"));
    // Two modifiers on one item count the item once.
    EXPECT_EQ(filasRejilla(porComanda->rejilla()),
              (QStringList{QStringLiteral("1 | 2 | $150.00"), QStringLiteral("2 | 1 | $18.53")}));
    EXPECT_FALSE(porComanda->rejilla()->isCellEditable(1, 3));

    const QList<QWidget*> antes = hijas();
    emit porComanda->rejilla()->doubleClicked(0, 1);  // the column titles
    QApplication::processEvents();
    EXPECT_EQ(hijas().size(), antes.size());
    emit porComanda->rejilla()->doubleClicked(1, 2);
    QApplication::processEvents();
    ASSERT_EQ(ventanas<RepDetCuentas>().size(), 1);
    RepDetCuentas* detalle = ventanas<RepDetCuentas>().first();
    EXPECT_EQ(detalle->lblComanda->text(), QStringLiteral(" 102"));
    EXPECT_EQ(filasRejilla(detalle->rejilla()),
              (QStringList{QStringLiteral("HAMBURGUESA | $125.00"), QStringLiteral("REFRESCO | $25.00")}));
}

TEST_F(Cuentas, HeadingRowsAndForeignControlsOpenNothing)
{
    RepCuentas* cuentas = busca(k31Ene, k1Feb);
    const int antes = hijas().size();
    for (int fila = 1; fila <= RepCuentas::kFilasEncabezado; ++fila)
        emit cuentas->rejilla()->doubleClicked(fila, 1);
    QApplication::processEvents();
    EXPECT_EQ(hijas().size(), antes);
    // A check listed under another control has no accounts of that control: nothing opens.
    db.execute(QStringLiteral("UPDATE Cuenta SET Control=4 WHERE ID_Comanda=101"));
    EXPECT_EQ(abreComanda(cuentas, 101), nullptr);
}

} // namespace
