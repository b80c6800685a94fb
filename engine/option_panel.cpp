#include "engine/option_panel.h"

#include <limits>

namespace morvane {

int intOrDefault(const QString &text, int defaultValue)
{
    const qsizetype n = text.size();
    qsizetype i = 0;
    while (i < n && text.at(i) == u' ')
        ++i;
    bool negative = false;
    if (i < n && (text.at(i) == u'+' || text.at(i) == u'-')) {
        negative = text.at(i) == u'-';
        ++i;
    }
    bool hex = false;
    if (i < n && (text.at(i) == u'$' || text.at(i) == u'x' || text.at(i) == u'X')) {
        hex = true;
        ++i;
    } else if (i + 1 < n && text.at(i) == u'0' && (text.at(i + 1) == u'x' || text.at(i + 1) == u'X')) {
        hex = true;
        i += 2;
    }
    // Accumulated in 64 bits and stopped just past the 32-bit range, so no
    // length of digits can overflow.
    const quint64 limit = hex ? 0xFFFFFFFFull : 0x80000000ull;
    quint64 value = 0;
    bool tooBig = false;
    const qsizetype firstDigit = i;
    for (; i < n; ++i) {
        const char16_t c = text.at(i).unicode();
        int d;
        if (c >= u'0' && c <= u'9')
            d = c - u'0';
        else if (hex && c >= u'a' && c <= u'f')
            d = c - u'a' + 10;
        else if (hex && c >= u'A' && c <= u'F')
            d = c - u'A' + 10;
        else
            break;
        value = value * (hex ? 16 : 10) + quint64(d);
        if (value > limit) {
            tooBig = true;
            value = limit + 1;
        }
    }
    if (i == firstDigit || i != n || tooBig)
        return defaultValue;
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

} // namespace morvane
