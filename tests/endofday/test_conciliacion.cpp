#include "endofday_fixture.h"

#include "endofday/medidas_ventas.h"
#include "foundation/database/cls_ado.h"

using namespace findia;

class Conciliacion : public EndOfDayFixture {
protected:
    // Measures the terminals, reconciles and collects each as the run does; returns their flags.
    QList<BanderasDiferencia> cierra(const QList<TerminalFinDia>& terminales)
    {
        creaTablasConciliacion();
        for (const TerminalFinDia& t : terminales)
            MideVentasTerminal(corrida(), t);
        const ConciliacionFinDia conciliacion(corrida());
        QList<BanderasDiferencia> banderas;
        for (const TerminalFinDia& t : terminales) {
            banderas << conciliacion.Compara(t);
            RecogeVentasTerminal(corrida(), t, banderas.last());
        }
        g_ClsAdo().conexion().execute(QStringLiteral("DROP TABLE \"#Tmp_Conciliacion\"; DROP TABLE \"#Tmp_Conciliacion_Montos\""));
        return banderas;
    }
    static QString texto(const BanderasDiferencia& b)
    {
        QStringList s;
        const std::pair<bool, const char*> todas[] = {{b.PXC, "PXC"}, {b.Cta, "Cta"}, {b.P, "P"}, {b.Ct, "Ct"},
                                                      {b.M, "M"}, {b.IXC, "IXC"}, {b.Cmd, "Cmd"}, {b.A, "A"}};
        for (const auto& [puesta, nombre] : todas)
            if (puesta)
                s << QLatin1String(nombre);
        return s.isEmpty() ? QStringLiteral("ninguna") : s.join(QLatin1Char(' '));
    }
};

TEST_F(Conciliacion, TwoTerminalsThatSoldAreBothCollectedWholeAndOnce)
{
    const QString largo = QStringLiteral("CAJA D'LA TERRAZA DEL FONDO NORTE");   // an apostrophe, over 25 characters
    venta(copia(QStringLiteral("CAJA1")), 418, 1001, 77);
    venta(copia(QStringLiteral("CAJA1")), 419, 1002, 78);
    venta(copia(largo), 501, 2001, 90);

    creaTablasConciliacion();
    EXPECT_EQ(MideVentasTerminal(corrida(), terminal(1, QStringLiteral("CAJA1"))),
              QStringLiteral("PXC=2 (200.5) Cta=2 (232.5) P=2 (232.5) Ct=2 (0.2) M=2 (0.4) IXC=2 (32.08) Cmd=2 A=0"));
    MideVentasTerminal(corrida(), terminal(2, largo));
    // The temporary tables live on the gateway's connection.
    for (const char* tabla : {"\"#Tmp_Conciliacion\"", "\"#Tmp_Conciliacion_Montos\""})
        EXPECT_EQ(g_ClsAdo().conexion().execute(QStringLiteral("SELECT Nombre_Term FROM ") + QLatin1String(tabla)
                                                + QStringLiteral(" WHERE ID_Terminal=2")).cell(0, 0).toString(), largo);
    g_ClsAdo().conexion().execute(QStringLiteral("DROP TABLE \"#Tmp_Conciliacion\"; DROP TABLE \"#Tmp_Conciliacion_Montos\""));

    const auto banderas = cierra({terminal(1, QStringLiteral("CAJA1")), terminal(2, largo)});
    EXPECT_EQ(texto(banderas[0]), QStringLiteral("PXC Cta P Ct M IXC Cmd"));
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
    EXPECT_EQ(texto(cierra({terminal(1, QStringLiteral("CAJA1"))})[0]), QStringLiteral("ninguna"));
    EXPECT_EQ(scalar(QStringLiteral("SELECT COUNT(*) FROM ProductosXCuenta WHERE ID_ProductosXCuenta=1001")).toInt(), 1);

    // Without the other order the day is CAJA1's sale alone; then a difference of one
    // ten-thousandth is a difference.
    db.execute(QStringLiteral(
        "DELETE FROM Comanda WHERE ID_Comanda=300; DELETE FROM Cuenta WHERE ID_Comanda=300;"
        "DELETE FROM ProductosXCuenta WHERE ID_Comanda=300; DELETE FROM Pago WHERE ID_Comanda=300;"
        "DELETE FROM ImpuestosXCuenta WHERE ID_ProductosXCuenta=9001; DELETE FROM Cortesia WHERE ID_ProductosXCuenta=9001;"
        "DELETE FROM Modificador WHERE ID_ProductosXCuenta=9001;"));
    enTerminal(copia(QStringLiteral("CAJA1")), QStringLiteral("UPDATE Pago SET Monto_Pago=116.2501"));
    EXPECT_EQ(texto(cierra({terminal(1, QStringLiteral("CAJA1"))})[0]), QStringLiteral("P"));
    EXPECT_EQ(scalar(QStringLiteral("SELECT Monto_Pago FROM Pago WHERE ID_Pago=77")).toDouble(), 116.2501);
}

TEST_F(Conciliacion, EmptyCopyAgainstAnEmptyDaySetsNoFlag)
{
    copia(QStringLiteral("CAJA1"));
    EXPECT_EQ(texto(cierra({terminal(1, QStringLiteral("CAJA1"))})[0]), QStringLiteral("ninguna"));
}
