// The extended keywords on any pattern and name, in any of the system's
// locales and time zones and with any file times (not-a-number and
// out-of-range values included): every expansion ends; with a name free of
// "}" no expansion adds a "}" (each one uses a keyword's up for good); no
// picture keyword is left; and text without "{" passes unchanged.
#include "engine/extended_keywords.h"
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

const QList<QByteArray> &allZones()
{
    static const QList<QByteArray> zones = QTimeZone::availableTimeZoneIds();
    return zones;
}

bool hasPictureKeyword(const QString &s)
{
    return s.contains(u"{imgw}", Qt::CaseInsensitive) || s.contains(u"{imgh}", Qt::CaseInsensitive);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    FuzzedDataProvider provider(data, size);
    const QString pattern = takeText(provider, 400);
    RenameItem item;
    const QString name = provider.ConsumeBool() ? takeText(provider, 60) : takeUtf16(provider, 30);
    const QString ext = provider.PickValueInArray({".png", ".jpg", ".bmp", "", ".tiff"});
    // No such file: the picture keywords read nothing and turn into empty text.
    item.setPath(QStringLiteral("/nonexistent-morvane-fuzz/"), name + ext);
    item.createdUtc = provider.ConsumeFloatingPoint<double>();
    item.modifiedUtc = provider.ConsumeBool() ? provider.ConsumeFloatingPointInRange(-700000.0, 3000000.0)
                                              : provider.ConsumeFloatingPoint<double>();

    NameContext context;
    const QList<QLocale> &locales = allLocales();
    context.locale = locales.at(provider.ConsumeIntegralInRange<qsizetype>(0, locales.size() - 1));
    const QList<QByteArray> &zones = allZones();
    if (!zones.isEmpty())
        context.timeZone = QTimeZone(zones.at(provider.ConsumeIntegralInRange<qsizetype>(0, zones.size() - 1)));
    const qint64 now = provider.ConsumeIntegralInRange<qint64>(-62135596800000LL, 253402300799000LL);
    context.now = [now] { return QDateTime::fromMSecsSinceEpoch(now, QTimeZone::utc()); };

    const QString out = expandExtendedKeywords(item, pattern, context);
    FUZZ_REQUIRE(!hasPictureKeyword(out));
    if (!item.originalName().toString().contains(u'}'))
        FUZZ_REQUIRE(out.count(u'}') <= pattern.count(u'}'));
    if (!pattern.contains(u'{'))
        FUZZ_REQUIRE(out == pattern);
    return 0;
}
