#pragma once

#include "engine/date_time.h"

#include <QString>

namespace morvane {

// One file or folder of the batch. The list keeps copies; change an item by
// reading the copy at index i, changing it and writing it back.
struct RenameItem {
    QString originalPath; // the full path as added; identity for the duplicate test
    QString originalName; // file name without folder and extension; a folder's whole name
    QString newName;      // name with extension from the last preview; empty until then
    QString ext;          // extension with its leading "."; empty without one, always empty for a folder
    qint64 size = -1;     // bytes; -1 when it cannot be read, and for a folder; kFactsUnread before it is read
    DateTime createdUtc = 0;
    DateTime modifiedUtc = 0;
    bool isFolder = false; // the folder itself is renamed, not its files

    // Size and times not read yet: a run whose names, order and columns need
    // neither leaves them, since the look costs a system call per file.
    static constexpr qint64 kFactsUnread = -2;
    bool factsKnown() const { return size != kFactsUnread; }
};

// True when the path names exactly one file on disk once encoded: no U+0000
// (the system would cut the path there), no lone surrogate and no U+FFFD
// (both stand for bytes that were not valid UTF-8, so the encoded path could
// name some other file).
bool isExactLocalPath(const QString &path);

// The message for a path that fails isExactLocalPath.
QString inexactPathMessage(const QString &path);

} // namespace morvane
