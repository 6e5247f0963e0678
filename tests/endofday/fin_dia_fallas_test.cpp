// The unattended run over terminal files and folders that fail in every way a night can bring: what
// the journal, the central rows, the share and the exit status say afterwards, and what the next
// start does.
#include "fin_dia_fixture.h"

#include "endofday/fin_dia_entrada.h"
#include "endofday/punto_falla.h"
#include "platform/keys/clsclaves.h"
#include "platform/paths/paths.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <csignal>
#include <functional>
#include <sys/resource.h>
#include <unistd.h>

namespace {

struct Salida {
    int estado = -1;
    QString errores;
};

} // namespace

class FinDiaFallas : public SoldTerminalsTest {
public:
    Salida corre()
    {
        std::FILE* out = std::tmpfile();
        std::FILE* err = std::tmpfile();
        Salida s;
        s.estado = CorreFinDiaSinPantalla(QStringLiteral("."), QStringLiteral("central"), out, err);
        s.errores = readAll(err);
        std::fclose(out);
        std::fclose(err);
        return s;
    }

    // The disk is full for that file alone: writing it fails as a full disk would (a file-size
    // limit), while the central database and the log go on.
    static void llenaDisco(const QString& ruta)
    {
        std::signal(SIGXFSZ, SIG_IGN);
        puntofalla::fija([ruta](const QString& punto) {
            if (punto != QStringLiteral("escribe:") + ruta && punto != QStringLiteral("escrito:") + ruta)
                return;
            rlimit limite;
            ::getrlimit(RLIMIT_FSIZE, &limite);
            limite.rlim_cur = punto.startsWith(QLatin1String("escribe:")) ? 16384 : limite.rlim_max;
            ::setrlimit(RLIMIT_FSIZE, &limite);
        });
    }

    QString enDatos(const QString& nombre) const { return QDir(paths::dataRoot()).filePath(nombre); }
    QString caja1() const { return shareFile(QStringLiteral("CAJA1")); }
    bool ventaCentral(int comanda)
    {
        return scalar(QStringLiteral("SELECT COUNT(*) FROM Comanda WHERE ID_Comanda=%1").arg(comanda)).toInt() == 1;
    }
    QString estadoCorrida() { return scalar(QStringLiteral("SELECT State FROM EndOfDayRun ORDER BY RunId DESC LIMIT 1")).toString(); }
    bool encendidas() { return commands().contains(QStringLiteral("!ON:1,2")); }
    void enCentral(const QString& sql) { db.execute(sql); }
    static void enArchivo(const QString& ruta, const QString& sql) { runIn(ruta, sql); }

    QTemporaryDir fuera;
};

namespace {

struct Caso {
    const char* nombre;
    std::function<void(FinDiaFallas&)> prepara;
    int estado;              // exit status
    const char* caja1;       // CAJA1's state in the journal
    bool ventaCentral;       // CAJA1's sale central
    bool compartidaNueva;    // CAJA1's share holds the database built for it
    bool terminada;          // the run finished and "!ON" was posted
    bool segundaNueva;       // CAJA2's share holds the database built for it
    const char* mensaje;     // a line on stderr; none when nothing is said there
    std::function<void(FinDiaFallas&)> repara;   // then the next start finishes the same day
};

void quitaFalla(FinDiaFallas&)
{
    puntofalla::quita();
}

const Caso kCasos[] = {
    {"plantilla_obstruida", [](FinDiaFallas& t) { QDir().mkpath(t.enDatos(QStringLiteral("Zorva_Terminal.mdb"))); },
     1, "collected", true, false, false, false, "Plantilla.mdb Error de acceso a la ruta o el archivo",
     [](FinDiaFallas& t) { QDir(t.enDatos(QStringLiteral("Zorva_Terminal.mdb"))).removeRecursively(); }},
    {"disco_lleno_copia_traida", [](FinDiaFallas& t) { t.llenaDisco(t.enDatos(QStringLiteral("CAJA1/Zorva_Terminal.mdb"))); },
     1, "skipped", false, false, true, true, "CAJA1 Disco lleno al escribir", {}},
    {"disco_lleno_copia_plantilla", [](FinDiaFallas& t) { t.llenaDisco(t.enDatos(QStringLiteral("Zorva_Terminal.mdb"))); },
     1, "collected", true, false, false, false, "Plantilla.mdb Disco lleno al escribir", quitaFalla},
    {"disco_lleno_copia_fechada",
     [](FinDiaFallas& t) {
         t.enCentral(QStringLiteral(
             "INSERT INTO Comanda (ID_Comanda, Fecha_Apertura, Fecha_Trabajo) VALUES (400, '2024-03-14 13:00:00', '14032024');"
             "INSERT INTO ProductosXCuenta (ID_ProductosXCuenta, ID_Comanda, Num_Cuenta) VALUES (1001, 400, 1);"));
         t.llenaDisco(t.enDatos(QStringLiteral("CAJA1/Zorva_Terminal_15032024.mdb")));
     },
     1, "skipped", false, false, true, true,
     "CAJA1 No se pudo guardar la copia con las filas rechazadas Zorva_Terminal_15032024.mdb: Disco lleno", {}},
    {"disco_lleno_terminal", [](FinDiaFallas& t) { t.llenaDisco(t.caja1()); },
     1, "collected", true, false, false, true, "CAJA1 Disco lleno al escribir", quitaFalla},
    {"carpeta_compartida_enlazada",
     [](FinDiaFallas& t) {
         const QString carpeta = QFileInfo(t.caja1()).absolutePath();
         const QString destino = QDir(t.fuera.path()).filePath(QStringLiteral("Datos"));
         ASSERT_TRUE(QDir().rename(carpeta, destino));
         ASSERT_TRUE(QFile::link(destino, carpeta));
     },
     1, "skipped", false, false, true, true, "CAJA1 La carpeta compartida es un enlace simbólico", {}},
    {"base_enlazada_a_las_claves",
     [](FinDiaFallas& t) {
         QFile::remove(t.caja1());
         ASSERT_TRUE(QFile::link(ClsClaves::RutaArchivo(), t.caja1()));
     },
     1, "skipped", false, false, true, true, "CAJA1 La base de la terminal es un enlace simbólico", {}},
    {"base_con_otro_nombre",
     [](FinDiaFallas& t) {
         const QString otro = QFileInfo(t.caja1()).absolutePath() + QStringLiteral("/otro.mdb");
         ASSERT_EQ(::link(QFile::encodeName(t.caja1()).constData(), QFile::encodeName(otro).constData()), 0);
     },
     1, "skipped", false, false, true, true, "CAJA1 La base de la terminal tiene otro nombre", {}},
    {"esquema_anterior", [](FinDiaFallas& t) { t.enArchivo(t.caja1(), QStringLiteral("ALTER TABLE Comanda DROP COLUMN Tipo")); },
     0, "pushed", true, true, true, true, nullptr, {}},
    {"claves_y_fechas_malformadas",
     [](FinDiaFallas& t) {
         t.enArchivo(t.caja1(), QStringLiteral(
             "CREATE TABLE c2 (ID_Comanda, ID_Empleado, Num_Mesa, Abierta, Fecha_Apertura, Fecha_Cierre, Tipo, Fecha_Trabajo);"
             "INSERT INTO c2 SELECT * FROM Comanda;"
             "INSERT INTO c2 VALUES ('x', 1, 1, 0, '2024-03-15 13:00:00', NULL, 'MESA', '15032024');"
             "INSERT INTO c2 VALUES (420, 1, 1, 0, '15/03/2024 13:00:00', NULL, 'MESA', '15032024');"
             "DROP TABLE Comanda; ALTER TABLE c2 RENAME TO Comanda"));
     },
     1, "pushed", true, true, true, true, "CAJA1 filas rechazadas: Comanda x (ID_Comanda no es una clave válida)", {}},
    {"vista_recursiva",
     [](FinDiaFallas& t) {
         t.enArchivo(t.caja1(), QStringLiteral(
             "DROP TABLE Pago; CREATE VIEW Pago AS WITH RECURSIVE r(n) AS (SELECT 1 UNION ALL SELECT n+1 FROM r) "
             "SELECT n AS ID_Pago, n AS ID_Comanda, 1 AS Num_Cuenta, 1 AS ID_Tipo_Pago, 1.0 AS Monto_Pago, 0 AS Propina FROM r"));
     },
     1, "skipped", false, false, true, true, "CAJA1 En la copia de la terminal Pago no es una tabla", {}},
    {"base_en_modo_wal", [](FinDiaFallas& t) { t.enArchivo(t.caja1(), QStringLiteral("PRAGMA journal_mode=WAL")); },
     0, "pushed", true, true, true, true, nullptr, {}},
    {"base_vacia",
     [](FinDiaFallas& t) {
         QFile vacia(t.caja1());
         ASSERT_TRUE(vacia.open(QIODevice::WriteOnly | QIODevice::Truncate));
     },
     1, "skipped", false, false, true, true, "CAJA1 La base de datos de la terminal está vacía", {}},
};

} // namespace

class FinDiaFalla : public FinDiaFallas, public ::testing::WithParamInterface<const Caso*> {};

TEST_P(FinDiaFalla, IsNamedLosesNothingAndTheNextStartFinishesTheSameDay)
{
    const Caso& caso = *GetParam();
    caso.prepara(*this);
    const QByteArray antes = bytes(caja1());
    const Salida s = corre();
    EXPECT_EQ(s.estado, caso.estado) << s.errores.toStdString();
    EXPECT_EQ(terminalState(QStringLiteral("CAJA1")), QLatin1String(caso.caja1));
    EXPECT_EQ(ventaCentral(418), caso.ventaCentral);
    EXPECT_TRUE(ventaCentral(419)) << "the other terminal is collected";
    EXPECT_EQ(param(QStringLiteral("FECHA_TRABAJO")), QStringLiteral("16032024"));
    EXPECT_EQ(holdsNewDatabase(QStringLiteral("CAJA1")), caso.compartidaNueva);
    EXPECT_EQ(holdsNewDatabase(QStringLiteral("CAJA2")), caso.segundaNueva);
    if (!caso.compartidaNueva) {
        EXPECT_EQ(bytes(caja1()), antes) << "the share is left as it was";
    }
    EXPECT_EQ(encendidas(), caso.terminada);
    EXPECT_EQ(estadoCorrida(), QLatin1String(caso.terminada ? "finished" : "collected"));
    if (caso.mensaje) {
        EXPECT_TRUE(s.errores.contains(QString::fromUtf8(caso.mensaje))) << s.errores.toStdString();
    } else {
        EXPECT_EQ(s.errores, QString());
    }
    if (s.errores.contains(QStringLiteral("filas rechazadas:"))) {
        EXPECT_TRUE(QFileInfo::exists(enDatos(QStringLiteral("CAJA1/Zorva_Terminal_15032024.mdb"))));
    }
    EXPECT_EQ(QDir(QFileInfo(caja1()).absolutePath()).entryList({QStringLiteral(".*.tmp")}, QDir::Files | QDir::Hidden), QStringList())
        << "no temporary file left on the share";
    EXPECT_FALSE(QFileInfo::exists(enDatos(QStringLiteral("CAJA1/Zorva_Terminal.mdb"))) && !caso.ventaCentral
                 && QString::fromUtf8(caso.nombre).contains(QLatin1String("enlaz")))
        << "a link on a share is not fetched";
    if (!caso.repara)
        return;
    caso.repara(*this);
    const Salida otra = corre();
    EXPECT_EQ(otra.estado, 0) << otra.errores.toStdString();
    EXPECT_EQ(param(QStringLiteral("FECHA_TRABAJO")), QStringLiteral("16032024")) << "the same day is finished";
    EXPECT_TRUE(holdsNewDatabase(QStringLiteral("CAJA1")));
    EXPECT_EQ(estadoCorrida(), QStringLiteral("finished"));
    EXPECT_EQ(scalar(QStringLiteral("SELECT COUNT(*) FROM EndOfDayRun")).toInt(), 1);
    EXPECT_EQ(commands(), QStringList({"!OFF :1,2", "!ON:1,2"}));
}

INSTANTIATE_TEST_SUITE_P(Casos, FinDiaFalla, ::testing::ValuesIn([] {
                             std::vector<const Caso*> lista;
                             for (const Caso& c : kCasos)
                                 lista.push_back(&c);
                             return lista;
                         }()),
                         [](const ::testing::TestParamInfo<const Caso*>& info) { return std::string(info.param->nombre); });

TEST_F(FinDiaFallas, AResumedRunListsWhatEveryTerminalOfTheRunCameTo)
{
    // CAJA1 cannot be fetched and CAJA2's share is full: the run stops before starting the terminals.
    QFile bloqueo(enDatos(QStringLiteral("CAJA1")));
    ASSERT_TRUE(bloqueo.open(QIODevice::WriteOnly));
    bloqueo.close();
    llenaDisco(shareFile(QStringLiteral("CAJA2")));
    Salida s = corre();
    EXPECT_EQ(s.estado, 1);
    EXPECT_TRUE(s.errores.contains(QStringLiteral("CAJA2 Disco lleno al escribir"))) << s.errores.toStdString();

    // The next start meets only CAJA2, and still says why CAJA1 was left.
    puntofalla::quita();
    s = corre();
    EXPECT_EQ(s.estado, 1);
    EXPECT_EQ(s.errores, QStringLiteral("Error de comunicación con terminales:\nCAJA1 Error de acceso a la ruta o el archivo\n"));
    EXPECT_TRUE(holdsNewDatabase(QStringLiteral("CAJA2")));
    EXPECT_FALSE(holdsNewDatabase(QStringLiteral("CAJA1")));
    EXPECT_EQ(estadoCorrida(), QStringLiteral("finished"));
    EXPECT_TRUE(encendidas());
}

TEST_F(FinDiaFallas, ATerminalSetInactiveAfterAFailedRunIsLeftOutWhenItResumes)
{
    llenaDisco(caja1());
    EXPECT_EQ(corre().estado, 1);
    EXPECT_FALSE(encendidas());
    enCentral(QStringLiteral("UPDATE Terminal SET Estado_Terminal='I' WHERE Nombre_Terminal='CAJA1'"));
    // Its share would still refuse the database; it is no longer asked to take one.
    const Salida s = corre();
    EXPECT_EQ(s.estado, 0) << s.errores.toStdString();
    EXPECT_EQ(s.errores, QString());
    EXPECT_EQ(terminalState(QStringLiteral("CAJA1")), QStringLiteral("collected"));
    EXPECT_TRUE(ventaCentral(418));
    EXPECT_EQ(estadoCorrida(), QStringLiteral("finished"));
    EXPECT_EQ(param(QStringLiteral("FECHA_TRABAJO")), QStringLiteral("16032024"));
    EXPECT_EQ(commands().last(), QStringLiteral("!ON:2"));
}

TEST_F(FinDiaFallas, ACatalogRowTheTerminalDatabaseRefusesIsListed)
{
    // The template holds its own FOLIOPRODUCTOSX row: a central one of that key cannot join it.
    enCentral(QStringLiteral("INSERT INTO Parametros (ID_Parametro, Valor_Num) VALUES ('FOLIOPRODUCTOSX', 5)"));
    const Salida s = corre();
    EXPECT_EQ(s.estado, 1);
    EXPECT_TRUE(s.errores.startsWith(QStringLiteral("Error de comunicación con terminales:\nPlantilla.mdb Parametros: "))
                && s.errores.contains(QStringLiteral("(FOLIOPRODUCTOSX,5,NULL)")))
        << s.errores.toStdString();
    EXPECT_TRUE(holdsNewDatabase(QStringLiteral("CAJA1")));
    EXPECT_TRUE(encendidas());
    EXPECT_EQ(estadoCorrida(), QStringLiteral("finished"));
}
