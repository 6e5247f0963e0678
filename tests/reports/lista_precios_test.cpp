// The price list, on the shared sales data set.
#include "foundation/database/cls_ado.h"
#include "platform/clock/clock.h"
#include "platform/grid/grid.h"
#include "platform/grid/grid_stack.h"
#include "reports/rep_lista_precios.h"
#include "tests/foundation/forms/typing.h"
#include "tests/reports/reportes_fixture.h"

#include <QApplication>
#include <QComboBox>
#include <QPushButton>
#include <QTest>

namespace {

class ListaPrecios : public ReportesDb {
protected:
    RepListadePrecios* abreLista()
    {
        return abre<RepListadePrecios>(QStringLiteral("mnuProRepLista"), QStringLiteral("RepListadePrecios"));
    }

    // Chooses the category and presses "Buscar registros"; the rows as "name price tax sale".
    QStringList busca(RepListadePrecios* w, const QString& categoria)
    {
        w->cmbCategoria->setCurrentIndex(w->cmbCategoria->findText(categoria));
        QTest::mouseClick(w->botonBuscar(), Qt::LeftButton);
        QStringList out;
        const grid::Grid* g = w->rejilla();
        for (int r = 1; r <= g->rowCount(); ++r)
            out << QStringLiteral("%1 %2 %3 %4")
                       .arg(g->text(r, 2))
                       .arg(g->value(r, 3).toDouble(), 0, 'f', 2)
                       .arg(g->value(r, 4).toDouble(), 0, 'f', 2)
                       .arg(g->value(r, 5).toDouble(), 0, 'f', 2);
        return out;
    }
};

TEST_F(ListaPrecios, ListsEachRateInForceTodayWithItsTaxAndRoundedPrice)
{
    RepListadePrecios* w = abreLista();
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(w->windowTitle(), QStringLiteral("Lista de precios"));
    EXPECT_EQ(w->CmbMenu->currentText(), QStringLiteral("GENERAL"));
    EXPECT_EQ(w->cmbCategoria->currentText(), QStringLiteral("TODAS"));
    EXPECT_EQ(w->cmbCategoria->count(), 3);
    EXPECT_EQ(w->botonBuscar()->text(), QStringLiteral("Buscar registros"));

    // No TE (inactive); HAMBURGUESA once per rate: the IEPS rate ends today and today counts whole,
    // the IVA rate has no end.
    QStringList todas = busca(w, QStringLiteral("TODAS"));
    ASSERT_EQ(todas.size(), 5) << todas.join(QLatin1Char('\n')).toStdString();
    EXPECT_EQ(todas.at(0), QStringLiteral("CAFE 20.00 3.20 23.20"));
    EXPECT_EQ(QStringList(todas.mid(1, 2)).join(QLatin1Char(';')).count(QStringLiteral("HAMBURGUESA")), 2);
    EXPECT_TRUE(todas.mid(1, 2).contains(QStringLiteral("HAMBURGUESA 100.00 16.00 116.00")));
    EXPECT_TRUE(todas.mid(1, 2).contains(QStringLiteral("HAMBURGUESA 100.00 8.00 108.00")));
    EXPECT_EQ(todas.at(3), QStringLiteral("PASTEL 30.00 0.00 30.00"));
    EXPECT_EQ(todas.at(4), QStringLiteral("REFRESCO 25.00 0.00 25.00"));
    const grid::Grid* g = w->rejilla();
    EXPECT_EQ(g->text(0, 1), QStringLiteral("Artículo"));
    EXPECT_EQ(g->text(0, 2), QStringLiteral("Nombre Artículo"));
    EXPECT_EQ(g->text(0, 5), QStringLiteral("Precio Venta"));
    EXPECT_EQ(g->text(1, 1), QStringLiteral("10"));

    const QStringList comida = busca(w, QStringLiteral("COMIDA"));
    ASSERT_EQ(comida.size(), 3);
    EXPECT_TRUE(comida.at(0).startsWith(QStringLiteral("HAMBURGUESA")) && comida.at(1).startsWith(QStringLiteral("HAMBURGUESA")));
    EXPECT_EQ(comida.at(2), QStringLiteral("PASTEL 30.00 0.00 30.00"));
    EXPECT_TRUE(boxes.boxes().isEmpty());
    EXPECT_TRUE(tablasTemporales().isEmpty());
}

TEST_F(ListaPrecios, RatesCountByDayFromTheirStartAndAnEmptyEndNeverEnds)
{
    // The day after the IEPS change: the new rate, which has no end, replaces the old one.
    appclock::setNow(QDateTime(QDate(2024, 3, 16), QTime(0, 0, 1)));
    RepListadePrecios* w = abreLista();
    ASSERT_NE(w, nullptr);
    const QStringList comida = busca(w, QStringLiteral("COMIDA"));
    EXPECT_TRUE(comida.contains(QStringLiteral("HAMBURGUESA 100.00 9.00 109.00"))) << comida.join(QLatin1Char('\n')).toStdString();
    EXPECT_FALSE(comida.join(QLatin1Char('\n')).contains(QStringLiteral(" 8.00 ")));
    // An inactive tax type is left out; an end stored as an empty text is no end either.
    db.execute(QStringLiteral("UPDATE Tipos_Impuesto SET Tipo_Imp_Activo=0 WHERE ID_Tipo_Impuesto=1"));
    db.execute(QStringLiteral("UPDATE PorcentajeXTipo_Impuesto SET Fecha_Fin_Impuesto='' WHERE Porcentaje=0.09"));
    EXPECT_EQ(busca(w, QStringLiteral("COMIDA")),
              QStringList({QStringLiteral("HAMBURGUESA 100.00 9.00 109.00"), QStringLiteral("PASTEL 30.00 0.00 30.00")}));
}

TEST_F(ListaPrecios, ATaxIncludedInThePriceIsThePartOfThePriceItHolds)
{
    // HAMBURGUESA at 89.50 with IVA included and IEPS added on top; CAFE's IVA stays added.
    db.execute(QStringLiteral("UPDATE PreciosXMenu SET Precio=89.50 WHERE ID_Producto=20"));
    db.execute(QStringLiteral("UPDATE ImpuestosXProducto SET Incluir_en_precio=1 WHERE ID_Producto=20 AND ID_Tipo_Impuesto=1"));
    RepListadePrecios* w = abreLista();
    ASSERT_NE(w, nullptr);
    const QStringList todas = busca(w, QStringLiteral("TODAS"));
    EXPECT_EQ(todas.at(0), QStringLiteral("CAFE 20.00 3.20 23.20"));
    EXPECT_TRUE(todas.contains(QStringLiteral("HAMBURGUESA 89.50 12.34 89.50"))) << todas.join(QLatin1Char('\n')).toStdString();
    EXPECT_TRUE(todas.contains(QStringLiteral("HAMBURGUESA 89.50 7.16 96.66")));
    EXPECT_TRUE(tablasTemporales().isEmpty());
}

TEST_F(ListaPrecios, PrintsTheTitledHeaderOnceWithTheStandardFooter)
{
    RepListadePrecios* w = abreLista();
    ASSERT_NE(w, nullptr);
    busca(w, QStringLiteral("TODAS"));
    QStringList paginas = imprime(w, QStringLiteral("primera.pdf"));
    ASSERT_EQ(paginas.size(), 1) << "pdftotext (poppler-utils) read nothing";
    ASSERT_TRUE(click(21));
    EXPECT_TRUE(w->pila()->isPreviewShown());
    ASSERT_TRUE(click(21));
    EXPECT_FALSE(w->pila()->isPreviewShown());
    paginas = imprime(w, QStringLiteral("segunda.pdf"));
    ASSERT_EQ(paginas.size(), 1);
    const QString& pagina = paginas.first();
    EXPECT_EQ(pagina.count(QStringLiteral("ZORVA VEREDUDA")), 1) << pagina.toStdString();
    EXPECT_TRUE(pagina.contains(QStringLiteral("LISTA DE PRECIOS")));
    EXPECT_TRUE(pagina.contains(QStringLiteral("15/marzo/2024 12:00:00 página 1 de 1"))) << pagina.toStdString();
    EXPECT_TRUE(pagina.contains(QStringLiteral("HAMBURGUESA")));
}

TEST_F(ListaPrecios, WithoutAMenuTheGridEmpties)
{
    db.execute(QStringLiteral("DELETE FROM Menu"));
    RepListadePrecios* w = abreLista();
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(w->CmbMenu->currentIndex(), -1);
    w->rejilla()->setRowCount(3);
    busca(w, QStringLiteral("TODAS"));
    EXPECT_EQ(w->rejilla()->rowCount(), 0);
    EXPECT_TRUE(boxes.boxes().isEmpty());
}

TEST_F(ListaPrecios, AFailedSearchIsReportedLeavesNoTableAndTheNextOneRuns)
{
    RepListadePrecios* w = abreLista();
    ASSERT_NE(w, nullptr);
    ASSERT_FALSE(busca(w, QStringLiteral("TODAS")).isEmpty());
    db.execute(QStringLiteral("ALTER TABLE PreciosXMenu RENAME TO PreciosGuardados"));
    // The rows of the last search go with the failed one.
    EXPECT_TRUE(busca(w, QStringLiteral("TODAS")).isEmpty());
    ASSERT_EQ(boxes.boxes().size(), 1);
    EXPECT_EQ(boxes.boxes().first().icon(), ui::Critical);
    EXPECT_TRUE(boxes.boxes().first().text.startsWith(QStringLiteral("No fue posible generar el informe.")));
    EXPECT_TRUE(tablasTemporales().isEmpty());
    EXPECT_TRUE(w->botonBuscar()->isEnabled());
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);

    db.execute(QStringLiteral("ALTER TABLE PreciosGuardados RENAME TO PreciosXMenu"));
    // A table of the same name left on the connection does not stop the search either.
    g_ClsAdo().conexion().execute(QStringLiteral("CREATE TEMP TABLE \"#Tmp_Precios\" (x)"));
    boxes.clear();
    EXPECT_EQ(busca(w, QStringLiteral("TODAS")).size(), 5);
    EXPECT_TRUE(boxes.boxes().isEmpty());
    EXPECT_TRUE(tablasTemporales().isEmpty());
}

} // namespace
