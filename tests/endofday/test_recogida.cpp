#include "endofday_fixture.h"

#include "endofday/punto_falla.h"
#include "endofday/recoge_ventas_copia.h"
#include "foundation/database/cls_ado.h"

#include <QFileInfo>

using adodb::ComError;
using namespace findia;

class Recogida : public EndOfDayFixture {
protected:
    RecogidaTerminal recoge(const QString& nombre) { return RecogeVentasCopia(nombre, copia(nombre), QStringLiteral("10122026")); }
};

TEST_F(Recogida, InsertsThenUpdatesTheSameSaleWithItsValuesAsTheTerminalHasThem)
{
    const QString caja = copia(QStringLiteral("CAJA1"));
    enTerminal(caja, QStringLiteral(
        "INSERT INTO Comanda VALUES (418, 5, 7, -1, '2026-12-10 20:00:00', NULL, 'MESA d''Ana', '10122026');"
        "INSERT INTO Cuenta VALUES (418, 1, 0, 1, 45.5);"
        "INSERT INTO ProductosXCuenta VALUES (3125, 418, 1, 57, 'sin hielo''s', 1, 45.5, 45.5, NULL, 2, NULL, NULL, NULL, NULL);"
        "INSERT INTO ProductosXCuenta VALUES (3126, 418, 1, 58, NULL, 0, 10, 12, NULL, NULL, 4, 9, NULL, NULL);"));

    RecogidaTerminal r = recoge(QStringLiteral("CAJA1"));
    EXPECT_TRUE(r.rechazadas.isEmpty());
    ASSERT_EQ(r.tablas.size(), 7);
    EXPECT_EQ(r.tablas[2].tabla, QStringLiteral("ProductosXCuenta"));
    EXPECT_EQ(r.tablas[2].insertadas, 2);
    EXPECT_EQ(scalar(QStringLiteral("SELECT Abierta FROM Comanda WHERE ID_Comanda=418")).toInt(), 1);
    EXPECT_EQ(scalar(QStringLiteral("SELECT Tipo FROM Comanda WHERE ID_Comanda=418")).toString(), QStringLiteral("MESA d'Ana"));
    EXPECT_TRUE(scalar(QStringLiteral("SELECT Fecha_Cierre FROM Comanda WHERE ID_Comanda=418")).isNull());
    EXPECT_EQ(scalar(QStringLiteral(
                  "SELECT ID_ProductosXCuenta||','||ID_Comanda||','||Num_Cuenta||','||ID_Producto||','||Comentario||','||"
                  "Preparado||','||Precio_Venta||','||Precio_Original||','||ID_Modo_Preparacion FROM ProductosXCuenta "
                  "WHERE ID_ProductosXCuenta=3125 AND ID_Tipo_Anulacion IS NULL AND ID_Promocion IS NULL AND "
                  "ID_Paquete IS NULL AND Empleado_Anulacion IS NULL AND Hora_Anulacion IS NULL")).toString(),
              QStringLiteral("3125,418,1,57,sin hielo's,1,45.5,45.5,2"));

    // Voided and closed on the terminal, collected again.
    enTerminal(caja, QStringLiteral(
        "UPDATE ProductosXCuenta SET ID_Tipo_Anulacion=3, Empleado_Anulacion=12, Hora_Anulacion='2026-12-10 21:40:05' "
        "WHERE ID_ProductosXCuenta=3125;"
        "UPDATE Comanda SET Abierta=0, Fecha_Cierre='2026-12-10 23:15:30', Num_Mesa=8;"
        "UPDATE Cuenta SET Num_Impresiones=3, Pagada=1;"));
    r = recoge(QStringLiteral("CAJA1"));
    EXPECT_EQ(r.tablas[0].actualizadas, 1);
    EXPECT_EQ(r.tablas[0].insertadas, 0);
    EXPECT_EQ(r.tablas[2].actualizadas, 2);
    EXPECT_EQ(scalar(QStringLiteral("SELECT COUNT(*) FROM ProductosXCuenta")).toInt(), 2);
    EXPECT_EQ(scalar(QStringLiteral("SELECT ID_Tipo_Anulacion||','||Empleado_Anulacion||','||Hora_Anulacion||','||Comentario "
                                    "FROM ProductosXCuenta WHERE ID_ProductosXCuenta=3125")).toString(),
              QStringLiteral("3,12,2026-12-10 21:40:05,sin hielo's"));
    EXPECT_EQ(scalar(QStringLiteral("SELECT Fecha_Apertura||'|'||Fecha_Trabajo||'|'||Fecha_Cierre||'|'||Abierta||'|'||Num_Mesa "
                                    "FROM Comanda WHERE ID_Comanda=418")).toString(),
              QStringLiteral("2026-12-10 20:00:00|10122026|2026-12-10 23:15:30|0|8"));
    EXPECT_EQ(scalar(QStringLiteral("SELECT Num_Impresiones||','||Pagada FROM Cuenta")).toString(), QStringLiteral("3,1"));
    EXPECT_TRUE(bitacora().contains(QStringLiteral("Recogida de CAJA1, tabla ProductosXCuenta: insertadas 0, actualizadas 2, rechazadas 0")))
        << bitacora().toStdString();
}

TEST_F(Recogida, AKeyThatAnotherSaleHoldsIsRefusedWithWhatHangsOnIt)
{
    // Central already: item 3125 of order 400 of 09/12, with its tax; order 418 opened at another time; payment 77 of order 400.
    db.execute(QStringLiteral(
        "INSERT INTO Comanda (ID_Comanda, Fecha_Apertura, Fecha_Trabajo) VALUES (400, '2026-12-09 13:00:00', '09122026');"
        "INSERT INTO Comanda (ID_Comanda, Fecha_Apertura, Fecha_Trabajo, Num_Mesa) VALUES (418, '2026-12-10 12:00:00', '10122026', 1);"
        "INSERT INTO ProductosXCuenta (ID_ProductosXCuenta, ID_Comanda, Num_Cuenta, ID_Producto, Precio_Venta) VALUES (3125, 400, 1, 1, 9);"
        "INSERT INTO ImpuestosXCuenta VALUES (3125, 1, 1.44);"
        "INSERT INTO Pago (ID_Pago, ID_Comanda, Num_Cuenta, Monto_Pago) VALUES (77, 400, 1, 9);"));
    const QString caja = copia(QStringLiteral("CAJA1"));
    venta(caja, 419, 3125, 77);   // another order, the same item and payment keys
    venta(caja, 418, 3127, 78);   // the same order number as a central sale of another time

    const RecogidaTerminal r = recoge(QStringLiteral("CAJA1"));

    // Order 419 and its account are taken; the item, its children and the payment are not.
    EXPECT_EQ(scalar(QStringLiteral("SELECT COUNT(*) FROM Comanda WHERE ID_Comanda=419")).toInt(), 1);
    EXPECT_EQ(scalar(QStringLiteral("SELECT COUNT(*) FROM Cuenta WHERE ID_Comanda=419")).toInt(), 1);
    EXPECT_EQ(scalar(QStringLiteral("SELECT ID_Comanda||','||Precio_Venta FROM ProductosXCuenta WHERE ID_ProductosXCuenta=3125")).toString(),
              QStringLiteral("400,9.0"));
    EXPECT_EQ(scalar(QStringLiteral("SELECT group_concat(ID_Tipo_Impuesto||'='||Monto_ImpuestosXCuenta) FROM ImpuestosXCuenta")).toString(),
              QStringLiteral("1=1.44"));
    EXPECT_EQ(scalar(QStringLiteral("SELECT ID_Comanda FROM Pago WHERE ID_Pago=77")).toInt(), 400);
    // Order 418 of the copy is not the central one: none of it is taken.
    EXPECT_EQ(scalar(QStringLiteral("SELECT Num_Mesa FROM Comanda WHERE ID_Comanda=418")).toInt(), 1);
    EXPECT_EQ(scalar(QStringLiteral("SELECT COUNT(*) FROM ProductosXCuenta WHERE ID_Comanda=418")).toInt(), 0);
    EXPECT_EQ(scalar(QStringLiteral("SELECT COUNT(*) FROM Pago WHERE ID_Pago=78")).toInt(), 0);
    EXPECT_EQ(scalar(QStringLiteral("SELECT COUNT(*) FROM Cortesia")).toInt(), 0);

    QStringList rechazos;
    for (const FilaRechazada& f : r.rechazadas)
        rechazos << f.tabla + QLatin1Char(' ') + f.clave;
    EXPECT_EQ(rechazos, (QStringList{
        QStringLiteral("Comanda 418"), QStringLiteral("Cuenta 418/1"), QStringLiteral("ProductosXCuenta 3125"),
        QStringLiteral("ProductosXCuenta 3127"), QStringLiteral("Cortesia 3125/2"), QStringLiteral("Cortesia 3127/2"),
        QStringLiteral("ImpuestosXCuenta 3125/1"), QStringLiteral("ImpuestosXCuenta 3127/1"),
        QStringLiteral("Modificador 3125/3"), QStringLiteral("Modificador 3127/3"), QStringLiteral("Pago 77"),
        QStringLiteral("Pago 78")}));
    EXPECT_TRUE(r.textoRechazos().startsWith(QStringLiteral("CAJA1 filas rechazadas: Comanda 418, Cuenta 418/1")));
    EXPECT_EQ(QFileInfo(r.copiaGuardada).fileName(), QStringLiteral("Zorva_Terminal_10122026.mdb"));
    EXPECT_EQ(deTerminal(r.copiaGuardada, QStringLiteral("SELECT COUNT(*) FROM ProductosXCuenta")).toInt(), 2);
    const QString log = bitacora();
    EXPECT_TRUE(log.contains(QStringLiteral("Fila rechazada de CAJA1, tabla ProductosXCuenta clave 3125: la clave es de otra venta")))
        << log.toStdString();
    EXPECT_TRUE(log.contains(QStringLiteral("Recogida de CAJA1, tabla Comanda: insertadas 1, actualizadas 0, rechazadas 1")));
}

TEST_F(Recogida, AFailureHalfwayLeavesNoneOfTheTerminalsRowsAndTheNextTryTakesThemAll)
{
    venta(copia(QStringLiteral("CAJA1")), 418, 3125, 77);
    puntofalla::fija([](const QString& punto) {
        if (punto == QLatin1String("recogida:ProductosXCuenta"))
            throw ComError(5, QStringLiteral("falla de prueba"));
    });
    // Inside the caller's transaction, whose own writes stay.
    adodb::Connection& central = g_ClsAdo().conexion();
    central.beginTrans();
    central.execute(QStringLiteral("UPDATE Parametros SET Valor_Cad='antes' WHERE ID_Parametro='DIRTERMBD'"));
    EXPECT_THROW(recoge(QStringLiteral("CAJA1")), ComError);
    ASSERT_TRUE(central.inTransaction());
    central.commitTrans();
    EXPECT_EQ(scalar(QStringLiteral("SELECT Valor_Cad FROM Parametros WHERE ID_Parametro='DIRTERMBD'")).toString(), QStringLiteral("antes"));
    for (const char* tabla : {"Comanda", "Cuenta", "ProductosXCuenta"})
        EXPECT_EQ(scalar(QStringLiteral("SELECT COUNT(*) FROM ") + QLatin1String(tabla)).toInt(), 0) << tabla;

    puntofalla::quita();
    recoge(QStringLiteral("CAJA1"));
    EXPECT_FALSE(central.inTransaction());
    for (const char* tabla : {"Comanda", "Cuenta", "ProductosXCuenta", "Cortesia", "ImpuestosXCuenta", "Modificador", "Pago"})
        EXPECT_EQ(scalar(QStringLiteral("SELECT COUNT(*) FROM ") + QLatin1String(tabla)).toInt(), 1) << tabla;
}

TEST_F(Recogida, AMissingOrUnreadableCopyFailsWithNothingWritten)
{
    EXPECT_THROW(RecogeVentasCopia(QStringLiteral("CAJA9"), QStringLiteral("/no/existe/Zorva_Terminal.mdb"), QStringLiteral("10122026")), ComError);
    const QString caja = copia(QStringLiteral("CAJA1"));
    venta(caja, 418, 3125, 77);
    enTerminal(caja, QStringLiteral("DROP TABLE Pago"));
    EXPECT_THROW(recoge(QStringLiteral("CAJA1")), ComError);
    EXPECT_EQ(scalar(QStringLiteral("SELECT COUNT(*) FROM Comanda")).toInt(), 0);
    EXPECT_FALSE(g_ClsAdo().conexion().inTransaction());
}
