#include "reports/valor_campo.h"

double numeroCampo(const adodb::Recordset& rs, const QString& campo)
{
    const QVariant v = rs.field(campo).value();
    return v.isNull() ? 0.0 : v.toDouble();
}
