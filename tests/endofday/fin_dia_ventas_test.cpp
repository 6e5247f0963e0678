// The whole run over terminals that sold: what reaches the central tables and what reaches the
// terminals, and what a stop at any point leaves for the next start.
#include "fin_dia_fixture.h"
#include "ventas_prueba.h"

#include "endofday/fin_dia_entrada.h"
#include "endofday/punto_falla.h"
#include "platform/paths/paths.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <sqlite3.h>

#include <csignal>
#include <future>
#include <thread>
#include <sys/wait.h>
#include <unistd.h>

using findia::DesenlaceFinDia;

namespace {

const char* const kTablasVenta[] = {"Comanda", "Cuenta", "ProductosXCuenta", "Cortesia", "ImpuestosXCuenta", "Modificador", "Pago"};

} // namespace

class FinDiaVentas : public SoldTerminalsTest {
protected:
    int filas(const char* tabla) { return scalar(QStringLiteral("SELECT COUNT(*) FROM ") + QLatin1String(tabla)).toInt(); }
    // What every run must leave once it has finished: each sale central once, the day closed once,
    // every terminal sent a database built for it, one finished run.
    void compruebaFinal()
    {
        for (const char* tabla : kTablasVenta)
            EXPECT_EQ(filas(tabla), 2) << tabla;
        EXPECT_EQ(param(QStringLiteral("FECHA_TRABAJO")), QStringLiteral("16032024"));
        for (const char* name : {"CAJA1", "CAJA2"})
            EXPECT_TRUE(holdsNewDatabase(QLatin1String(name))) << name;
        EXPECT_EQ(scalar(QStringLiteral("SELECT COUNT(*) || '/' || SUM(State='finished') FROM EndOfDayRun")).toString(),
                  QStringLiteral("1/1"));
    }
    // A terminal's database is replaced only once its sale is central.
    void compruebaNadaPerdido()
    {
        const std::pair<const char*, int> ventas[] = {{"CAJA1", 418}, {"CAJA2", 419}};
        for (const auto& [name, comanda] : ventas) {
            const bool enShare = valueIn(shareFile(QLatin1String(name)), QStringLiteral("SELECT COUNT(*) FROM Comanda")).toInt() > 0;
            const bool central = scalar(QStringLiteral("SELECT COUNT(*) FROM Comanda WHERE ID_Comanda=%1").arg(comanda)).toInt() > 0;
            EXPECT_TRUE(enShare || central) << name;
        }
    }
};

TEST_F(FinDiaVentas, BothTerminalsCollectedOnceAndEachSentItsOwnDatabase)
{
    db.execute(QStringLiteral(
        "INSERT INTO Tipos_Impuesto (ID_Tipo_Impuesto, Nombre_Tipo_Impuesto) VALUES (1, 'IVA');"
        "INSERT INTO PorcentajeXTipo_Impuesto VALUES (1, '2024-01-01 00:00:00', NULL, 0.16), (1, '2099-01-01 00:00:00', NULL, 0.5);"));
    const findia::ResultadoFinDia r = run();
    EXPECT_EQ(r.desenlace, DesenlaceFinDia::Terminado);
    EXPECT_TRUE(r.limpio);
    compruebaFinal();
    const QString caja2 = shareFile(QStringLiteral("CAJA2"));
    const std::pair<const char*, const char*> parametros[] = {
        {"FOLIOCOMANDA", "420"}, {"FOLIOPAGO", "79"}, {"TERMINAL", "2"}, {"FOLIOPRODUCTOSX", "2"}};
    for (const auto& [id, valor] : parametros)
        EXPECT_EQ(valueIn(caja2, QStringLiteral("SELECT Valor_Num FROM Parametros WHERE ID_Parametro='%1'").arg(QLatin1String(id))).toString(),
                  QLatin1String(valor)) << id;
    EXPECT_EQ(valueIn(caja2, QStringLiteral("SELECT Valor_Cad FROM Parametros WHERE ID_Parametro='FECHA_TRABAJO'")).toString(),
              QStringLiteral("16032024"));
    EXPECT_EQ(valueIn(caja2, QStringLiteral("SELECT Porcentaje FROM Tipos_Impuesto WHERE ID_Tipo_Impuesto=1")).toDouble(), 0.16);
    EXPECT_TRUE(scalar(QStringLiteral("SELECT Measures FROM EndOfDayTerminal WHERE TerminalName='CAJA1'")).toString()
                    .endsWith(QStringLiteral("banderas: PXC Cta P Ct M IXC Cmd")));
}

TEST_F(FinDiaVentas, AnItemThatAnotherDayHoldsIsRefusedListedAndItsCopyKept)
{
    db.execute(QStringLiteral(
        "INSERT INTO Comanda (ID_Comanda, Fecha_Apertura, Fecha_Trabajo) VALUES (400, '2024-03-14 13:00:00', '14032024');"
        "INSERT INTO ProductosXCuenta (ID_ProductosXCuenta, ID_Comanda, Num_Cuenta, Precio_Venta) VALUES (1001, 400, 1, 9);"
        "INSERT INTO ImpuestosXCuenta VALUES (1001, 1, 1.44);"));
    std::FILE* out = std::tmpfile();
    std::FILE* err = std::tmpfile();
    EXPECT_EQ(CorreFinDiaSinPantalla(QStringLiteral("."), QStringLiteral("central"), out, err), 1);
    const QString errores = readAll(err);
    std::fclose(out);
    std::fclose(err);
    EXPECT_TRUE(errores.contains(QStringLiteral("CAJA1 filas rechazadas: ProductosXCuenta 1001"))) << errores.toStdString();
    EXPECT_EQ(scalar(QStringLiteral("SELECT ID_Comanda || ',' || Precio_Venta FROM ProductosXCuenta WHERE ID_ProductosXCuenta=1001")).toString(),
              QStringLiteral("400,9.0"));
    EXPECT_EQ(scalar(QStringLiteral("SELECT group_concat(Monto_ImpuestosXCuenta) FROM ImpuestosXCuenta WHERE ID_ProductosXCuenta=1001")).toString(),
              QStringLiteral("1.44"));
    EXPECT_EQ(scalar(QStringLiteral("SELECT COUNT(*) FROM Comanda WHERE ID_Comanda=418")).toInt(), 1);
    const QString guardada = QDir(paths::appFolder()).filePath(QStringLiteral("CAJA1/Zorva_Terminal_15032024.mdb"));
    ASSERT_TRUE(QFileInfo::exists(guardada));
    EXPECT_EQ(valueIn(guardada, QStringLiteral("SELECT ID_ProductosXCuenta FROM ProductosXCuenta")).toInt(), 1001);
}

// A stop at each of these points, then a second start, ends as one clean run.
class FinDiaInterrumpido : public FinDiaVentas, public ::testing::WithParamInterface<const char*> {};

TEST_P(FinDiaInterrumpido, TheNextStartFinishesTheRunWithNothingLostOrRepeated)
{
    const QString punto = QLatin1String(GetParam());
    puntofalla::fija([punto](const QString& aqui) {
        if (aqui == punto)
            throw adodb::ComError(5, QStringLiteral("interrupción de prueba en ") + aqui);
    });
    EXPECT_NE(run().desenlace, DesenlaceFinDia::Terminado);
    compruebaNadaPerdido();
    puntofalla::quita();
    answers.clear();
    EXPECT_EQ(run().desenlace, DesenlaceFinDia::Terminado);
    compruebaFinal();
}

INSTANTIATE_TEST_SUITE_P(Puntos, FinDiaInterrumpido,
                         ::testing::Values("paso:apagado", "recogida:Cuenta", "recogida:Pago", "paso:recoleccion",
                                           "paso:fecha", "envio:temporal", "envio:renombrado", "paso:envio",
                                           "paso:encendido"));

// The run in a helper process killed outright at a point, then finished here.
class FinDiaMatado : public FinDiaVentas, public ::testing::WithParamInterface<const char*> {};

TEST_P(FinDiaMatado, AKilledRunIsFinishedByTheNextStart)
{
    const QString punto = QLatin1String(GetParam());
    const pid_t hijo = ::fork();
    ASSERT_GE(hijo, 0);
    if (hijo == 0) {
        // The inherited connections are left alone: this process never closes them.
        new adodb::Connection(g_ClsAdo().conexion());
        new adodb::Connection(db);
        puntofalla::fija([punto](const QString& aqui) {
            if (aqui == punto)
                ::raise(SIGKILL);
        });
        std::FILE* nada = std::fopen("/dev/null", "w");
        CorreFinDiaSinPantalla(QStringLiteral("."), QStringLiteral("central"), nada, nada);
        ::_exit(3);
    }
    int estado = 0;
    ASSERT_EQ(::waitpid(hijo, &estado, 0), hijo);
    ASSERT_TRUE(WIFSIGNALED(estado) && WTERMSIG(estado) == SIGKILL) << "the helper did not reach " << GetParam();
    compruebaNadaPerdido();
    EXPECT_EQ(run().desenlace, DesenlaceFinDia::Terminado);
    compruebaFinal();
}

INSTANTIATE_TEST_SUITE_P(Puntos, FinDiaMatado, ::testing::Values("recogida:ProductosXCuenta", "envio:temporal", "envio:renombrado"));

TEST_F(FinDiaVentas, ACatalogThatCannotBeCopiedSendsNothingAndTheNextStartFinishes)
{
    db.execute(QStringLiteral("ALTER TABLE Mensajes RENAME TO Mensajes_aparte"));
    const QByteArray caja1 = bytes(shareFile(QStringLiteral("CAJA1")));
    EXPECT_EQ(run().desenlace, DesenlaceFinDia::Fallido);
    EXPECT_EQ(answers.texts(), QStringList({"53 No se pudo llenar la copia de Plantilla.mdb con la tabla Mensajes"}));
    EXPECT_EQ(bytes(shareFile(QStringLiteral("CAJA1"))), caja1);
    EXPECT_EQ(commands(), QStringList({"!OFF :1,2"}));

    db.execute(QStringLiteral("ALTER TABLE Mensajes_aparte RENAME TO Mensajes"));
    answers.clear();
    EXPECT_EQ(run().desenlace, DesenlaceFinDia::Terminado);
    compruebaFinal();
}

TEST_F(FinDiaVentas, AnotherWriterOnTheCentralDatabaseIsWaitedFor)
{
    // Another station holds the central database's write lock for a moment just as each terminal's
    // collection begins.
    std::thread otro;
    puntofalla::fija([&](const QString& punto) {
        if (punto != QLatin1String("recogida:empieza"))
            return;
        if (otro.joinable())
            otro.join();
        std::promise<void> tomado;
        std::future<void> listo = tomado.get_future();
        otro = std::thread([ruta = QFile::encodeName(db.filePath()), &tomado] {
            sqlite3* c = nullptr;
            sqlite3_open(ruta.constData(), &c);
            sqlite3_busy_timeout(c, 5000);
            sqlite3_exec(c, "BEGIN IMMEDIATE; UPDATE Parametros SET Valor_Cad='X' WHERE ID_Parametro='SERIE'", nullptr, nullptr, nullptr);
            tomado.set_value();
            std::this_thread::sleep_for(std::chrono::milliseconds(300));
            sqlite3_exec(c, "COMMIT", nullptr, nullptr, nullptr);
            sqlite3_close(c);
        });
        listo.wait();
    });
    const findia::ResultadoFinDia r = run();
    if (otro.joinable())
        otro.join();
    EXPECT_EQ(r.desenlace, DesenlaceFinDia::Terminado) << answers.texts().join('|').toStdString();
    EXPECT_TRUE(r.limpio);
    compruebaFinal();
    EXPECT_EQ(param(QStringLiteral("SERIE")), QStringLiteral("X"));
}
