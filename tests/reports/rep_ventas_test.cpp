// The daily sales report, on the shared sales data set and on small day-part fixtures.
#include "foundation/database/cls_ado.h"
#include "foundation/routines/period_sales.h"
#include "platform/grid/grid.h"
#include "platform/grid/grid_stack.h"
#include "platform/grid/page_composer.h"
#include "reports/rep_ventas.h"
#include "reports/sql_ventas.h"
#include "tests/reports/reportes_fixture.h"
#include "tests/support/text_recorder.h"

#include <QDateEdit>
#include <QLabel>
#include <QMdiSubWindow>
#include <QPainter>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>

namespace {

const QDate k14(2024, 3, 14), k15(2024, 3, 15);

// The report of 15/03/2024 on the shared data set, below the heading rows.
const QStringList kQuince{
    QStringLiteral("VENTAS NETAS | $122.00"),
    QStringLiteral("VENTAS BRUTAS | $167.60"),
    QString(),
    QStringLiteral("Número de invitados por parte del Día"),
    QStringLiteral("CENA | 2"),
    QStringLiteral("COMIDA | 3"),
    QStringLiteral("DESAYUNO | 0"),
    QStringLiteral("TOTAL | 5"),
    QString(),
    QStringLiteral("Cuentas por Parte del Día"),
    QStringLiteral("CENA | 1"),
    QStringLiteral("COMIDA | 1"),
    QStringLiteral("DESAYUNO | 0"),
    QStringLiteral("TOTAL | 2"),
    QString(),
    QStringLiteral("Ventas por Categoría"),
    QStringLiteral(" | Ventas Netas | Cortesías | Promociones | Anulaciones | Impuestos | Ventas Brutas"),
    QStringLiteral("BEBIDAS | $12.00 | $20.00 | $13.00 | $12.00 | $0.00 | $45.00"),
    QStringLiteral("COMIDA | $110.00 | $0.00 | $0.00 | $135.60 | $25.60 | $135.60"),
    QStringLiteral("TOTAL | $122.00 | $20.00 | $13.00 | $147.60 | $25.60 | $180.60"),
    QString(),
    QStringLiteral("Ventas Parte del Día por Categoria"),
    QStringLiteral(" | CENA | COMIDA"),
    QStringLiteral("BEBIDAS | $12.00 | $0.00"),
    QStringLiteral("COMIDA |  | $110.00"),
    QStringLiteral("TOTAL | $12.00 | $110.00"),
    QString(),
    QStringLiteral("Pagos no hechos en efectivo"),
    QStringLiteral("TARJETA | $100.00"),
    QStringLiteral("TOTAL | $100.00"),
    QString(),
    QStringLiteral("Cortesias"),
    QStringLiteral("GERENCIA | $20.00"),
    QStringLiteral("TOTAL | $20.00"),
    QString(),
    QStringLiteral("Promociones"),
    QStringLiteral("2X1 | $12.00"),
    QStringLiteral("TOTAL | $12.00"),
    QString(),
    QStringLiteral("Anulaciones"),
    QStringLiteral("BEBIDAS | $12.00"),
    QStringLiteral("COMIDA | $135.60"),
    QStringLiteral("TOTAL | $147.60"),
    QString(),
    QStringLiteral("Impuestos"),
    QStringLiteral("IEPS | $8.00"),
    QStringLiteral("IVA | $17.60"),
    QStringLiteral("TOTAL | $25.60"),
    QString(),
    QStringLiteral("TOTAL EFECTIVO | $47.60"),
    QStringLiteral("TOTAL PROPINAS | $17.00"),
    QStringLiteral("BALANCE DE EFECTIVO | $30.60"),
    QString(),
    QStringLiteral("   ******** Fin de Informe ********   "),
};

class Ventas : public ReportesDb {
protected:
    RepVentas* abreVentas() { return abre<RepVentas>(QStringLiteral("mnuRepVentas"), QStringLiteral("RepVentas")); }

    // Sets the period and presses "Buscar registros"; the rows below the heading.
    QStringList busca(RepVentas* w, const QDate& desde, const QDate& hasta)
    {
        w->dtpFecha->setDate(desde);
        w->dtpFechaFin->setDate(hasta);
        QTest::mouseClick(w->botonBuscar(), Qt::LeftButton);
        return renglones(w->rejilla());
    }

    // Rows from 5 on, cells joined by " | " up to the last one that holds a text.
    static QStringList renglones(const grid::Grid* g)
    {
        QStringList out;
        for (int r = 5; r <= g->rowCount(); ++r) {
            QStringList celdas;
            for (int c = 1; c <= g->columnCount(); ++c)
                celdas << g->text(r, c);
            while (!celdas.isEmpty() && celdas.last().isEmpty())
                celdas.removeLast();
            out << celdas.join(QStringLiteral(" | "));
        }
        return out;
    }

    // The first row at or after `desde` whose column 1 reads `texto`.
    static int fila(const grid::Grid* g, const QString& texto, int desde = 5)
    {
        for (int r = desde; r <= g->rowCount(); ++r)
            if (g->text(r, 1) == texto)
                return r;
        return -1;
    }

    static bool lineaArriba(const grid::Grid* g, int r, int c)
    {
        return g->cellBorder(r, c).edges.testFlag(Qt::TopEdge);
    }

    // A check of the working date 20/03/2024 opened at `apertura`, with one item of the product.
    void comanda(int id, const QString& apertura, int producto, double precio)
    {
        db.execute(QStringLiteral("INSERT INTO Comanda (ID_Comanda, ID_Empleado, Num_Mesa, Abierta, Fecha_Apertura, Tipo,"
                                  " Fecha_Trabajo, Control, CantHuespedes) VALUES (%1, 1, 1, 0, '%2', 'MESA', '20032024', 1, 1)")
                       .arg(id)
                       .arg(apertura));
        db.execute(QStringLiteral("INSERT INTO ProductosXCuenta (ID_ProductosXCuenta, ID_Comanda, Num_Cuenta, ID_Producto,"
                                  " Precio_Venta, Precio_Original, Control) VALUES (%1, %2, 1, %3, %4, %4, 1)")
                       .arg(id * 10)
                       .arg(id)
                       .arg(producto)
                       .arg(precio));
    }
};

TEST_F(Ventas, WritesEverySectionInOrderUnderTheDesignedHeading)
{
    RepVentas* w = abreVentas();
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(w->windowTitle(), QStringLiteral("Reporte de ventas"));
    auto* marco = qobject_cast<QMdiSubWindow*>(w->parentWidget());
    ASSERT_NE(marco, nullptr);
    EXPECT_TRUE(marco->isMaximized());
    EXPECT_EQ(w->dtpFecha->date(), k15);
    EXPECT_EQ(w->dtpFechaFin->date(), k15);
    EXPECT_EQ(w->findChild<QLabel*>(QStringLiteral("Label1"))->text(), QStringLiteral("Fecha Inicio:"));
    EXPECT_EQ(w->findChild<QLabel*>(QStringLiteral("Label2"))->text(), QStringLiteral("Fecha Fin:"));
    EXPECT_EQ(w->botonBuscar()->objectName(), QStringLiteral("cmbBuscar"));
    EXPECT_EQ(w->botonBuscar()->text(), QStringLiteral("Buscar registros"));

    const grid::Grid* g = w->rejilla();
    EXPECT_EQ(g->objectName(), QStringLiteral("sprDatos"));
    EXPECT_EQ(g->columnCount(), 20);
    EXPECT_EQ(g->rowCount(), 4);
    EXPECT_FALSE(g->isColumnHeaderVisible());
    EXPECT_FALSE(g->isRowHeaderVisible());
    EXPECT_NEAR(g->columnWidth(1), 21.5, 0.1);
    EXPECT_NEAR(g->columnWidth(20), 12.62, 0.1);

    EXPECT_EQ(busca(w, k15, k15).join(QLatin1Char('\n')), kQuince.join(QLatin1Char('\n')));
    auto encabezado = [g] {
        EXPECT_EQ(g->text(1, 3), QStringLiteral("INFORME DE VENTAS"));
        EXPECT_EQ(g->cellBackground(3, 1), QColor(192, 192, 192));
        EXPECT_EQ(g->cellBackground(3, 20), QColor(192, 192, 192));
        EXPECT_TRUE(g->text(4, 1).isEmpty());
    };
    encabezado();
    EXPECT_EQ(g->text(2, 4), QStringLiteral("15/03/2024 - 15/03/2024"));
    EXPECT_TRUE(g->cellFont(2, 4).bold());
    EXPECT_EQ(g->columnSpan(2, 4), 2);

    // Cell types, spans and total lines.
    const int invitados = fila(g, QStringLiteral("Número de invitados por parte del Día"));
    EXPECT_EQ(g->columnSpan(invitados, 1), 3);
    EXPECT_TRUE(g->cellFont(invitados, 1).underline());
    EXPECT_EQ(g->cellFormat(invitados + 1, 2).type, grid::CellType::Number);
    EXPECT_TRUE(lineaArriba(g, invitados + 4, 2));
    EXPECT_EQ(g->columnSpan(fila(g, QStringLiteral("Cuentas por Parte del Día")), 1), 2);
    const int categorias = fila(g, QStringLiteral("Ventas por Categoría"));
    for (int c = 2; c <= 7; ++c) {
        EXPECT_TRUE(lineaArriba(g, categorias + 4, c)) << c;
        EXPECT_EQ(g->cellFormat(categorias + 2, c).type, grid::CellType::Currency) << c;
    }
    EXPECT_DOUBLE_EQ(g->value(categorias + 4, 7).toDouble(), 180.60);
    const int cruce = fila(g, QStringLiteral("Ventas Parte del Día por Categoria"));
    EXPECT_EQ(g->columnSpan(cruce, 1), 2);
    EXPECT_TRUE(g->cellFont(cruce + 1, 2).bold());
    EXPECT_TRUE(lineaArriba(g, cruce + 4, 2));
    EXPECT_FALSE(lineaArriba(g, cruce + 4, 3));
    const int anulaciones = fila(g, QStringLiteral("Anulaciones"));
    EXPECT_EQ(g->columnSpan(anulaciones, 1), 3);
    EXPECT_TRUE(lineaArriba(g, anulaciones + 3, 2));
    EXPECT_FALSE(lineaArriba(g, fila(g, QStringLiteral("TOTAL PROPINAS")), 2));
    EXPECT_EQ(g->columnSpan(g->rowCount(), 1), 3);
    EXPECT_TRUE(g->cellFont(g->rowCount(), 1).bold());
    EXPECT_TRUE(tablasTemporales().isEmpty());

    // A second search replaces everything below the heading.
    QStringList dos = busca(w, k14, k15);
    encabezado();
    EXPECT_EQ(g->text(2, 4), QStringLiteral("14/03/2024 - 15/03/2024"));
    EXPECT_EQ(dos.first(), QStringLiteral("VENTAS NETAS | $142.00"));
    EXPECT_EQ(dos.count(QStringLiteral("VENTAS NETAS | $142.00")), 1);
    EXPECT_EQ(dos.count(QStringLiteral("   ******** Fin de Informe ********   ")), 1);
    EXPECT_TRUE(dos.contains(QStringLiteral("TOTAL PROPINAS | $18.00")));
    EXPECT_TRUE(dos.contains(QStringLiteral(" | CENA | COMIDA")));
    EXPECT_TRUE(dos.contains(QStringLiteral("BEBIDAS | $32.00 | $0.00")));
    EXPECT_TRUE(tablasTemporales().isEmpty());
    EXPECT_EQ(busca(w, k15, k15).join(QLatin1Char('\n')), kQuince.join(QLatin1Char('\n')));
    EXPECT_TRUE(boxes.boxes().isEmpty());
}

TEST_F(Ventas, APeriodWithoutSalesShowsTitlesZerosAndEmptyTotals)
{
    RepVentas* w = abreVentas();
    ASSERT_NE(w, nullptr);
    const QStringList vacio{
        QStringLiteral("VENTAS NETAS | $0.00"), QStringLiteral("VENTAS BRUTAS | $0.00"), QString(),
        QStringLiteral("Número de invitados por parte del Día"), QStringLiteral("CENA | 0"), QStringLiteral("COMIDA | 0"),
        QStringLiteral("DESAYUNO | 0"), QStringLiteral("TOTAL | 0"), QString(),
        QStringLiteral("Cuentas por Parte del Día"), QStringLiteral("CENA | 0"), QStringLiteral("COMIDA | 0"),
        QStringLiteral("DESAYUNO | 0"), QStringLiteral("TOTAL | 0"), QString(),
        QStringLiteral("Ventas por Categoría"),
        QStringLiteral(" | Ventas Netas | Cortesías | Promociones | Anulaciones | Impuestos | Ventas Brutas"),
        QStringLiteral("TOTAL | $0.00 | $0.00 | $0.00 | $0.00 | $0.00 | $0.00"), QString(),
        QStringLiteral("Ventas Parte del Día por Categoria"), QString(), QStringLiteral("TOTAL | $0.00"), QString(),
        QStringLiteral("Pagos no hechos en efectivo"), QStringLiteral("TOTAL | $0.00"), QString(),
        QStringLiteral("Cortesias"), QStringLiteral("TOTAL | $0.00"), QString(),
        QStringLiteral("Promociones"), QStringLiteral("TOTAL | $0.00"), QString(),
        QStringLiteral("Anulaciones"), QStringLiteral("TOTAL | $0.00"), QString(),
        QStringLiteral("Impuestos"), QStringLiteral("TOTAL | $0.00"), QString(),
        QStringLiteral("TOTAL EFECTIVO | $0.00"), QStringLiteral("TOTAL PROPINAS | $0.00"),
        QStringLiteral("BALANCE DE EFECTIVO | $0.00"), QString(),
        QStringLiteral("   ******** Fin de Informe ********   ")};
    EXPECT_EQ(busca(w, QDate(2024, 3, 16), k15).join(QLatin1Char('\n')), vacio.join(QLatin1Char('\n')));
    EXPECT_EQ(busca(w, QDate(2024, 3, 10), QDate(2024, 3, 10)).join(QLatin1Char('\n')), vacio.join(QLatin1Char('\n')));
    EXPECT_TRUE(tablasTemporales().isEmpty());
    EXPECT_TRUE(boxes.boxes().isEmpty());
}

TEST_F(Ventas, DayPartsAcrossMidnightAndOnSharedBoundsInTheCrossTab)
{
    db.execute(QStringLiteral("DELETE FROM Seccion_dia"));
    db.execute(QStringLiteral("INSERT INTO Seccion_dia VALUES ('NOCHE', '22:00:00', '02:00:00'),"
                              " ('TARDE', '12:00:00', '16:00:00'), ('VESPERTINO', '16:00:00', '21:59:59')"));
    // A category whose name holds an apostrophe goes into SQL quoted.
    db.execute(QStringLiteral("INSERT INTO Categoria (ID_Categoria, Nombre_Categoria, Tipo_Categoria) VALUES (3, 'D''CASA', 'V')"));
    db.execute(QStringLiteral("INSERT INTO Producto (ID_Producto, Nombre_Completo, Nombre_Boton, Nombre_Cuenta, Especial, Estado,"
                              " ID_Categoria) VALUES (60, 'FLAN', 'FLAN', 'FLAN', 0, 'A', 3)"));
    comanda(301, QStringLiteral("2024-03-20 23:59:59"), 60, 1);
    comanda(302, QStringLiteral("2024-03-21 00:00:00"), 60, 2);
    comanda(303, QStringLiteral("2024-03-21 02:00:00"), 60, 4);
    comanda(304, QStringLiteral("2024-03-20 16:00:00"), 60, 8);
    comanda(305, QStringLiteral("2024-03-21 02:00:01"), 60, 16);
    comanda(306, QStringLiteral("2024-03-20 21:59:59"), 10, 32);

    RepVentas* w = abreVentas();
    ASSERT_NE(w, nullptr);
    const QStringList r = busca(w, QDate(2024, 3, 20), QDate(2024, 3, 20));
    const int cruce = r.indexOf(QStringLiteral("Ventas Parte del Día por Categoria"));
    ASSERT_GE(cruce, 0);
    // Day parts take columns as the categories (alphabetically) first meet them; the check at
    // 02:00:01 is in no day part, the one at 16:00:00 in two.
    EXPECT_EQ(r.mid(cruce + 1, 4).join(QLatin1Char('\n')),
              QStringLiteral(" | VESPERTINO | NOCHE | TARDE\n"
                             "BEBIDAS | $32.00\n"
                             "D'CASA | $8.00 | $7.00 | $8.00\n"
                             "TOTAL | $40.00 | $7.00 | $8.00"));
    EXPECT_EQ(r.at(0), QStringLiteral("VENTAS NETAS | $63.00"));
    EXPECT_TRUE(tablasTemporales().isEmpty());
    EXPECT_TRUE(boxes.boxes().isEmpty());
}

TEST_F(Ventas, MoreDayPartsThanColumnsWidenTheGrid)
{
    db.execute(QStringLiteral("DELETE FROM Seccion_dia"));
    for (int h = 0; h < 22; ++h) {
        db.execute(QStringLiteral("INSERT INTO Seccion_dia VALUES ('H%1', '%1:00:00', '%1:59:59')").arg(h, 2, 10, QLatin1Char('0')));
        comanda(400 + h, QStringLiteral("2024-03-20 %1:30:00").arg(h, 2, 10, QLatin1Char('0')), 40, h + 1);
    }
    RepVentas* w = abreVentas();
    ASSERT_NE(w, nullptr);
    const QStringList r = busca(w, QDate(2024, 3, 20), QDate(2024, 3, 20));
    const int cruce = r.indexOf(QStringLiteral("Ventas Parte del Día por Categoria"));
    ASSERT_GE(cruce, 0);
    EXPECT_EQ(w->rejilla()->columnCount(), 23);
    const QStringList encabezado = r.at(cruce + 1).split(QStringLiteral(" | "));
    ASSERT_EQ(encabezado.size(), 23);
    EXPECT_EQ(encabezado.at(1), QStringLiteral("H00"));
    EXPECT_EQ(encabezado.at(22), QStringLiteral("H21"));
    EXPECT_EQ(r.at(cruce + 2).split(QStringLiteral(" | ")).at(22), QStringLiteral("$22.00"));
    EXPECT_EQ(r.at(cruce + 3).split(QStringLiteral(" | ")).at(22), QStringLiteral("$22.00"));
    // The next search starts from the design's 20 columns again.
    busca(w, QDate(2024, 3, 21), QDate(2024, 3, 21));
    EXPECT_EQ(w->rejilla()->columnCount(), 20);
    EXPECT_EQ(w->rejilla()->cellBackground(3, 20), QColor(192, 192, 192));
}

// Each figure keeps its own rules for the rows that the shared data set does not hold: an item or
// payment whose Control is not its check's, a modifier without its tax, an item without a price or
// of a product no longer in the catalog, two categories of one name, a voided item with two taxes.
TEST_F(Ventas, EachFigureKeepsItsOwnRulesOnControlsNullsAndMissingProducts)
{
    db.execute(QStringLiteral(R"SQL(
INSERT INTO Categoria (ID_Categoria, Nombre_Categoria, Tipo_Categoria) VALUES (4, 'JUGOS', 'V');
INSERT INTO Producto (ID_Producto, Nombre_Completo, Nombre_Boton, Nombre_Cuenta, Especial, Estado, ID_Categoria)
    VALUES (70, 'JUGO', 'JUGO', 'JUGO', 0, 'A', 4);
INSERT INTO Comanda (ID_Comanda, ID_Empleado, Num_Mesa, Abierta, Fecha_Apertura, Tipo, Fecha_Trabajo, Control, CantHuespedes)
    VALUES (501, 1, 1, 0, '2024-03-20 13:00:00', 'MESA', '20032024', 1, 2),
           (502, 2, 2, 0, '2024-03-20 20:00:00', 'MESA', '20032024', 3, 4);
INSERT INTO ProductosXCuenta (ID_ProductosXCuenta, ID_Comanda, Num_Cuenta, ID_Producto, Precio_Venta, Precio_Original,
                              ID_Tipo_Anulacion, ID_Promocion, Control) VALUES
    (5011, 501, 1, 20, 100.00, 100.00, NULL, NULL, 1),
    (5012, 501, 1, 99, 10.00, 10.00, NULL, NULL, 1),
    (5013, 501, 1, 30, 7.00, 14.00, NULL, 1, 2),
    (5014, 501, 1, 70, NULL, 20.00, NULL, NULL, 1),
    (5015, 501, 1, 10, 20.00, 20.00, 1, 1, 1),
    (5016, 501, 1, 40, 30.00, 30.00, NULL, NULL, 1),
    (5021, 502, 1, 20, 50.00, 50.00, NULL, NULL, 3);
INSERT INTO ImpuestosXCuenta (ID_ProductosXCuenta, ID_Tipo_Impuesto, Monto_ImpuestosXCuenta) VALUES
    (5011, 1, 16.00), (5011, 2, 8.00), (5012, 1, 1.60), (5013, 1, 1.12), (5015, 1, 3.20), (5015, 2, 1.00),
    (5021, 1, 8.00);
INSERT INTO Modificador (ID_ProductosXCuenta, ID_Tipo_Modificador, Precio_Modificador, impuesto_modificador) VALUES
    (5011, 1, 11.60, NULL), (5011, 2, 5.00, 0.80), (5013, 2, 1.00, 0.16), (5014, 1, 2.00, 0.00),
    (5015, 1, 4.00, 0.50), (5016, 1, 5.80, 0.80), (5021, 2, 0.00, 0.00);
INSERT INTO Cortesia (ID_ProductosXCuenta, ID_Tipo_Cortesia, Monto) VALUES (5013, 1, 3.00), (5021, 1, 10.00);
INSERT INTO Pago (ID_Pago, ID_Comanda, Num_Cuenta, ID_Tipo_Pago, Monto_Pago, Propina, Control) VALUES
    (51, 501, 1, 1, 50.00, 5.00, 1), (52, 501, 1, 2, 40.00, 3.00, 2), (53, 502, 1, 1, 58.00, NULL, 3);
)SQL"));
    RepVentas* w = abreVentas();
    ASSERT_NE(w, nullptr);
    // Net sales, the items and modifiers of gross sales, the cross-tab, promotions and tips take every
    // row of the check, the other figures only the rows of its Control. Net sales and the cross-tab
    // leave out a modifier without its tax, the sales per category count its price; an item without
    // a price leaves its category's amount in the cross-tab null (not listed).
    const QStringList esperado{
        QStringLiteral("VENTAS NETAS | $209.04"),
        QStringLiteral("VENTAS BRUTAS | $266.00"),
        QString(),
        QStringLiteral("Ventas por Categoría"),
        QStringLiteral(" | Ventas Netas | Cortesías | Promociones | Anulaciones | Impuestos | Ventas Brutas"),
        QStringLiteral(" | $10.00 | $0.00 | $0.00 | $0.00 | $1.60 | $11.60"),
        QStringLiteral("BEBIDAS | $0.00 | $0.00 | $0.00 | $28.20 | $0.00 | $0.00"),
        QStringLiteral("COMIDA | $200.80 | $10.00 | $0.00 | $0.00 | $33.60 | $244.40"),
        QStringLiteral("JUGOS | $2.00 | $0.00 | $0.00 | $0.00 | $0.00 | $2.00"),
        QStringLiteral("TOTAL | $212.80 | $10.00 | $0.00 | $28.20 | $35.20 | $258.00"),
        QString(),
        QStringLiteral("Ventas Parte del Día por Categoria"),
        QStringLiteral(" | COMIDA | CENA"),
        QStringLiteral("BEBIDAS | $7.84"),
        QStringLiteral("COMIDA | $139.20 | $50.00"),
        QStringLiteral("TOTAL | $147.04 | $50.00"),
        QString(),
        QStringLiteral("Pagos no hechos en efectivo"),
        QStringLiteral("TOTAL | $0.00"),
        QString(),
        QStringLiteral("Cortesias"),
        QStringLiteral("GERENCIA | $10.00"),
        QStringLiteral("TOTAL | $10.00"),
        QString(),
        QStringLiteral("Promociones"),
        QStringLiteral("2X1 | $7.00"),
        QStringLiteral("TOTAL | $7.00"),
        QString(),
        QStringLiteral("Anulaciones"),
        QStringLiteral("BEBIDAS | $28.20"),
        QStringLiteral("TOTAL | $28.20"),
        QString(),
        QStringLiteral("Impuestos"),
        QStringLiteral("IEPS | $8.00"),
        QStringLiteral("IVA | $27.20"),
        QStringLiteral("TOTAL | $35.20"),
        QString(),
        QStringLiteral("TOTAL EFECTIVO | $108.00"),
        QStringLiteral("TOTAL PROPINAS | $8.00"),
        QStringLiteral("BALANCE DE EFECTIVO | $100.00"),
        QString(),
        QStringLiteral("   ******** Fin de Informe ********   ")};
    // The guests and checks per day part read the checks alone: left out.
    QStringList r = busca(w, QDate(2024, 3, 20), QDate(2024, 3, 20));
    r.erase(r.begin() + 3, r.begin() + r.indexOf(QStringLiteral("Ventas por Categoría")));
    EXPECT_EQ(r.join(QLatin1Char('\n')), esperado.join(QLatin1Char('\n')));
    EXPECT_TRUE(tablasTemporales().isEmpty());
    EXPECT_TRUE(boxes.boxes().isEmpty());
}

TEST_F(Ventas, AFailureHalfWayLeavesNoTableToBreakTheNextSearch)
{
    RepVentas* w = abreVentas();
    ASSERT_NE(w, nullptr);
    // The sales per check and category cannot be read: the search stops after creating #TempDia.
    db.execute(QStringLiteral("ALTER TABLE Categoria RENAME TO Categoria_Fuera"));
    busca(w, k15, k15);
    ASSERT_EQ(boxes.boxes().size(), 1);
    EXPECT_EQ(boxes.boxes().first().icon(), ui::Critical);
    EXPECT_TRUE(tablasTemporales().isEmpty());
    EXPECT_TRUE(w->botonBuscar()->isEnabled());
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);

    db.execute(QStringLiteral("ALTER TABLE Categoria_Fuera RENAME TO Categoria"));
    boxes.clear();
    EXPECT_EQ(busca(w, k15, k15).join(QLatin1Char('\n')), kQuince.join(QLatin1Char('\n')));
    EXPECT_TRUE(boxes.boxes().isEmpty());
}

TEST_F(Ventas, PrintsPortraitWithTheCompanyLineOnceAndTheFooter)
{
    RepVentas* w = abreVentas();
    ASSERT_NE(w, nullptr);
    busca(w, k15, k15);
    for (int vez = 0; vez < 2; ++vez) {
        const QStringList paginas = imprime(w, QStringLiteral("ventas.pdf"));
        ASSERT_FALSE(paginas.isEmpty());
        const QString todo = paginas.join(QLatin1Char('\f'));
        EXPECT_EQ(todo.count(QStringLiteral("ZORVA VEREDUDA")), paginas.size());
        EXPECT_EQ(paginas.first().count(QStringLiteral("ZORVA VEREDUDA")), 1);
        for (const QString& texto :
             {QStringLiteral("INFORME DE VENTAS"), QStringLiteral("Ventas por Categoría"),
              QStringLiteral("Ventas Parte del Día por Categoria"), QStringLiteral("Anulaciones"),
              QStringLiteral("Impuestos"), QStringLiteral("BALANCE DE EFECTIVO"), QStringLiteral("Fin de Informe")})
            EXPECT_TRUE(todo.contains(texto)) << texto.toStdString();
        EXPECT_TRUE(paginas.first().contains(
            QStringLiteral("15/marzo/2024 12:00:00 página 1 de %1").arg(paginas.size())))
            << paginas.first().toStdString();
    }
    QProcess info;
    info.start(QStringLiteral("pdfinfo"), {pdfs.filePath(QStringLiteral("ventas.pdf"))});
    ASSERT_TRUE(info.waitForFinished(30000));
    EXPECT_TRUE(QString::fromUtf8(info.readAllStandardOutput()).contains(QStringLiteral("612 x 792")));

    // The preview sets its margins and border only; pressed twice it returns to the grid.
    w->BotonPreview();
    EXPECT_TRUE(w->pila()->isPreviewShown());
    EXPECT_EQ(w->rejilla()->printSettings().marginRight, 0);
    EXPECT_EQ(w->rejilla()->printSettings().marginLeft, 350);
    w->BotonPreview();
    EXPECT_FALSE(w->pila()->isPreviewShown());
}

// A year's amounts in the design's narrow columns: every text prints whole, at a readable size, in
// the seven columns the report uses of its twenty.
TEST_F(Ventas, ThePrintOutKeepsEveryFigureWholeInTheColumnsInUseAtAReadableSize)
{
    db.execute(QStringLiteral("UPDATE ProductosXCuenta SET Precio_Venta=18075712.50 WHERE ID_ProductosXCuenta=1001"));
    RepVentas* w = abreVentas();
    ASSERT_NE(w, nullptr);
    busca(w, k15, k15);
    const grid::Grid* g = w->rejilla();
    const QString netas = g->text(5, 2);
    ASSERT_EQ(netas, QStringLiteral("$18,075,734.50"));
    ASSERT_FALSE(imprime(w, QStringLiteral("ventas.pdf")).isEmpty());

    // The pages as the print command composed them, on a letter page with the report's margins.
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageSize(QPageSize(QPageSize::Letter));
    grid::applyPageSetup(printer, g->printSettings());
    const QSize pagina = printer.pageLayout().paintRectPixels(printer.resolution()).size();
    TextRecorder medida(pagina, printer.resolution());
    grid::PageComposer composer(*g, g->printSettings());
    composer.layout(medida, pagina);
    EXPECT_EQ(composer.printedColumns(), QList<int>({1, 2, 3, 4, 5, 6, 7}));
    EXPECT_EQ(composer.bandCount(), 1);
    QStringList vistos;
    for (int p = 1; p <= composer.pageCount(); ++p) {
        TextRecorder hoja(pagina, printer.resolution());
        QPainter painter(&hoja);
        composer.paintPage(painter, p);
        painter.end();
        EXPECT_TRUE(hoja.faults().isEmpty()) << "page " << p << "\n" << hoja.faults().join(QLatin1Char('\n')).toStdString();
        for (const TextRecorder::Text& t : hoja.texts()) {
            EXPECT_GE(t.pointSize, 8.0) << t.text.toStdString();
            vistos << t.text;
        }
    }
    for (const QString& texto : {netas, QStringLiteral("INFORME DE VENTAS"), QStringLiteral("15/03/2024 - 15/03/2024"),
                                 QStringLiteral("Ventas Brutas"), QStringLiteral("Promociones"),
                                 QStringLiteral("Número de invitados por parte del Día")})
        EXPECT_TRUE(vistos.contains(texto)) << texto.toStdString();
}

// Every statement of one day reads the sales through the checks of that day, never a whole sales
// table: the staging of the period, then the report's own statements over what it staged.
class PlanesVentas : public DatosVentasDb {};

TEST_F(PlanesVentas, NoStatementOfADayReadsAWholeSalesTable)
{
    const QStringList ventas{QStringLiteral("Comanda"), QStringLiteral("ProductosXCuenta"), QStringLiteral("Modificador"),
                             QStringLiteral("ImpuestosXCuenta"), QStringLiteral("Cortesia"), QStringLiteral("Pago")};
    // A table after FROM, JOIN or a comma, and its alias when one follows.
    const QRegularExpression tablas(
        QStringLiteral("(?:FROM|JOIN|,)\\s+(\\w+)(?:\\s+(?!ON\\b|WHERE\\b|JOIN\\b|CROSS\\b|LEFT\\b)(\\w+))?"));
    const PeriodSales periodo(db, k15, k15);
    for (QString sql : PeriodSales::statements(k15, k15) + sqlventas::todas(k15, k15)) {
        if (sql.startsWith(QStringLiteral("CREATE")))
            continue;
        if (sql.startsWith(QStringLiteral("INSERT INTO")))
            sql = sql.mid(sql.indexOf(QStringLiteral("SELECT")));
        // Each name a plan may scan by: the table's own and its alias.
        QHash<QString, QString> nombres;
        for (auto it = tablas.globalMatch(sql); it.hasNext();) {
            const QRegularExpressionMatch m = it.next();
            nombres.insert(m.captured(1), m.captured(1));
            if (!m.captured(2).isEmpty())
                nombres.insert(m.captured(2), m.captured(1));
        }
        for (const QString& paso : filas(QStringLiteral("EXPLAIN QUERY PLAN ") + sql)) {
            const QString detalle = paso.section(QStringLiteral(" | "), 3);
            EXPECT_FALSE(detalle.startsWith(QStringLiteral("SCAN "))
                         && ventas.contains(nombres.value(detalle.section(QLatin1Char(' '), 1, 1))))
                << sql.toStdString() << "\n" << detalle.toStdString();
        }
    }
}

} // namespace
