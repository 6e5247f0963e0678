// The end of day over generated sales: 10 terminals with 2,000 checks each (items, taxes, a
// courtesy, a modifier and a payment per check). Prints, as ratios to a bare SQLite ATTACH +
// INSERT ... SELECT of the same rows into an equal central database: the collection as the run does
// it (aim: at most 1.5), and the whole headless run that fetches, measures, collects, builds and
// pushes them (aim: at most 3). Each time is the best of a few tries, the machine being shared; the
// process's CPU time is printed beside the clock's, being less moved by the other programs.

#include "endofday/copia_adjunta.h"
#include "endofday/fin_dia_entrada.h"
#include "endofday/pasos_fin_dia.h"
#include "foundation/database/cls_ado.h"
#include "foundation/log/cls_bitacora.h"
#include "platform/keys/clsclaves.h"
#include "platform/paths/paths.h"
#include "schema/schema.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>

#include <sqlite3.h>

#include <algorithm>
#include <cstdio>
#include <ctime>

namespace {

// Clock time and the process's CPU time, in milliseconds.
struct Tiempo {
    double pared = 0;
    double cpu = 0;
};

class Cronometro {
public:
    Cronometro()
    {
        m_reloj.start();
        m_cpu = cpuMs();
    }
    Tiempo tiempo() const { return {m_reloj.nsecsElapsed() / 1e6, cpuMs() - m_cpu}; }

private:
    static double cpuMs()
    {
        timespec t;
        clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
        return t.tv_sec * 1e3 + t.tv_nsec / 1e6;
    }
    QElapsedTimer m_reloj;
    double m_cpu;
};

constexpr int kTerminales = 10;
constexpr int kCheques = 2000;
constexpr int kArticulos = 3;

const char* const kTablas[] = {"Comanda", "Cuenta", "ProductosXCuenta", "Cortesia", "ImpuestosXCuenta", "Modificador", "Pago"};

QString nombre(int t)
{
    return QStringLiteral("CAJA%1").arg(t);
}

// One terminal's day, written straight through SQLite into a copy of the template.
void llenaTerminal(const QString& ruta, int t)
{
    sqlite3* db = nullptr;
    sqlite3_open(QFile::encodeName(ruta).constData(), &db);
    sqlite3_exec(db, "BEGIN", nullptr, nullptr, nullptr);
    auto prepara = [&](const char* sql) {
        sqlite3_stmt* s = nullptr;
        sqlite3_prepare_v2(db, sql, -1, &s, nullptr);
        return s;
    };
    sqlite3_stmt* cmd = prepara("INSERT INTO Comanda VALUES (?, 5, ?, 0, '2026-12-10 13:00:00', '2026-12-10 14:10:00', 'MESA', '10122026')");
    sqlite3_stmt* cta = prepara("INSERT INTO Cuenta VALUES (?, 1, 1, 1, ?)");
    sqlite3_stmt* pxc = prepara("INSERT INTO ProductosXCuenta VALUES (?, ?, 1, ?, NULL, 1, ?, ?, NULL, NULL, NULL, NULL, NULL, NULL)");
    sqlite3_stmt* ixc = prepara("INSERT INTO ImpuestosXCuenta VALUES (?, 1, ?)");
    sqlite3_stmt* ctc = prepara("INSERT INTO Cortesia VALUES (?, 1, 5)");
    sqlite3_stmt* mod = prepara("INSERT INTO Modificador VALUES (?, 2, 7.5)");
    sqlite3_stmt* pag = prepara("INSERT INTO Pago VALUES (?, ?, 1, 1, ?, 10)");
    auto corre = [](sqlite3_stmt* s) {
        sqlite3_step(s);
        sqlite3_reset(s);
    };
    qint64 folio = 0;
    for (int c = 0; c < kCheques; ++c) {
        const qint64 comanda = qint64(t) * 100000 + c;
        sqlite3_bind_int64(cmd, 1, comanda);
        sqlite3_bind_int(cmd, 2, c % 40);
        corre(cmd);
        sqlite3_bind_int64(cta, 1, comanda);
        sqlite3_bind_double(cta, 2, 116.0 * kArticulos);
        corre(cta);
        for (int a = 0; a < kArticulos; ++a) {
            const qint64 item = QStringLiteral("%1%2").arg(t).arg(++folio).toLongLong();
            sqlite3_bind_int64(pxc, 1, item);
            sqlite3_bind_int64(pxc, 2, comanda);
            sqlite3_bind_int(pxc, 3, 1 + a);
            sqlite3_bind_double(pxc, 4, 100.0);
            sqlite3_bind_double(pxc, 5, 100.0);
            corre(pxc);
            sqlite3_bind_int64(ixc, 1, item);
            sqlite3_bind_double(ixc, 2, 16.0);
            corre(ixc);
            if (a == 0) {
                sqlite3_bind_int64(ctc, 1, item);
                corre(ctc);
                sqlite3_bind_int64(mod, 1, item);
                corre(mod);
            }
        }
        sqlite3_bind_int64(pag, 1, comanda);
        sqlite3_bind_int64(pag, 2, comanda);
        sqlite3_bind_double(pag, 3, 116.0 * kArticulos);
        corre(pag);
    }
    for (sqlite3_stmt* s : {cmd, cta, pxc, ixc, ctc, mod, pag})
        sqlite3_finalize(s);
    sqlite3_exec(db, "COMMIT", nullptr, nullptr, nullptr);
    sqlite3_close(db);
}

findia::CorridaFinDia corrida()
{
    findia::CorridaFinDia c;
    c.idCorrida = 1;
    c.fechaAnterior = QStringLiteral("10122026");
    c.fechaNueva = QStringLiteral("11122026");
    c.dirTermBD = QStringLiteral("Datos");
    return c;
}

findia::TerminalFinDia terminal(int t)
{
    findia::TerminalFinDia r;
    r.ID_Terminal = t;
    r.Nombre_Terminal = nombre(t);
    r.carpetaLocal = QDir(paths::dataRoot()).filePath(nombre(t));
    r.rutaCompartida = paths::toLocal(QStringLiteral("\\\\") + nombre(t) + QStringLiteral("\\Datos\\Zorva_Terminal.mdb"));
    r.ID_Menu = 1 + t % 2;
    return r;
}

// The same rows by hand: attach each copy and insert its tables whole.
Tiempo cargaDesnuda(const QString& central)
{
    sqlite3* db = nullptr;
    sqlite3_open(QFile::encodeName(central).constData(), &db);
    const Cronometro reloj;
    for (int t = 1; t <= kTerminales; ++t) {
        const QByteArray adjunta = "ATTACH DATABASE '"
                                   + QFile::encodeName(terminal(t).carpetaLocal + QStringLiteral("/Zorva_Terminal.mdb"))
                                   + "' AS terminal";
        sqlite3_exec(db, adjunta.constData(), nullptr, nullptr, nullptr);
        sqlite3_exec(db, "BEGIN", nullptr, nullptr, nullptr);
        for (const char* tabla : kTablas) {
            // Central tables carry more columns: name the terminal's.
            QStringList columnas;
            sqlite3_stmt* s = nullptr;
            sqlite3_prepare_v2(db, (QByteArray("SELECT * FROM terminal.") + tabla + " LIMIT 0").constData(), -1, &s, nullptr);
            for (int i = 0; i < sqlite3_column_count(s); ++i)
                columnas << QString::fromUtf8(sqlite3_column_name(s, i));
            sqlite3_finalize(s);
            const QByteArray sql = (QStringLiteral("INSERT INTO main.") + QLatin1String(tabla) + QStringLiteral(" (")
                                    + columnas.join(QLatin1Char(',')) + QStringLiteral(") SELECT ") + columnas.join(QLatin1Char(','))
                                    + QStringLiteral(" FROM terminal.") + QLatin1String(tabla)).toUtf8();
            if (sqlite3_exec(db, sql.constData(), nullptr, nullptr, nullptr) != SQLITE_OK)
                std::fprintf(stderr, "%s\n", sqlite3_errmsg(db));
        }
        sqlite3_exec(db, "COMMIT", nullptr, nullptr, nullptr);
        sqlite3_exec(db, "DETACH DATABASE terminal", nullptr, nullptr, nullptr);
    }
    const Tiempo t = reloj.tiempo();
    sqlite3_close(db);
    return t;
}

// A data root with the central database, the template and each terminal's day, on its share
// (conShares) or as the fetched copy.
void preparaDatos(const QString& raizDatos, bool conShares)
{
    qputenv("ZORVA_DATA", raizDatos.toLocal8Bit());
    qputenv("ZORVA_SHARES", QDir(raizDatos).filePath(QStringLiteral("shares")).toLocal8Bit());
    ClsClaves::CreaArchivo();
    const QDir raiz(raizDatos);
    const QString central = raiz.filePath(QStringLiteral("central.db"));
    {
        adodb::Connection c;
        c.openFile(central, true, true);
        schema::createCentral(c, QDate(2026, 12, 10));
        c.execute(QStringLiteral(
            "UPDATE Parametros SET Valor_Cad='Datos' WHERE ID_Parametro='DIRTERMBD';"
            "INSERT INTO Producto (ID_Producto, Nombre_Boton) VALUES (1, 'CAFE'), (2, 'TE'), (3, 'PAN');"
            "INSERT INTO Menu (ID_Menu, Nombre_Menu) VALUES (1, 'A'), (2, 'B');"
            "INSERT INTO PreciosXMenu (ID_Menu, ID_Producto, Precio) VALUES (1, 1, 10), (1, 2, 20), (2, 3, 30);"));
        for (int t = 1; t <= kTerminales; ++t)
            c.execute(QStringLiteral("INSERT INTO Terminal (ID_Terminal, Nombre_Terminal, Estado_Terminal, ID_Menu) VALUES (%1, '%2', 'A', %3)")
                          .arg(t).arg(nombre(t)).arg(1 + t % 2));
    }
    QFile::copy(central, raiz.filePath(QStringLiteral("desnuda.db")));
    schema::createTerminalTemplate(raiz.filePath(QStringLiteral("Plantilla.mdb")));
    for (int t = 1; t <= kTerminales; ++t) {
        const findia::TerminalFinDia term = terminal(t);
        QDir().mkpath(term.carpetaLocal);
        QDir().mkpath(QFileInfo(term.rutaCompartida).path());
        const QString copia = conShares ? term.rutaCompartida : term.carpetaLocal + QStringLiteral("/Zorva_Terminal.mdb");
        QFile::copy(raiz.filePath(QStringLiteral("Plantilla.mdb")), copia);
        llenaTerminal(copia, t);
    }
}

// The collection step alone, terminal by terminal as the run does it.
Tiempo recogida(int& filas)
{
    g_ClsAdo().Conectar(QStringLiteral("."), QStringLiteral("central"), QString(), QString());
    adodb::Connection& db = g_ClsAdo().conexion();
    db.execute(QStringLiteral(
        "CREATE TEMP TABLE \"#Tmp_Conciliacion\" (ID_Terminal INTEGER, Nombre_Term VARCHAR(25), RegistrosPXC INTEGER,"
        " RegistrosCta INTEGER, RegistrosCmd INTEGER, RegistrosP INTEGER, RegistrosCt INTEGER, RegistrosM INTEGER,"
        " RegistrosIXC INTEGER, RegistrosA INTEGER);"
        "CREATE TEMP TABLE \"#Tmp_Conciliacion_Montos\" (ID_Terminal INTEGER, Nombre_Term VARCHAR(25), TotalPXC MONEY REAL,"
        " TotalCta MONEY REAL, TotalPago MONEY REAL, TotalCtesia MONEY REAL, TotalMod MONEY REAL, TotalIXC MONEY REAL)"));
    for (int t = 1; t <= kTerminales; ++t)
        findia::MideVentasTerminal(corrida(), terminal(t));
    const findia::ConciliacionFinDia conciliacion(corrida());
    QList<findia::BanderasDiferencia> banderas;
    for (int t = 1; t <= kTerminales; ++t)
        banderas << conciliacion.Compara(terminal(t));

    const Cronometro reloj;
    filas = 0;
    for (int t = 1; t <= kTerminales; ++t) {
        // As the run does: the copy attached outside the terminal's write transaction.
        const findia::CopiaAdjunta adjunta(db.handle(), terminal(t).carpetaLocal + QStringLiteral("/Zorva_Terminal.mdb"));
        db.execute(QStringLiteral("BEGIN IMMEDIATE"));
        filas += findia::RecogeVentasTerminal(corrida(), terminal(t), banderas[t - 1]).insertadas;
        db.commitTrans();
    }
    const Tiempo t = reloj.tiempo();
    g_ClsAdo().Cerrar();
    return t;
}

Tiempo mejor(const QList<Tiempo>& tiempos)
{
    Tiempo m = tiempos.first();
    for (const Tiempo& t : tiempos) {
        m.pared = std::min(m.pared, t.pared);
        m.cpu = std::min(m.cpu, t.cpu);
    }
    return m;
}

void imprime(const char* que, const Tiempo& t, const Tiempo& desnuda, const char* meta)
{
    std::printf("%s: %.0f ms (CPU %.0f ms), razón %.2f (CPU %.2f) (meta <= %s)\n", que, t.pared, t.cpu, t.pared / desnuda.pared,
                t.cpu / desnuda.cpu, meta);
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    g_ClsBitacora().inciar_log({.PCrearArchivo = false, .Parchivo = false, .PMsgBox = false});
    constexpr int kIntentos = 3;

    QList<Tiempo> recogidas, desnudas, corridas;
    int filas = 0;
    int resultado = 0;
    for (int i = 0; i < kIntentos; ++i) {
        QTemporaryDir pasos;
        preparaDatos(pasos.path(), false);
        recogidas << recogida(filas);
        desnudas << cargaDesnuda(QDir(pasos.path()).filePath(QStringLiteral("desnuda.db")));

        QTemporaryDir entera;
        preparaDatos(entera.path(), true);
        std::FILE* nada = std::fopen("/dev/null", "w");
        const Cronometro reloj;
        resultado |= CorreFinDiaSinPantalla(QStringLiteral("."), QStringLiteral("central"), nada, nada);
        corridas << reloj.tiempo();
        std::fclose(nada);
    }
    QFile carga(QStringLiteral("/proc/loadavg"));
    const QByteArray cargaMaquina = carga.open(QIODevice::ReadOnly) ? carga.readAll().trimmed() : QByteArray("?");
    const Tiempo desnuda = mejor(desnudas);
    std::printf("filas recogidas por corrida: %d (mejor de %d intentos; carga de la máquina: %s)\n", filas, kIntentos,
                cargaMaquina.constData());
    std::printf("ATTACH + INSERT ... SELECT desnudo: %.0f ms (CPU %.0f ms)\n", desnuda.pared, desnuda.cpu);
    imprime("recogida", mejor(recogidas), desnuda, "1.5");
    imprime("corrida entera (traer, medir, recoger, armar y enviar)", mejor(corridas), desnuda, "3");
    std::printf("%s\n", resultado == 0 ? "corridas terminadas limpias" : "corridas con avisos");
    return 0;
}
