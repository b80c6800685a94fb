// The date-time format language on any format, in any of the system's
// locales and at any date-time of the years 1 to 9999: every format ends
// with an output of bounded length; quoted text and characters that are no
// token come out as written; and a Qt format translated into the language
// shows what Qt itself shows.
#include "engine/date_format.h"
#include "fuzz_support.h"

#include <QTimeZone>

#include <cstdint>

using namespace morvane;

namespace {

const QList<QLocale> &allLocales()
{
    static const QList<QLocale> locales =
        QLocale::matchingLocales(QLocale::AnyLanguage, QLocale::AnyScript, QLocale::AnyTerritory);
    return locales;
}

QDateTime dateTimeFrom(FuzzedDataProvider &data)
{
    const QDate date(data.ConsumeIntegralInRange(1, 9999), data.ConsumeIntegralInRange(1, 12),
                     data.ConsumeIntegralInRange(1, 28));
    const QTime time(data.ConsumeIntegralInRange(0, 23), data.ConsumeIntegralInRange(0, 59),
                     data.ConsumeIntegralInRange(0, 59), data.ConsumeIntegralInRange(0, 999));
    return QDateTime(date, data.ConsumeBool() ? QTime(0, 0) : time, QTimeZone::utc());
}

// Qt format fields whose output the language must reproduce exactly, in
// date formats and in time formats, as a locale has them (Qt 6 "z" is a
// fraction without trailing zeros, which no locale format uses: left out).
const char *const kQtDateFields[] = {"yyyy", "yy", "MMMM", "MMM", "MM", "M", "dddd", "ddd", "dd", "d"};
const char *const kQtTimeFields[] = {"mm", "m", "ss", "s", "zzz"};
// One hour field at most: in Qt "HH" stays 24-hour beside "AP", and every "h"
// follows an "AP" anywhere, which the language cannot say; locale formats
// have one hour field.
const char *const kQtHourFields[] = {"HH", "H", "hh", "h"};
// Between two fields, so that no two fields run together into one.
const char *const kQtSeparators[] = {"-", " ", ".", "_", ",", " 'at' ", " '' ", " 'x:y/z' ", "\u00e9", " '\"' "};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    FuzzedDataProvider provider(data, size);
    const QString format = takeText(provider, 400);
    const QList<QLocale> &locales = allLocales();
    const QLocale locale = locales.at(provider.ConsumeIntegralInRange<qsizetype>(0, locales.size() - 1));
    const QDateTime when = dateTimeFrom(provider);

    // Any format: it ends, and no token can print more than a long date and time.
    const DateFormatLocale &tables = dateFormatLocaleFor(locale);
    const QString out = formatDateTimeText(format, when, tables);
    FUZZ_REQUIRE(out.size() <= (format.size() + 1) * 400);
    FUZZ_REQUIRE(out == formatDateTimeText(format, when, locale));

    // Characters that begin no token, and quoted text, come out as written.
    const QString plain = takeFrom(provider, u"0123456789 -_.,;!#()[]+=bfijkloqruvwxBFIJKLOQRUVWX\u00e9\u4e2d", 40);
    FUZZ_REQUIRE(formatDateTimeText(plain, when, tables) == plain);
    QString quoted = format;
    quoted.remove(u'"');
    FUZZ_REQUIRE(formatDateTimeText(u'"' + quoted + u'"', when, tables) == quoted);
    FUZZ_REQUIRE(formatDateTimeText(u'"' + quoted, when, tables) == quoted); // never closed: to the end

    // A Qt date or time format, translated, shows what Qt shows (the C locale's names and AM/PM).
    for (bool date : {true, false}) {
        QStringList parts;
        const int fields = provider.ConsumeIntegralInRange(0, 8);
        for (int i = 0; i < fields; ++i)
            parts << QString::fromUtf8(date ? provider.PickValueInArray(kQtDateFields)
                                            : provider.PickValueInArray(kQtTimeFields));
        if (!date && provider.ConsumeBool()) {
            const bool twelveHour = provider.ConsumeBool();
            parts.insert(provider.ConsumeIntegralInRange<qsizetype>(0, parts.size()),
                         twelveHour ? QStringLiteral("h").repeated(provider.ConsumeIntegralInRange(1, 2))
                                    : QString::fromUtf8(provider.PickValueInArray(kQtHourFields)));
            if (twelveHour)
                parts.insert(provider.ConsumeIntegralInRange<qsizetype>(0, parts.size()), QStringLiteral("AP"));
        }
        QString qtFormat;
        for (qsizetype i = 0; i < parts.size(); ++i)
            qtFormat += (i > 0 ? QString::fromUtf8(provider.PickValueInArray(kQtSeparators)) : QString()) + parts[i];
        const QLocale c = QLocale::c();
        const QString translated = translateQtDateFormat(qtFormat);
        const QString ours = formatDateTimeText(translated, when, c);
        const QString theirs = c.toString(when, qtFormat);
        if (ours != theirs) {
            std::fprintf(stderr, "Qt format \"%s\" -> \"%s\": \"%s\" where Qt shows \"%s\"\n", qPrintable(qtFormat),
                         qPrintable(translated), qPrintable(ours), qPrintable(theirs));
            FUZZ_REQUIRE(ours == theirs);
        }
    }
    return 0;
}
