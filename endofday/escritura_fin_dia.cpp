#include "endofday/escritura_fin_dia.h"

#include "foundation/database/cls_ado.h"

namespace findia {

namespace {

int sincronia(adodb::Connection& db)
{
    return db.execute(QStringLiteral("PRAGMA synchronous")).field(0).value().toInt();
}

} // namespace

EscrituraFinDia::EscrituraFinDia(bool enDisco)
    : m_db(g_ClsAdo().conexion())
{
    if (m_db.inTransaction())
        throw adodb::ComError(adodb::err::OperationNotAllowed, QStringLiteral("Ya hay una transacción abierta en esta conexión."));
    // A commit in full sync flushes the WAL file, earlier commits' frames with it. The setting can
    // change only outside a transaction.
    if (enDisco) {
        m_sincronia = sincronia(m_db);
        m_db.execute(QStringLiteral("PRAGMA synchronous=FULL"));
    }
    try {
        m_db.execute(QStringLiteral("BEGIN IMMEDIATE"));
    } catch (...) {
        if (enDisco)
            m_db.execute(QStringLiteral("PRAGMA synchronous=%1").arg(m_sincronia));
        throw;
    }
    m_abierta = true;
}

EscrituraFinDia::~EscrituraFinDia()
{
    try {
        if (m_abierta && m_db.inTransaction())
            m_db.rollbackTrans();
    } catch (const adodb::ComError&) {
        // SQLite has rolled back already (an I/O error or a full disk ends the transaction).
    }
    try {
        if (m_sincronia >= 0)
            m_db.execute(QStringLiteral("PRAGMA synchronous=%1").arg(m_sincronia));
    } catch (const adodb::ComError&) {
    }
}

void EscrituraFinDia::confirma()
{
    m_db.commitTrans();
    m_abierta = false;
}

SincroniaFinDia::SincroniaFinDia()
    : m_antes(sincronia(g_ClsAdo().conexion()))
{
    g_ClsAdo().conexion().execute(QStringLiteral("PRAGMA synchronous=NORMAL"));
}

SincroniaFinDia::~SincroniaFinDia()
{
    try {
        g_ClsAdo().conexion().execute(QStringLiteral("PRAGMA synchronous=%1").arg(m_antes));
    } catch (const adodb::ComError&) {
    }
}

} // namespace findia
