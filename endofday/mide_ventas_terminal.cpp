#include "endofday/mide_ventas_terminal.h"

#include "endofday/rutas_terminal.h"
#include "foundation/database/cls_ado.h"
#include "foundation/log/bitacora.h"
#include "platform/adodb/adodb.h"

void CreaTablasConciliacion()
{
    BorraTablasConciliacion();
    adodb::Connection& central = g_ClsAdo().conexion();
    central.execute(QStringLiteral(
        "CREATE TEMP TABLE \"#Tmp_Conciliacion\" (ID_Terminal INTEGER,Nombre_Term VARCHAR(25),RegistrosPXC INTEGER,"
        "RegistrosCta INTEGER,RegistrosCmd INTEGER,RegistrosP INTEGER,RegistrosCt INTEGER,RegistrosM INTEGER,"
        "RegistrosIXC INTEGER,RegistrosA INTEGER)"));
    central.execute(QStringLiteral(
        "CREATE TEMP TABLE \"#Tmp_Conciliacion_Montos\" (ID_Terminal INTEGER,Nombre_Term VARCHAR(25),"
        "TotalPXC MONEY REAL,TotalCta MONEY REAL,TotalPago MONEY REAL,TotalCtesia MONEY REAL,TotalMod MONEY REAL,"
        "TotalIXC MONEY REAL)"));
}

void BorraTablasConciliacion()
{
    adodb::Connection& central = g_ClsAdo().conexion();
    central.execute(QStringLiteral("DROP TABLE IF EXISTS \"#Tmp_Conciliacion\""));
    central.execute(QStringLiteral("DROP TABLE IF EXISTS \"#Tmp_Conciliacion_Montos\""));
}

MedidasVentas MideVentasTerminal(int idTerminal, const QString& nombreTerminal)
{
    adodb::Connection copia;
    copia.open(rutas::cadenaConexion(rutas::carpetaTerminal(nombreTerminal)));
    const MedidasVentas m = MideVentas(copia);
    copia.close();

    using MV = MedidasVentas;
    adodb::Connection& central = g_ClsAdo().conexion();
    central.executeBound(
        QStringLiteral("INSERT INTO \"#Tmp_Conciliacion\" (ID_Terminal,Nombre_Term,RegistrosPXC,RegistrosCta,RegistrosCmd,"
                       "RegistrosP,RegistrosCt,RegistrosM,RegistrosIXC,RegistrosA) VALUES (?,?,?,?,?,?,?,?,?,?)"),
        {idTerminal, nombreTerminal, m.registros[MV::PXC], m.registros[MV::Cta], m.registros[MV::Cmd], m.registros[MV::P],
         m.registros[MV::Ct], m.registros[MV::M], m.registros[MV::IXC], m.registros[MV::A]});
    central.executeBound(
        QStringLiteral("INSERT INTO \"#Tmp_Conciliacion_Montos\" (ID_Terminal,Nombre_Term,TotalPXC,TotalCta,TotalPago,"
                       "TotalCtesia,TotalMod,TotalIXC) VALUES (?,?,?,?,?,?,?,?)"),
        {idTerminal, nombreTerminal, m.montos[MV::TotalPXC].aDouble(), m.montos[MV::TotalCta].aDouble(),
         m.montos[MV::TotalPago].aDouble(), m.montos[MV::TotalCtesia].aDouble(), m.montos[MV::TotalMod].aDouble(),
         m.montos[MV::TotalIXC].aDouble()});
    EscribeBitacora(QStringLiteral("Medidas de la terminal ") + nombreTerminal + QStringLiteral(": ") + textoMedidas(m));
    return m;
}
