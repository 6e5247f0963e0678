#include "endofday_fixture.h"

#include "endofday/concilia_terminales.h"
#include "endofday/mide_ventas_terminal.h"
#include "endofday/recoge_ventas_terminal.h"
#include "foundation/database/cls_ado.h"

class Conciliacion : public EndOfDayFixture {
protected:
    // Measures the terminals, reconciles and collects each; returns what was handed over.
    QList<ConciliacionTerminal> cierra(const QList<QPair<int, QString>>& terminales)
    {
        CreaTablasConciliacion();
        for (const auto& [id, nombre] : terminales)
            MideVentasTerminal(id, nombre);
        const auto r = ConciliaTerminales(QStringLiteral("10122026"), [](const ConciliacionTerminal& t) {
            RecogeVentasTerminal(t.nombre, QStringLiteral("10122026"));
        });
        BorraTablasConciliacion();
        return r;
    }
};

TEST_F(Conciliacion, TwoTerminalsThatSoldAreBothCollectedWholeAndOnce)
{
    const QString largo = QStringLiteral("CAJA D'LA TERRAZA DEL FONDO NORTE");   // an apostrophe, over 25 characters
    venta(copia(QStringLiteral("CAJA1")), 418, 1001, 77);
    venta(copia(QStringLiteral("CAJA1")), 419, 1002, 78);
    venta(copia(largo), 501, 2001, 90);

    CreaTablasConciliacion();
    const MedidasVentas m = MideVentasTerminal(1, QStringLiteral("CAJA1"));
    MideVentasTerminal(2, largo);
    EXPECT_EQ(m.registros[MedidasVentas::PXC], 2);
    EXPECT_EQ(m.montos[MedidasVentas::TotalCtesia], Moneda::deDiezmilesimos(2000));   // 0.1 + 0.1, exactly
    EXPECT_EQ(m.montos[MedidasVentas::TotalIXC].texto(), QStringLiteral("32.08"));
    // The temporary tables live on the gateway's connection.
    for (const char* tabla : {"\"#Tmp_Conciliacion\"", "\"#Tmp_Conciliacion_Montos\""})
        EXPECT_EQ(g_ClsAdo().conexion().execute(QStringLiteral("SELECT Nombre_Term FROM ") + QLatin1String(tabla)
                                                + QStringLiteral(" WHERE ID_Terminal=2")).cell(0, 0).toString(), largo);
    QStringList recogidas;
    const auto r = ConciliaTerminales(QStringLiteral("10122026"), [&](const ConciliacionTerminal& t) {
        recogidas << t.nombre;
        RecogeVentasTerminal(t.nombre, QStringLiteral("10122026"));
    });
    BorraTablasConciliacion();
    EXPECT_EQ(recogidas, (QStringList{QStringLiteral("CAJA1"), largo}));
    ASSERT_EQ(r.size(), 2);
    EXPECT_EQ(textoBanderas(r[0].banderas), QStringLiteral("PXC Cta P Ct M IXC Cmd"));
    for (const char* tabla : {"Comanda", "Cuenta", "ProductosXCuenta", "Cortesia", "ImpuestosXCuenta", "Modificador", "Pago"})
        EXPECT_EQ(scalar(QStringLiteral("SELECT COUNT(*) FROM ") + QLatin1String(tabla)).toInt(), 3) << tabla;
    EXPECT_TRUE(bitacora().contains(QStringLiteral("Conciliación de la terminal CAJA1: banderas PXC Cta P Ct M IXC Cmd")));
}

TEST_F(Conciliacion, ATerminalWhoseFiguresEqualTheDaysIsStillCollected)
{
    // The day's central figures are exactly CAJA1's, but one of its sales is not central: it is
    // counted under another order of the same totals.
    venta(copia(QStringLiteral("CAJA1")), 418, 1001, 77);
    db.execute(QStringLiteral(
        "INSERT INTO Comanda (ID_Comanda, Fecha_Trabajo, Fecha_Apertura) VALUES (300, '10122026', '2026-12-10 09:00:00');"
        "INSERT INTO Cuenta (ID_Comanda, Num_Cuenta, Total) VALUES (300, 1, 116.25);"
        "INSERT INTO ProductosXCuenta (ID_ProductosXCuenta, ID_Comanda, Precio_Venta) VALUES (9001, 300, 100.25);"
        "INSERT INTO ImpuestosXCuenta VALUES (9001, 1, 16.04);"
        "INSERT INTO Cortesia VALUES (9001, 2, 0.1);"
        "INSERT INTO Modificador (ID_ProductosXCuenta, ID_Tipo_Modificador, Precio_Modificador) VALUES (9001, 3, 0.2);"
        "INSERT INTO Pago (ID_Pago, ID_Comanda, Monto_Pago) VALUES (500, 300, 116.25);"));
    const auto r = cierra({{1, QStringLiteral("CAJA1")}});
    ASSERT_EQ(r.size(), 1);
    EXPECT_EQ(textoBanderas(r[0].banderas), QStringLiteral("ninguna"));
    EXPECT_EQ(scalar(QStringLiteral("SELECT COUNT(*) FROM ProductosXCuenta WHERE ID_ProductosXCuenta=1001")).toInt(), 1);

    // Without the other order the day is CAJA1's sale alone; then a difference of one
    // ten-thousandth is a difference.
    db.execute(QStringLiteral(
        "DELETE FROM Comanda WHERE ID_Comanda=300; DELETE FROM Cuenta WHERE ID_Comanda=300;"
        "DELETE FROM ProductosXCuenta WHERE ID_Comanda=300; DELETE FROM Pago WHERE ID_Comanda=300;"
        "DELETE FROM ImpuestosXCuenta WHERE ID_ProductosXCuenta=9001; DELETE FROM Cortesia WHERE ID_ProductosXCuenta=9001;"
        "DELETE FROM Modificador WHERE ID_ProductosXCuenta=9001;"));
    enTerminal(copia(QStringLiteral("CAJA1")), QStringLiteral("UPDATE Pago SET Monto_Pago=116.2501"));
    const auto r2 = cierra({{1, QStringLiteral("CAJA1")}});
    EXPECT_EQ(textoBanderas(r2[0].banderas), QStringLiteral("P"));
    EXPECT_EQ(scalar(QStringLiteral("SELECT Monto_Pago FROM Pago WHERE ID_Pago=77")).toDouble(), 116.2501);
}

TEST_F(Conciliacion, EmptyCopyAgainstAnEmptyDaySetsNoFlag)
{
    copia(QStringLiteral("CAJA1"));
    const auto r = cierra({{1, QStringLiteral("CAJA1")}});
    ASSERT_EQ(r.size(), 1);
    EXPECT_EQ(textoBanderas(r[0].banderas), QStringLiteral("ninguna"));
    EXPECT_EQ(r[0].medidas.montos[MedidasVentas::TotalPXC], Moneda());
}
