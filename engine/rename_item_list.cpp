#include "rename_item_list.h"

#include <QFileInfo>
#include <algorithm>

bool RenameItemList::AddFileItem(const QString &path)
{
    if (path.isEmpty() || ItemExists(path))
        return false;
    QFileInfo info(path);
    if (!info.isFile())
        return false;
    TRenameItem item;
    item.OriginalPath = path;
    SplitNameAndExt(path, &item.OriginalName, &item.Ext);
    item.Size = info.size();
    item.ModifiedUtc = DateTimeFromQt(info.lastModified());
    item.CreatedUtc = item.ModifiedUtc;
    append(item);
    return true;
}

bool RenameItemList::ItemExists(const QString &path) const
{
    return m_paths.contains(path);
}

void RenameItemList::append(const TRenameItem &item)
{
    m_items.append(item);
    m_paths.insert(item.OriginalPath);
}

void RenameItemList::replace(int index, const TRenameItem &item)
{
    m_paths.remove(m_items.at(index).OriginalPath);
    m_items[index] = item;
    m_paths.insert(item.OriginalPath);
}

void RenameItemList::removeIndexes(QList<int> indexes)
{
    std::sort(indexes.begin(), indexes.end(), std::greater<int>());
    indexes.erase(std::unique(indexes.begin(), indexes.end()), indexes.end());
    for (int i : indexes) {
        m_paths.remove(m_items.at(i).OriginalPath);
        m_items.removeAt(i);
    }
}

void RenameItemList::clear()
{
    m_items.clear();
    m_paths.clear();
}
