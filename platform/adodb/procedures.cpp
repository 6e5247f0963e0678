#include "platform/adodb/internal.h"

#include <QHash>

namespace adodb {

namespace {

QHash<QString, Procedure>& registry()
{
    static QHash<QString, Procedure> procedures = [] {
        QHash<QString, Procedure> p;
        // The server's login procedures: this engine has no logins, so there is nothing to list
        // or drop.
        const Procedure nothing = [](Connection&, const QVariantList&) { return Recordset(); };
        p.insert(QStringLiteral("SP_WHO"), nothing);
        p.insert(QStringLiteral("SP_DROPUSER"), nothing);
        p.insert(QStringLiteral("SP_DROPLOGIN"), nothing);
        return p;
    }();
    return procedures;
}

QString bareName(QString name)
{
    name = name.trimmed();
    if (name.startsWith(QLatin1Char('[')) && name.endsWith(QLatin1Char(']')))
        name = name.mid(1, name.size() - 2);
    if (name.contains(QLatin1Char('.')))
        name = name.section(QLatin1Char('.'), -1);
    if (name.startsWith(QLatin1Char('[')) && name.endsWith(QLatin1Char(']')))
        name = name.mid(1, name.size() - 2);
    return name.toUpper();
}

QVariant parseArgument(QString raw)
{
    raw = raw.trimmed();
    // "@Parametro = valor": the name only says which parameter.
    if (raw.startsWith(QLatin1Char('@'))) {
        const int eq = raw.indexOf(QLatin1Char('='));
        if (eq > 0)
            raw = raw.mid(eq + 1).trimmed();
    }
    if (raw.startsWith(QLatin1Char('N')) && raw.size() > 1 && raw.at(1) == QLatin1Char('\''))
        raw = raw.mid(1);
    if (raw.startsWith(QLatin1Char('\''))) {
        QString v = raw.mid(1, raw.endsWith(QLatin1Char('\'')) && raw.size() > 1 ? raw.size() - 2 : raw.size() - 1);
        v.replace(QStringLiteral("''"), QStringLiteral("'"));
        return v;
    }
    if (raw.compare(QLatin1String("NULL"), Qt::CaseInsensitive) == 0 || raw.isEmpty())
        return QVariant();
    bool ok = false;
    const qlonglong whole = raw.toLongLong(&ok);
    if (ok)
        return whole;
    const double number = raw.toDouble(&ok);
    if (ok)
        return number;
    return raw;
}

QVariantList parseArguments(const QString& text)
{
    QVariantList out;
    QString current;
    bool inQuote = false;
    for (int i = 0; i < text.size(); ++i) {
        const QChar ch = text.at(i);
        if (ch == QLatin1Char('\'')) {
            inQuote = !inQuote;  // a doubled apostrophe toggles twice and stays inside
            current += ch;
        } else if (ch == QLatin1Char(',') && !inQuote) {
            out << parseArgument(current);
            current.clear();
        } else {
            current += ch;
        }
    }
    if (!current.trimmed().isEmpty() || !out.isEmpty())
        out << parseArgument(current);
    return out;
}

} // namespace

void Procedures::add(const QString& name, Procedure procedure)
{
    registry().insert(bareName(name), std::move(procedure));
}

bool Procedures::contains(const QString& name)
{
    return registry().contains(bareName(name));
}

Procedure Procedures::find(const QString& name)
{
    return registry().value(bareName(name));
}

void Procedures::raise(Connection& connection, const QString& message)
{
    raiseProvider(*connection.d, err::ProviderSyntax, native::RaisedByProcedure, QStringLiteral("42000"),
                  procedurePrefix() + message);
}

bool runProcedureCall(const std::shared_ptr<ConnectionData>& c, const QString& statement, Recordset* result)
{
    QString text = statement.trimmed();
    while (text.endsWith(QLatin1Char(';')))
        text.chop(1);
    bool exec = false;
    for (const QLatin1String keyword : {QLatin1String("EXECUTE"), QLatin1String("EXEC")}) {
        if (text.size() > keyword.size() && text.left(keyword.size()).compare(keyword, Qt::CaseInsensitive) == 0
            && text.at(keyword.size()).isSpace()) {
            text = text.mid(keyword.size()).trimmed();
            exec = true;
            break;
        }
    }
    int nameEnd = 0;
    while (nameEnd < text.size() && !text.at(nameEnd).isSpace())
        ++nameEnd;
    const QString name = text.left(nameEnd);
    const Procedure procedure = Procedures::find(name);
    if (!procedure) {
        if (!exec)
            return false;  // plain SQL
        Connection connection = wrapConnection(c);
        raiseProvider(*c, err::ProviderSyntax, 2812, QStringLiteral("42000"),
                      QStringLiteral("No se encontró el procedimiento almacenado '%1'.").arg(name));
    }
    Connection connection = wrapConnection(c);
    *result = procedure(connection, parseArguments(text.mid(nameEnd)));
    return true;
}

} // namespace adodb
