// The account report (RepCuentas) over 20,000 generated checks (fixed seed) of 1 to 3 accounts on
// 100 working dates: the window's whole search, grid included, against the bare SQLite statement of
// the same list (checks, waiter, dates and summed account totals) stepped to its last row. Prints
// both times and their ratio for the whole period and for one day, with the gateway's recordset of
// the list alone between them. Here: the whole period about 0.7 s against 0.09 s bare (about 8x:
// the gateway's snapshot about 3x, the rest the grid's 160,000 cells); one day about 4 ms.
#include "foundation/database/cls_ado.h"
#include "foundation/log/cls_bitacora.h"
#include "platform/grid/grid.h"
#include "schema/procedimientos.h"
#include "schema/schema.h"
#include "tickets/rep_cuentas.h"

#include <QApplication>
#include <QDateEdit>
#include <QElapsedTimer>
#include <QTemporaryDir>

#include <sqlite3.h>

#include <algorithm>
#include <cstdio>
#include <random>
#include <string>

namespace {

const QDate kPrimerDia(2024, 1, 1);
constexpr int kDias = 100;
constexpr int kComandas = 20000;

void genera(sqlite3* db)
{
    std::mt19937 rng(20250131);
    auto azar = [&](int desde, int hasta) { return std::uniform_int_distribution<int>(desde, hasta)(rng); };
    sqlite3_exec(db, "PRAGMA synchronous=OFF; BEGIN", nullptr, nullptr, nullptr);
    for (int e = 1; e <= 25; ++e)
        sqlite3_exec(db, ("INSERT INTO Empleado (ID_Empleado, Usuario, Nombre_Empleado, Apellido_Paterno, Apellido_Materno) VALUES ("
                          + std::to_string(e) + ",'U" + std::to_string(e) + "','NOMBRE','PATERNO','MATERNO')").c_str(),
                     nullptr, nullptr, nullptr);
    sqlite3_stmt* comanda = nullptr;
    sqlite3_stmt* cuenta = nullptr;
    sqlite3_prepare_v2(db, "INSERT INTO Comanda (ID_Comanda, ID_Empleado, Num_Mesa, Fecha_Apertura, Fecha_Cierre, Fecha_Trabajo,"
                           " Control, CantHuespedes) VALUES (?,?,?,?,?,?,1,2)", -1, &comanda, nullptr);
    sqlite3_prepare_v2(db, "INSERT INTO Cuenta (ID_Comanda, Num_Cuenta, Total, Control) VALUES (?,?,?,1)", -1, &cuenta, nullptr);
    for (int c = 1; c <= kComandas; ++c) {
        const QDate dia = kPrimerDia.addDays((c - 1) * kDias / kComandas);
        const std::string abre = dia.toString(QStringLiteral("yyyy-MM-dd 13:00:00")).toStdString();
        const std::string cierra = dia.toString(QStringLiteral("yyyy-MM-dd 14:30:00")).toStdString();
        const std::string trabajo = dia.toString(QStringLiteral("ddMMyyyy")).toStdString();
        sqlite3_bind_int(comanda, 1, c);
        sqlite3_bind_int(comanda, 2, azar(1, 25));
        sqlite3_bind_int(comanda, 3, azar(1, 40));
        sqlite3_bind_text(comanda, 4, abre.c_str(), -1, SQLITE_TRANSIENT);
        sqlite3_bind_text(comanda, 5, cierra.c_str(), -1, SQLITE_TRANSIENT);
        sqlite3_bind_text(comanda, 6, trabajo.c_str(), -1, SQLITE_TRANSIENT);
        sqlite3_step(comanda);
        sqlite3_reset(comanda);
        for (int n = 1, cuentas = azar(1, 3); n <= cuentas; ++n) {
            sqlite3_bind_int(cuenta, 1, c);
            sqlite3_bind_int(cuenta, 2, n);
            sqlite3_bind_double(cuenta, 3, azar(5000, 90000) / 100.0);
            sqlite3_step(cuenta);
            sqlite3_reset(cuenta);
        }
    }
    sqlite3_finalize(comanda);
    sqlite3_finalize(cuenta);
    sqlite3_exec(db, "COMMIT; ANALYZE", nullptr, nullptr, nullptr);
}

double desnudo(sqlite3* db, const QDate& desde, const QDate& hasta, int* filas)
{
    const std::string sql =
        "SELECT C.ID_Comanda, C.Num_Mesa, E.Apellido_Paterno || ' ' || E.Apellido_Materno || ' ' || E.Nombre_Empleado,"
        " C.Fecha_Trabajo, C.Fecha_Apertura, C.Fecha_Cierre, SUM(ROUND(T.Total,2)), C.Control FROM Comanda C"
        " JOIN Cuenta T ON T.ID_Comanda=C.ID_Comanda LEFT JOIN Empleado E ON E.ID_Empleado=C.ID_Empleado"
        " WHERE (substr(C.Fecha_Trabajo,5,4)||substr(C.Fecha_Trabajo,3,2)||substr(C.Fecha_Trabajo,1,2)) BETWEEN '"
        + desde.toString(QStringLiteral("yyyyMMdd")).toStdString() + "' AND '" + hasta.toString(QStringLiteral("yyyyMMdd")).toStdString()
        + "' GROUP BY C.ID_Comanda ORDER BY C.ID_Comanda";
    QElapsedTimer t;
    t.start();
    sqlite3_stmt* st = nullptr;
    sqlite3_prepare_v2(db, sql.c_str(), -1, &st, nullptr);
    *filas = 0;
    while (sqlite3_step(st) == SQLITE_ROW) {
        for (int i = 0; i < 8; ++i)
            sqlite3_column_text(st, i);
        ++*filas;
    }
    sqlite3_finalize(st);
    return t.nsecsElapsed() / 1e6;
}

// The gateway's recordset of the list alone, for the split of the window's time.
double recordset(const QDate& desde, const QDate& hasta)
{
    const QString sql = QStringLiteral(
        "SELECT C.ID_Comanda, C.Num_Mesa, E.Apellido_Paterno || ' ' || E.Apellido_Materno || ' ' || E.Nombre_Empleado,"
        " C.Fecha_Trabajo, C.Fecha_Apertura, C.Fecha_Cierre, SUM(Redondear(T.Total)), C.Control FROM Comanda C"
        " JOIN Cuenta T ON T.ID_Comanda=C.ID_Comanda LEFT JOIN Empleado E ON E.ID_Empleado=C.ID_Empleado"
        " WHERE (substr(C.Fecha_Trabajo,5,4)||substr(C.Fecha_Trabajo,3,2)||substr(C.Fecha_Trabajo,1,2)) BETWEEN '%1' AND '%2'"
        " GROUP BY C.ID_Comanda ORDER BY C.ID_Comanda").arg(desde.toString(QStringLiteral("yyyyMMdd")), hasta.toString(QStringLiteral("yyyyMMdd")));
    QElapsedTimer t;
    t.start();
    adodb::Recordset rs;
    g_ClsAdo().Establece_consulta(rs, sql, 3, 3, 1);
    return t.nsecsElapsed() / 1e6;
}

double ventana(RepCuentas& w, const QDate& desde, const QDate& hasta, int* filas)
{
    w.dtpFecha->setDate(desde);
    w.dtpFechaFin->setDate(hasta);
    QElapsedTimer t;
    t.start();
    w.ejecutaBusqueda();
    const double ms = t.nsecsElapsed() / 1e6;
    *filas = w.rejilla()->rowCount() - RepCuentas::kFilasEncabezado;
    return ms;
}

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QTemporaryDir dir;
    qputenv("ZORVA_DATA", dir.path().toLocal8Bit());
    const QString ruta = dir.filePath(QStringLiteral("bench.db"));
    {
        adodb::Connection nueva;
        nueva.openFile(ruta, true, true);
        schema::createCentral(nueva, kPrimerDia);
        nueva.close();
    }
    sqlite3* db = nullptr;
    sqlite3_open(ruta.toUtf8().constData(), &db);
    genera(db);
    registraProcedimientos();
    static ClsBitacora bitacora;
    bitacora.inciar_log({.PCrearArchivo = false, .Parchivo = false, .PMsgBox = false});
    g_ClsAdo().CClsBitacora = &bitacora;
    g_ClsAdo().Conectar(QStringLiteral("."), QStringLiteral("bench"), QStringLiteral("vypjv_ok"), QString());

    RepCuentas w;
    std::printf("%-10s %8s %12s %12s %12s %7s\n", "period", "checks", "window ms", "recordset ms", "bare ms", "ratio");
    const struct {
        const char* nombre;
        QDate desde, hasta;
    } periodos[] = {{"all", kPrimerDia, kPrimerDia.addDays(kDias - 1)}, {"one day", kPrimerDia.addDays(50), kPrimerDia.addDays(50)}};
    for (const auto& p : periodos) {
        double mejorV = 1e18, mejorB = 1e18, mejorR = 1e18;
        int filasV = 0, filasB = 0;
        for (int i = 0; i < 5; ++i) {
            mejorV = std::min(mejorV, ventana(w, p.desde, p.hasta, &filasV));
            mejorB = std::min(mejorB, desnudo(db, p.desde, p.hasta, &filasB));
            mejorR = std::min(mejorR, recordset(p.desde, p.hasta));
        }
        std::printf("%-10s %8d %12.1f %12.1f %12.1f %6.1fx%s\n", p.nombre, filasV, mejorV, mejorR, mejorB, mejorV / mejorB,
                    filasV == filasB ? "" : "  (row counts differ)");
    }
    sqlite3_close(db);
    return 0;
}
