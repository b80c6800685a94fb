#pragma once

#include "batch/batch_executor.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <optional>

namespace morvane {

struct UndoLogEntry {
    QString original;
    QString renamed;
    bool operator==(const UndoLogEntry &) const = default;
};

// One line of the undo log: trimmed of code units <= U+0020, one pair of
// surrounding quotes removed, split at the first "\",\"". Nothing for an empty
// line or one without the separator. Pure: no file system.
std::optional<UndoLogEntry> parseUndoLogLine(const QString &line);

// The log's bytes as lines: UTF-8 with an optional byte-order mark, split at
// CR LF, lone CR and lone LF. Throws MorvaneError when the bytes are not UTF-8.
QStringList splitUndoLogLines(const QByteArray &bytes);

// The Undo button: reverts the last batch from its log, deletes the log and
// empties the list. Throws MorvaneError when a file operation fails.
void undoLastBatch(RenameItemList &items, Reporter &reporter, const BatchEnvironment &env);

} // namespace morvane
