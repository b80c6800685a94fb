#pragma once

#include "engine/date_time.h"

#include <QString>

namespace morvane {

// One file or folder of the batch. The list keeps copies; change an item by
// reading the copy at index i, changing it and writing it back.
//
// An item holds its folder and its name apart: the items of one folder share
// one folder string, so a batch costs about its names, and the full path is
// joined only where it is needed.
struct RenameItem {
    QString newName;  // name with extension from the last preview; empty until then
    qint64 size = -1; // bytes; -1 when it cannot be read, and for a folder; kFactsUnread before it is read
    DateTime createdUtc = 0;
    DateTime modifiedUtc = 0;

    // Size and times not read yet: a run whose names, order and columns need
    // neither leaves them, since the look costs a system call per file.
    static constexpr qint64 kFactsUnread = -2;
    bool factsKnown() const { return size != kFactsUnread; }

    // The path up to and including its last "/"; the items of one folder share it.
    const QString &folder() const { return m_folder; }
    // The name in the folder, extension included.
    const QString &fileName() const { return m_fileName; }
    // The full path as added: folder and fileName joined; identity for the duplicate test.
    QString originalPath() const { return m_folder + m_fileName; }
    // The name without its extension; a folder's whole name.
    QStringView originalName() const { return QStringView(m_fileName).first(m_nameLength); }
    // The extension with its leading "."; empty without one, always empty for a folder.
    QStringView ext() const { return QStringView(m_fileName).sliced(m_nameLength); }

    // Splits path at its last "/" into folder and fileName (set isFolder first).
    void setPath(const QString &path);
    // The folder string as given (pass the same string for the items of one folder).
    void setPath(const QString &folder, QString fileName);

    bool isFolder = false; // the folder itself is renamed, not its files

private:
    qint32 m_nameLength = 0; // originalName's length within fileName; beside isFolder, in its padding
    QString m_folder;
    QString m_fileName;
};

// a == b, at once when both are one shared string (the folders of one folder's items).
inline bool isSameText(const QString &a, const QString &b)
{
    return (a.constData() == b.constData() && a.size() == b.size()) || a == b;
}

// True when the path names exactly one file on disk once encoded: no U+0000
// (the system would cut the path there), no lone surrogate and no U+FFFD
// (both stand for bytes that were not valid UTF-8, so the encoded path could
// name some other file).
bool isExactLocalPath(const QString &path);

// The message for a path that fails isExactLocalPath.
QString inexactPathMessage(const QString &path);

} // namespace morvane
