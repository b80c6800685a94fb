#pragma once

#include "engine/option_panel.h"

#include <QByteArray>
#include <QString>

namespace morvane {

// Decodes the bytes of a preset file: an optional leading UTF-8 byte-order
// mark, then strict UTF-8. Throws MorvaneError (naming fileName) for bytes
// that are not UTF-8 text, e.g. a file saved as UTF-16 or in a code page.
QString decodePresetBytes(const QByteArray &bytes, const QString &fileName);

// The value text of key in the file text, or defaultValue when the key is
// missing or its string value has no ending quote. A text scanner, not a
// JSON parser: the first `"key":` counts, wherever it stands.
QString readPresetValue(const QString &fileText, const QString &key, const QString &defaultValue);

// Applies the 25 keys of a file text to options in their fixed order. Texts
// replace texts; check boxes are checked by "true" in any ASCII case (a missing
// changeExt checks its box, other missing check boxes are unchecked); indexes
// take any integer, one outside the list showing no selection (-1); a
// value that is not a number keeps the index.
void applyPresetText(const QString &fileText, OptionPanel &options);

// Reads and applies a preset file. Throws MorvaneError when the file cannot be
// read or is not UTF-8; then no option has changed.
// The caller shows the result: edtNewExt is enabled exactly when changeExt is
// set; the batch-mode change handling is not run.
void loadPreset(const QString &fileName, OptionPanel &options);

} // namespace morvane
