#include "reports/lista_ids.h"

#include <QStringList>

QString ListaIds::texto() const
{
    QStringList partes;
    for (const qint64 id : ids)
        partes << QString::number(id);
    return partes.join(QLatin1Char(','));
}

ListaIds parseaListaIds(const QString& texto)
{
    ListaIds lista;
    for (const QString& parte : texto.split(QLatin1Char(','))) {
        const QString item = parte.trimmed();
        if (item.isEmpty())
            continue;
        bool digitos = true;
        for (const QChar c : item)
            digitos = digitos && c >= QLatin1Char('0') && c <= QLatin1Char('9');
        bool ok = false;
        const qint64 id = digitos ? item.toLongLong(&ok) : 0;
        // A refused list is a new, empty one: an emptied list keeps its buffer, and Qt's comparison
        // of that with a list that has none hands memcmp a null pointer.
        if (!ok) {
            ListaIds rechazada;
            rechazada.invalido = item;
            return rechazada;
        }
        lista.ids << id;
    }
    return lista;
}
