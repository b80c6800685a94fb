#pragma once

#include <QByteArrayView>
#include <QString>
#include <QStringList>
#include <optional>

namespace morvane {

// Text files the program reads (name lists, presets, the undo log, update
// pages) are UTF-8 with an optional leading byte-order mark; any byte
// sequence that is not valid UTF-8 fails the whole file.

// Strict UTF-8: false for overlong forms, encoded surrogates, values past
// U+10FFFF and cut sequences. A byte-order mark is kept as U+FEFF.
bool decodeUtf8Strict(QByteArrayView bytes, QString *text);

// A text file's content: the leading byte-order mark skipped (a second one
// stays text); nothing when the bytes are not valid UTF-8.
std::optional<QString> decodeTextFile(QByteArrayView bytes);

// Lines split at CR LF, a lone CR or a lone LF; a break at the very end
// opens no empty last line, an empty line between others is a line.
QStringList splitTextLines(QStringView text);

} // namespace morvane
