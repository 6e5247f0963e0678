#pragma once

#include <QDateTime>

// The program's one source of "now": every time stamp, file date and working date is read here, so
// that tests can fix the moment. The namespace is not called "clock" because that name is taken by
// the C library's clock().
namespace appclock {

// The local date and time: the real one, or the moment fixed by setNow().
QDateTime now();

// Freezes now() at the given moment until reset() or the next setNow().
void setNow(const QDateTime& moment);

// Returns now() to the real time.
void reset();

} // namespace appclock
