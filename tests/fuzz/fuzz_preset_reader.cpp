// Property: whatever a file makes of the option values, writing them and
// reading the written preset back gives the same 25 values.
#include "engine/morvane_error.h"
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
    back.case_ = 3;
    applyPresetText(decodePresetBytes(presetBytes(options), QString()), back);
    if (!(back == options))
        std::abort();
}

// Option values straight from the bytes: 17 texts split at 0xFF, then flags.
OptionPanel panelFromBytes(const QByteArray &bytes)
{
    const QList<QByteArray> parts = bytes.split('\xFF');
    auto text = [&](int i) { return i < parts.size() ? QString::fromUtf8(parts[i]) : QString(); };
    OptionPanel o;
    QString *texts[] = {&o.find, &o.replace, &o.pattern, &o.counterStart, &o.digits, &o.newExt,
                        &o.insertText, &o.insertPos, &o.removeFirst, &o.removeLast, &o.removeFromPos,
                        &o.removeTillPos, &o.charactersToRemove, &o.cropBefore, &o.cropAfter,
                        &o.padNumbers, &o.destination};
    int i = 0;
    for (QString *t : texts)
        *t = text(i++);
    const unsigned flags = bytes.isEmpty() ? 0 : static_cast<unsigned char>(bytes.back());
    o.regex = flags & 1;
    o.changeExt = flags & 2;
    o.collapseDoubleSpaces = flags & 4;
    o.includeSubfolders = flags & 8;
    o.touchModifiedNow = flags & 16;
    o.case_ = int(flags % 5) - 1;
    o.conflict = int(flags % 4) - 1;
    o.batchMode = int((flags >> 2) % 4) - 1;
    return o;
}

}  // namespace

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
