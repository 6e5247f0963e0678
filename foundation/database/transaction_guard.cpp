#include "foundation/database/transaction_guard.h"
#include "foundation/database/cls_ado.h"

TransactionGuard::TransactionGuard()
{
    adodb::Connection& conexion = g_ClsAdo().conexion();
    conexion.errors().clear();
    try {
        conexion.beginTrans();
        m_open = true;
    } catch (const adodb::ComError& e) {
        m_error = e.description();
        m_hold.release();
    }
}

TransactionGuard::~TransactionGuard()
{
    rollback();
}

bool TransactionGuard::commit()
{
    if (!m_open)
        return false;
    adodb::Connection& conexion = g_ClsAdo().conexion();
    try {
        conexion.commitTrans();
        m_open = false;
        m_hold.release();
        return true;
    } catch (const adodb::ComError& e) {
        m_error = e.description();
    }
    // A refused commit (a deferred check, a busy or full disk) leaves the transaction open.
    const QList<adodb::Error> errores = conexion.errors();
    rollback();
    conexion.errors() = errores;
    return false;
}

void TransactionGuard::rollback()
{
    if (!m_open)
        return;
    m_open = false;
    adodb::Connection& conexion = g_ClsAdo().conexion();
    try {
        if (conexion.inTransaction())
            conexion.rollbackTrans();
    } catch (const adodb::ComError&) {
        // SQLite has rolled back already (an I/O error or a full disk ends the transaction).
    }
    m_hold.release();
}
