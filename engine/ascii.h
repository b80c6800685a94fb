#pragma once

#include <QStringView>

namespace morvane {

// ASCII-only character tests and case folding, for syntax (keywords, switches,
// format letters) that must not change with the user's locale.
//
//   asciiLower(u'Q') == u'q'; asciiLower(u'Ä') == u'Ä'
//   asciiEqualsIgnoreCase(u"DryRun", u"dryrun") == true
constexpr char16_t asciiLower(char16_t c)
{
    return c >= u'A' && c <= u'Z' ? char16_t(c + (u'a' - u'A')) : c;
}

constexpr bool isAsciiLetter(char16_t c)
{
    return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z');
}

constexpr bool isAsciiDigit(char16_t c)
{
    return c >= u'0' && c <= u'9';
}

constexpr bool isAsciiAlnum(char16_t c)
{
    return isAsciiLetter(c) || isAsciiDigit(c);
}

inline bool asciiEqualsIgnoreCase(QStringView a, QStringView b)
{
    if (a.size() != b.size())
        return false;
    for (qsizetype i = 0; i < a.size(); ++i)
        if (asciiLower(a[i].unicode()) != asciiLower(b[i].unicode()))
            return false;
    return true;
}

} // namespace morvane
