#pragma once

#include "engine/option_panel.h"

#include <QByteArray>
#include <QString>

namespace morvane {

// Escapes a text value of a preset: backslashes are doubled first, then each
// double quote gets a backslash. Nothing else changes.
QString escapePresetText(const QString &text);

// The exact bytes of the preset file for these options: byte-order mark, the
// 27 lines in their fixed order, CR LF after every line.
QByteArray presetBytes(const OptionPanel &options);

// Writes the preset through a temporary file and an atomic rename, so a failed
// save leaves an earlier file whole. Throws MorvaneError when it cannot.
void savePreset(const QString &fileName, const OptionPanel &options);

} // namespace morvane
