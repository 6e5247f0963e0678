// Naming the detail row that the database refused as a repeat of another.
#include "catalog/detail_grid.h"
#include "platform/grid/grid.h"

#include <QSet>

QString DetailGrid::repeatedRowMessage() const
{
    QSet<QString> vistas;
    for (int row = 1; row <= m_grid->rowCount(); ++row) {
        if (!writable(row) || rowState(row) == QLatin1String("B"))
            continue;
        QVariantList partes;
        for (const DetailField& field : m_fields)
            if (field.key)
                partes << cellValue(field, row, field.column);
        if (partes.isEmpty())
            return QString();
        const QString llave = keyText(partes);
        if (!vistas.contains(llave)) {
            vistas.insert(llave);
            continue;
        }
        // The row as the user sees it: its name, or the entry picked in its list, or its key.
        int columna = m_nameColumn;
        if (columna == 0 && !m_combos.isEmpty())
            columna = m_combos.first().column;
        if (columna == 0)
            columna = m_keyColumn;
        const QString nombre = columna > 0 ? m_grid->text(row, columna).trimmed() : QString();
        return nombre.isEmpty() ? QStringLiteral("Hay dos renglones iguales: el renglón %1 repite otro").arg(row)
                                : QStringLiteral("Hay dos renglones de ") + nombre;
    }
    return QString();
}
