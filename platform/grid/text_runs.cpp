#include "platform/grid/text_runs.h"

#include <QRegularExpression>

namespace grid {

namespace {

// Takes the free neighbour at `next` into the run when there is one; false when there is none.
bool take(const QList<RunCell>& cells, QList<bool>& taken, int next, TextRun& run)
{
    if (next < 0 || next >= cells.size() || taken.at(next) || !cells.at(next).empty)
        return false;
    taken[next] = true;
    run.width += cells.at(next).width;
    run.first = qMin(run.first, next);
    run.last = qMax(run.last, next);
    return true;
}

} // namespace

QList<TextRun> layTextRuns(const QList<RunCell>& cells)
{
    QList<TextRun> runs;
    runs.reserve(cells.size());
    QList<bool> taken(cells.size(), false);
    for (int i = 0; i < cells.size(); ++i) {
        const RunCell& cell = cells.at(i);
        TextRun run{i, i, cell.width, true};
        if (!cell.empty)
            taken[i] = true;
        if (cell.needed > run.width && cell.spills) {
            const Qt::Alignment side = cell.alignment & Qt::AlignHorizontal_Mask;
            const bool centred = side & Qt::AlignHCenter;
            bool canRight = !(side & Qt::AlignRight);
            bool canLeft = (side & Qt::AlignRight) || centred;
            // A centred text grows one cell to each side in turn.
            bool goRight = canRight;
            while (run.width < cell.needed && (canRight || canLeft)) {
                if ((goRight && canRight) || !canLeft)
                    canRight = take(cells, taken, run.last + 1, run);
                else
                    canLeft = take(cells, taken, run.first - 1, run);
                if (centred)
                    goRight = !goRight;
            }
        }
        run.fits = cell.needed <= run.width + 0.01;
        runs.append(run);
    }
    return runs;
}

bool staysInCell(CellType type, const QString& text)
{
    switch (type) {
    case CellType::Integer: case CellType::Number: case CellType::Currency: case CellType::Percent:
    case CellType::Date: case CellType::Time:
        return true;
    case CellType::CheckBox: case CellType::Button:
        return true;
    default:
        break;
    }
    static const QRegularExpression number(QStringLiteral("^\\s*[-+]?\\s*\\$?\\s*[-+]?[0-9,]*\\.?[0-9]+\\s*%?\\s*$"));
    return number.match(text).hasMatch();
}

} // namespace grid
