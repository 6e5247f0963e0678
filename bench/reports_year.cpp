#include "bench/reports_year.h"

#include "bench/insercion.h"
#include "foundation/database/cls_ado.h"
#include "foundation/log/cls_bitacora.h"
#include "foundation/routines/fecha_trabajo.h"
#include "schema/procedimientos.h"
#include "schema/schema.h"

#include <QDateTime>

#include <sqlite3.h>

#include <cstdio>
#include <functional>
#include <random>
#include <vector>

namespace anogenerado {

namespace {

constexpr int kComandasPorDia = 274;
constexpr int kProductos = 60;
constexpr int kEmpleados = 25;
constexpr int kClientes = 200;

std::string ddmmyyyy(const QDate& d)
{
    return d.toString(QStringLiteral("ddMMyyyy")).toStdString();
}

std::string iso(const QDateTime& t)
{
    return t.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")).toStdString();
}

void exec(sqlite3* db, const std::string& sql)
{
    char* error = nullptr;
    if (sqlite3_exec(db, sql.c_str(), nullptr, nullptr, &error) != SQLITE_OK) {
        std::fprintf(stderr, "generator: %s\n", error);
        sqlite3_free(error);
    }
}

// Catalog: 8 categories of 8 products (the last of 60 products shares the eighth), every tenth
// product special, IVA on all and IEPS on every fifth, one menu with every price; 25 waiters.
std::vector<double> catalogo(sqlite3* db, const std::function<int(int, int)>& azar)
{
    exec(db, "INSERT INTO Categoria (ID_Categoria, Nombre_Categoria, Tipo_Categoria) VALUES (1,'BEBIDAS','V'),"
             "(2,'ENTRADAS','V'),(3,'SOPAS','V'),(4,'CARNES','V'),(5,'PESCADOS','V'),(6,'POSTRES','V'),(7,'VINOS','V'),"
             "(8,'CAFES','V');"
             "INSERT INTO Tipos_Impuesto VALUES (1,'IVA',1),(2,'IEPS',1);"
             "INSERT INTO PorcentajeXTipo_Impuesto VALUES (1,'2020-01-01 00:00:00',NULL,0.16),(2,'2020-01-01 00:00:00',NULL,0.08);"
             "INSERT INTO Tipo_Pago (ID_Tipo_Pago, Nombre_Tipo_Pago, Clase) VALUES (1,'EFECTIVO','E'),(2,'TARJETA','T');"
             "INSERT INTO Tipo_Cortesia (ID_Tipo_Cortesia, Nombre_Tipo_Cortesia) VALUES (1,'GERENCIA'),(2,'CUMPLEAÑOS');"
             "INSERT INTO Promocion (ID_Promocion, Nombre_Promocion) VALUES (1,'2X1');"
             "INSERT INTO Tipos_Anulacion (ID_Tipo_Anulacion, Nombre_Tipos_Anulacion) VALUES (1,'ERROR'),(2,'CLIENTE');"
             "INSERT INTO Tipo_Modificador (ID_Tipo_Modificador, Nombre_Tipo_Modificador) VALUES (1,'EXTRA'),(2,'SIN');"
             "INSERT INTO Menu (ID_Menu, Nombre_Menu, Descripcion, Menu_Activo) VALUES (1,'GENERAL','General',1)");
    Insercion empleado(db, "INSERT INTO Empleado (ID_Empleado, Usuario, Nombre_Empleado, Apellido_Paterno, Apellido_Materno,"
                           " Estado_Empleado) VALUES (?,?,?,?,'MATERNO','A')");
    for (int e = 1; e <= kEmpleados; ++e)
        empleado.entero(1, e).texto(2, "U" + std::to_string(e)).texto(3, "NOMBRE " + std::to_string(e))
            .texto(4, "PATERNO " + std::to_string(e)).ejecuta();
    Insercion producto(db, "INSERT INTO Producto (ID_Producto, Nombre_Completo, Estado, Especial, ID_Categoria) VALUES (?,?,'A',?,?)");
    Insercion precio(db, "INSERT INTO PreciosXMenu (ID_Menu, ID_Producto, Precio) VALUES (1,?,?)");
    Insercion impuesto(db, "INSERT INTO ImpuestosXProducto (ID_Tipo_Impuesto, ID_Producto) VALUES (?,?)");
    std::vector<double> precios(kProductos + 1);
    for (int p = 1; p <= kProductos; ++p) {
        precios[p] = azar(2, 40) * 5.0;
        producto.entero(1, p).texto(2, "PRODUCTO " + std::to_string(p)).entero(3, p % 10 == 0).entero(4, (p - 1) / 8 % 8 + 1).ejecuta();
        precio.entero(1, p).real(2, precios[p]).ejecuta();
        impuesto.entero(1, 1).entero(2, p).ejecuta();
        if (p % 5 == 0)
            impuesto.entero(1, 2).entero(2, p).ejecuta();
    }
    return precios;
}

void genera(sqlite3* db)
{
    std::mt19937 rng(20240315);
    const std::function<int(int, int)> azar = [&](int desde, int hasta) {
        return std::uniform_int_distribution<int>(desde, hasta)(rng);
    };
    exec(db, "PRAGMA synchronous=OFF; BEGIN");
    const std::vector<double> precios = catalogo(db, azar);
    Insercion comanda(db, "INSERT INTO Comanda (ID_Comanda, ID_Empleado, Num_Mesa, Abierta, Fecha_Apertura, Fecha_Cierre, "
                          "Tipo, Fecha_Trabajo, Control, CantHuespedes) VALUES (?,?,?,0,?,?,'MESA',?,1,?)");
    Insercion cuenta(db, "INSERT INTO Cuenta (ID_Comanda, Num_Cuenta, Pagada, Total, Control) VALUES (?,1,1,?,1)");
    Insercion cliente(db, "INSERT INTO ClientesXCuenta (ID_Comanda, Num_Cuenta, CveCliente, NombreCliente, IdTipoCliente)"
                          " VALUES (?,1,?,?,?)");
    Insercion item(db, "INSERT INTO ProductosXCuenta (ID_ProductosXCuenta, ID_Comanda, Num_Cuenta, ID_Producto, Precio_Venta, "
                       "Precio_Original, ID_Tipo_Anulacion, ID_Promocion, Empleado_Anulacion, Hora_Anulacion, Control) "
                       "VALUES (?,?,1,?,?,?,?,?,?,?,1)");
    Insercion impuesto(db, "INSERT INTO ImpuestosXCuenta VALUES (?,?,?)");
    Insercion modificador(db, "INSERT INTO Modificador VALUES (?,?,?,?)");
    Insercion cortesia(db, "INSERT INTO Cortesia VALUES (?,?,?)");
    Insercion pago(db, "INSERT INTO Pago (ID_Pago, ID_Comanda, Num_Cuenta, ID_Tipo_Pago, Monto_Pago, Propina, Control, Referencia) "
                       "VALUES (?,?,1,?,?,?,1,?)");
    long long idComanda = 0, idItem = 0, idPago = 0;
    for (int d = 0; d < kDias; ++d) {
        const QDate dia = kPrimerDia.addDays(d);
        for (int c = 0; c < kComandasPorDia; ++c) {
            ++idComanda;
            const QDateTime apertura(dia, QTime(7, 0).addSecs(azar(0, 19 * 3600 - 1)));
            comanda.entero(1, idComanda).entero(2, azar(1, kEmpleados)).entero(3, azar(1, 40)).texto(4, iso(apertura))
                .texto(5, iso(apertura.addSecs(3600))).texto(6, ddmmyyyy(dia)).entero(7, azar(1, 6)).ejecuta();
            double total = 0;
            const int items = azar(5, 15);
            for (int i = 0; i < items; ++i) {
                ++idItem;
                const int p = azar(1, kProductos);
                const bool anulado = azar(1, 100) <= 3;
                const bool promo = azar(1, 100) <= 5;
                const bool cortesiaDada = !promo && azar(1, 100) <= 2;
                const double lista = precios[p];
                const double venta = cortesiaDada ? 0 : promo ? lista / 2 : lista;
                item.entero(1, idItem).entero(2, idComanda).entero(3, p).real(4, venta).real(5, lista);
                if (anulado)
                    item.entero(6, azar(1, 2)).entero(9, azar(1, kEmpleados)).texto(10, iso(apertura.addSecs(600)));
                if (promo)
                    item.entero(7, 1);
                item.ejecuta();
                double linea = venta;
                impuesto.entero(1, idItem).entero(2, 1).real(3, venta * 0.16).ejecuta();
                linea += venta * 0.16;
                if (p % 5 == 0) {
                    impuesto.entero(1, idItem).entero(2, 2).real(3, venta * 0.08).ejecuta();
                    linea += venta * 0.08;
                }
                if (azar(1, 100) <= 20) {
                    modificador.entero(1, idItem).entero(2, 1).real(3, 11.6).real(4, 1.6).ejecuta();
                    linea += 11.6;
                    if (azar(1, 2) == 1)
                        modificador.entero(1, idItem).entero(2, 2).real(3, 0).real(4, 0).ejecuta();
                }
                if (cortesiaDada)
                    cortesia.entero(1, idItem).entero(2, azar(1, 2)).real(3, lista).ejecuta();
                if (!anulado)
                    total += linea;
            }
            cuenta.entero(1, idComanda).real(2, total).ejecuta();
            if (const int tipo = azar(1, 100); tipo <= 6) {
                const int n = azar(1, kClientes);
                cliente.entero(1, idComanda).texto(2, "C" + std::to_string(n)).texto(3, "CLIENTE " + std::to_string(n))
                    .entero(4, tipo <= 4 ? 2 : 1).ejecuta();
            }
            const double tarjeta = azar(0, 1) ? total / 2 : 0;
            if (tarjeta > 0)
                pago.entero(1, ++idPago).entero(2, idComanda).entero(3, 2).real(4, tarjeta).real(5, total * 0.1)
                    .texto(6, "VISA " + std::to_string(azar(1000, 9999))).ejecuta();
            pago.entero(1, ++idPago).entero(2, idComanda).entero(3, 1).real(4, total - tarjeta).nulo(5).ejecuta();
        }
    }
    exec(db, "COMMIT");
    std::printf("Generated %lld checks, %lld items, %lld payments on %d working dates (no ANALYZE)\n", idComanda, idItem,
                idPago, kDias);
}

} // namespace

Ano::Ano()
{
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
    sqlite3_close(db);
    sqlite3_open(ruta.toUtf8().constData(), &bare);
    registraProcedimientos();
    static ClsBitacora bitacora;
    bitacora.inciar_log({.PCrearArchivo = false, .Parchivo = false, .PMsgBox = false});
    g_ClsAdo().CClsBitacora = &bitacora;
    g_ClsAdo().Conectar(QStringLiteral("."), QStringLiteral("bench"), QStringLiteral("vypjv_ok"), QString());
}

Ano::~Ano()
{
    sqlite3_close(bare);
}

Ano& ano()
{
    static Ano a;
    return a;
}

std::string periodo(const Periodo& p, const std::string& columna)
{
    return fechatrabajo::periodo(p.desde, p.hasta, QString::fromStdString(columna)).toStdString();
}

} // namespace anogenerado
