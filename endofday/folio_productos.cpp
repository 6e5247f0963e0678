#include "endofday/folio_productos.h"

#include "endofday/copia_terminal.h"
#include "foundation/database/cls_ado.h"
#include "platform/adodb/adodb.h"

#include <QFileInfo>
#include <QStringList>

#include <limits>

#include <sqlite3.h>

namespace findia {

namespace {

// SQL for the largest folio of the keys in column `clave` of `tabla` that begin with the digits.
QString mayorFolio(const QString& digitos, const QString& tabla, const QString& extra = QString())
{
    const QString n = QString::number(digitos.size());
    return QStringLiteral("SELECT MAX(CAST(substr(CAST(p.ID_ProductosXCuenta AS TEXT),") + n
           + QStringLiteral("+1) AS INTEGER)) FROM ") + tabla
           + QStringLiteral(" p WHERE substr(CAST(p.ID_ProductosXCuenta AS TEXT),1,") + n + QStringLiteral(")='") + digitos
           + QStringLiteral("' AND length(CAST(p.ID_ProductosXCuenta AS TEXT))>") + n + extra;
}

// The same for a terminal's copy, by ranges of the key: the keys of L digits that begin with the
// terminal's are one range of numbers, where the folio is the key less the range's start. One look
// at the key's index per length, not a reading of every item.
QString mayorFolioPorRangos(qint64 idTerminal, const QString& tabla)
{
    const int n = int(QString::number(idTerminal).size());
    QStringList partes;
    qint64 escala = 1;
    for (int largo = n + 1; largo <= 19; ++largo) {
        if (escala > std::numeric_limits<qint64>::max() / 10 / (idTerminal + 1))
            break;
        escala *= 10;
        const qint64 desde = idTerminal * escala;
        const qint64 hasta = (idTerminal + 1) * escala - 1;
        partes << QStringLiteral("SELECT MAX(ID_ProductosXCuenta)-%1 AS f FROM %2 WHERE ID_ProductosXCuenta BETWEEN %1 AND %3")
                      .arg(desde)
                      .arg(tabla)
                      .arg(hasta);
    }
    return QStringLiteral("SELECT MAX(f) FROM (") + partes.join(QStringLiteral(" UNION ALL ")) + QLatin1Char(')');
}

std::optional<qint64> valor(const adodb::Recordset& rs)
{
    if (rs.isNull() || rs.recordCount() == 0 || rs.cell(0, 0).isNull())
        return std::nullopt;
    return rs.cell(0, 0).toLongLong();
}

} // namespace

std::optional<qint64> MayorFolioEnCopia(qint64 idTerminal, const QString& rutaCopia)
{
    if (rutaCopia.isEmpty() || !QFileInfo(rutaCopia).isFile())
        return std::nullopt;
    const CopiaTerminal copia(rutaCopia);
    copia.columnas(QStringLiteral("ProductosXCuenta"));
    const QByteArray sql = mayorFolioPorRangos(idTerminal, QStringLiteral("main.ProductosXCuenta")).toUtf8();
    sqlite3_stmt* s = nullptr;
    if (sqlite3_prepare_v2(copia.db(), sql.constData(), int(sql.size()), &s, nullptr) != SQLITE_OK)
        copia.falla(QStringLiteral("leer los folios"));
    const int rc = sqlite3_step(s);
    std::optional<qint64> mayor;
    if (rc == SQLITE_ROW && sqlite3_column_type(s, 0) != SQLITE_NULL)
        mayor = sqlite3_column_int64(s, 0);
    sqlite3_finalize(s);
    if (rc != SQLITE_ROW)
        copia.falla(QStringLiteral("leer los folios"));
    return mayor;
}

qint64 FolioProductosX(qint64 idTerminal, const QString& rutaCopia, std::optional<qint64> folioEnviado)
{
    std::optional<qint64> mayor = MayorFolioEnCopia(idTerminal, rutaCopia);
    if (!mayor && !folioEnviado) {
        const QString digitos = QString::number(idTerminal);
        const QString n = QString::number(digitos.size());
        mayor = valor(g_ClsAdo().conexion().execute(mayorFolio(
            digitos, QStringLiteral("ProductosXCuenta"),
            QStringLiteral(" AND NOT EXISTS (SELECT 1 FROM Terminal x WHERE length(CAST(x.ID_Terminal AS TEXT))>") + n
                + QStringLiteral(" AND substr(CAST(x.ID_Terminal AS TEXT),1,") + n + QStringLiteral(")='") + digitos
                + QStringLiteral("' AND substr(CAST(p.ID_ProductosXCuenta AS TEXT),1,length(CAST(x.ID_Terminal AS TEXT)))"
                                 "=CAST(x.ID_Terminal AS TEXT))"))));
    }
    qint64 folio = mayor ? *mayor + 1 : 1;
    if (folioEnviado && *folioEnviado > folio)
        folio = *folioEnviado;
    return folio;
}

} // namespace findia
