// What every report window shares, through a small window of its own kind, the price list and the
// shared sales data set.
#include "foundation/database/cls_ado.h"
#include "foundation/forms/window_registry.h"
#include "foundation/routines/fecha_trabajo.h"
#include "mainwindow/mdi_principal.h"
#include "platform/grid/grid.h"
#include "platform/grid/grid_stack.h"
#include "platform/grid/recordset_fill.h"
#include "reports/caja_empleados.h"
#include "reports/lista_ids.h"
#include "reports/renglones.h"
#include "reports/rep_lista_precios.h"
#include "reports/rep_ventas.h"
#include "tests/foundation/forms/typing.h"
#include "tests/reports/reportes_fixture.h"

#include <QApplication>
#include <QClipboard>
#include <QDateEdit>
#include <QDialog>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QTest>
#include <QTimer>

namespace {

// A report of the checks of the chosen waiters, with a company-line header.
class RepPrueba : public RepVentana {
public:
    static Ajustes ajustesPrueba()
    {
        Ajustes a;
        a.titulo = QStringLiteral("Prueba");
        a.encabezado = Encabezado::LineaEmpresa;
        a.encabezadoDiseno = QStringLiteral("/c/fb1CUENTAS DE PRUEBA/fb0/n");
        a.escCierra = true;
        a.itemsArchivo = true;
        return a;
    }

    RepPrueba() : RepVentana(QStringLiteral("RepPrueba"), ajustesPrueba())
    {
        dtpFecha = agregaFecha(QStringLiteral("dtpFecha"), QStringLiteral("Fecha:"));
        txtEmpleado = agregaEmpleados(QStringLiteral("txtEmpleado"), QStringLiteral("cmdBuscarEmpleado"),
                                      QStringLiteral("Mesero:"));
        agregaBuscar(QStringLiteral("cmbBuscar"), QStringLiteral("Buscar registros"));
        creaRejilla(QStringLiteral("sprDatos"), QStringLiteral("PrvVista"));
        setTablasTemporales({QStringLiteral("#Prueba")});
    }

    void buscar() override
    {
        const QString condicion = condicionEmpleados(txtEmpleado, QStringLiteral(" AND ID_Empleado in ("));
        ++ejecutadas;
        ejecuta(QStringLiteral("CREATE TEMP TABLE \"#Prueba\" AS SELECT ID_Comanda, ID_Empleado FROM Comanda WHERE 1=1")
                + condicion);
        if (dentro)
            dentro();
        ejecuta(falla ? QStringLiteral("SELECT * FROM NoExiste") : QStringLiteral("SELECT 1"));
        grid::fillFromRecordset(*rejilla(), consulta(QStringLiteral("SELECT * FROM \"#Prueba\" ORDER BY ID_Comanda")));
        ejecuta(QStringLiteral("DROP TABLE \"#Prueba\""));
    }

    QDateEdit* dtpFecha;
    CajaEmpleados* txtEmpleado;
    int ejecutadas = 0;
    bool falla = false;
    std::function<void()> dentro;
};

class MarcoReportes : public ReportesDb {
protected:
    void SetUp() override
    {
        ReportesDb::SetUp();
        // The test window stands in the place of the specials report.
        WindowRegistry::add(QStringLiteral("RepEspeciales"), [] { return new RepPrueba; });
    }

    RepPrueba* abrePrueba()
    {
        return dynamic_cast<RepPrueba*>(abreVentana(QStringLiteral("mnuProRepEspeciales"), QStringLiteral("RepEspeciales")));
    }

    QStringList comandas(RepPrueba* w)
    {
        QStringList ids;
        for (int r = 1; r <= w->rejilla()->rowCount(); ++r)
            ids << w->rejilla()->text(r, 1);
        return ids;
    }
};

TEST(ListaIds, ReadsWholeNumbersSkipsEmptyItemsAndRefusesTheRest)
{
    struct Caso {
        const char* texto;
        QList<qint64> ids;
        const char* invalido;
    };
    const QList<Caso> casos{
        {"", {}, ""},
        {"1,,2,", {1, 2}, ""},
        {" 7 , 12", {7, 12}, ""},
        {",,,", {}, ""},
        {"1;X", {}, "1;X"},
        {"1,2a,3", {}, "2a"},
        {"1,-2", {}, "-2"},
        {"1,2 3", {}, "2 3"},
        {"1) OR (1=1", {}, "1) OR (1=1"},
        {"99999999999999999999", {}, "99999999999999999999"},
    };
    for (const Caso& c : casos) {
        const ListaIds lista = parseaListaIds(QString::fromUtf8(c.texto));
        EXPECT_EQ(lista.ids, c.ids) << c.texto;
        EXPECT_EQ(lista.invalido, QString::fromUtf8(c.invalido)) << c.texto;
    }
    EXPECT_EQ(parseaListaIds(QStringLiteral("1,,2,")).texto(), QStringLiteral("1,2"));
}

TEST(FechaTrabajo, TurnsWorkingDatesIntoSortableTextAndPeriods)
{
    EXPECT_EQ(fechatrabajo::ordenDeTexto(QStringLiteral("15032024")), QStringLiteral("20240315"));
    for (const char* malo : {"", "1503202", "150320245", "31022024", "15-03-24", "1503202a", "00002024"})
        EXPECT_TRUE(fechatrabajo::ordenDeTexto(QString::fromUtf8(malo)).isEmpty()) << malo;
    EXPECT_EQ(fechatrabajo::periodo(QDate(2024, 3, 14), QDate(2024, 3, 15), QStringLiteral("C.Fecha_Trabajo")),
              QStringLiteral(" (substr(C.Fecha_Trabajo,5,4)||substr(C.Fecha_Trabajo,3,2)||substr(C.Fecha_Trabajo,1,2)) "
                             "BETWEEN '20240314' AND '20240315'"));
    EXPECT_TRUE(fechatrabajo::periodoDeTexto(QStringLiteral("15032024"), QStringLiteral("32032024")).isEmpty());
}

TEST_F(MarcoReportes, APeriodSpanningMonthsAndYearsIsServedByTheIndex)
{
    db.execute(QStringLiteral("INSERT INTO Comanda (ID_Comanda, Fecha_Trabajo) VALUES (201, '31122023'), (202, '01012024'), "
                              "(203, '29022024'), (204, '01042024')"));
    const QString periodo = fechatrabajo::periodo(QDate(2023, 12, 31), QDate(2024, 3, 14));
    EXPECT_EQ(filas(QStringLiteral("SELECT ID_Comanda FROM Comanda WHERE") + periodo + QStringLiteral(" ORDER BY 1")),
              QStringList({QStringLiteral("103"), QStringLiteral("201"), QStringLiteral("202"), QStringLiteral("203")}));
    const QString plan = filas(QStringLiteral("EXPLAIN QUERY PLAN SELECT ID_Comanda FROM Comanda C WHERE")
                               + fechatrabajo::periodo(QDate(2024, 3, 15), QDate(2024, 3, 15), QStringLiteral("C.Fecha_Trabajo")))
                             .join(QLatin1Char('\n'));
    EXPECT_TRUE(plan.contains(QStringLiteral("IX_Comanda_Orden_Fecha_Trabajo"))) << plan.toStdString();
}

TEST_F(MarcoReportes, EmployeeBoxTakesDigitsAndCommasOnly)
{
    RepPrueba* w = abrePrueba();
    ASSERT_NE(w, nullptr);
    w->txtEmpleado->setFocus();
    teclea(w->txtEmpleado, QStringLiteral("1a- ,2B"));
    EXPECT_EQ(w->txtEmpleado->text(), QStringLiteral("1,2"));
    QTest::keyClick(w->txtEmpleado, Qt::Key_Backspace);
    EXPECT_EQ(w->txtEmpleado->text(), QStringLiteral("1,"));
    teclea(w->txtEmpleado, QStringLiteral(",2,"));
    QTest::mouseClick(w->botonBuscar(), Qt::LeftButton);
    EXPECT_EQ(comandas(w), QStringList({QStringLiteral("101"), QStringLiteral("102"), QStringLiteral("103")}));
    EXPECT_TRUE(boxes.boxes().isEmpty());

    w->txtEmpleado->clear();
    teclea(w->txtEmpleado, QStringLiteral("2"));
    QTest::mouseClick(w->botonBuscar(), Qt::LeftButton);
    EXPECT_EQ(comandas(w), QStringList({QStringLiteral("102")}));
}

TEST_F(MarcoReportes, APastedListThatIsNotIdsIsRefusedAndNothingRuns)
{
    RepPrueba* w = abrePrueba();
    ASSERT_NE(w, nullptr);
    QTest::mouseClick(w->botonBuscar(), Qt::LeftButton);
    ASSERT_EQ(w->ejecutadas, 1);
    w->txtEmpleado->setFocus();
    QApplication::clipboard()->setText(QStringLiteral("1;X"));
    QTest::keyClick(w->txtEmpleado, Qt::Key_V, Qt::ControlModifier);
    ASSERT_EQ(w->txtEmpleado->text(), QStringLiteral("1;X"));
    QTest::mouseClick(w->botonBuscar(), Qt::LeftButton);
    EXPECT_EQ(w->ejecutadas, 1);
    ASSERT_EQ(boxes.boxes().size(), 1);
    EXPECT_EQ(boxes.boxes().first().icon(), ui::Exclamation);
    EXPECT_TRUE(boxes.boxes().first().text.contains(QStringLiteral("\"1;X\"")));
    EXPECT_EQ(comandas(w).size(), 3);  // the last report stays
    EXPECT_TRUE(w->botonBuscar()->isEnabled());
}

TEST_F(MarcoReportes, CancellingThePickerEmptiesTheBox)
{
    RepPrueba* w = abrePrueba();
    ASSERT_NE(w, nullptr);
    w->txtEmpleado->setText(QStringLiteral("3"));
    QTimer::singleShot(0, [] {
        if (auto* dialogo = qobject_cast<QDialog*>(QApplication::activeModalWidget()))
            dialogo->reject();
    });
    QTest::mouseClick(w->findChild<QPushButton*>(QStringLiteral("cmdBuscarEmpleado")), Qt::LeftButton);
    EXPECT_TRUE(w->txtEmpleado->text().isEmpty());
}

TEST_F(MarcoReportes, AFailureEndsOnlyTheSearchAndDropsItsTables)
{
    RepPrueba* w = abrePrueba();
    ASSERT_NE(w, nullptr);
    w->falla = true;
    // While the search runs its button is disabled, a second search does not start, and the
    // hourglass shows.
    bool deshabilitado = false, reloj = false;
    w->dentro = [&] {
        deshabilitado = !w->botonBuscar()->isEnabled();
        reloj = QApplication::overrideCursor() != nullptr;
        w->ejecutaBusqueda();
    };
    QTest::mouseClick(w->botonBuscar(), Qt::LeftButton);
    EXPECT_TRUE(deshabilitado);
    EXPECT_TRUE(reloj);
    EXPECT_EQ(w->ejecutadas, 1);
    ASSERT_EQ(boxes.boxes().size(), 1);
    EXPECT_EQ(boxes.boxes().first().icon(), ui::Critical);
    EXPECT_TRUE(tablasTemporales().isEmpty());
    EXPECT_TRUE(w->botonBuscar()->isEnabled());
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);

    w->falla = false;
    w->dentro = nullptr;
    boxes.clear();
    QTest::mouseClick(w->botonBuscar(), Qt::LeftButton);
    EXPECT_EQ(comandas(w).size(), 3);
    EXPECT_TRUE(boxes.boxes().isEmpty());
}

TEST_F(MarcoReportes, OneWindowPerItemAndTheToolbarFollowsTheActiveReport)
{
    RepPrueba* w = abrePrueba();
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(w->dtpFecha->date(), QDate(2024, 3, 15));
    EXPECT_FALSE(w->pila()->isPreviewShown());
    w->txtEmpleado->setText(QStringLiteral("2"));
    QTest::mouseClick(w->botonBuscar(), Qt::LeftButton);
    for (int b : {10, 20, 21})
        EXPECT_TRUE(botonVisible(b)) << b;
    EXPECT_TRUE(main->menuItem(QStringLiteral("mnuArImprimir"))->isVisible());

    auto* lista = abre<RepListadePrecios>(QStringLiteral("mnuProRepLista"), QStringLiteral("RepListadePrecios"));
    ASSERT_NE(lista, nullptr);
    EXPECT_EQ(lista->size(), QSize(9156, 5280) / 15);  // normal, at its design size
    for (int b : {10, 20, 21})
        EXPECT_TRUE(botonVisible(b)) << b;
    // The price list does not use the Archivo items.
    EXPECT_FALSE(main->menuItem(QStringLiteral("mnuArImprimir"))->isVisible());

    // A second click brings the same window back as it was.
    EXPECT_EQ(abrePrueba(), w);
    EXPECT_EQ(w->txtEmpleado->text(), QStringLiteral("2"));
    EXPECT_EQ(comandas(w), QStringList({QStringLiteral("102")}));
    for (int b : {10, 20, 21})
        EXPECT_TRUE(botonVisible(b)) << b;

    // Preview twice: the grid again.
    ASSERT_TRUE(click(21));
    EXPECT_TRUE(w->pila()->isPreviewShown());
    ASSERT_TRUE(click(21));
    EXPECT_FALSE(w->pila()->isPreviewShown());
    EXPECT_TRUE(w->rejilla()->isVisible());

    // Esc closes this window; a later click opens a fresh one.
    QPointer<RepPrueba> cerrada = w;
    w->txtEmpleado->setFocus();
    QTest::keyClick(w->txtEmpleado, Qt::Key_Escape);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(cerrada.isNull());
    RepPrueba* nueva = abrePrueba();
    ASSERT_NE(nueva, nullptr);
    EXPECT_TRUE(nueva->txtEmpleado->text().isEmpty());

    // Closing the last report hides the buttons.
    ASSERT_TRUE(click(10));
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    ASSERT_TRUE(click(10));
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    for (int b : {10, 20, 21})
        EXPECT_FALSE(botonVisible(b)) << b;
}

TEST_F(MarcoReportes, ANormalReportOpenedOverAMaximizedOneOpensNormalAtItsSize)
{
    auto* ventas = abre<RepVentas>(QStringLiteral("mnuRepVentas"), QStringLiteral("RepVentas"));
    ASSERT_NE(ventas, nullptr);
    auto* marcoVentas = qobject_cast<QMdiSubWindow*>(ventas->parentWidget());
    ASSERT_NE(marcoVentas, nullptr);
    ASSERT_TRUE(marcoVentas->isMaximized());

    auto* lista = abre<RepListadePrecios>(QStringLiteral("mnuProRepLista"), QStringLiteral("RepListadePrecios"));
    ASSERT_NE(lista, nullptr);
    QApplication::processEvents();
    auto* marco = qobject_cast<QMdiSubWindow*>(lista->parentWidget());
    ASSERT_NE(marco, nullptr);
    EXPECT_EQ(main->mdiArea()->activeSubWindow(), marco);
    EXPECT_FALSE(marco->isMaximized());
    EXPECT_EQ(lista->size(), QSize(9156, 5280) / 15);
    // Its own title bar above it; the sales report still open behind it.
    EXPECT_GT(lista->mapTo(marco, QPoint(0, 0)).y(), 0);
    EXPECT_TRUE(marcoVentas->isVisible());
}

TEST_F(MarcoReportes, TheCompanyLineFollowsTheDesignHeaderOnceHoweverOftenItPrints)
{
    RepPrueba* w = abrePrueba();
    ASSERT_NE(w, nullptr);
    QTest::mouseClick(w->botonBuscar(), Qt::LeftButton);
    imprime(w, QStringLiteral("uno.pdf"));
    ASSERT_TRUE(click(21));
    ASSERT_TRUE(click(21));
    const QStringList paginas = imprime(w, QStringLiteral("dos.pdf"));
    ASSERT_EQ(paginas.size(), 1) << "pdftotext (poppler-utils) read nothing";
    EXPECT_EQ(paginas.first().count(QStringLiteral("ZORVA VEREDUDA")), 1);
    EXPECT_EQ(paginas.first().count(QStringLiteral("CUENTAS DE PRUEBA")), 1);
    EXPECT_TRUE(paginas.first().contains(QStringLiteral("15/marzo/2024 12:00:00 página 1 de 1")));
}

TEST(Renglones, LabelsAmountsTitlesAndTotals)
{
    grid::Grid g;
    g.setColumnCount(2);
    AgregaTitulo(g, QStringLiteral("Cortesias"));
    AgregaRenglon(g, QStringLiteral("GERENCIA"));
    EXPECT_EQ(g.activeRow(), 2);
    EXPECT_EQ(g.activeColumn(), 2);
    EscribeMonto(g, 20);
    AgregaTotal(g, QStringLiteral("TOTAL"), 1234.5);

    EXPECT_EQ(g.text(1, 1), QStringLiteral("Cortesias"));
    EXPECT_TRUE(g.cellFont(1, 1).bold() && g.cellFont(1, 1).underline());
    EXPECT_EQ(g.cellFont(1, 1).pointSizeF(), 10);
    for (int r : {2, 3}) {
        EXPECT_EQ(g.cellFormat(r, 1).type, grid::CellType::StaticText);
        EXPECT_TRUE(g.cellFont(r, 1).bold());
        EXPECT_EQ(g.cellFormat(r, 2).type, grid::CellType::Currency);
        EXPECT_TRUE(g.isCellLocked(r, 2));
        EXPECT_EQ(g.cellAlignment(r, 2), Qt::AlignRight);
    }
    EXPECT_EQ(g.value(2, 2).toDouble(), 20);
    EXPECT_EQ(g.text(3, 1), QStringLiteral("TOTAL"));
    EXPECT_EQ(g.text(3, 2), QStringLiteral("$1,234.50"));
    EXPECT_EQ(g.cellBorder(3, 2).edges, Qt::TopEdge);
    EXPECT_EQ(g.cellBorder(3, 2).color, QColor(Qt::black));
    EXPECT_FALSE(g.cellBorder(2, 2).edges);
}

} // namespace
