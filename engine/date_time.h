#pragma once

#include <QDateTime>
#include <QTimeZone>

// A date-time as the rename items keep it: days since 1899-12-30 00:00 as a
// double, the fraction the time of day. File times are kept in UTC.
using TDateTime = double;

TDateTime DateTimeFromQt(const QDateTime &utc);   // any QDateTime; its instant in UTC
QDateTime QtFromUtcDateTime(TDateTime utc);       // a UTC QDateTime of that instant
// The local wall-clock time of a UTC date-time under the given zone's rules (daylight saving included).
QDateTime LocalFromUtc(TDateTime utc, const QTimeZone &zone);
