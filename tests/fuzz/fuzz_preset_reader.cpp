// Property: whatever a file makes of the option values, writing them and
// reading the written preset back gives the same values, every field of the option table.
#include "engine/morvane_error.h"
#include "engine/option_fields.h"
#include "presets/preset_reader.h"
#include "presets/preset_writer.h"

#include <QList>

#include <cstdint>
#include <cstdlib>

using namespace morvane;

namespace {

void checkRoundTrip(const OptionPanel &options)
{
    OptionPanel back;
    back.find = QStringLiteral("something else");
    back.caseChange = CaseChange::Title;
    applyPresetText(decodePresetBytes(presetBytes(options), QString()), back);
    if (!(back == options))
        std::abort();
}

// Option values straight from the bytes, walking the option table: texts
// split at 0xFF, check boxes and choices from the bits of the last byte.
OptionPanel panelFromBytes(const QByteArray &bytes)
{
    const QList<QByteArray> parts = bytes.split('\xFF');
    const unsigned flags = bytes.isEmpty() ? 0 : static_cast<unsigned char>(bytes.back());
    OptionPanel o;
    int text = 0, bit = 0;
    for (const OptionField &f : optionFields()) {
        switch (f.kind) {
        case OptionKind::Text:
        case OptionKind::Number:
            o.*f.text = text < parts.size() ? QString::fromUtf8(parts[text]) : QString();
            ++text;
            break;
        case OptionKind::Check:
            o.*f.check = (flags >> (bit++ % 8)) & 1;
            break;
        case OptionKind::Choice:
            // Out-of-range indexes too (-1 is a list without a selection).
            f.setChoiceIndex(o, int((flags >> (bit++ % 8)) % unsigned(f.choiceCount() + 2)) - 1);
            break;
        }
    }
    return o;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    OptionPanel loaded;
    try {
        applyPresetText(decodePresetBytes(bytes, QString()), loaded);
        checkRoundTrip(loaded);
    } catch (const MorvaneError &) {
        // not UTF-8: rejected as a whole, which is the expected outcome
    }
    checkRoundTrip(panelFromBytes(bytes));
    return 0;
}
