#include "endofday_fixture.h"

#include "endofday/copia_terminal.h"
#include "endofday/falla_paso.h"
#include "endofday/punto_falla.h"
#include "endofday/recoge_ventas_copia.h"
#include "foundation/database/cls_ado.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "platform/paths/paths.h"

using adodb::ComError;
using namespace findia;

class Recogida : public EndOfDayFixture {
protected:
    RecogidaTerminal recoge(const QString& nombre, qint64 terminal = 1)
    {
        return RecogeVentasCopia(nombre, terminal, copia(nombre), QStringLiteral("10122026"));
    }
    // Why collecting the terminal's copy failed; empty when it did not.
    QString fallaDe(const QString& nombre)
    {
        try {
            recoge(nombre);
        } catch (const FallaPaso& f) {
            return f.descripcion();
        }
        return QString();
    }
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
    EXPECT_THROW(RecogeVentasCopia(QStringLiteral("CAJA9"), 9, QStringLiteral("/no/existe/Zorva_Terminal.mdb"), QStringLiteral("10122026")),
                 FallaPaso);
    const QString caja = copia(QStringLiteral("CAJA1"));
    venta(caja, 418, 3125, 77);
    enTerminal(caja, QStringLiteral("DROP TABLE Pago"));
    EXPECT_THROW(recoge(QStringLiteral("CAJA1")), FallaPaso);
    EXPECT_EQ(scalar(QStringLiteral("SELECT COUNT(*) FROM Comanda")).toInt(), 0);
    EXPECT_FALSE(g_ClsAdo().conexion().inTransaction());
}

namespace {

// The seven sales tables of a terminal file that declares no types: any value can stand anywhere.
const char* const kTablasSinTipos =
    "DROP TABLE Comanda; CREATE TABLE Comanda (ID_Comanda, ID_Empleado, Num_Mesa, Abierta, Fecha_Apertura, Fecha_Cierre, Tipo, Fecha_Trabajo);"
    "DROP TABLE Cuenta; CREATE TABLE Cuenta (ID_Comanda, Num_Cuenta, Pagada, Num_Impresiones, Total);"
    "DROP TABLE ProductosXCuenta; CREATE TABLE ProductosXCuenta (ID_ProductosXCuenta, ID_Comanda, Num_Cuenta, ID_Producto, Comentario,"
    " Preparado, Precio_Venta, Precio_Original, ID_Tipo_Anulacion, ID_Modo_Preparacion, ID_Promocion, ID_Paquete, Empleado_Anulacion,"
    " Hora_Anulacion);"
    "DROP TABLE Pago; CREATE TABLE Pago (ID_Pago, ID_Comanda, Num_Cuenta, ID_Tipo_Pago, Monto_Pago, Propina);";

QStringList textos(const QList<FilaRechazada>& filas)
{
    QStringList lista;
    for (const FilaRechazada& f : filas)
        lista << f.tabla + QLatin1Char(' ') + f.clave + QStringLiteral(": ") + f.motivo;
    return lista;
}

} // namespace

TEST_F(Recogida, TwoTerminalsOrdersOfOneNumberAndOpeningAreTwoSales)
{
    venta(copia(QStringLiteral("CAJA1")), 418, 1001, 77);
    venta(copia(QStringLiteral("CAJA2")), 418, 2001, 78);
    EXPECT_TRUE(recoge(QStringLiteral("CAJA1"), 1).rechazadas.isEmpty());
    const RecogidaTerminal r = recoge(QStringLiteral("CAJA2"), 2);
    EXPECT_EQ(scalar(QStringLiteral("SELECT COUNT(*) || '/' || ID_Terminal_Origen FROM Comanda")).toString(), QStringLiteral("1/1"));
    EXPECT_EQ(scalar(QStringLiteral("SELECT group_concat(ID_ProductosXCuenta) FROM ProductosXCuenta")).toString(), QStringLiteral("1001"));
    EXPECT_EQ(textos(r.rechazadas).first(), QStringLiteral("Comanda 418: la clave es de otra venta"));
    EXPECT_EQ(r.rechazadas.size(), 7) << "the order and every row hanging on it";

    // Collected again from its own terminal it is the same sale.
    const RecogidaTerminal otra = recoge(QStringLiteral("CAJA1"), 1);
    EXPECT_TRUE(otra.rechazadas.isEmpty());
    EXPECT_EQ(otra.tablas[0].actualizadas, 1);

    // An order collected before terminals were recorded is still the same sale by date and opening.
    db.execute(QStringLiteral("UPDATE Comanda SET ID_Terminal_Origen=NULL"));
    EXPECT_TRUE(recoge(QStringLiteral("CAJA2"), 2).rechazadas.isEmpty());
    EXPECT_TRUE(scalar(QStringLiteral("SELECT ID_Terminal_Origen FROM Comanda")).isNull());
}

TEST_F(Recogida, AValueTheCentralColumnCannotHoldRefusesItsRowAndNothingIsStoredAltered)
{
    struct Caso {
        const char* sql;      // one sale, one value out of place
        const char* rechazo;  // the first refused row
    };
    const Caso casos[] = {
        {"INSERT INTO Comanda VALUES ('x1', 5, 7, 0, '2026-12-10 20:00:00', NULL, 'MESA', '10122026')",
         "Comanda x1: ID_Comanda no es una clave válida"},
        {"INSERT INTO Comanda VALUES (9223372036854775807, 5, 7, 0, '2026-12-10 20:00:00', NULL, 'MESA', '10122026')",
         "Comanda 9223372036854775807: ID_Comanda no es una clave válida"},
        {"INSERT INTO Comanda VALUES (-9223372036854775808, 5, 7, 0, '2026-12-10 20:00:00', NULL, 'MESA', '10122026')",
         "Comanda -9223372036854775808: ID_Comanda no es una clave válida"},
        {"INSERT INTO Comanda VALUES (401, 5, 7, 0, '11/12/2026 13:00:00', NULL, 'MESA', '10122026')",
         "Comanda 401: Fecha_Apertura no es una fecha"},
        {"INSERT INTO Comanda VALUES (402, 5, 7, 0, '2026-12-10 20:00:00', 1765400000, 'MESA', '10122026')",
         "Comanda 402: Fecha_Cierre no es una fecha"},
        {"INSERT INTO Comanda VALUES (403, 5, 7, 0, '2026-02-30 20:00:00', NULL, 'MESA', '10122026')",
         "Comanda 403: Fecha_Apertura no es una fecha"},
        {"INSERT INTO Comanda VALUES (404, 5, 7, 0, '2026-12-10 20:00:00', NULL, 'MESA', '2026-12-10')",
         "Comanda 404: Fecha_Trabajo no es una fecha de trabajo"},
        {"INSERT INTO Comanda VALUES (405, 5, 7, 0, '2026-12-10 20:00:00', NULL, 'MESA DE LA TERRAZA 21', '10122026')",
         "Comanda 405: Tipo tiene más de 20 caracteres"},
        {"INSERT INTO Comanda VALUES (406, 'cinco', 7, 0, '2026-12-10 20:00:00', NULL, 'MESA', '10122026')",
         "Comanda 406: ID_Empleado no es un número entero"},
        {"INSERT INTO Comanda VALUES (407, 5, 7, 0, '2026-12-10 20:00:00', NULL, 'MESA', '10122026');"
         "INSERT INTO Cuenta VALUES (407, 1, 1, 1, 'doce')",
         "Cuenta 407/1: Total no es un importe"},
        {"INSERT INTO Comanda VALUES (408, 5, 7, 0, '2026-12-10 20:00:00', NULL, 'MESA', '10122026');"
         "INSERT INTO ProductosXCuenta VALUES (3108, 408, 1, 57, NULL, 1, 'abc', 10, NULL, NULL, NULL, NULL, NULL, NULL)",
         "ProductosXCuenta 3108: Precio_Venta no es un importe"},
        {"INSERT INTO Comanda VALUES (409, 5, 7, 0, '2026-12-10 20:00:00', NULL, 'MESA', '10122026');"
         "INSERT INTO ProductosXCuenta VALUES (3109, 409, 1, 57, printf('%.300c', 'x'), 1, 10, 10, NULL, NULL, NULL, NULL, NULL, NULL)",
         "ProductosXCuenta 3109: Comentario tiene más de 255 caracteres"},
        {"INSERT INTO Comanda VALUES (410, 5, 7, 0, '2026-12-10 20:00:00', NULL, 'MESA', '10122026');"
         "INSERT INTO Pago VALUES (90, 410, 1, 1, 1e300, 0)",
         "Pago 90: Monto_Pago no es un importe"},
    };
    for (const Caso& caso : casos) {
        SCOPED_TRACE(caso.sql);
        const QString caja = QDir(paths::dataRoot()).filePath(QStringLiteral("CAJA1/Zorva_Terminal.mdb"));
        QFile::remove(caja);
        nuevaBaseTerminal(caja);
        enTerminal(caja, QLatin1String(kTablasSinTipos));
        enTerminal(caja, QLatin1String(caso.sql));
        const RecogidaTerminal r = recoge(QStringLiteral("CAJA1"));
        ASSERT_FALSE(r.rechazadas.isEmpty());
        EXPECT_EQ(textos(r.rechazadas).first(), QString::fromUtf8(caso.rechazo));
        // Only what was read whole is central: an order whose account or item was refused stays.
        EXPECT_EQ(scalar(QStringLiteral("SELECT COUNT(*) FROM Comanda WHERE typeof(ID_Comanda)<>'integer' OR Fecha_Apertura IS NULL "
                                        "OR Tipo<>'MESA' OR Fecha_Trabajo<>'10122026' OR typeof(ID_Empleado)<>'integer'")).toInt(), 0);
        EXPECT_EQ(scalar(QStringLiteral("SELECT COUNT(*) FROM Cuenta WHERE typeof(Total)<>'real'")).toInt() +
                  scalar(QStringLiteral("SELECT COUNT(*) FROM ProductosXCuenta")).toInt() +
                  scalar(QStringLiteral("SELECT COUNT(*) FROM Pago")).toInt(), 0);
        db.execute(QStringLiteral("DELETE FROM Comanda; DELETE FROM Cuenta"));
    }
}

TEST_F(Recogida, ValuesWrittenAnotherReadableWayAreStoredAsTheCentralColumnsKeepThem)
{
    const QString caja = copia(QStringLiteral("CAJA1"));
    enTerminal(caja, QLatin1String(kTablasSinTipos));
    enTerminal(caja, QStringLiteral(
        "INSERT INTO Comanda VALUES ('418', 5.0, 7, 0, '2026-12-10T20:00', '2026-12-10', 'MESA', '10122026');"
        "INSERT INTO ProductosXCuenta VALUES (3125, '418', 1, 57, 12, 1, '45.50', 45, NULL, NULL, NULL, NULL, NULL, NULL);"));
    EXPECT_TRUE(recoge(QStringLiteral("CAJA1")).rechazadas.isEmpty());
    EXPECT_EQ(scalar(QStringLiteral("SELECT typeof(ID_Comanda)||','||ID_Empleado||','||Fecha_Apertura||','||Fecha_Cierre FROM Comanda")).toString(),
              QStringLiteral("integer,5,2026-12-10 20:00:00,2026-12-10 00:00:00"));
    EXPECT_EQ(scalar(QStringLiteral("SELECT typeof(ID_Comanda)||','||Precio_Venta||','||Comentario FROM ProductosXCuenta")).toString(),
              QStringLiteral("integer,45.5,12"));
}

TEST_F(Recogida, ACopyOfAnOlderTerminalIsCollectedFromTheColumnsItHas)
{
    const QString caja = copia(QStringLiteral("CAJA1"));
    venta(caja, 418, 3125, 77);
    enTerminal(caja, QStringLiteral("ALTER TABLE Comanda DROP COLUMN Tipo; ALTER TABLE ProductosXCuenta DROP COLUMN Comentario;"
                                    "ALTER TABLE ProductosXCuenta DROP COLUMN Hora_Anulacion; ALTER TABLE Pago DROP COLUMN Propina"));
    const RecogidaTerminal r = recoge(QStringLiteral("CAJA1"));
    EXPECT_TRUE(r.rechazadas.isEmpty());
    for (const char* tabla : {"Comanda", "Cuenta", "ProductosXCuenta", "Cortesia", "ImpuestosXCuenta", "Modificador", "Pago"})
        EXPECT_EQ(scalar(QStringLiteral("SELECT COUNT(*) FROM ") + QLatin1String(tabla)).toInt(), 1) << tabla;
    EXPECT_EQ(scalar(QStringLiteral("SELECT IFNULL(Tipo, 'nulo') || ',' || Num_Mesa FROM Comanda")).toString(), QStringLiteral("nulo,7"));
    // Collected again: what it lacks stays as it is centrally.
    db.execute(QStringLiteral("UPDATE Comanda SET Tipo='DE ANTES'"));
    recoge(QStringLiteral("CAJA1"));
    EXPECT_EQ(scalar(QStringLiteral("SELECT Tipo FROM Comanda")).toString(), QStringLiteral("DE ANTES"));

    // Without its key a table cannot be collected at all.
    enTerminal(caja, QStringLiteral("ALTER TABLE Pago RENAME COLUMN ID_Pago TO Folio"));
    EXPECT_THROW(recoge(QStringLiteral("CAJA1")), FallaPaso);
}

TEST_F(Recogida, OnlyRealTablesOfACopyAreReadAndWithinABound)
{
    const QString caja = copia(QStringLiteral("CAJA1"));
    venta(caja, 418, 3125, 77);
    enTerminal(caja, QStringLiteral(
        "DROP TABLE Pago; CREATE VIEW Pago AS WITH RECURSIVE r(n) AS (SELECT 1 UNION ALL SELECT n+1 FROM r) "
        "SELECT n AS ID_Pago, n AS ID_Comanda, 1 AS Num_Cuenta, 1 AS ID_Tipo_Pago, 1.0 AS Monto_Pago, 0 AS Propina FROM r"));
    EXPECT_TRUE(fallaDe(QStringLiteral("CAJA1")).contains(QStringLiteral("Pago no es una tabla")));
    EXPECT_EQ(scalar(QStringLiteral("SELECT COUNT(*) FROM Comanda")).toInt(), 0);

    // A copy whose reading takes more than its size allows is damaged.
    enTerminal(caja, QStringLiteral("DROP VIEW Pago; CREATE TABLE Pago (ID_Pago INTEGER PRIMARY KEY, ID_Comanda, Num_Cuenta, "
                                    "ID_Tipo_Pago, Monto_Pago, Propina)"));
    EXPECT_TRUE(recoge(QStringLiteral("CAJA1")).rechazadas.isEmpty());
    db.execute(QStringLiteral("DELETE FROM Comanda; DELETE FROM Cuenta; DELETE FROM ProductosXCuenta"));
    const LimiteLectura normal = limiteLectura();
    limiteLectura() = {0, 0};
    EXPECT_TRUE(fallaDe(QStringLiteral("CAJA1")).contains(QStringLiteral("se toma por dañada")));
    limiteLectura() = normal;
    EXPECT_EQ(scalar(QStringLiteral("SELECT COUNT(*) FROM Comanda")).toInt(), 0);
}

TEST_F(Recogida, WholeTablesAndRowByRowStoreTheSameRows)
{
    const QString caja = copia(QStringLiteral("CAJA1"));
    venta(caja, 418, 1001, 77);
    venta(caja, 419, 1002, 78);
    enTerminal(caja, QStringLiteral(
        "UPDATE Comanda SET Abierta=-1, Tipo=NULL, Fecha_Cierre=NULL WHERE ID_Comanda=419;"
        "UPDATE ProductosXCuenta SET Comentario='sin hielo', ID_Tipo_Anulacion=3, Empleado_Anulacion=12,"
        " Hora_Anulacion='2026-12-10 21:40:05', Preparado=0 WHERE ID_ProductosXCuenta=1002;"));
    const QString volcado = QStringLiteral(
        "SELECT (SELECT group_concat(x, '|') FROM (SELECT quote(ID_Comanda)||quote(ID_Empleado)||quote(Num_Mesa)||quote(Abierta)||"
        "quote(Fecha_Apertura)||quote(Fecha_Cierre)||quote(Tipo)||quote(Fecha_Trabajo)||quote(ID_Terminal_Origen) x FROM Comanda ORDER BY 1))"
        "||(SELECT group_concat(x, '|') FROM (SELECT quote(ID_Comanda)||quote(Num_Cuenta)||quote(Pagada)||quote(Num_Impresiones)||"
        "quote(Total) x FROM Cuenta ORDER BY 1))"
        "||(SELECT group_concat(x, '|') FROM (SELECT quote(ID_ProductosXCuenta)||quote(ID_Comanda)||quote(Comentario)||quote(Preparado)||"
        "quote(Precio_Venta)||quote(ID_Tipo_Anulacion)||quote(Empleado_Anulacion)||quote(Hora_Anulacion) x FROM ProductosXCuenta ORDER BY 1))"
        "||(SELECT group_concat(x, '|') FROM (SELECT quote(ID_ProductosXCuenta)||quote(Monto) x FROM Cortesia ORDER BY 1))"
        "||(SELECT group_concat(x, '|') FROM (SELECT quote(ID_ProductosXCuenta)||quote(Monto_ImpuestosXCuenta) x FROM ImpuestosXCuenta ORDER BY 1))"
        "||(SELECT group_concat(x, '|') FROM (SELECT quote(ID_ProductosXCuenta)||quote(Precio_Modificador) x FROM Modificador ORDER BY 1))"
        "||(SELECT group_concat(x, '|') FROM (SELECT quote(ID_Pago)||quote(ID_Comanda)||quote(Monto_Pago)||quote(Propina) x FROM Pago ORDER BY 1))");

    // On its own the collection takes whole tables.
    RecogidaTerminal r = recoge(QStringLiteral("CAJA1"));
    EXPECT_EQ(r.tablas[2].insertadas, 2);
    const QString enteras = scalar(volcado).toString();
    for (const char* tabla : {"Comanda", "Cuenta", "ProductosXCuenta", "Cortesia", "ImpuestosXCuenta", "Modificador", "Pago"})
        db.execute(QStringLiteral("DELETE FROM ") + QLatin1String(tabla));

    // Inside a transaction of the caller that attached nothing, row by row.
    adodb::Connection& central = g_ClsAdo().conexion();
    central.beginTrans();
    r = recoge(QStringLiteral("CAJA1"));
    central.commitTrans();
    EXPECT_EQ(r.tablas[2].insertadas, 2);
    EXPECT_EQ(scalar(volcado).toString(), enteras);
    EXPECT_TRUE(enteras.contains(QStringLiteral("419"))) << enteras.toStdString();
}

TEST_F(Recogida, AnItemWithoutItsOrderInTheCopyIsRefusedAlsoWhenTheOrdersGoWhole)
{
    const QString caja = copia(QStringLiteral("CAJA1"));
    venta(caja, 418, 1001, 77);
    enTerminal(caja, QStringLiteral(
        "INSERT INTO ProductosXCuenta VALUES (1002, 999, 1, 57, NULL, 1, 10, 10, NULL, NULL, NULL, NULL, NULL, NULL);"
        "INSERT INTO ImpuestosXCuenta VALUES (1002, 1, 1.6);"));
    const RecogidaTerminal r = recoge(QStringLiteral("CAJA1"));
    EXPECT_EQ(textos(r.rechazadas), (QStringList{QStringLiteral("ProductosXCuenta 1002: su fila de Comanda no se recogió"),
                                     QStringLiteral("ImpuestosXCuenta 1002/1: su fila de ProductosXCuenta no se recogió")}));
    EXPECT_EQ(scalar(QStringLiteral("SELECT group_concat(ID_ProductosXCuenta) FROM ProductosXCuenta")).toString(), QStringLiteral("1001"));
    EXPECT_EQ(r.tablas[0].insertadas, 1);
    EXPECT_EQ(r.tablas[6].insertadas, 1);
}
