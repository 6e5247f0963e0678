#include "foundation/dialogs/filter_sql.h"

#include "foundation/routines/zorva_funciones.h"

#include <QRegularExpression>

namespace filtersql {

namespace {

const QString kParecido = QStringLiteral("Parecido");
const QString kEntre = QStringLiteral("Entre");

QString quoted(const QString& text)
{
    return QLatin1Char('\'') + DuplicaComillas(text) + QLatin1Char('\'');
}

} // namespace

QStringList operators()
{
    return {QStringLiteral("="), QStringLiteral("<"), QStringLiteral("<="), QStringLiteral(">="),
            QStringLiteral(">"), QStringLiteral("<>"), kParecido, kEntre};
}

QString conditionColumn(const QString& filterExpression)
{
    if (!filterExpression.contains(QLatin1String("CASE")))
        return filterExpression;
    const qsizetype first = filterExpression.indexOf(QLatin1Char(' '));
    if (first < 0)
        return filterExpression;
    const qsizetype next = filterExpression.indexOf(QLatin1Char(' '), first + 1);
    return next < 0 ? filterExpression.mid(first + 1) : filterExpression.mid(first + 1, next - first);
}

QString fromClauseAlone(const QString& fromClause)
{
    return fromClause.endsWith(QLatin1String(" WHERE")) ? fromClause.chopped(6) : fromClause;
}

std::optional<QString> wholeNumber(const QString& typed)
{
    static const QRegularExpression digits(QStringLiteral("^[+-]?[0-9]+$"));
    const QString text = typed.trimmed();
    if (!digits.match(text).hasMatch())
        return std::nullopt;
    bool ok = false;
    const qlonglong number = text.toLongLong(&ok);
    if (!ok)
        return std::nullopt;
    return QString::number(number);
}

std::optional<QString> conditionText(const QString& op, const QString& column, const QString& value,
                                     const QString& secondValue, bool integerColumn)
{
    if (!operators().contains(op))
        return std::nullopt;
    if (op == kParecido) {
        if (integerColumn)
            return std::nullopt;
        return column + QStringLiteral(" LIKE ") + quoted(ComodinAPorcentaje(value));
    }
    if (op == kEntre && secondValue.isEmpty())
        return std::nullopt;
    if (!integerColumn) {
        if (op == kEntre)
            return column + QStringLiteral(" BETWEEN ") + quoted(value) + QStringLiteral(" AND ") + quoted(secondValue);
        return column + op + quoted(value);
    }
    const std::optional<QString> first = wholeNumber(value);
    if (!first)
        return std::nullopt;
    if (op != kEntre)
        return column + op + *first;
    const std::optional<QString> second = wholeNumber(secondValue);
    if (!second)
        return std::nullopt;
    return column + QStringLiteral(" BETWEEN ") + *first + QStringLiteral(" AND ") + *second;
}

std::optional<TypedDate> typedDate(const QString& typed)
{
    const QString text = typed.simplified();
    for (const char* pattern : {"d/M/yyyy", "yyyy-MM-dd"}) {
        const QDate day = QDate::fromString(text, QLatin1String(pattern));
        if (day.isValid())
            return TypedDate{QDateTime(day, QTime(0, 0)), false};
    }
    for (const char* pattern : {"d/M/yyyy H:mm:ss", "d/M/yyyy H:mm", "yyyy-MM-dd H:mm:ss", "yyyy-MM-dd H:mm"}) {
        const QDateTime moment = QDateTime::fromString(text, QLatin1String(pattern));
        if (moment.isValid())
            return TypedDate{moment, true};
    }
    return std::nullopt;
}

namespace {

QString isoDay(const QDateTime& moment)
{
    return quoted(moment.toString(QStringLiteral("yyyy-MM-dd")));
}

QString isoStamp(const QDateTime& moment)
{
    return quoted(moment.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")));
}

} // namespace

std::optional<QString> dateConditionText(const QString& op, const QString& column, const QString& value,
                                         const QString& secondValue)
{
    if (!operators().contains(op))
        return std::nullopt;
    const QString stamp = column.trimmed();
    if (op == kParecido) {
        const QString shown = QStringLiteral("CASE WHEN time(%1)='00:00:00' THEN strftime('%d/%m/%Y',%1) "
                                             "ELSE strftime('%d/%m/%Y %H:%M:%S',%1) END")
                                  .arg(stamp);
        return shown + QStringLiteral(" LIKE ") + quoted(ComodinAPorcentaje(value));
    }
    const std::optional<TypedDate> first = typedDate(value);
    if (!first)
        return std::nullopt;
    const QString day = QStringLiteral("date(") + stamp + QLatin1Char(')');
    if (op != kEntre)
        return first->withTime ? stamp + op + isoStamp(first->moment) : day + op + isoDay(first->moment);
    const std::optional<TypedDate> second = typedDate(secondValue);
    if (!second)
        return std::nullopt;
    if (!first->withTime && !second->withTime)
        return day + QStringLiteral(" BETWEEN ") + isoDay(first->moment) + QStringLiteral(" AND ")
               + isoDay(second->moment);
    // A day at either end counts whole.
    const QDateTime to = second->withTime ? second->moment : QDateTime(second->moment.date(), QTime(23, 59, 59));
    return stamp + QStringLiteral(" BETWEEN ") + isoStamp(first->moment) + QStringLiteral(" AND ") + isoStamp(to);
}

QString conditionJoin(const QString& statement)
{
    if (!statement.contains(QLatin1String("WHERE")))
        return QStringLiteral(" WHERE ");
    if (!statement.trimmed().toUpper().endsWith(QLatin1String("WHERE")))
        return QStringLiteral(" AND ");
    return QString();
}

QString withoutTrailingWhere(const QString& statement)
{
    if (statement.right(6).trimmed() == QLatin1String("WHERE"))
        return statement.chopped(6);
    return statement;
}

} // namespace filtersql
