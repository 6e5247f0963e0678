#include "platform/clock/clock.h"

namespace appclock {

namespace {

// Only the user-interface thread reads and sets the clock.
QDateTime& fixedMoment()
{
    static QDateTime moment;
    return moment;
}

} // namespace

QDateTime now()
{
    const QDateTime& fixed = fixedMoment();
    return fixed.isValid() ? fixed : QDateTime::currentDateTime();
}

void setNow(const QDateTime& moment)
{
    fixedMoment() = moment;
}

void reset()
{
    fixedMoment() = QDateTime();
}

} // namespace appclock
