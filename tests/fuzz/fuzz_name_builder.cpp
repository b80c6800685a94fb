// Whole previews on any option values, names and name list: a finished name
// never holds one of the characters that file names cannot hold nor a control
// character,
// keeps the item's extension (its characters made safe) unless a new one is
// asked for, and the only error is that of a regular expression that does
// not compile.
#include "fuzz_support.h"
#include "engine/morvane_error.h"
#include "engine/name_builder.h"
#include "engine/preview.h"

#include <QTimeZone>

#include <cstdint>

using namespace morvane;

namespace {

class QuietReporter : public Reporter {
public:
    void information(const QString &) override {}
    void warning(const QString &) override {}
    void error(const QString &) override {}
    bool confirm(const QString &) override { return true; }
};

QString number(FuzzedDataProvider &data)
{
    return data.ConsumeBool() ? takeFrom(data, u"0123456789 -+$xX", 6) : takeText(data, 12);
}

bool unsafe(QChar c)
{
    return c.unicode() < 0x20 || c.unicode() == 0x7F
        || std::u16string_view(IllegalNameChars).find(c.unicode()) != std::u16string_view::npos;
}

QString safe(QString text)
{
    for (QChar &c : text) {
        if (unsafe(c))
            c = u'_';
    }
    return text;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    FuzzedDataProvider provider(data, size);
    OptionPanel o;
    o.pattern = takeText(provider, 200);
    o.find = takeText(provider, 40);
    o.replace = takeText(provider, 40);
    o.insertText = takeText(provider, 20);
    o.charactersToRemove = takeText(provider, 10);
    o.cropBefore = takeText(provider, 10);
    o.cropAfter = takeText(provider, 10);
    o.newExt = takeText(provider, 12);
    o.insertPos = number(provider);
    o.removeFirst = number(provider);
    o.removeLast = number(provider);
    o.removeFromPos = number(provider);
    o.removeTillPos = number(provider);
    o.padNumbers = number(provider);
    o.counterStart = number(provider);
    o.digits = number(provider);
    o.regex = provider.ConsumeBool();
    o.changeExt = provider.ConsumeBool();
    o.collapseDoubleSpaces = provider.ConsumeBool();
    o.caseChange = CaseChange(provider.ConsumeIntegralInRange(0, 3));

    RenameItemList items;
    const int count = provider.ConsumeIntegralInRange(1, 3);
    for (int i = 0; i < count; ++i) {
        RenameItem item;
        const QString name = provider.ConsumeBool() ? takeText(provider, 40) : takeUtf16(provider, 20);
        const QString ext = provider.ConsumeBool() ? QString() : u'.' + takeText(provider, 8);
        item.setPath(QStringLiteral("/nonexistent-morvane-fuzz/"), name + ext);
        item.size = provider.ConsumeIntegral<qint64>();
        item.createdUtc = provider.ConsumeFloatingPoint<double>();
        item.modifiedUtc = provider.ConsumeFloatingPointInRange(0.0, 2958465.0);
        items.append(item);
    }
    QStringList nameList;
    const int listed = provider.ConsumeIntegralInRange(0, 3);
    for (int i = 0; i < listed; ++i)
        nameList.append(takeText(provider, 20));

    NameContext context;
    context.locale = QLocale(provider.PickValueInArray({"en_US", "de_DE", "tr_TR", "ja_JP", "ar_EG", "C"}));
    context.timeZone = QTimeZone(provider.PickValueInArray({"UTC", "Europe/Berlin", "Australia/Lord_Howe"}));
    context.now = [] { return QDateTime(QDate(2024, 7, 1), QTime(9, 5, 3), QTimeZone::utc()); };

    QuietReporter reporter;
    int built = 0;
    try {
        FUZZ_REQUIRE(buildPreview(items, o, context, nameList, reporter));
        built = items.count();
    } catch (const MorvaneError &e) {
        FUZZ_REQUIRE(o.regex && !o.find.isEmpty());
        FUZZ_REQUIRE(e.message().startsWith(u"Error in regular expression at offset "));
    }
    for (int i = 0; i < built; ++i) {
        const RenameItem &item = items.at(i);
        for (const QChar c : item.newName)
            FUZZ_REQUIRE(!unsafe(c));
        if (!o.changeExt)
            FUZZ_REQUIRE(item.newName.endsWith(safe(item.ext().toString())));
    }
    return 0;
}
