// The database procedures and views of the reports, on the shared sales data set.
#include "foundation/routines/period_sales.h"
#include "tests/foundation/forms/typing.h"
#include "tests/reports/reportes_fixture.h"

#include <QStringList>

namespace {

class Procedimientos : public DatosVentasDb {
protected:
    // A check of its own working date, opened at the time given, with its guests and one item.
    void comanda(int id, const QString& fecha, const QString& apertura, int huespedes, int producto = 40)
    {
        db.execute(QStringLiteral("INSERT INTO Comanda (ID_Comanda, ID_Empleado, Fecha_Apertura, Fecha_Trabajo, Control, "
                                  "CantHuespedes) VALUES (%1, 1, '%2', '%3', 1, %4)")
                       .arg(id)
                       .arg(apertura, fecha)
                       .arg(huespedes));
        db.execute(QStringLiteral("INSERT INTO ProductosXCuenta (ID_ProductosXCuenta, ID_Comanda, Num_Cuenta, ID_Producto, "
                                  "Precio_Venta, Precio_Original, Control) VALUES (%1, %2, 1, %3, 30, 30, 1)")
                       .arg(id * 10)
                       .arg(id)
                       .arg(producto));
    }

    QStringList ventas(const QString& desde, const QString& hasta)
    {
        db.execute(QStringLiteral("CREATE TEMP TABLE \"#Tmp_Ventas\" (ID_Categoria INTEGER, Nombre VARCHAR(50), "
                                  "Ventas_Netas MONEY REAL, Cortesias MONEY REAL, Promociones MONEY REAL, "
                                  "Anulaciones MONEY REAL, Impuestos MONEY REAL, Ventas_Brutas AS (IFNULL(Ventas_Netas,0)"
                                  "+IFNULL(Cortesias,0)+IFNULL(Promociones,0)+IFNULL(Impuestos,0)))"));
        db.execute(QStringLiteral("EXEC Reporte_Ventas '%1','%2'").arg(desde, hasta));
        const QStringList out = filas(QStringLiteral("SELECT Nombre, Ventas_Netas, Cortesias, Promociones, Anulaciones, "
                                                     "Impuestos, Ventas_Brutas FROM \"#Tmp_Ventas\" ORDER BY Nombre"));
        db.execute(QStringLiteral("DROP TABLE \"#Tmp_Ventas\""));
        return out;
    }
};

TEST_F(Procedimientos, SalesPerCategoryCountEachItemOnceWhateverItsTaxesAndModifiers)
{
    EXPECT_EQ(ventas(QStringLiteral("15/03/2024"), QStringLiteral("15/03/2024")),
              QStringList({QStringLiteral("BEBIDAS | 12.00 | 20.00 | 13.00 | 12.00 | 0.00 | 45.00"),
                           QStringLiteral("COMIDA | 110.00 | 0.00 | 0.00 | 135.60 | 25.60 | 135.60")}));
    EXPECT_EQ(ventas(QStringLiteral("14032024"), QStringLiteral("15032024")).first(),
              QStringLiteral("BEBIDAS | 32.00 | 20.00 | 13.00 | 12.00 | 3.20 | 68.20"));
    EXPECT_TRUE(ventas(QStringLiteral("16/03/2024"), QStringLiteral("15/03/2024")).isEmpty());
}

// A period staged by its caller is read as staged; one called on its own stages and drops its own.
TEST_F(Procedimientos, SalesOfAStagedPeriodAreReadFromTheStage)
{
    const auto temporales = [this] {
        return filas(QStringLiteral("SELECT name FROM sqlite_temp_master WHERE type='table' ORDER BY name"));
    };
    const QStringList categorias = ventas(QStringLiteral("15/03/2024"), QStringLiteral("15/03/2024"));
    const QString impuestos = QStringLiteral("Rep_Ventas_Imp_Mod '15/03/2024','15/03/2024'");
    const QStringList porTipo = filas(impuestos);
    ASSERT_EQ(categorias.size(), 2);
    {
        const PeriodSales periodo(db, QDate(2024, 3, 15), QDate(2024, 3, 15));
        db.execute(QStringLiteral("DELETE FROM ProductosXCuenta"));
        EXPECT_EQ(ventas(QStringLiteral("15/03/2024"), QStringLiteral("15/03/2024")), categorias);
        EXPECT_EQ(filas(impuestos), porTipo);
        EXPECT_EQ(temporales().size(), PeriodSales::tables().size());
    }
    EXPECT_TRUE(temporales().isEmpty());
    // Nothing staged: the sales tables as they are now, and nothing left behind.
    EXPECT_TRUE(ventas(QStringLiteral("15/03/2024"), QStringLiteral("15/03/2024")).isEmpty());
    EXPECT_TRUE(filas(impuestos).isEmpty());
    EXPECT_TRUE(temporales().isEmpty());
}

TEST_F(Procedimientos, GuestsAndChecksPerDayPartNeverNull)
{
    EXPECT_EQ(filas(QStringLiteral("Invitados_X_SeccionDia '15/03/2024','15/03/2024'")),
              QStringList({QStringLiteral("CENA | 2 | 1"), QStringLiteral("COMIDA | 3 | 1"), QStringLiteral("DESAYUNO | 0 | 0")}));
    EXPECT_EQ(filas(QStringLiteral("Invitados_X_SeccionDia '01/01/2020','01/01/2020'")),
              QStringList({QStringLiteral("CENA | 0 | 0"), QStringLiteral("COMIDA | 0 | 0"), QStringLiteral("DESAYUNO | 0 | 0")}));
}

TEST_F(Procedimientos, DayPartsIncludeBothEndsAndWrapPastMidnight)
{
    db.execute(QStringLiteral("DELETE FROM Seccion_dia"));
    db.execute(QStringLiteral("INSERT INTO Seccion_dia VALUES ('NOCHE', '22:00:00', '02:00:00'), "
                              "('TARDE', '12:00:00', '16:00:00'), ('VESPERTINO', '16:00:00', '21:59:59')"));
    comanda(301, QStringLiteral("20032024"), QStringLiteral("2024-03-20 23:59:59"), 1);
    comanda(302, QStringLiteral("20032024"), QStringLiteral("2024-03-21 00:00:00"), 2);
    comanda(303, QStringLiteral("20032024"), QStringLiteral("2024-03-21 02:00:00"), 4);
    comanda(304, QStringLiteral("20032024"), QStringLiteral("2024-03-20 16:00:00"), 8);
    comanda(305, QStringLiteral("20032024"), QStringLiteral("2024-03-21 02:00:01"), 16);
    EXPECT_EQ(filas(QStringLiteral("Invitados_X_SeccionDia '20/03/2024','20/03/2024'")),
              QStringList({QStringLiteral("NOCHE | 7 | 3"), QStringLiteral("TARDE | 8 | 1"), QStringLiteral("VESPERTINO | 8 | 1")}));
}

TEST_F(Procedimientos, TaxesPerTypeTakeModifierTaxOnTheItemsLowestType)
{
    EXPECT_EQ(filas(QStringLiteral("Rep_Ventas_Imp_Mod '15/03/2024','15/03/2024'")),
              QStringList({QStringLiteral("IEPS | 8.00"), QStringLiteral("IVA | 17.60")}));
    // An item without taxes: its modifier's tax goes to the lowest tax type there is.
    comanda(310, QStringLiteral("21032024"), QStringLiteral("2024-03-21 13:00:00"), 1);
    db.execute(QStringLiteral("INSERT INTO Modificador VALUES (3100, 1, 5.80, 0.80)"));
    // An item taxed only by IEPS: its modifier's tax goes to IEPS.
    comanda(311, QStringLiteral("21032024"), QStringLiteral("2024-03-21 13:00:00"), 1);
    db.execute(QStringLiteral("INSERT INTO ImpuestosXCuenta VALUES (3110, 2, 2.40)"));
    db.execute(QStringLiteral("INSERT INTO Modificador VALUES (3110, 1, 5.80, 0.80)"));
    EXPECT_EQ(filas(QStringLiteral("Rep_Ventas_Imp_Mod '21/03/2024','21/03/2024'")),
              QStringList({QStringLiteral("IEPS | 3.20"), QStringLiteral("IVA | 0.80")}));
}

TEST_F(Procedimientos, SpecialsPerDayOfTheWeek)
{
    db.execute(QStringLiteral("CREATE TEMP TABLE \"#Tmp_Reporte\" (IDProducto INTEGER, Nombre VARCHAR(75), Dia1 INTEGER, "
                              "Dia2 INTEGER, Dia3 INTEGER, Dia4 INTEGER, Dia5 INTEGER, Dia6 INTEGER, Dia7 INTEGER, "
                              "Total AS (Dia1+Dia2+Dia3+Dia4+Dia5+Dia6+Dia7))"));
    comanda(320, QStringLiteral("20032024"), QStringLiteral("2024-03-20 13:00:00"), 1, 20);
    comanda(321, QStringLiteral("21032024"), QStringLiteral("2024-03-21 13:00:00"), 1, 20);
    db.execute(QStringLiteral("EXEC Rep_Especiales '14/03/2024'"));
    EXPECT_EQ(filas(QStringLiteral("SELECT * FROM \"#Tmp_Reporte\"")),
              QStringList({QStringLiteral("20 | HAMBURGUESA | 0 | 1 | 0 | 0 | 0 | 0 | 1 | 2")}));
}

TEST_F(Procedimientos, VoidsWithTheWaiterAndTheWholeAmountVoided)
{
    db.execute(QStringLiteral("CREATE TEMP TABLE \"#Tmp_Anulaciones\" (ID_ProductosXCuenta INTEGER, ID_Comanda INTEGER, "
                              "ID_Producto INTEGER, ID_Tipo_Anulacion INTEGER, Empleado_Anulacion INTEGER, "
                              "Hora_Anulacion DATETIME TEXT, ID_Empleado INTEGER, Monto MONEY REAL)"));
    db.execute(QStringLiteral("EXEC proReporteAnulacion '15032024','15032024'"));
    EXPECT_EQ(filas(QStringLiteral("SELECT * FROM \"#Tmp_Anulaciones\" ORDER BY 1")),
              QStringList({QStringLiteral("1004 | 102 | 20 | 1 | 3 | 2024-03-16 00:05:00 | 2 | 135.60"),
                           QStringLiteral("1005 | 102 | 30 | 1 | 1 | 2024-03-16 00:02:00 | 2 | 12.00")}));
}

TEST_F(Procedimientos, ComparisonFillsTheNamedTablesByPositionWithGuestsOncePerCheck)
{
    db.execute(QStringLiteral("CREATE TEMP TABLE \"#Temp\" (ID_ProductosXCuenta INTEGER, ID_Empleado INTEGER, "
                              "ID_Comanda INTEGER, ID_Categoria INTEGER, ID_Producto INTEGER, Nombre_Completo VARCHAR(300), "
                              "Precio_Venta MONEY REAL, CantHuespedes INTEGER)"));
    db.execute(QStringLiteral("CREATE TEMP TABLE \"#TempMod\" (ID_ProductosXCuenta INTEGER, ID_Tipo_Modificador INTEGER, "
                              "Precio_Modificador REAL, Nombre_Tipo_Modificador VARCHAR(300))"));
    db.execute(QStringLiteral("EXEC proComparacionVenta '14/03/2024', '15/03/2024'"));
    EXPECT_EQ(filas(QStringLiteral("SELECT * FROM \"#Temp\" ORDER BY 1")),
              QStringList({QStringLiteral("1001 | 1 | 101 | 2 | 20 | HAMBURGUESA | 100.00 | 3"),
                           QStringLiteral("1002 | 1 | 101 | 1 | 10 | CAFE | 0.00 | 0"),
                           QStringLiteral("1003 | 2 | 102 | 1 | 30 | REFRESCO | 12.00 | 2"),
                           QStringLiteral("1006 | 1 | 103 | 1 | 10 | CAFE | 20.00 | 4")}));
    EXPECT_EQ(filas(QStringLiteral("SELECT * FROM \"#TempMod\" ORDER BY 1, 2")),
              QStringList({QStringLiteral("1001 | 1 | 11.60 | EXTRA QUESO"), QStringLiteral("1001 | 2 | 0.00 | SIN CEBOLLA")}));

    // A table of another name and other column names, without a modifier table.
    db.execute(QStringLiteral("CREATE TEMP TABLE \"#TempEmpleado\" (a, b, c, d, e, f, g, NumHuespedes)"));
    db.execute(QStringLiteral("EXEC proComparacionVenta '15/03/2024', '15/03/2024', '#TempEmpleado'"));
    EXPECT_EQ(scalar(QStringLiteral("SELECT SUM(NumHuespedes) || '/' || COUNT(*) FROM \"#TempEmpleado\"")).toString(),
              QStringLiteral("5/3"));
}

TEST_F(Procedimientos, ABadDateFailsTheProcedure)
{
    const QStringList llamadas{QStringLiteral("EXEC Reporte_Ventas '%1','15/03/2024'"),
                               QStringLiteral("Invitados_X_SeccionDia '15/03/2024','%1'"),
                               QStringLiteral("Rep_Ventas_Imp_Mod '%1','15/03/2024'"), QStringLiteral("EXEC Rep_Especiales '%1'"),
                               QStringLiteral("EXEC proReporteAnulacion '%1','15032024'"),
                               QStringLiteral("EXEC proComparacionVenta '%1', '15/03/2024'")};
    for (const QString& llamada : llamadas) {
        for (const char* malo : {"32/01/2024", "", "2024-03-15", "15/3/24", "abc"}) {
            EXPECT_EQ(nativeErrorOf(llamada.arg(QLatin1String(malo))), adodb::native::RaisedByProcedure)
                << llamada.toStdString() << " " << malo;
        }
    }
    EXPECT_EQ(nativeErrorOf(QStringLiteral("EXEC Rep_Especiales")), adodb::native::RaisedByProcedure);
}

TEST_F(Procedimientos, CourtesyViewsNameTheWaiterAndLeaveTheManagerEmpty)
{
    adodb::Recordset rs = db.execute(QStringLiteral("SELECT * FROM Vw_ReporteCortesias"));
    EXPECT_EQ(rs.fieldNames(), QStringList({QStringLiteral("Folio"), QStringLiteral("ID_Tipo_Cortesia"), QStringLiteral("Cortesia"),
                                            QStringLiteral("Monto"), QStringLiteral("Comentario"), QStringLiteral("Vendedor"),
                                            QStringLiteral("Gerente"), QStringLiteral("FechaTrabajo"), QStringLiteral("ID_Empleado"),
                                            QStringLiteral("ID_Gerente")}));
    EXPECT_EQ(filas(QStringLiteral("SELECT * FROM Vw_ReporteCortesias")),
              QStringList({QStringLiteral("101 | 1 | GERENCIA | 20.00 | NULL | LOPEZ DIAZ ANA | NULL | 2024.03.15 | 1 | NULL")}));
    EXPECT_EQ(filas(QStringLiteral("SELECT cvecliente, nombrecliente, idtipocliente, fechatrabajo, id_comanda, num_cuenta, Total, "
                                   "Gerente, Empleado FROM Vw_ReporteCortesiasEspeciales ORDER BY id_comanda")),
              QStringList({QStringLiteral("C101 | MARIA TORRES | 2 | 2024.03.15 | 101 | 1 | 135.60 | NULL | LOPEZ DIAZ ANA"),
                           QStringLiteral("C102 | JUAN PEREZ | 2 | 2024.03.15 | 102 | 1 | 12.00 | NULL | RUIZ SOTO BETO"),
                           QStringLiteral("C103 | LUIS ORTIZ | 1 | 2024.03.14 | 103 | 1 | 23.20 | NULL | LOPEZ DIAZ ANA")}));
}

// A day of the courtesy views, as the courtesy and gold card reports ask for it, reads that day's
// checks only: no whole sales table is scanned.
TEST_F(Procedimientos, CourtesyViewsOfADayReadThatDaysChecksOnly)
{
    const QString dia = QStringLiteral(" BETWEEN '2024.03.15' AND '2024.03.15'");
    for (const QString& sql : {QStringLiteral("SELECT * FROM Vw_ReporteCortesias WHERE FechaTrabajo") + dia,
                               QStringLiteral("SELECT SUM(Total) FROM Vw_ReporteCortesiasEspeciales WHERE IdTipoCliente=2 AND"
                                              " FechaTrabajo") + dia}) {
        for (const QString& paso : filas(QStringLiteral("EXPLAIN QUERY PLAN ") + sql)) {
            const QString detalle = paso.section(QStringLiteral(" | "), 3);
            EXPECT_FALSE(detalle.startsWith(QStringLiteral("SCAN "))) << sql.toStdString() << "\n" << detalle.toStdString();
        }
    }
}

} // namespace
