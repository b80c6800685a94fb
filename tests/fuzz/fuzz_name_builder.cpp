// Whole previews on any option values, names and name list: a finished name
// never holds one of the characters that file names cannot hold (nor U+0000),
// keeps the item's extension (its characters made safe) unless a new one is
// asked for, and the only error is that of a regular expression that does
// not compile.
#include "fuzz_support.h"
#include "morvane_error.h"
#include "name_builder.h"
#include "preview.h"

#include <QTimeZone>

#include <cstdint>

namespace {

class QuietReporter : public Reporter {
public:
    void information(const QString &) override {}
    void warning(const QString &) override {}
    void error(const QString &) override {}
    bool confirm(const QString &) override { return true; }
};

QString Number(FuzzedDataProvider &data)
{
    return data.ConsumeBool() ? TakeFrom(data, u"0123456789 -+$xX", 6) : TakeText(data, 12);
}

QString Safe(QString text)
{
    for (QChar &c : text) {
        if (c.unicode() == 0 || std::u16string_view(IllegalNameChars).find(c.unicode()) != std::u16string_view::npos)
            c = u'_';
    }
    return text;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    FuzzedDataProvider provider(data, size);
    OptionPanel o;
    o.pattern = TakeText(provider, 200);
    o.find = TakeText(provider, 40);
    o.replace = TakeText(provider, 40);
    o.insertText = TakeText(provider, 20);
    o.charactersToRemove = TakeText(provider, 10);
    o.cropBefore = TakeText(provider, 10);
    o.cropAfter = TakeText(provider, 10);
    o.newExt = TakeText(provider, 12);
    o.insertPos = Number(provider);
    o.removeFirst = Number(provider);
    o.removeLast = Number(provider);
    o.removeFromPos = Number(provider);
    o.removeTillPos = Number(provider);
    o.padNumbers = Number(provider);
    o.counterStart = Number(provider);
    o.digits = Number(provider);
    o.regex = provider.ConsumeBool();
    o.changeExt = provider.ConsumeBool();
    o.collapseDoubleSpaces = provider.ConsumeBool();
    o.case_ = provider.ConsumeIntegralInRange(-1, 4);

    RenameItemList items;
    const int count = provider.ConsumeIntegralInRange(1, 3);
    for (int i = 0; i < count; ++i) {
        TRenameItem item;
        item.OriginalName = provider.ConsumeBool() ? TakeText(provider, 40) : TakeUtf16(provider, 20);
        item.Ext = provider.ConsumeBool() ? QString() : u'.' + TakeText(provider, 8);
        item.OriginalPath = QStringLiteral("/nonexistent-morvane-fuzz/") + item.OriginalName + item.Ext;
        item.Size = provider.ConsumeIntegral<qint64>();
        item.CreatedUtc = provider.ConsumeFloatingPoint<double>();
        item.ModifiedUtc = provider.ConsumeFloatingPointInRange(0.0, 2958465.0);
        items.append(item);
    }
    QStringList nameList;
    const int listed = provider.ConsumeIntegralInRange(0, 3);
    for (int i = 0; i < listed; ++i)
        nameList.append(TakeText(provider, 20));

    NameContext context;
    context.locale = QLocale(provider.PickValueInArray({"en_US", "de_DE", "tr_TR", "ja_JP", "ar_EG", "C"}));
    context.timeZone = QTimeZone(provider.PickValueInArray({"UTC", "Europe/Berlin", "Australia/Lord_Howe"}));
    context.now = [] { return QDateTime(QDate(2024, 7, 1), QTime(9, 5, 3), QTimeZone::utc()); };

    QuietReporter reporter;
    int built = 0;
    try {
        FUZZ_REQUIRE(BuildPreview(items, o, context, nameList, reporter));
        built = items.count();
    } catch (const MorvaneError &e) {
        FUZZ_REQUIRE(o.regex && !o.find.isEmpty());
        FUZZ_REQUIRE(e.message().startsWith(u"Error in regular expression at offset "));
    }
    for (int i = 0; i < built; ++i) {
        const TRenameItem &item = items.at(i);
        for (const QChar c : item.NewName) {
            FUZZ_REQUIRE(c.unicode() != 0);
            FUZZ_REQUIRE(std::u16string_view(IllegalNameChars).find(c.unicode()) == std::u16string_view::npos);
        }
        if (!o.changeExt)
            FUZZ_REQUIRE(item.NewName.endsWith(Safe(item.Ext)));
    }
    return 0;
}
