#pragma once

#include <QDateTime>
#include <QTimeZone>

namespace morvane {

// A date-time as the rename items keep it: days since 1899-12-30 00:00 as a
// double, the fraction the time of day. File times are kept in UTC.
using DateTime = double;

// Days from 1899-12-30 to the Unix epoch 1970-01-01.
inline constexpr double kUnixEpochDays = 25569.0;

DateTime dateTimeFromQt(const QDateTime &utc); // any QDateTime; its instant in UTC
// A UTC QDateTime of that instant, to the millisecond. A value that is not a
// finite day count within the years 1..9999 gives the zero date-time.
QDateTime qtFromUtcDateTime(DateTime utc);
// A file time (seconds and nanoseconds since the Unix epoch, UTC).
DateTime dateTimeFromUnix(qint64 seconds, qint64 nanoseconds);
// The local wall-clock time of a UTC date-time under the given zone's rules (daylight saving included).
QDateTime localFromUtc(DateTime utc, const QTimeZone &zone);
// The same wall-clock reading as a QDateTime in UTC whose date and time are
// that reading: for formatting its fields, many times over, without the zone.
QDateTime wallClockFromUtc(DateTime utc, const QTimeZone &zone);

} // namespace morvane
