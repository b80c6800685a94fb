#pragma once

#include "date_time.h"

#include <QString>

// One file of the batch. The list keeps copies; change an item by reading the
// copy at index i, changing it and writing it back.
struct TRenameItem {
    QString OriginalPath;   // the full path as added; identity for the duplicate test
    QString OriginalName;   // file name without folder and extension
    QString NewName;        // name with extension from the last preview; empty until then
    QString Ext;            // extension with its leading "."; empty without one
    qint64 Size = -1;       // bytes; -1 when it cannot be read
    TDateTime CreatedUtc = 0;
    TDateTime ModifiedUtc = 0;
};

// Path split on Linux: "/" is the only separator; ":" and "\" are ordinary characters.
QString FileNamePart(const QString &path);      // text after the last "/"
QString FolderPart(const QString &path);        // text up to and including the last "/"
// OriginalName and Ext of a path: the extension starts at the last "." of the file name part.
void SplitNameAndExt(const QString &path, QString *originalName, QString *ext);

// True when the path names exactly one file on disk once encoded: no U+0000
// (the system would cut the path there), no lone surrogate and no U+FFFD
// (both stand for bytes that were not valid UTF-8, so the encoded path could
// name some other file).
bool IsExactLocalPath(const QString &path);

// The message for a path that fails IsExactLocalPath.
QString InexactPathMessage(const QString &path);
