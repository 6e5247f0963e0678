#include "reports/guarda_busqueda.h"

#include "foundation/database/cls_ado.h"

GuardaBusqueda::GuardaBusqueda(QWidget* boton, const QStringList& tablasTemporales)
    : m_boton(boton), m_tablas(tablasTemporales)
{
    if (m_boton)
        m_boton->setEnabled(false);
    borraTablas(m_tablas);
}

GuardaBusqueda::~GuardaBusqueda()
{
    borraTablas(m_tablas);
    if (m_boton)
        m_boton->setEnabled(true);
}

void GuardaBusqueda::borraTablas(const QStringList& tablas)
{
    adodb::Connection& conexion = g_ClsAdo().conexion();
    if (conexion.isNull() || !conexion.isOpen())
        return;
    for (const QString& tabla : tablas) {
        QString nombre = tabla;
        nombre.replace(QLatin1Char('"'), QStringLiteral("\"\""));
        try {
            conexion.execute(QStringLiteral("DROP TABLE IF EXISTS temp.\"") + nombre + QLatin1Char('"'));
        } catch (const adodb::ComError&) {
            conexion.errors().clear();
        }
    }
}
