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

QDateTime wallClockFromUtc(DateTime utc, const QTimeZone &zone)
{
    // The zone's offset holds from one of its transitions to the next: asked
    // once for a span, not once for every file of an afternoon's batch.
    thread_local struct {
        QTimeZone zone;
        qint64 from = 1; // the span [from, until) in ms since the epoch; empty at first
        qint64 until = 0;
        int offset = 0;
    } span;
    const qint64 ms = qtFromUtcDateTime(utc).toMSecsSinceEpoch();
    if (!(span.zone == zone) || ms < span.from || ms >= span.until) {
        const QDateTime at = QDateTime::fromMSecsSinceEpoch(ms, Qt::UTC);
        span.zone = zone;
        span.offset = zone.offsetFromUtc(at);
        const QTimeZone::OffsetData before = zone.previousTransition(at.addMSecs(1));
        const QTimeZone::OffsetData after = zone.nextTransition(at);
        span.from = before.atUtc.isValid() ? before.atUtc.toMSecsSinceEpoch() : ms;
        span.until = after.atUtc.isValid() ? after.atUtc.toMSecsSinceEpoch() : ms + 1;
    }
    return QDateTime::fromMSecsSinceEpoch(ms + qint64(span.offset) * 1000, Qt::UTC);
}

} // namespace morvane
