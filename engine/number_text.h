#pragma once

#include <QStringView>

namespace morvane {

// The scanning shared by the integer readings of option values and of version
// lines: optional leading U+0020 spaces, an optional sign, then a run of digits.
// Each caller judges the result by its own rules (prefixes, what may follow
// the digits, the range it accepts).
// A run of digits: where it ends, its value (held at limit + 1 once past limit).
struct DigitRun {
    qsizetype end = 0;
    quint64 value = 0;
    bool tooBig = false; // the value went past limit
};

// Spaces and sign from the start of text; returns the position after them.
//
//   skipSpacesAndSign(u"  -12", &negative) == 3 and negative is true
qsizetype skipSpacesAndSign(QStringView text, bool *negative);

// The digits of base 10 or 16 (either letter case) from position from on; the
// value stops growing just past limit, so no length of digits can overflow.
//
//   scanDigits(u"ff!", 0, 16, 0xFFFFFFFF) gives end 2, value 255
//   scanDigits(u"99", 0, 10, 50) gives end 2, value 51, tooBig
DigitRun scanDigits(QStringView text, qsizetype from, int base, quint64 limit);

} // namespace morvane
