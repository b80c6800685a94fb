#pragma once

#include "batch/batch_executor.h"
#include "batch/system_calls.h"
#include "batch/undo.h"

#include <QDateTime>
#include <QList>
#include <QString>
#include <QStringList>

namespace morvane {

// The undo logs of the last batches: the newest is last_rename.csv as ever;
// older ones wait in history/ beside it, named after their time and file
// count ("20240701-090503-000_12.csv"), until 20 batches are kept in all.
constexpr int kUndoHistoryBatches = 20;

struct UndoHistoryEntry {
    QString logPath;
    QDateTime time;      // when the batch ended, UTC
    int count = 0;       // files it renamed, copied or moved
    QStringList folders; // where its files went, in first-seen order
    bool inPlace = true; // every file stayed in its folder (else copied or moved)
};

// "<data folder>/history".
QString undoHistoryFolder(const QString &logPath);

// Every batch that can still be undone, newest first.
QList<UndoHistoryEntry> listUndoHistory(const QString &appDataFolder);

// Keeps a log that a new batch is about to replace: the file at sourcePath
// is copied into history/ (with its ".unfinished" marker when it has one).
// Returns the new file's path, empty when there was nothing to keep or it
// could not be read or written.
QString archiveUndoLog(SystemCalls &sys, const QString &logPath, const QByteArray &sourcePath, const QDateTime &time,
                       bool unfinished);
// Removes the oldest logs beyond kUndoHistoryBatches - 1 in history/.
void pruneUndoHistory(SystemCalls &sys, const QString &logPath);

// The lines of a log that name operations (header and empty lines left out).
int undoLogEntryCount(const QByteArray &content);

// The same count fed piece by piece, for a log read in parts.
class UndoLogEntryCounter {
public:
    void add(const char *data, qsizetype size);
    int count() const;

private:
    bool holdsSeparator(const char *begin, const char *end);

    int m_count = 0;
    bool m_found = false; // the line being read holds the separator
    char m_tail[2] = {};  // its last characters before the current piece
    int m_tailLength = 0;
};

// Reverts the batches listed by listUndoHistory from the newest through
// entry `through`, one after another (a batch may build on the one before).
// Stops at a batch whose files could not all go back. Empties the list.
void undoHistoryThrough(int through, RenameItemList &items, Reporter &reporter, const BatchEnvironment &env);

// One line per batch for the unattended run: time, count, mode, folders.
QString undoHistoryListing(const QList<UndoHistoryEntry> &entries);

} // namespace morvane
