#pragma once

#include <QDateTime>
#include <QString>

// Spanish month and day names from our own tables, so that no text depends on the machine's locale.
namespace spanish {

// "enero" .. "diciembre" for 1..12; "" outside.
QString monthName(int month);
// "ene" .. "dic".
QString monthAbbreviation(int month);
// "lunes" .. "domingo" for Qt's day of week 1 (Monday) .. 7 (Sunday); "" outside.
QString dayName(int dayOfWeek);
// "lun" .. "dom".
QString dayAbbreviation(int dayOfWeek);

// Formats a moment with the system's date pattern letters, as its print-outs write them:
//   d dd ddd dddd (day, two digits, day abbreviation, day name), m mm mmm mmmm (month, likewise),
//   yy yyyy, h hh (24-hour), n nn (minutes), s ss; "m"/"mm" right after an hour or right before
//   seconds mean minutes; "/" is the date separator "/" and ":" the time separator; text between
//   double quotes and a character after a backslash are copied as they are, as is any other character.
//   "dd//mmmm//yyyy hh:mm:ss" gives "05//julio//2021 14:03:22".
QString formatDateTime(const QDateTime& moment, const QString& pattern);

} // namespace spanish
