#pragma once

#include "rename_item.h"

#include <QList>
#include <QSet>

// The batch: rename items in the order they were added (FRenameItems).
// The duplicate test uses an index of paths, so adding N files costs O(N).
class RenameItemList {
public:
    // Adds the file at path; returns false (silently) for an empty path, a path
    // that is no existing file (folders do not count, links are followed) or a
    // duplicate. Throws MorvaneError when the file cannot be named exactly.
    bool AddFileItem(const QString &path);
    bool ItemExists(const QString &path) const;

    int count() const { return int(m_items.size()); }
    bool isEmpty() const { return m_items.isEmpty(); }
    const TRenameItem &at(int index) const { return m_items.at(index); }
    const QList<TRenameItem> &items() const { return m_items; }

    // Writes item back at index (keeps the path index in step).
    void replace(int index, const TRenameItem &item);
    void setNewName(int index, const QString &newName) { m_items[index].NewName = newName; }
    void append(const TRenameItem &item);

    // Removes the items at the given indexes (any order, duplicates ignored).
    void removeIndexes(QList<int> indexes);
    void clear();

private:
    QList<TRenameItem> m_items;
    QSet<QString> m_paths;
};
