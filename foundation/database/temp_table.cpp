#include "foundation/database/temp_table.h"
#include "foundation/database/cls_ado.h"

TemporaryTable::TemporaryTable(const QString& name) : m_name(name)
{
    drop();
}

TemporaryTable::~TemporaryTable()
{
    drop();
}

QString TemporaryTable::sqlName() const
{
    return QLatin1Char('"') + m_name + QLatin1Char('"');
}

bool TemporaryTable::execute(const QString& sql)
{
    adodb::Connection& conexion = g_ClsAdo().conexion();
    try {
        conexion.execute(sql);
        return true;
    } catch (const adodb::ComError& e) {
        m_error = e.description();
        conexion.errors().clear();
        return false;
    }
}

void TemporaryTable::drop()
{
    adodb::Connection& conexion = g_ClsAdo().conexion();
    try {
        conexion.execute(QStringLiteral("DROP TABLE IF EXISTS temp.") + sqlName());
    } catch (const adodb::ComError&) {
        // A lost connection takes its temporary tables with it.
        conexion.errors().clear();
    }
}
