#include "date_time.h"

namespace {
const QDateTime kEpoch(QDate(1899, 12, 30), QTime(0, 0), Qt::UTC);
constexpr double kMsPerDay = 86400000.0;
}

TDateTime DateTimeFromQt(const QDateTime &dt)
{
    return double(kEpoch.msecsTo(dt)) / kMsPerDay;
}

QDateTime QtFromUtcDateTime(TDateTime utc)
{
    return kEpoch.addMSecs(qint64(utc * kMsPerDay + (utc >= 0 ? 0.5 : -0.5)));
}

QDateTime LocalFromUtc(TDateTime utc, const QTimeZone &zone)
{
    return QtFromUtcDateTime(utc).toTimeZone(zone);
}
