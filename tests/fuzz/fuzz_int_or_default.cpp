// intOrDefault against a reading written straight from its rules, on the
// input taken as UTF-8 and as raw UTF-16; and every 32-bit value read back
// from its decimal and hexadecimal spellings.
#include "fuzz_support.h"
#include "engine/option_panel.h"

#include <cstdint>
#include <cstring>
#include <optional>

using namespace morvane;

namespace {

std::optional<int> reference(QStringView text)
{
    qsizetype i = 0;
    while (i < text.size() && text[i] == u' ')
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == u'+' || text[i] == u'-'))
        negative = text[i++] == u'-';
    QStringView rest = text.mid(i);
    int base = 10;
    for (QStringView prefix : {u"0x", u"0X", u"$", u"x", u"X"}) {
        if (rest.startsWith(prefix)) {
            base = 16;
            rest = rest.mid(prefix.size());
            break;
        }
    }
    if (rest.isEmpty())
        return std::nullopt;
    // Digits as an exact number, leading zeros dropped, then judged by size.
    QString digits;
    for (QChar c : rest) {
        const bool ok = base == 10 ? (c >= u'0' && c <= u'9')
                                   : ((c >= u'0' && c <= u'9') || (c >= u'a' && c <= u'f') || (c >= u'A' && c <= u'F'));
        if (!ok)
            return std::nullopt;
        if (!digits.isEmpty() || c != u'0')
            digits += c;
    }
    if (digits.size() > (base == 10 ? 10 : 8))
        return std::nullopt;
    bool ok = false;
    const qint64 magnitude = digits.isEmpty() ? 0 : digits.toLongLong(&ok, base);
    if (!digits.isEmpty() && !ok)
        return std::nullopt;
    qint64 value = base == 16 ? qint64(qint32(quint32(magnitude))) : magnitude;
    if (negative)
        value = -value;
    if (value < INT32_MIN || value > INT32_MAX)
        return std::nullopt;
    return int(value);
}

void check(const QString &text)
{
    const int a = intOrDefault(text, 7);
    const int b = intOrDefault(text, -7);
    const std::optional<int> expected = reference(text);
    if (expected) {
        FUZZ_REQUIRE(a == *expected && b == *expected);
    } else {
        FUZZ_REQUIRE(a == 7 && b == -7);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    check(QString::fromUtf8(reinterpret_cast<const char *>(data), qsizetype(size)));
    check(QString(reinterpret_cast<const QChar *>(data), qsizetype(size / 2)));

    if (size >= 4) {
        int32_t n;
        std::memcpy(&n, data, sizeof n);
        FUZZ_REQUIRE(intOrDefault(QString::number(n), n ^ 1) == n);
        FUZZ_REQUIRE(intOrDefault(QStringLiteral("  +") + QString::number(n).remove(u'-'), 0)
                     == (n == INT32_MIN ? 0 : (n < 0 ? -n : n)));
        const QString hex = QString::number(quint32(n), 16).toUpper();
        FUZZ_REQUIRE(intOrDefault(u'$' + hex, n ^ 1) == n);
        FUZZ_REQUIRE(intOrDefault(QStringLiteral("0x") + hex.toLower(), n ^ 1) == n);
        FUZZ_REQUIRE(intOrDefault(QString::number(n) + u' ', n ^ 1) == (n ^ 1));
    }
    return 0;
}
