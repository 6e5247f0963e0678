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
