#include "engine/date_time.h"

#include <cmath>

namespace morvane {

namespace {
const QDateTime kEpoch(QDate(1899, 12, 30), QTime(0, 0), Qt::UTC);
constexpr double kMsPerDay = 86400000.0;
// 0001-01-01 and 10000-01-01 as day counts; outside them QDateTime has no use.
constexpr double kFirstDay = -693593.0;
constexpr double kLastDay = 2958466.0;
} // namespace

DateTime dateTimeFromQt(const QDateTime &dt)
{
    return double(kEpoch.msecsTo(dt)) / kMsPerDay;
}

QDateTime qtFromUtcDateTime(DateTime utc)
{
    if (!std::isfinite(utc) || utc < kFirstDay || utc >= kLastDay)
        return kEpoch;
    return kEpoch.addMSecs(qint64(std::llround(utc * kMsPerDay)));
}

DateTime dateTimeFromUnix(qint64 seconds, qint64 nanoseconds)
{
    // Whole days and the rest apart, so the fraction keeps its sub-second digits.
    const qint64 days = seconds / 86400;
    const qint64 rest = seconds % 86400;
    return kUnixEpochDays + double(days) + (double(rest) + double(nanoseconds) * 1e-9) / 86400.0;
}

QDateTime localFromUtc(DateTime utc, const QTimeZone &zone)
{
    return qtFromUtcDateTime(utc).toTimeZone(zone);
}

} // namespace morvane
