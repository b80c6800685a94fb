#include "engine/rename_item_list.h"

#include "engine/morvane_error.h"
#include "engine/paths.h"

#include <QFile>

#include <fcntl.h>
#include <sys/stat.h>

#include <algorithm>
#include <cerrno>

namespace morvane {

bool readFileFacts(const QString &path, RenameItem *item, ItemKind kind)
{
    return readFileFactsAt(AT_FDCWD, QFile::encodeName(path).constData(), item, kind);
}

bool readFileFactsAt(int dirFd, const char *name, RenameItem *item, ItemKind kind)
{
    const bool folder = kind == ItemKind::Folder;
    auto fits = [folder](mode_t mode) { return folder ? S_ISDIR(mode) : S_ISREG(mode); };
    item->isFolder = folder;
    struct statx sx;
    // One call answers existence, kind, size and both times; links are followed.
    if (statx(dirFd, name, AT_STATX_SYNC_AS_STAT, STATX_TYPE | STATX_SIZE | STATX_MTIME | STATX_BTIME, &sx) == 0) {
        if (!fits(sx.stx_mode))
            return false;
        item->size = !folder && (sx.stx_mask & STATX_SIZE) ? qint64(sx.stx_size) : -1;
        item->modifiedUtc = dateTimeFromUnix(sx.stx_mtime.tv_sec, sx.stx_mtime.tv_nsec);
        // A birth time of exactly the Unix epoch was never set (images, some tools).
        const bool hasBirth = (sx.stx_mask & STATX_BTIME) && (sx.stx_btime.tv_sec != 0 || sx.stx_btime.tv_nsec != 0);
        item->createdUtc = hasBirth ? dateTimeFromUnix(sx.stx_btime.tv_sec, sx.stx_btime.tv_nsec) : item->modifiedUtc;
        return true;
    }
    if (errno != ENOSYS)
        return false;
    // Kernels without statx: no birth time there.
    struct stat st;
    if (::fstatat(dirFd, name, &st, 0) != 0 || !fits(st.st_mode))
        return false;
    item->size = folder ? -1 : qint64(st.st_size);
    item->modifiedUtc = dateTimeFromUnix(st.st_mtim.tv_sec, st.st_mtim.tv_nsec);
    item->createdUtc = item->modifiedUtc;
    return true;
}

FileFacts fileFactsOf(const RenameItem &item)
{
    if (item.factsKnown())
        return {item.size, item.createdUtc, item.modifiedUtc};
    RenameItem read;
    if (!readFileFacts(item.originalPath(), &read))
        return {};
    return {read.size, read.createdUtc, read.modifiedUtc};
}

void RenameItemList::readMissingFacts()
{
    for (RenameItem &item : m_items) {
        if (!item.factsKnown()) {
            const FileFacts facts = fileFactsOf(item);
            item.size = facts.size;
            item.createdUtc = facts.createdUtc;
            item.modifiedUtc = facts.modifiedUtc;
        }
    }
}

bool RenameItemList::addFileItem(const QString &path)
{
    if (path.isEmpty())
        return false;
    if (!isExactLocalPath(path))
        throw MorvaneError(inexactPathMessage(path));
    if (itemExists(path))
        return false;
    RenameItem item;
    if (!readFileFacts(path, &item))
        return false;
    const qsizetype nameStart = path.lastIndexOf(u'/') + 1;
    item.setPath(sharedFolder(QStringView(path).first(nameStart)), path.mid(nameStart));
    append(std::move(item));
    return true;
}

bool RenameItemList::addFolderItem(const QString &path)
{
    if (path.isEmpty())
        return false;
    if (!isExactLocalPath(path))
        throw MorvaneError(inexactPathMessage(path));
    QString folder = path;
    while (folder.size() > 1 && folder.endsWith(u'/'))
        folder.chop(1);
    if (folder == u"/" || itemExists(folder))
        return false;
    RenameItem item;
    if (!readFileFacts(folder, &item, ItemKind::Folder))
        return false;
    const qsizetype nameStart = folder.lastIndexOf(u'/') + 1;
    item.setPath(sharedFolder(QStringView(folder).first(nameStart)), folder.mid(nameStart));
    append(std::move(item));
    return true;
}

QList<int> RenameItemList::folderMoved(const QString &from, const QString &to)
{
    QList<int> changed;
    const QString prefix = from.endsWith(u'/') ? from : from + u'/';
    const QString newPrefix = to.endsWith(u'/') ? to : to + u'/';
    // Items of one folder keep sharing one folder string after the move.
    QString oldFolder, newFolder;
    for (int i = 0; i < count(); ++i) {
        RenameItem &item = m_items[i];
        if (!item.folder().startsWith(prefix))
            continue;
        if (item.folder() != oldFolder) {
            oldFolder = item.folder();
            newFolder = newPrefix + oldFolder.sliced(prefix.size());
        }
        unindexPath(item);
        item.setPath(newFolder, item.fileName()); // the name stays: only a folder above it changed
        indexPath(item);
        changed.append(i);
    }
    return changed;
}

QString RenameItemList::sharedFolder(QStringView folder) const
{
    if (!m_items.isEmpty() && m_items.constLast().folder() == folder)
        return m_items.constLast().folder();
    return folder.toString();
}

bool RenameItemList::itemExists(const QString &path) const
{
    if (!m_indexed) {
        for (const RenameItem &item : m_items)
            ++m_paths[item.folder()][item.fileName()];
        m_indexed = true;
    }
    const qsizetype nameStart = path.lastIndexOf(u'/') + 1;
    const auto folder = m_paths.constFind(path.first(nameStart));
    return folder != m_paths.cend() && folder->contains(path.sliced(nameStart));
}

void RenameItemList::indexPath(const RenameItem &item)
{
    if (m_indexed)
        ++m_paths[item.folder()][item.fileName()];
}

void RenameItemList::unindexPath(const RenameItem &item)
{
    if (!m_indexed)
        return;
    const auto folder = m_paths.find(item.folder());
    if (folder == m_paths.end())
        return;
    const auto it = folder->find(item.fileName());
    if (it != folder->end() && --it.value() <= 0)
        folder->erase(it);
    if (folder->isEmpty())
        m_paths.erase(folder);
}

void RenameItemList::append(const RenameItem &item)
{
    m_items.append(item);
    indexPath(item);
    m_folderCount += item.isFolder ? 1 : 0;
}

void RenameItemList::append(RenameItem &&item)
{
    indexPath(item);
    m_folderCount += item.isFolder ? 1 : 0;
    m_items.append(std::move(item));
}

void RenameItemList::reserveMore(qsizetype more)
{
    const qsizetype wanted = m_items.size() + more;
    // Exact for the first folder; at least doubling after that, so many
    // small folders do not copy the list once each.
    if (wanted > m_items.capacity())
        m_items.reserve(m_items.isEmpty() ? wanted : std::max(wanted, 2 * m_items.capacity()));
}

void RenameItemList::replace(int index, const RenameItem &item)
{
    m_folderCount += (item.isFolder ? 1 : 0) - (m_items.at(index).isFolder ? 1 : 0);
    unindexPath(m_items.at(index));
    indexPath(item);
    m_items[index] = item;
}

void RenameItemList::setPath(int index, const QString &path)
{
    const qsizetype nameStart = path.lastIndexOf(u'/') + 1;
    setPath(index, QStringView(path).first(nameStart), QStringView(path).sliced(nameStart));
}

void RenameItemList::setPath(int index, QStringView folder, QStringView name)
{
    RenameItem &item = m_items[index];
    unindexPath(item);
    // Renamed in place, an item keeps its folder string and takes the preview's
    // text as its name: shared, not copied.
    QString newFolder = folder == item.folder() ? item.folder() : sharedFolder(folder);
    QString newName = name == item.newName ? item.newName : name.toString();
    item.setPath(newFolder, std::move(newName));
    indexPath(item);
}

void RenameItemList::removeIndexes(QList<int> indexes)
{
    const int n = count();
    QList<bool> drop(n, false);
    bool any = false;
    for (int i : indexes) {
        if (i >= 0 && i < n) {
            drop[i] = true;
            any = true;
        }
    }
    if (!any)
        return;
    // One pass keeps removal of many rows linear.
    int kept = 0;
    for (int i = 0; i < n; ++i) {
        if (drop[i]) {
            unindexPath(m_items.at(i));
            m_folderCount -= m_items.at(i).isFolder ? 1 : 0;
        } else {
            if (kept != i)
                m_items[kept] = std::move(m_items[i]);
            ++kept;
        }
    }
    m_items.resize(kept);
}

void RenameItemList::reorder(const QList<int> &order)
{
    Q_ASSERT(order.size() == m_items.size());
    QList<RenameItem> sorted;
    sorted.reserve(order.size());
    for (int i : order)
        sorted.append(std::move(m_items[i]));
    m_items = std::move(sorted); // the path index counts paths, not places: it stays
}

void RenameItemList::clear()
{
    m_items.clear();
    m_paths.clear();
    m_folderCount = 0;
    m_paths.squeeze();
    m_indexed = false;
}

} // namespace morvane
