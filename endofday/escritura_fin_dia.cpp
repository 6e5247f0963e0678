#include "endofday/escritura_fin_dia.h"

#include "foundation/database/cls_ado.h"

namespace findia {

EscrituraFinDia::EscrituraFinDia()
    : m_db(g_ClsAdo().conexion())
{
    if (m_db.inTransaction())
        throw adodb::ComError(adodb::err::OperationNotAllowed, QStringLiteral("Ya hay una transacción abierta en esta conexión."));
    m_db.execute(QStringLiteral("BEGIN IMMEDIATE"));
    m_abierta = true;
}

EscrituraFinDia::~EscrituraFinDia()
{
    if (!m_abierta || !m_db.inTransaction())
        return;
    try {
        m_db.rollbackTrans();
    } catch (const adodb::ComError&) {
        // SQLite has rolled back already (an I/O error or a full disk ends the transaction).
    }
}

void EscrituraFinDia::confirma()
{
    m_db.commitTrans();
    m_abierta = false;
}

} // namespace findia
