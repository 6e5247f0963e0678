#include "platform/adodb/criteria.h"
#include "platform/adodb/adodb.h"

#include <QDateTime>

namespace adodb {

namespace {

[[noreturn]] void badCriteria(const QString& text)
{
    throw ComError(err::BadArgument, QStringLiteral("El criterio de búsqueda no es válido: %1").arg(text));
}

bool likeFrom(const QString& p, int pi, const QString& t, int ti, QChar escape)
{
    while (pi < p.size()) {
        const QChar c = p.at(pi);
        if (!escape.isNull() && c == escape && pi + 1 < p.size()) {
            if (ti >= t.size() || t.at(ti) != p.at(pi + 1))
                return false;
            pi += 2;
            ++ti;
            continue;
        }
        if (c == QLatin1Char('%')) {
            while (pi < p.size() && p.at(pi) == QLatin1Char('%'))
                ++pi;
            if (pi == p.size())
                return true;
            for (int k = ti; k <= t.size(); ++k)
                if (likeFrom(p, pi, t, k, escape))
                    return true;
            return false;
        }
        if (ti >= t.size())
            return false;
        if (c != QLatin1Char('_') && c != t.at(ti))
            return false;
        ++pi;
        ++ti;
    }
    return ti == t.size();
}

int compareValues(const QVariant& a, const QVariant& b)
{
    bool okA = false, okB = false;
    const double x = a.toDouble(&okA);
    const double y = b.toDouble(&okB);
    if (okA && okB && a.metaType().id() != QMetaType::QString)
        return x < y ? -1 : (x > y ? 1 : 0);
    if (a.metaType().id() == QMetaType::QDateTime || b.metaType().id() == QMetaType::QDateTime) {
        const QDateTime da = a.toDateTime(), db = b.toDateTime();
        return da < db ? -1 : (da > db ? 1 : 0);
    }
    return QString::compare(foldCase(a.toString()), foldCase(b.toString()));
}

} // namespace

QString foldCase(const QString& text)
{
    return text.toUpper();
}

bool likeMatch(const QString& pattern, const QString& text, QChar escape)
{
    return likeFrom(foldCase(pattern), 0, foldCase(text), 0, escape.isNull() ? escape : escape.toUpper());
}

Criteria Criteria::parse(const QString& text)
{
    Criteria c;
    QString s = text.trimmed();
    int i = 0;
    if (s.startsWith(QLatin1Char('['))) {
        const int close = s.indexOf(QLatin1Char(']'));
        if (close < 0) badCriteria(text);
        c.column = s.mid(1, close - 1);
        i = close + 1;
    } else {
        while (i < s.size() && (s.at(i).isLetterOrNumber() || s.at(i) == QLatin1Char('_') || s.at(i) == QLatin1Char('.')))
            ++i;
        c.column = s.left(i);
        if (c.column.contains(QLatin1Char('.')))
            c.column = c.column.section(QLatin1Char('.'), -1);
    }
    if (c.column.isEmpty()) badCriteria(text);
    while (i < s.size() && s.at(i).isSpace()) ++i;
    static const char* ops[] = {"<>", "!=", "<=", ">=", "=", "<", ">"};
    for (const char* op : ops) {
        if (s.mid(i).startsWith(QLatin1String(op))) {
            c.op = QLatin1String(op);
            break;
        }
    }
    if (c.op.isEmpty() && s.mid(i, 4).compare(QLatin1String("LIKE"), Qt::CaseInsensitive) == 0
        && (i + 4 >= s.size() || s.at(i + 4).isSpace() || s.at(i + 4) == QLatin1Char('\'')))
        c.op = QStringLiteral("LIKE");
    if (c.op.isEmpty()) badCriteria(text);
    if (c.op == QLatin1String("!=")) c.op = QStringLiteral("<>");
    i += int(c.op.size());
    const QString raw = s.mid(i).trimmed();
    if (raw.startsWith(QLatin1Char('\''))) {
        if (raw.size() < 2 || !raw.endsWith(QLatin1Char('\''))) badCriteria(text);
        QString v = raw.mid(1, raw.size() - 2);
        v.replace(QStringLiteral("''"), QStringLiteral("'"));
        c.value = v;
    } else if (raw.startsWith(QLatin1Char('#')) && raw.endsWith(QLatin1Char('#')) && raw.size() > 2) {
        const QString d = raw.mid(1, raw.size() - 2);
        QDateTime dt = QDateTime::fromString(d, Qt::ISODate);
        if (!dt.isValid()) dt = QDateTime(QDate::fromString(d, QStringLiteral("d/M/yyyy")), QTime(0, 0));
        if (!dt.isValid()) badCriteria(text);
        c.value = dt;
    } else if (raw.compare(QLatin1String("NULL"), Qt::CaseInsensitive) == 0) {
        c.value = QVariant();
    } else {
        bool ok = false;
        const double n = raw.toDouble(&ok);
        if (!ok) badCriteria(text);
        c.value = n;
    }
    if (c.op == QLatin1String("LIKE")) {
        QString pattern = c.value.toString();
        pattern.replace(QLatin1Char('*'), QLatin1Char('%'));
        c.value = pattern;
    }
    return c;
}

bool Criteria::matches(const QVariant& fieldValue) const
{
    const bool fieldNull = !fieldValue.isValid() || fieldValue.isNull();
    if (!value.isValid() || value.isNull()) {
        if (op == QLatin1String("=")) return fieldNull;
        if (op == QLatin1String("<>")) return !fieldNull;
        return false;
    }
    if (fieldNull)
        return false;
    if (op == QLatin1String("LIKE"))
        return likeMatch(value.toString(), fieldValue.toString());
    const int cmp = compareValues(fieldValue, value);
    if (op == QLatin1String("=")) return cmp == 0;
    if (op == QLatin1String("<>")) return cmp != 0;
    if (op == QLatin1String("<")) return cmp < 0;
    if (op == QLatin1String(">")) return cmp > 0;
    if (op == QLatin1String("<=")) return cmp <= 0;
    return cmp >= 0;
}

} // namespace adodb
