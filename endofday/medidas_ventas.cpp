#include "endofday/medidas_ventas.h"

#include "foundation/routines/zorva_funciones.h"
#include "platform/adodb/adodb.h"

#include <QStringList>

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
    const char* terminal;      // FROM ... on a terminal database
    const char* central;       // FROM ... WHERE on the central database, followed by the date
};

// In the order that the measures are taken.
const Medida kMedidas[] = {
    {MedidasVentas::PXC, "Precio_Venta", "ProductosXCuenta",
     "ProductosXCuenta,Comanda WHERE ProductosXCuenta.ID_Comanda=Comanda.ID_Comanda AND"},
    {MedidasVentas::Cmd, nullptr, "Comanda", "Comanda WHERE"},
    {MedidasVentas::Cta, "Total", "Cuenta", "Cuenta,Comanda WHERE Cuenta.ID_Comanda=Comanda.ID_Comanda AND"},
    {MedidasVentas::P, "Monto_Pago", "Pago", "Pago,Comanda WHERE Pago.ID_Comanda=Comanda.ID_Comanda AND"},
    {MedidasVentas::Ct, "Monto", "Cortesia",
     "Cortesia,ProductosXCuenta,Comanda WHERE Cortesia.ID_ProductosXCuenta=ProductosXCuenta.ID_ProductosXCuenta"
     " AND ProductosXCuenta.ID_Comanda=Comanda.ID_Comanda AND"},
    {MedidasVentas::M, "Precio_Modificador", "Modificador",
     "Modificador,ProductosXCuenta,Comanda WHERE Modificador.ID_ProductosXCuenta=ProductosXCuenta.ID_ProductosXCuenta"
     " AND ProductosXCuenta.ID_Comanda=Comanda.ID_Comanda AND"},
    {MedidasVentas::IXC, "Monto_ImpuestosXCuenta", "ImpuestosXCuenta",
     "ImpuestosXCuenta,ProductosXCuenta,Comanda WHERE"
     " ImpuestosXCuenta.ID_ProductosXCuenta=ProductosXCuenta.ID_ProductosXCuenta"
     " AND ProductosXCuenta.ID_Comanda=Comanda.ID_Comanda AND"},
    {MedidasVentas::A, nullptr, "ProductosXCuenta WHERE NOT ID_Tipo_Anulacion IS NULL",
     "ProductosXCuenta,Comanda WHERE ProductosXCuenta.ID_Comanda=Comanda.ID_Comanda AND NOT ID_Tipo_Anulacion IS NULL"
     " AND"},
};

} // namespace

MedidasVentas MideVentas(adodb::Connection& conexion, const QString& fechaTrabajo)
{
    MedidasVentas medidas;
    for (const Medida& m : kMedidas) {
        QString sql = QStringLiteral("SELECT COUNT(*)");
        if (m.monto)
            sql += QStringLiteral(",SUM(CAST(ROUND(") + QLatin1String(m.monto) + QStringLiteral("*10000) AS INTEGER))");
        if (fechaTrabajo.isEmpty())
            sql += QStringLiteral(" FROM ") + QLatin1String(m.terminal);
        else
            sql += QStringLiteral(" FROM ") + QLatin1String(m.central) + QStringLiteral(" Fecha_Trabajo='")
                   + DuplicaComillas(fechaTrabajo) + QLatin1Char('\'');
        const adodb::Recordset rs = adodb::Recordset::open(conexion, sql);
        medidas.registros[m.registro] = rs.cell(0, 0).toInt();
        if (m.monto)
            medidas.montos[kMontoDe[m.registro]] = Moneda::deDiezmilesimos(rs.cell(0, 1).toLongLong());
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
