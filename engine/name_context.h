#pragma once

#include <QDateTime>
#include <QLocale>
#include <QTimeZone>
#include <functional>

namespace morvane {

class MetadataReadAhead;

// The world a name is built in: the user's locale, the local time zone and
// the clock. Tests pin all three.
struct NameContext {
    QLocale locale = QLocale::system();
    QTimeZone timeZone = QTimeZone::systemTimeZone();
    std::function<QDateTime()> now = [] { return QDateTime::currentDateTimeUtc(); };
    // Files' metadata read ahead by the preview; null: read where asked.
    MetadataReadAhead *metadataReadAhead = nullptr;

    // The clock reading as local wall-clock time in timeZone.
    QDateTime localNow() const { return now().toTimeZone(timeZone); }
};

} // namespace morvane
