#include "foundation/routines/zorva_funciones.h"
#include "foundation/database/cls_ado.h"

#include <QComboBox>

QString DuplicaComillas(const QString& texto)
{
    QString resultado = texto;
    resultado.replace(QLatin1Char('\''), QStringLiteral("''"));
    return resultado;
}

QString ComodinAPorcentaje(const QString& texto)
{
    QString resultado = texto;
    resultado.replace(QLatin1Char('*'), QLatin1Char('%'));
    return resultado;
}

void LlenaCombo(QComboBox* combo, const QString& consulta)
{
    adodb::Recordset rs;
    g_ClsAdo().Establece_consulta(rs, consulta);
    if (!rs.isOpen())
        throw adodb::ComError(adodb::err::ObjectClosed, QStringLiteral("No se pudo abrir la consulta: ") + consulta);
    for (int fila = 0; fila < rs.recordCount(); ++fila) {
        combo->addItem(rs.cell(fila, 0).toString());
        combo->setItemData(combo->count() - 1, rs.cell(fila, 1).toInt());
    }
    rs.close();
}

QString BuscaValor(const QString& tabla, const QString& columna, const QString& condicion)
{
    QString expresion;
    QString leer;
    const int alias = columna.toUpper().indexOf(QLatin1String(" AS"));
    if (alias >= 0) {
        expresion = columna.left(alias + 1) + QStringLiteral(" AS _RESULT");
        leer = QStringLiteral("_RESULT");
    } else if (!columna.contains(QLatin1Char('.'))) {
        expresion = columna;
        leer = columna;
    } else {
        expresion = columna + QStringLiteral(" AS _RESULT");
        leer = QStringLiteral("_RESULT");
    }
    QString sql = QStringLiteral("SELECT ") + expresion;
    if (!tabla.isEmpty())
        sql += QStringLiteral(" FROM ") + tabla;
    if (!condicion.isEmpty())
        sql += QStringLiteral(" WHERE ") + condicion;

    adodb::Recordset rs;
    g_ClsAdo().Establece_consulta(rs, sql);
    if (!rs.isOpen())
        throw adodb::ComError(adodb::err::ObjectClosed, QStringLiteral("No se pudo abrir la consulta: ") + sql);
    QString valor;
    if (rs.recordCount() > 0) {
        const QVariant v = rs.value(leer);
        if (v.isValid() && !v.isNull())
            valor = v.metaType().id() == QMetaType::Bool ? QString::number(v.toBool() ? 1 : 0) : v.toString();
    }
    rs.close();
    return valor;
}
