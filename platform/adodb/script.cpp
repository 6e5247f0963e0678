#include "platform/adodb/adodb.h"

#include <sqlite3.h>

namespace adodb {

QStringList splitStatements(const QString& script)
{
    // A statement ends at a semicolon that SQLite's own tokenizer calls complete, so that quotes,
    // comments and trigger bodies keep theirs.
    QStringList out;
    QString current;
    const QStringList pieces = script.split(QLatin1Char(';'));
    for (int i = 0; i < pieces.size(); ++i) {
        current += pieces.at(i);
        const bool last = i == pieces.size() - 1;
        if (!last)
            current += QLatin1Char(';');
        if (last || sqlite3_complete(current.toUtf8().constData())) {
            if (!current.trimmed().isEmpty() && current.trimmed() != QLatin1String(";"))
                out << current.trimmed();
            current.clear();
        }
    }
    return out;
}

} // namespace adodb
