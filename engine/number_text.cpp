#include "engine/number_text.h"

namespace morvane {

qsizetype skipSpacesAndSign(QStringView text, bool *negative)
{
    const qsizetype n = text.size();
    qsizetype i = 0;
    while (i < n && text[i] == u' ')
        ++i;
    *negative = false;
    if (i < n && (text[i] == u'+' || text[i] == u'-')) {
        *negative = text[i] == u'-';
        ++i;
    }
    return i;
}

DigitRun scanDigits(QStringView text, qsizetype from, int base, quint64 limit)
{
    const bool hex = base == 16;
    DigitRun result;
    qsizetype i = from;
    for (; i < text.size(); ++i) {
        const char16_t c = text[i].unicode();
        int d;
        if (c >= u'0' && c <= u'9')
            d = c - u'0';
        else if (hex && c >= u'a' && c <= u'f')
            d = c - u'a' + 10;
        else if (hex && c >= u'A' && c <= u'F')
            d = c - u'A' + 10;
        else
            break;
        result.value = result.value * quint64(base) + quint64(d);
        if (result.value > limit) {
            result.tooBig = true;
            result.value = limit + 1;
        }
    }
    result.end = i;
    return result;
}

} // namespace morvane
