#include "endofday/concilia_terminales.h"

#include "foundation/database/cls_ado.h"
#include "foundation/log/bitacora.h"
#include "platform/adodb/adodb.h"

QList<ConciliacionTerminal> ConciliaTerminales(const QString& fechaCierre,
                                               const std::function<void(const ConciliacionTerminal&)>& recoge)
{
    using MV = MedidasVentas;
    adodb::Connection& central = g_ClsAdo().conexion();
    const MedidasVentas dia = MideVentas(central, fechaCierre);
    EscribeBitacora(QStringLiteral("Medidas centrales del ") + fechaCierre + QStringLiteral(": ") + textoMedidas(dia));

    // Read whole before the first collection: the collection writes on the same connection.
    const adodb::Recordset filas = adodb::Recordset::open(central, QStringLiteral(
        "SELECT c.ID_Terminal,c.Nombre_Term,RegistrosPXC,RegistrosCta,RegistrosP,RegistrosCt,RegistrosM,RegistrosIXC,"
        "RegistrosCmd,RegistrosA,TotalPXC,TotalCta,TotalPago,TotalCtesia,TotalMod,TotalIXC "
        "FROM \"#Tmp_Conciliacion\" c LEFT JOIN \"#Tmp_Conciliacion_Montos\" m ON m.ID_Terminal=c.ID_Terminal "
        "ORDER BY c.rowid"));
    QList<ConciliacionTerminal> resultado;
    for (int f = 0; f < filas.recordCount(); ++f) {
        ConciliacionTerminal t;
        t.idTerminal = filas.cell(f, 0).toInt();
        t.nombre = filas.cell(f, 1).toString();
        for (int r = 0; r < MV::NumRegistros; ++r)
            t.medidas.registros[r] = filas.cell(f, 2 + r).toInt();
        for (int a = 0; a < MV::NumMontos; ++a)
            t.medidas.montos[a] = Moneda::deVariant(filas.cell(f, 2 + MV::NumRegistros + a));
        for (int r = 0; r < MV::NumRegistros; ++r)
            t.banderas[r] = t.medidas.registros[r] != dia.registros[r];
        const std::pair<int, int> montos[] = {{MV::PXC, MV::TotalPXC}, {MV::Cta, MV::TotalCta}, {MV::P, MV::TotalPago},
                                              {MV::Ct, MV::TotalCtesia}, {MV::M, MV::TotalMod}, {MV::IXC, MV::TotalIXC}};
        for (const auto& [bandera, monto] : montos)
            if (t.medidas.montos[monto] != dia.montos[monto])
                t.banderas[bandera] = true;
        EscribeBitacora(QStringLiteral("Conciliación de la terminal ") + t.nombre + QStringLiteral(": banderas ")
                        + textoBanderas(t.banderas));
        resultado << t;
        if (recoge)
            recoge(t);
    }
    return resultado;
}
