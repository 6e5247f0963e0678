#include "endofday/corrida_fin_dia.h"
#include "endofday/escritura_fin_dia.h"

#include "foundation/database/cls_ado.h"

namespace findia {

namespace {

// The next free key of a table: its largest plus one, 1 when it is empty.
qint64 siguienteFolio(adodb::Connection& db, const QString& consulta)
{
    const QVariant mayor = db.execute(consulta).field(QStringLiteral("ID")).value();
    return mayor.isNull() ? 1 : mayor.toLongLong() + 1;
}

// The next order and payment folios, from the largest keys now central.
void ActualizaFolios(adodb::Connection& db)
{
    db.executeBound(QStringLiteral("UPDATE Parametros SET Valor_Num=? WHERE ID_Parametro='FOLIOPAGO'"),
                    {siguienteFolio(db, QStringLiteral("SELECT MAX(ID_Pago) AS ID FROM Pago"))});
    db.executeBound(QStringLiteral("UPDATE Parametros SET Valor_Num=? WHERE ID_Parametro='FOLIOCOMANDA'"),
                    {siguienteFolio(db, QStringLiteral("SELECT MAX(ID_Comanda) AS ID FROM Comanda"))});
}

} // namespace

void CierraDia(const CorridaFinDia& corrida)
{
    adodb::Connection& db = g_ClsAdo().conexion();
    // Every terminal's sales on disk before any share is replaced.
    EscrituraFinDia escritura(true);
    db.executeBound(QStringLiteral("UPDATE Parametros SET Valor_Cad=? WHERE ID_Parametro='FECHA_TRABAJO'"),
                    {corrida.fechaNueva});
    ActualizaFolios(db);
    diario::marcaCorrida(corrida.idCorrida, QLatin1String(kRecogida));
    escritura.confirma();
}

} // namespace findia
