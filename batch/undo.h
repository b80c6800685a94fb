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

// One record of the undo log. Written by the journal: two quoted fields, a
// comma between, "" inside a field for one quote, line breaks kept inside
// (RFC 4180). Any other line is read as logs always were: trimmed of code
// units <= U+0020, one pair of surrounding quotes removed, split at the first
// "\",\"". Nothing for an empty line or one without the separator. Pure: no
// file system.
std::optional<UndoLogEntry> parseUndoLogLine(const QString &line);

// The log's bytes as records: UTF-8 with an optional byte-order mark, split at
// CR LF, lone CR and lone LF, except inside the quoted fields of a record that
// is complete (the first line, the header, is always one line of its own).
// Throws MorvaneError when the bytes are not UTF-8.
QStringList splitUndoLogLines(QByteArray bytes);

// What undo of one log did.
struct UndoOutcome {
    int reverted = 0;
    int kept = 0;          // lines left in the log: another file holds their old name
    QStringList firstKept; // the first of them, as "new -> old"
};

// Reverts the log at logPath, last line first; the caller holds the batch
// lock. A line whose old name another file now holds is not reverted: the
// log is rewritten with exactly those lines, or deleted when none is left.
// Throws MorvaneError, naming the file, when a file operation fails.
UndoOutcome revertUndoLog(SystemCalls &sys, const QString &logPath, Reporter &reporter);

// The Undo button: reverts the last batch from its log, deletes the log and
// empties the list. Never replaces a file that it did not put there; what
// stayed is reported as a warning. Throws MorvaneError when a file operation fails.
void undoLastBatch(RenameItemList &items, Reporter &reporter, const BatchEnvironment &env);

} // namespace morvane
