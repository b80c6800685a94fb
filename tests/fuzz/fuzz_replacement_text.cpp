// Find and replace on any find text, replacement and name, in plain and in
// regular-expression mode (random patterns, catastrophic ones included):
// every run ends; plain mode replaces exactly the occurrences, left to right;
// a pattern either compiles or fails with its error on every use; replacing
// each match by itself changes nothing; escaped text stands for itself; the
// before, match and after references put the name back together; and no
// replacement makes a name grow without bound.
#include "engine/find_replace.h"
#include "fuzz_support.h"
#include "engine/morvane_error.h"
#include "engine/replacement_text.h"

#include <cstdint>

using namespace morvane;

namespace {

QString referencePlain(const QString &text, const QString &find, const QString &replace)
{
    if (find.isEmpty())
        return text;
    QString out;
    qsizetype i = 0;
    while (i < text.size()) {
        if (QStringView(text).mid(i).startsWith(find)) {
            out += replace;
            i += find.size();
        } else {
            out += text[i++];
        }
    }
    return out;
}

QString escaped(const QString &text)
{
    QString out;
    for (QChar c : text) {
        if (c == u'$' || c == u'\\')
            out += c;
        out += c;
    }
    return out;
}

QString expand(const QString &replacement, int groups, const MatchGroups &match)
{
    return ReplacementText(replacement, groups, {}).expand(match, QLocale::c());
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    FuzzedDataProvider provider(data, size);
    const QString find = takeText(provider, 200);
    const QString replace = takeText(provider, 100);
    const QString subject = provider.ConsumeBool() ? takeText(provider, 300) : takeUtf16(provider, 150);

    FindReplace plain(find, replace, false);
    FUZZ_REQUIRE(plain.apply(subject) == referencePlain(subject, find, replace));

    FindReplace regex(find, replace, true);
    FindReplace same(find, QStringLiteral("$&"), true);
    FindReplace sameByNumber(find, QStringLiteral("\\0"), true);
    try {
        const QString result = regex.apply(subject);
        FUZZ_REQUIRE(result.size() <= qMax<qsizetype>(subject.size(), 1 << 16));
        FUZZ_REQUIRE(same.apply(subject) == subject);
        FUZZ_REQUIRE(sameByNumber.apply(subject) == subject);
        FUZZ_REQUIRE(!find.isEmpty() || result == subject);
    } catch (const MorvaneError &e) {
        FUZZ_REQUIRE(!find.isEmpty());
        FUZZ_REQUIRE(e.message().startsWith(u"Error in regular expression at offset "));
        try {
            regex.apply(subject);
            FUZZ_REQUIRE(false); // a broken pattern fails on every name
        } catch (const MorvaneError &again) {
            FUZZ_REQUIRE(again.message() == e.message());
        }
    }

    // The replacement language on one match of the subject.
    const size_t start = provider.ConsumeIntegralInRange<size_t>(0, size_t(subject.size()));
    const size_t end = provider.ConsumeIntegralInRange<size_t>(start, size_t(subject.size()));
    const int groups = provider.ConsumeIntegralInRange(0, 12);
    const size_t spans[] = {start, end, start, start, MatchGroups::kUnsetGroup, MatchGroups::kUnsetGroup};
    const MatchGroups match{QStringView(subject), spans, 2};
    const QString whole = subject.mid(qsizetype(start), qsizetype(end - start));
    FUZZ_REQUIRE(expand(escaped(replace), groups, match) == replace);
    FUZZ_REQUIRE(expand(QStringLiteral("$`$&$'"), groups, match) == subject);
    FUZZ_REQUIRE(expand(QStringLiteral("${0}|$0|\\0|$_"), groups, match)
                 == whole + u'|' + whole + u'|' + whole + u'|' + subject);
    FUZZ_REQUIRE(expand(QStringLiteral("$2$9\\g<none>"), groups, match).isEmpty());
    (void)expand(replace, groups, match); // anything goes, but it must end
    return 0;
}
