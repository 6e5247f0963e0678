#pragma once

#include <QDateTime>
#include <QString>
#include <QStringList>

#include <optional>

// The pieces of the filter dialog's statement. Kept apart from the window so that every operator
// and every refused value can be checked without one.
namespace filtersql {

// The operators of the condition list, in the list's order: "=", "<", "<=", ">=", ">", "<>",
// "Parecido", "Entre".
QStringList operators();

// The column a condition applies to. A filter expression that shows codes as words ("CASE Estado
// WHEN 'A' THEN 'Activo' ... END AS Estado") is filtered on its stored code column, the word after
// CASE followed by one blank ("Estado "); any other expression is its own column.
QString conditionColumn(const QString& filterExpression);

// The from-clause without a trailing " WHERE", for statements that add no condition of their own.
QString fromClauseAlone(const QString& fromClause);

// The text typed for an integer column as a number for SQL ("+5 " gives "5"); nothing when it is
// not a whole number, so that no typed text reaches the statement unquoted.
std::optional<QString> wholeNumber(const QString& typed);

// The condition text of an operator for col: col=5, col='abc', col LIKE 'ab%', col BETWEEN 1 AND 9.
// Nothing when the values cannot make a sound condition: a value that is not a whole number for an
// integer column, "Parecido" on an integer column, "Entre" without its second value.
std::optional<QString> conditionText(const QString& op, const QString& column, const QString& value,
                                     const QString& secondValue, bool integerColumn);

// A date typed for a date column: as the result grid shows it, day first ("5/7/2021",
// "05/07/2021 14:03:22"), or as it is stored ("2021-07-05", "2021-07-05 14:03:22"). Nothing for any
// other text.
struct TypedDate {
    QDateTime moment;
    bool withTime = false;
};
std::optional<TypedDate> typedDate(const QString& typed);

// The condition text of an operator for a date column, whose values are stored "yyyy-mm-dd hh:mm:ss"
// and shown day first. A date without a time compares the day (date(col)='2021-07-05'), one with a
// time the whole stamp; "Entre" takes whole days at its ends; "Parecido" matches the pattern against
// the text the grid shows. Nothing when a value is not a date or "Entre" lacks its second value.
std::optional<QString> dateConditionText(const QString& op, const QString& column, const QString& value,
                                         const QString& secondValue);

// What joins the next condition to the statement: " WHERE " when it has none, " AND " after
// conditions of its own, nothing right after a trailing WHERE.
QString conditionJoin(const QString& statement);

// The statement without a trailing WHERE that received no condition.
QString withoutTrailingWhere(const QString& statement);

} // namespace filtersql
