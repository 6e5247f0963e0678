#include "endofday/medidas_ventas.h"

#include "endofday/copia_terminal.h"
#include "foundation/routines/zorva_funciones.h"
#include "platform/adodb/adodb.h"

#include <QStringList>

#include <sqlite3.h>

#include <algorithm>
#include <cmath>
#include <limits>

namespace findia {

namespace {
// The amount measured with each count, -1 where the measure has none.
constexpr int kMontoDe[MedidasVentas::NumRegistros] = {
    MedidasVentas::TotalPXC, MedidasVentas::TotalCta, MedidasVentas::TotalPago, MedidasVentas::TotalCtesia,
    MedidasVentas::TotalMod, MedidasVentas::TotalIXC, -1, -1};
} // namespace

QString nombreBandera(int registro)
{
    static const char* const nombres[] = {"PXC", "Cta", "P", "Ct", "M", "IXC", "Cmd", "A"};
    return QString::fromLatin1(nombres[registro]);
}

QString textoMedidas(const MedidasVentas& medidas)
{
    QStringList partes;
    for (int r = 0; r < MedidasVentas::NumRegistros; ++r) {
        QString p = nombreBandera(r) + QLatin1Char('=') + QString::number(medidas.registros[r]);
        if (kMontoDe[r] >= 0)
            p += QStringLiteral(" (") + medidas.montos[kMontoDe[r]].texto() + QLatin1Char(')');
        partes << p;
    }
    return partes.join(QLatin1Char(' '));
}

QString textoBanderas(const BanderasVentas& banderas)
{
    QStringList puestas;
    for (int r = 0; r < MedidasVentas::NumRegistros; ++r)
        if (banderas[r])
            puestas << nombreBandera(r);
    return puestas.isEmpty() ? QStringLiteral("ninguna") : puestas.join(QLatin1Char(' '));
}

namespace {

struct Medida {
    int registro;
    const char* monto;         // the summed column, nullptr for a count alone
    const char* tabla;         // the table counted on a terminal database
    const char* condicion;     // what a counted row of it must meet, nullptr for every row
    const char* central;       // FROM ... WHERE on the central database, followed by the date
};

// In the order that the measures are taken.
const Medida kMedidas[] = {
    {MedidasVentas::PXC, "Precio_Venta", "ProductosXCuenta", nullptr,
     "ProductosXCuenta,Comanda WHERE ProductosXCuenta.ID_Comanda=Comanda.ID_Comanda AND"},
    {MedidasVentas::Cmd, nullptr, "Comanda", nullptr, "Comanda WHERE"},
    {MedidasVentas::Cta, "Total", "Cuenta", nullptr, "Cuenta,Comanda WHERE Cuenta.ID_Comanda=Comanda.ID_Comanda AND"},
    {MedidasVentas::P, "Monto_Pago", "Pago", nullptr, "Pago,Comanda WHERE Pago.ID_Comanda=Comanda.ID_Comanda AND"},
    {MedidasVentas::Ct, "Monto", "Cortesia", nullptr,
     "Cortesia,ProductosXCuenta,Comanda WHERE Cortesia.ID_ProductosXCuenta=ProductosXCuenta.ID_ProductosXCuenta"
     " AND ProductosXCuenta.ID_Comanda=Comanda.ID_Comanda AND"},
    {MedidasVentas::M, "Precio_Modificador", "Modificador", nullptr,
     "Modificador,ProductosXCuenta,Comanda WHERE Modificador.ID_ProductosXCuenta=ProductosXCuenta.ID_ProductosXCuenta"
     " AND ProductosXCuenta.ID_Comanda=Comanda.ID_Comanda AND"},
    {MedidasVentas::IXC, "Monto_ImpuestosXCuenta", "ImpuestosXCuenta", nullptr,
     "ImpuestosXCuenta,ProductosXCuenta,Comanda WHERE"
     " ImpuestosXCuenta.ID_ProductosXCuenta=ProductosXCuenta.ID_ProductosXCuenta"
     " AND ProductosXCuenta.ID_Comanda=Comanda.ID_Comanda AND"},
    {MedidasVentas::A, nullptr, "ProductosXCuenta", "ID_Tipo_Anulacion",
     "ProductosXCuenta,Comanda WHERE ProductosXCuenta.ID_Comanda=Comanda.ID_Comanda AND NOT ID_Tipo_Anulacion IS NULL"
     " AND"},
};

// The sum of an amount column in ten-thousandths. TOTAL never overflows, and it is exact while the
// sum of whole ten-thousandths stays within a double's integers (about 900,000 million).
QString sumaMonto(const QString& columna)
{
    return QStringLiteral(",TOTAL(CAST(ROUND(") + columna + QStringLiteral("*10000) AS INTEGER))");
}

Moneda montoDeSuma(double diezmilesimos)
{
    constexpr double kTope = 9.2e18;
    return Moneda::deDiezmilesimos(qint64(std::llround(std::clamp(diezmilesimos, -kTope, kTope))));
}

void anota(MedidasVentas& medidas, const Medida& m, qint64 cuenta, double suma)
{
    medidas.registros[m.registro] = int(std::clamp<qint64>(cuenta, 0, std::numeric_limits<int>::max()));
    if (m.monto)
        medidas.montos[kMontoDe[m.registro]] = montoDeSuma(suma);
}

} // namespace

MedidasVentas MideVentas(adodb::Connection& conexion, const QString& fechaTrabajo)
{
    MedidasVentas medidas;
    for (const Medida& m : kMedidas) {
        QString sql = QStringLiteral("SELECT COUNT(*)");
        if (m.monto)
            sql += sumaMonto(QLatin1String(m.monto));
        sql += QStringLiteral(" FROM ") + QLatin1String(m.central) + QStringLiteral(" Fecha_Trabajo='")
               + DuplicaComillas(fechaTrabajo) + QLatin1Char('\'');
        const adodb::Recordset rs = adodb::Recordset::open(conexion, sql);
        anota(medidas, m, rs.cell(0, 0).toLongLong(), m.monto ? rs.cell(0, 1).toDouble() : 0.0);
    }
    return medidas;
}

MedidasVentas MideCopia(const CopiaTerminal& copia)
{
    MedidasVentas medidas;
    for (const Medida& m : kMedidas) {
        // A measure with a condition is counted in the same reading as its table's whole measure.
        if (m.condicion)
            continue;
        // An older terminal lacks some columns: what it cannot have recorded counts as nothing.
        const QStringList columnas = copia.columnas(QLatin1String(m.tabla));
        const auto tiene = [&](const char* c) { return c && columnas.contains(QLatin1String(c), Qt::CaseInsensitive); };
        QString sql = QStringLiteral("SELECT COUNT(*)") + (tiene(m.monto) ? sumaMonto(QLatin1String(m.monto)) : QStringLiteral(",0"));
        const Medida* condicionada = nullptr;
        for (const Medida& otra : kMedidas)
            if (otra.condicion && qstrcmp(otra.tabla, m.tabla) == 0 && tiene(otra.condicion)) {
                condicionada = &otra;
                sql += QStringLiteral(",COUNT(\"") + QLatin1String(otra.condicion) + QStringLiteral("\")");
            }
        sql += QStringLiteral(" FROM main.\"") + QLatin1String(m.tabla) + QLatin1Char('"');
        const QByteArray texto = sql.toUtf8();
        sqlite3_stmt* s = nullptr;
        if (sqlite3_prepare_v2(copia.db(), texto.constData(), int(texto.size()), &s, nullptr) != SQLITE_OK)
            copia.falla(QStringLiteral("medir ") + QLatin1String(m.tabla));
        if (sqlite3_step(s) != SQLITE_ROW) {
            sqlite3_finalize(s);
            copia.falla(QStringLiteral("medir ") + QLatin1String(m.tabla));
        }
        anota(medidas, m, sqlite3_column_int64(s, 0), sqlite3_column_double(s, 1));
        if (condicionada)
            anota(medidas, *condicionada, sqlite3_column_int64(s, 2), 0);
        sqlite3_finalize(s);
    }
    return medidas;
}

BanderasVentas ComparaMedidas(const MedidasVentas& terminal, const MedidasVentas& dia)
{
    using MV = MedidasVentas;
    BanderasVentas b{};
    for (int r = 0; r < MV::NumRegistros; ++r)
        b[r] = terminal.registros[r] != dia.registros[r];
    for (int r = 0; r < MV::NumRegistros; ++r)
        if (kMontoDe[r] >= 0 && terminal.montos[kMontoDe[r]] != dia.montos[kMontoDe[r]])
            b[r] = true;
    return b;
}

} // namespace findia
