// The steps of the reconciliation, the collection and the terminal database build, as the run
// calls them.
#include "endofday/pasos_fin_dia.h"

#include "endofday/catalogos_terminal.h"
#include "endofday/conexion_terminal.h"
#include "endofday/copia_terminal.h"
#include "endofday/folio_productos.h"
#include "endofday/medidas_ventas.h"
#include "endofday/menu_terminal.h"
#include "endofday/recoge_ventas_copia.h"
#include "foundation/database/cls_ado.h"
#include "foundation/log/bitacora.h"
#include "platform/adodb/adodb.h"

#include <QDir>

namespace findia {

namespace {

QString copiaDe(const TerminalFinDia& terminal)
{
    return QDir(terminal.carpetaLocal).filePath(QStringLiteral("Zorva_Terminal.mdb"));
}

BanderasVentas comoArreglo(const BanderasDiferencia& b)
{
    BanderasVentas a{};
    using MV = MedidasVentas;
    a[MV::PXC] = b.PXC;
    a[MV::Cta] = b.Cta;
    a[MV::P] = b.P;
    a[MV::Ct] = b.Ct;
    a[MV::M] = b.M;
    a[MV::IXC] = b.IXC;
    a[MV::Cmd] = b.Cmd;
    a[MV::A] = b.A;
    return a;
}

} // namespace

QString MideVentasTerminal(const CorridaFinDia&, const TerminalFinDia& terminal)
{
    MedidasVentas m;
    {
        const CopiaTerminal copia(copiaDe(terminal));
        m = MideCopia(copia);
    }
    using MV = MedidasVentas;
    adodb::Connection& central = g_ClsAdo().conexion();
    // Bound values: a name with an apostrophe or longer than the column is kept as it is.
    central.executeBound(
        QStringLiteral("INSERT INTO \"#Tmp_Conciliacion\" (ID_Terminal,Nombre_Term,RegistrosPXC,RegistrosCta,RegistrosCmd,"
                       "RegistrosP,RegistrosCt,RegistrosM,RegistrosIXC,RegistrosA) VALUES (?,?,?,?,?,?,?,?,?,?)"),
        {terminal.ID_Terminal, terminal.Nombre_Terminal, m.registros[MV::PXC], m.registros[MV::Cta], m.registros[MV::Cmd],
         m.registros[MV::P], m.registros[MV::Ct], m.registros[MV::M], m.registros[MV::IXC], m.registros[MV::A]});
    central.executeBound(
        QStringLiteral("INSERT INTO \"#Tmp_Conciliacion_Montos\" (ID_Terminal,Nombre_Term,TotalPXC,TotalCta,TotalPago,"
                       "TotalCtesia,TotalMod,TotalIXC) VALUES (?,?,?,?,?,?,?,?)"),
        {terminal.ID_Terminal, terminal.Nombre_Terminal, m.montos[MV::TotalPXC].aDouble(), m.montos[MV::TotalCta].aDouble(),
         m.montos[MV::TotalPago].aDouble(), m.montos[MV::TotalCtesia].aDouble(), m.montos[MV::TotalMod].aDouble(),
         m.montos[MV::TotalIXC].aDouble()});
    const QString texto = textoMedidas(m);
    EscribeBitacora(QStringLiteral("Medidas de la terminal ") + terminal.Nombre_Terminal + QStringLiteral(": ") + texto);
    return texto;
}

struct ConciliacionFinDia::Cifras {
    MedidasVentas dia;
};

ConciliacionFinDia::ConciliacionFinDia(const CorridaFinDia& corrida)
    : m_cifras(std::make_unique<Cifras>())
{
    m_cifras->dia = MideVentas(g_ClsAdo().conexion(), corrida.fechaAnterior);
    EscribeBitacora(QStringLiteral("Medidas centrales del ") + corrida.fechaAnterior + QStringLiteral(": ")
                    + textoMedidas(m_cifras->dia));
}

ConciliacionFinDia::~ConciliacionFinDia() = default;

BanderasDiferencia ConciliacionFinDia::Compara(const TerminalFinDia& terminal) const
{
    using MV = MedidasVentas;
    const adodb::Recordset fila = adodb::Recordset::open(
        g_ClsAdo().conexion(),
        QStringLiteral("SELECT RegistrosPXC,RegistrosCta,RegistrosP,RegistrosCt,RegistrosM,RegistrosIXC,RegistrosCmd,RegistrosA,"
                       "TotalPXC,TotalCta,TotalPago,TotalCtesia,TotalMod,TotalIXC FROM \"#Tmp_Conciliacion\" c "
                       "LEFT JOIN \"#Tmp_Conciliacion_Montos\" m ON m.ID_Terminal=c.ID_Terminal WHERE c.ID_Terminal=")
            + QString::number(terminal.ID_Terminal));
    MedidasVentas t;
    if (fila.recordCount() > 0) {
        for (int r = 0; r < MV::NumRegistros; ++r)
            t.registros[r] = fila.cell(0, r).toInt();
        for (int a = 0; a < MV::NumMontos; ++a)
            t.montos[a] = Moneda::deVariant(fila.cell(0, MV::NumRegistros + a));
    }
    const BanderasVentas b = ComparaMedidas(t, m_cifras->dia);
    EscribeBitacora(QStringLiteral("Conciliación de la terminal ") + terminal.Nombre_Terminal + QStringLiteral(": banderas ")
                    + textoBanderas(b));
    BanderasDiferencia d;
    d.PXC = b[MV::PXC];
    d.Cta = b[MV::Cta];
    d.P = b[MV::P];
    d.Ct = b[MV::Ct];
    d.M = b[MV::M];
    d.IXC = b[MV::IXC];
    d.Cmd = b[MV::Cmd];
    d.A = b[MV::A];
    return d;
}

ResultadoRecoleccion RecogeVentasTerminal(const CorridaFinDia& corrida, const TerminalFinDia& terminal,
                                          const BanderasDiferencia& banderas)
{
    // The flags are the record of the comparison, not a switch: a terminal whose figures happen to
    // equal the day's may still hold sales that are not central, so every table is collected.
    const RecogidaTerminal r = RecogeVentasCopia(terminal.Nombre_Terminal, terminal.ID_Terminal, copiaDe(terminal), corrida.fechaAnterior);
    g_ClsAdo().conexion().executeBound(
        QStringLiteral("UPDATE EndOfDayTerminal SET Measures=IFNULL(Measures||' ','')||? WHERE RunId=? AND TerminalId=?"),
        {QStringLiteral("banderas: ") + textoBanderas(comoArreglo(banderas)), corrida.idCorrida, terminal.ID_Terminal});
    ResultadoRecoleccion resultado;
    for (const CuentaTablaRecogida& t : r.tablas) {
        resultado.insertadas += t.insertadas;
        resultado.actualizadas += t.actualizadas;
        resultado.rechazadas += t.rechazadas;
    }
    for (const FilaRechazada& f : r.rechazadas)
        resultado.rechazos << QStringLiteral("filas rechazadas: ") + f.tabla + QLatin1Char(' ') + f.clave
                                  + QStringLiteral(" (") + f.motivo + QLatin1Char(')');
    return resultado;
}

adodb::Connection AbrePlantilla(const QString& carpeta)
{
    adodb::Connection plantilla;
    plantilla.open(CadenaConexionTerminal(carpeta));
    plantilla.execute(QStringLiteral("PRAGMA journal_mode=MEMORY; PRAGMA synchronous=OFF"));
    return plantilla;
}

namespace {

// One transaction on the template copy, rolled back on every way out that did not commit.
template <typename Trabajo>
auto enTransaccion(adodb::Connection& plantilla, Trabajo trabajo)
{
    plantilla.beginTrans();
    try {
        auto resultado = trabajo();
        plantilla.commitTrans();
        return resultado;
    } catch (...) {
        if (plantilla.inTransaction())
            plantilla.rollbackTrans();
        throw;
    }
}

qint64 preparaTerminal(const CorridaFinDia& corrida, const TerminalFinDia& terminal, const QVariant& menuAnterior,
                       adodb::Connection& plantilla)
{
    // A terminal without a menu keeps what the copy carries; the first one with a menu, and each
    // change of menu, rebuild the menu part.
    if (!terminal.ID_Menu.isNull() && terminal.ID_Menu.toInt() != 0
        && (menuAnterior.isNull() || menuAnterior.toInt() != terminal.ID_Menu.toInt()))
        CambiaMenuPlantilla(plantilla, terminal.ID_Menu.toInt());

    // Its own keys: those of the copy fetched and collected in this run, and never below the folio
    // last sent to it.
    const adodb::Recordset diario = adodb::Recordset::open(
        g_ClsAdo().conexion(),
        QStringLiteral("SELECT (SELECT State FROM EndOfDayTerminal WHERE RunId=%1 AND TerminalId=%2),"
                       "(SELECT ItemFolioSent FROM EndOfDayTerminal WHERE TerminalId=%2 AND ItemFolioSent IS NOT NULL "
                       "AND RunId<>%1 ORDER BY RunId DESC LIMIT 1)")
            .arg(corrida.idCorrida)
            .arg(terminal.ID_Terminal));
    const bool recogida = diario.cell(0, 0).toString() == QLatin1String("collected");
    std::optional<qint64> enviado;
    if (!diario.cell(0, 1).isNull())
        enviado = diario.cell(0, 1).toLongLong();
    const qint64 folio = FolioProductosX(terminal.ID_Terminal, recogida ? copiaDe(terminal) : QString(), enviado);
    FijaParametrosTerminal(plantilla, terminal.ID_Terminal, folio);
    return folio;
}

} // namespace

QStringList ArmaBaseTerminal(const CorridaFinDia&, adodb::Connection& plantilla)
{
    return enTransaccion(plantilla, [&] { return CopiaCatalogosTerminal(plantilla); });
}

qint64 PreparaBaseTerminal(const CorridaFinDia& corrida, const TerminalFinDia& terminal, const QVariant& menuAnterior,
                           adodb::Connection& plantilla)
{
    return enTransaccion(plantilla, [&] { return preparaTerminal(corrida, terminal, menuAnterior, plantilla); });
}

bool PasosFinDiaListos()
{
    return true;
}

} // namespace findia
