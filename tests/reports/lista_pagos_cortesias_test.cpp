// The payment list and the courtesies report, on the shared sales data set.
#include "platform/grid/grid.h"
#include "reports/caja_empleados.h"
#include "reports/rep_cortesias.h"
#include "reports/rep_lista_pagos.h"
#include "tests/foundation/forms/typing.h"
#include "tests/reports/reportes_fixture.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QDateEdit>
#include <QDialog>
#include <QProcess>
#include <QPushButton>
#include <QTest>
#include <QTimer>

namespace {

class ListaPagosCortesias : public ReportesDb {
protected:
    RepListaPagos* abrePagos()
    {
        return abre<RepListaPagos>(QStringLiteral("mnuRepDetPagos"), QStringLiteral("RepListaPagos"));
    }
    RepCortesias* abreCortesias()
    {
        return abre<RepCortesias>(QStringLiteral("mnuProRepCortesias"), QStringLiteral("RepCortesias"));
    }
    static void periodo(QDateEdit* inicio, QDateEdit* fin, const QDate& desde, const QDate& hasta)
    {
        inicio->setDate(desde);
        fin->setDate(hasta);
    }
    QStringList busca(RepVentana* w)
    {
        QTest::mouseClick(w->botonBuscar(), Qt::LeftButton);
        return filasRejilla(w->rejilla());
    }
    // "Page size: ... (letter)" and the rest of pdfinfo's report on a print-out of the test.
    QString pdfinfo(const QString& nombre)
    {
        QProcess p;
        p.start(QStringLiteral("pdfinfo"), {pdfs.filePath(nombre)});
        p.waitForFinished(30000);
        return QString::fromUtf8(p.readAllStandardOutput());
    }
    // Whether the first page of the print-out is wider than high.
    bool apaisado(const QString& nombre)
    {
        const QString info = pdfinfo(nombre);
        const QRegularExpressionMatch m =
            QRegularExpression(QStringLiteral("Page size:\\s+([\\d.]+) x ([\\d.]+)")).match(info);
        return m.hasMatch() && m.captured(1).toDouble() > m.captured(2).toDouble();
    }
};

TEST_F(ListaPagosCortesias, PaymentListListsEachPaymentOfThePeriodInCheckOrder)
{
    RepListaPagos* w = abrePagos();
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(w->windowTitle(), QStringLiteral("Lista de pagos"));
    EXPECT_EQ(w->size(), QSize(10992, 6960) / 15);
    EXPECT_EQ(w->cmbTipo->currentText(), QStringLiteral("TODOS"));
    EXPECT_EQ(w->dtpFechaIni->date(), QDate(2024, 3, 15));

    const QStringList todos = busca(w);
    ASSERT_EQ(todos.size(), 3) << todos.join(QLatin1Char('\n')).toStdString();
    EXPECT_TRUE(todos.mid(0, 2).contains(QStringLiteral("101 | 1 | TARJETA | $100.00 | $15.00 | VISA 1234")));
    EXPECT_TRUE(todos.mid(0, 2).contains(QStringLiteral("101 | 1 | EFECTIVO | $35.60 |  | ")));
    EXPECT_EQ(todos.at(2), QStringLiteral("102 | 1 | EFECTIVO | $12.00 | $2.00 | "));
    const grid::Grid* g = w->rejilla();
    const QStringList titulos{QStringLiteral("Comanda"), QStringLiteral("Cuenta"), QStringLiteral("Tipo pago"),
                              QStringLiteral("Monto"), QStringLiteral("Propina"), QStringLiteral("Referencia")};
    for (int c = 1; c <= 6; ++c)
        EXPECT_EQ(g->text(0, c), titulos.at(c - 1));

    w->cmbTipo->setCurrentIndex(w->cmbTipo->findText(QStringLiteral("TARJETA")));
    EXPECT_EQ(busca(w), QStringList({QStringLiteral("101 | 1 | TARJETA | $100.00 | $15.00 | VISA 1234")}));

    // The end day counts whole; a payment whose account is missing is not listed.
    w->cmbTipo->setCurrentIndex(w->cmbTipo->findText(QStringLiteral("TODOS")));
    periodo(w->dtpFechaIni, w->dtpFechaFin, QDate(2024, 3, 14), QDate(2024, 3, 15));
    db.execute(QStringLiteral("INSERT INTO Pago (ID_Pago, ID_Comanda, Num_Cuenta, ID_Tipo_Pago, Monto_Pago, Propina, Control)"
                              " VALUES (5, 103, 2, 1, 9.00, 0, 1)"));
    const QStringList dosDias = busca(w);
    ASSERT_EQ(dosDias.size(), 4);
    EXPECT_EQ(dosDias.at(3), QStringLiteral("103 | 1 | EFECTIVO | $23.20 | $1.00 | "));

    periodo(w->dtpFechaIni, w->dtpFechaFin, QDate(2024, 3, 16), QDate(2024, 3, 15));
    EXPECT_TRUE(busca(w).isEmpty());
    EXPECT_TRUE(boxes.boxes().isEmpty());
}

TEST_F(ListaPagosCortesias, BothPrintLandscapeUnderTheCourtesiesTitle)
{
    RepListaPagos* pagos = abrePagos();
    ASSERT_NE(pagos, nullptr);
    busca(pagos);
    ASSERT_TRUE(click(21));
    ASSERT_TRUE(click(21));
    const QStringList paginas = imprime(pagos, QStringLiteral("pagos.pdf"));
    ASSERT_EQ(paginas.size(), 1) << "pdftotext (poppler-utils) read nothing";
    EXPECT_EQ(paginas.first().count(QStringLiteral("ZORVA VEREDUDA")), 1);
    EXPECT_TRUE(paginas.first().contains(QStringLiteral("INFORME DE CORTESIAS")));
    EXPECT_TRUE(paginas.first().contains(QStringLiteral("VISA 1234")));
    EXPECT_TRUE(paginas.first().contains(QStringLiteral("15/marzo/2024 12:00:00 página 1 de 1")));
    EXPECT_TRUE(apaisado(QStringLiteral("pagos.pdf"))) << pdfinfo(QStringLiteral("pagos.pdf")).toStdString();

    RepCortesias* cortesias = abreCortesias();
    ASSERT_NE(cortesias, nullptr);
    busca(cortesias);
    const QStringList hoja = imprime(cortesias, QStringLiteral("cortesias.pdf"));
    ASSERT_EQ(hoja.size(), 1);
    EXPECT_EQ(hoja.first().count(QStringLiteral("ZORVA VEREDUDA")), 1);
    EXPECT_TRUE(hoja.first().contains(QStringLiteral("INFORME DE CORTESIAS")));
    EXPECT_TRUE(hoja.first().contains(QStringLiteral("LOPEZ DIAZ ANA")));
    EXPECT_TRUE(apaisado(QStringLiteral("cortesias.pdf")));
}

TEST_F(ListaPagosCortesias, CourtesiesOfThePeriodWithTheDesignColumns)
{
    RepCortesias* w = abreCortesias();
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(w->windowTitle(), QStringLiteral("Cortesias"));
    EXPECT_EQ(w->cmbCortesia->currentText(), QStringLiteral("TODAS"));
    ASSERT_EQ(busca(w).size(), 1);
    const grid::Grid* g = w->rejilla();
    EXPECT_EQ(g->text(1, 1), QStringLiteral("101"));
    EXPECT_EQ(g->text(1, 3), QStringLiteral("GERENCIA"));
    EXPECT_EQ(g->value(1, 4).toDouble(), 20.0);
    EXPECT_EQ(g->text(1, 6), QStringLiteral("LOPEZ DIAZ ANA"));
    EXPECT_EQ(g->text(1, 8), QStringLiteral("2024.03.15"));
    for (int c : {2, 9, 10})
        EXPECT_TRUE(g->isColumnHidden(c)) << c;
    EXPECT_EQ(g->text(0, 3), QStringLiteral("Cortesia"));
    EXPECT_EQ(g->text(0, 8), QStringLiteral("Fecha Trabajo"));

    w->cmbCortesia->setCurrentIndex(w->cmbCortesia->findText(QStringLiteral("GERENCIA")));
    EXPECT_EQ(busca(w).size(), 1);
    periodo(w->dtpFechaIni, w->dtpFechaFin, QDate(2024, 3, 14), QDate(2024, 3, 14));
    EXPECT_TRUE(busca(w).isEmpty());
    periodo(w->dtpFechaIni, w->dtpFechaFin, QDate(2024, 3, 1), QDate(2024, 3, 31));
    EXPECT_EQ(busca(w).size(), 1);
    EXPECT_TRUE(boxes.boxes().isEmpty());
}

TEST_F(ListaPagosCortesias, IdListsFilterWaitersAndManagers)
{
    RepCortesias* w = abreCortesias();
    ASSERT_NE(w, nullptr);
    struct Caso {
        const char* empleado;
        const char* gerente;
        int renglones;
    };
    // Nothing records who authorised a courtesy, so any manager id leaves it out.
    const QList<Caso> casos{{"", "", 1},    {"2", "", 0}, {"1", "", 1},  {"1,,2,", "", 1},
                            {",2,1", "", 1}, {"", "3", 0}, {"1", "1", 0}};
    for (const Caso& c : casos) {
        w->txtEmpleado->setText(QString::fromUtf8(c.empleado));
        w->txtGerente->setText(QString::fromUtf8(c.gerente));
        EXPECT_EQ(busca(w).size(), c.renglones) << c.empleado << " / " << c.gerente;
    }
    EXPECT_TRUE(boxes.boxes().isEmpty());

    // A pasted list that is not ids: the message, and the last report stays.
    w->txtGerente->clear();
    w->txtEmpleado->clear();
    ASSERT_EQ(busca(w).size(), 1);
    w->txtEmpleado->setFocus();
    QApplication::clipboard()->setText(QStringLiteral("1;X"));
    QTest::keyClick(w->txtEmpleado, Qt::Key_V, Qt::ControlModifier);
    ASSERT_EQ(w->txtEmpleado->text(), QStringLiteral("1;X"));
    db.execute(QStringLiteral("DELETE FROM Cortesia"));
    EXPECT_EQ(busca(w).size(), 1);
    ASSERT_EQ(boxes.boxes().size(), 1);
    EXPECT_EQ(boxes.boxes().first().icon(), ui::Exclamation);
    EXPECT_TRUE(boxes.boxes().first().text.contains(QStringLiteral("\"1;X\"")));

    // The typed keys: digits and commas only.
    w->txtGerente->setFocus();
    teclea(w->txtGerente, QStringLiteral("3a -,1"));
    EXPECT_EQ(w->txtGerente->text(), QStringLiteral("3,1"));
    QTimer::singleShot(0, [] {
        if (auto* dialogo = qobject_cast<QDialog*>(QApplication::activeModalWidget()))
            dialogo->reject();
    });
    QTest::mouseClick(w->findChild<QPushButton*>(QStringLiteral("cmdBuscarGerente")), Qt::LeftButton);
    EXPECT_TRUE(w->txtGerente->text().isEmpty());
}

} // namespace
