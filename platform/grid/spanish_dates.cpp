#include "platform/grid/spanish_dates.h"

#include <QStringList>

namespace spanish {

namespace {

const QStringList& months()
{
    static const QStringList names = {
        QStringLiteral("enero"), QStringLiteral("febrero"), QStringLiteral("marzo"),
        QStringLiteral("abril"), QStringLiteral("mayo"), QStringLiteral("junio"),
        QStringLiteral("julio"), QStringLiteral("agosto"), QStringLiteral("septiembre"),
        QStringLiteral("octubre"), QStringLiteral("noviembre"), QStringLiteral("diciembre")};
    return names;
}

const QStringList& days()
{
    static const QStringList names = {
        QStringLiteral("lunes"), QStringLiteral("martes"), QStringLiteral("miércoles"),
        QStringLiteral("jueves"), QStringLiteral("viernes"), QStringLiteral("sábado"),
        QStringLiteral("domingo")};
    return names;
}

// The next pattern letter after position i (skipping separators and literals), or 0.
QChar nextLetter(const QString& pattern, int i)
{
    for (; i < pattern.size(); ++i) {
        const QChar c = pattern.at(i).toLower();
        if (QStringLiteral("dmyhns").contains(c))
            return c;
    }
    return QChar();
}

QString twoDigits(int n)
{
    return QString::number(n).rightJustified(2, QLatin1Char('0'));
}

QString dayToken(const QDate& date, int run)
{
    switch (run) {
    case 1: return QString::number(date.day());
    case 2: return twoDigits(date.day());
    case 3: return dayAbbreviation(date.dayOfWeek());
    default: return dayName(date.dayOfWeek());
    }
}

QString monthToken(const QDate& date, int run)
{
    switch (run) {
    case 1: return QString::number(date.month());
    case 2: return twoDigits(date.month());
    case 3: return monthAbbreviation(date.month());
    default: return monthName(date.month());
    }
}

} // namespace

QString monthName(int month)
{
    return months().value(month - 1);
}

QString monthAbbreviation(int month)
{
    return monthName(month).left(3);
}

QString dayName(int dayOfWeek)
{
    return days().value(dayOfWeek - 1);
}

QString dayAbbreviation(int dayOfWeek)
{
    return dayName(dayOfWeek).left(3);
}

QString formatDateTime(const QDateTime& moment, const QString& pattern)
{
    const QDate date = moment.date();
    const QTime time = moment.time();
    QString out;
    QChar previous;  // the last letter token written
    int i = 0;
    while (i < pattern.size()) {
        if (pattern.at(i) == QLatin1Char('"')) {
            const int close = pattern.indexOf(QLatin1Char('"'), i + 1);
            const int end = close < 0 ? int(pattern.size()) : close;
            out += pattern.mid(i + 1, end - i - 1);
            i = end + 1;
            continue;
        }
        if (pattern.at(i) == QLatin1Char('\\') && i + 1 < pattern.size()) {
            out += pattern.at(i + 1);
            i += 2;
            continue;
        }
        const QChar c = pattern.at(i).toLower();
        int run = 1;
        while (i + run < pattern.size() && pattern.at(i + run).toLower() == c)
            ++run;
        switch (c.unicode()) {
        case 'd':
            out += dayToken(date, run);
            break;
        case 'm':
            if (run <= 2 && (previous == QLatin1Char('h') || nextLetter(pattern, i + run) == QLatin1Char('s')))
                out += run == 1 ? QString::number(time.minute()) : twoDigits(time.minute());
            else
                out += monthToken(date, run);
            break;
        case 'y':
            out += run <= 2 ? twoDigits(date.year() % 100) : QString::number(date.year());
            break;
        case 'h':
            out += run == 1 ? QString::number(time.hour()) : twoDigits(time.hour());
            break;
        case 'n':
            out += run == 1 ? QString::number(time.minute()) : twoDigits(time.minute());
            break;
        case 's':
            out += run == 1 ? QString::number(time.second()) : twoDigits(time.second());
            break;
        default:
            out += pattern.mid(i, run);
            i += run;
            continue;
        }
        previous = c;
        i += run;
    }
    return out;
}

} // namespace spanish
