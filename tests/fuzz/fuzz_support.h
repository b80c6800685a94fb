#pragma once

// Small helpers shared by the fuzz targets: a property check that stops the
// run with a readable line, and text drawn from the fuzzer's bytes.

#include <fuzzer/FuzzedDataProvider.h>

#include <QString>

#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace morvane {

#define FUZZ_REQUIRE(condition)                                                                     \
    do {                                                                                            \
        if (!(condition)) {                                                                         \
            std::fprintf(stderr, "property broken at %s:%d: %s\n", __FILE__, __LINE__, #condition); \
            std::abort();                                                                           \
        }                                                                                           \
    } while (false)

// Text of up to maxUnits UTF-16 code units, lone surrogates included: names
// and option values are UTF-16 and may hold anything a file or preset gave.
inline QString takeUtf16(FuzzedDataProvider &data, size_t maxUnits)
{
    const size_t units = data.ConsumeIntegralInRange<size_t>(0, maxUnits);
    QString text;
    text.reserve(qsizetype(units));
    for (size_t i = 0; i < units && data.remaining_bytes() > 0; ++i)
        text.append(QChar(data.ConsumeIntegral<char16_t>()));
    return text;
}

// Text from a short alphabet, so that the fuzzer finds the words and
// punctuation a grammar cares about quickly.
inline QString takeFrom(FuzzedDataProvider &data, QStringView alphabet, size_t maxUnits)
{
    const size_t units = data.ConsumeIntegralInRange<size_t>(0, maxUnits);
    QString text;
    for (size_t i = 0; i < units && data.remaining_bytes() > 0; ++i)
        text.append(alphabet[data.ConsumeIntegralInRange<qsizetype>(0, alphabet.size() - 1)]);
    return text;
}

// Well-formed UTF-8 (RFC 3629): shortest forms only, no surrogates, nothing past U+10FFFF.
inline bool isWellFormedUtf8(const uint8_t *p, size_t n)
{
    size_t i = 0;
    while (i < n) {
        const uint8_t b = p[i];
        size_t len;
        uint32_t cp;
        if (b < 0x80) {
            ++i;
            continue;
        } else if (b >= 0xC2 && b <= 0xDF) {
            len = 2;
            cp = b & 0x1F;
        } else if (b >= 0xE0 && b <= 0xEF) {
            len = 3;
            cp = b & 0x0F;
        } else if (b >= 0xF0 && b <= 0xF4) {
            len = 4;
            cp = b & 0x07;
        } else {
            return false;
        }
        if (i + len > n)
            return false;
        for (size_t k = 1; k < len; ++k) {
            if ((p[i + k] & 0xC0) != 0x80)
                return false;
            cp = (cp << 6) | (p[i + k] & 0x3F);
        }
        if ((len == 3 && cp < 0x800) || (len == 4 && cp < 0x10000) || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF))
            return false;
        i += len;
    }
    return true;
}

// UTF-8 text from the front of the input, so that seed files stay readable:
// up to maxBytes bytes, ended early by a backslash followed by another byte.
inline QString takeText(FuzzedDataProvider &data, size_t maxBytes)
{
    const std::string bytes = data.ConsumeRandomLengthString(maxBytes);
    return QString::fromUtf8(bytes.data(), qsizetype(bytes.size()));
}

} // namespace morvane
