#include "platform/grid/formula.h"

#include <QRegularExpression>

namespace grid {

namespace {

int columnNumber(const QString& letters)
{
    int n = 0;
    for (const QChar c : letters)
        n = n * 26 + (c.toUpper().unicode() - 'A' + 1);
    return n;
}

} // namespace

std::optional<CellRange> parseSumFormula(const QString& formula)
{
    static const QRegularExpression pattern(
        QStringLiteral("^\\s*SUM\\s*\\(\\s*([A-Z]{1,2})(\\d+)\\s*:\\s*([A-Z]{1,2})(\\d+)\\s*\\)\\s*$"),
        QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch m = pattern.match(formula);
    if (!m.hasMatch())
        return std::nullopt;
    return CellRange{m.captured(2).toInt(), columnNumber(m.captured(1)), m.captured(4).toInt(),
                     columnNumber(m.captured(3))};
}

} // namespace grid
