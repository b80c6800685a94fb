#pragma once

#include "engine/rename_item.h"

#include <QHash>
#include <QList>

namespace morvane {

// The batch: rename items in the order they were added (m_items).
// The duplicate test uses an index of paths, so adding N files costs O(N).
class RenameItemList {
public:
    // Adds the file at path; returns false (silently) for an empty path, a path
    // that is no existing regular file (folders do not count, links are
    // followed) or a duplicate. Throws MorvaneError for a path that fails
    // isExactLocalPath, since it cannot name the file the user meant.
    bool addFileItem(const QString &path);
    // Adds the folder at path as one item (links followed), its whole name as
    // originalName; false, silently, as addFileItem, and for "/" itself.
    bool addFolderItem(const QString &path);
    // Exact comparison: Linux file names are case-sensitive. The first call
    // builds the path index; a list never asked costs no index.
    bool itemExists(const QString &path) const;

    int count() const { return int(m_items.size()); }
    bool isEmpty() const { return m_items.isEmpty(); }
    const RenameItem &at(int index) const { return m_items.at(index); }
    const QList<RenameItem> &items() const { return m_items; }

    // Writes item back at index (keeps the path index in step).
    void replace(int index, const RenameItem &item);
    // Points item index at a new path (originalName and Ext follow, a folder's
    // whole name as its originalName), without copying the item.
    void setPath(int index, const QString &path);
    // The same with the path's folder (up to and including its last "/") and name apart.
    void setPath(int index, QStringView folder, QStringView name);
    // A folder of the batch moved from `from` to `to`: every item below it
    // follows (the folder's own item is not touched). Returns the indexes changed.
    QList<int> folderMoved(const QString &from, const QString &to);
    // True when an item of the list is a folder.
    bool hasFolders() const { return m_folderCount > 0; }
    void setNewName(int index, QString newName) { m_items[index].newName = std::move(newName); }
    // Appends as is, without looking at the disk.
    void append(const RenameItem &item);
    void append(RenameItem &&item);
    // Room for `more` items beyond those held, so a folder of many files is
    // added without the list growing by copies on the way.
    void reserveMore(qsizetype more);

    // Puts the items in a new order: item i afterwards is item order[i] before.
    // order must hold every index once.
    void reorder(const QList<int> &order);

    // Removes the items at the given indexes (any order, duplicates and
    // indexes out of range ignored); the others keep their order.
    void removeIndexes(QList<int> indexes);
    void clear();

    // Reads the size and times of every item added without them.
    void readMissingFacts();

private:
    void indexPath(const RenameItem &item);
    void unindexPath(const RenameItem &item);
    // The folder string of the last item when it is this folder, so that
    // items added one by one from one folder share it; else a new string.
    QString sharedFolder(QStringView folder) const;

    QList<RenameItem> m_items;
    // folder -> name -> number of items holding that path, kept from the first
    // itemExists on; it shares the items' strings, so it costs no path text.
    mutable QHash<QString, QHash<QString, int>> m_paths;
    mutable bool m_indexed = false;
    int m_folderCount = 0;
};

// Reads the file facts of an item from disk, links followed: regular files
// only, or folders only with ItemKind::Folder (no size, isFolder set). Returns
// false when nothing fit is there.
enum class ItemKind { File, Folder };
bool readFileFacts(const QString &path, RenameItem *item, ItemKind kind = ItemKind::File);
// The same for the entry `name` of the folder open as dirFd.
bool readFileFactsAt(int dirFd, const char *name, RenameItem *item, ItemKind kind = ItemKind::File);
// The item's size and times, read from disk now when it was added without
// them (size -1 and times 0 when the file cannot be looked at).
struct FileFacts {
    qint64 size = -1;
    DateTime createdUtc = 0;
    DateTime modifiedUtc = 0;
};
FileFacts fileFactsOf(const RenameItem &item);

} // namespace morvane
