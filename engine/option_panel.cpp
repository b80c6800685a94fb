#include "engine/option_panel.h"

#include "engine/number_text.h"

#include <limits>

namespace morvane {

int intOrDefault(const QString &text, int defaultValue)
{
    const qsizetype n = text.size();
    bool negative = false;
    qsizetype i = skipSpacesAndSign(text, &negative);
    bool hex = false;
    if (i < n && (text.at(i) == u'$' || text.at(i) == u'x' || text.at(i) == u'X')) {
        hex = true;
        ++i;
    } else if (i + 1 < n && text.at(i) == u'0' && (text.at(i + 1) == u'x' || text.at(i + 1) == u'X')) {
        hex = true;
        i += 2;
    }
    const DigitRun digits = scanDigits(text, i, hex ? 16 : 10, hex ? 0xFFFFFFFFull : 0x80000000ull);
    if (digits.end == i || digits.end != n || digits.tooBig)
        return defaultValue;
    const quint64 value = digits.value;
    // Hexadecimal digits are a 32-bit two's-complement pattern: $FFFFFFFF is -1.
    qint64 number = hex ? qint64(qint32(quint32(value))) : qint64(value);
    if (negative)
        number = -number;
    if (number < std::numeric_limits<qint32>::min() || number > std::numeric_limits<qint32>::max())
        return defaultValue;
    return int(number);
}

int clampInt(int value, int low, int high)
{
    return value < low ? low : (value > high ? high : value);
}

QString trimControl(const QString &text)
{
    qsizetype first = 0;
    qsizetype last = text.size();
    while (first < last && text.at(first).unicode() <= 0x20)
        ++first;
    while (last > first && text.at(last - 1).unicode() <= 0x20)
        --last;
    return (first == 0 && last == text.size()) ? text : text.mid(first, last - first);
}

QString destinationFolder(const QString &text, const QString &home)
{
    const QString folder = trimControl(text);
    if (folder == u"~" || folder.startsWith(u"~/")) {
        const QString base = home.endsWith(u'/') ? home.chopped(1) : home;
        return base + folder.sliced(1);
    }
    return folder;
}

} // namespace morvane
