#include "engine/rename_item_list.h"

#include "engine/morvane_error.h"
#include "engine/paths.h"

#include <QFile>

#include <fcntl.h>
#include <sys/stat.h>

#include <algorithm>
#include <cerrno>

namespace morvane {

namespace {

// out = text, in out's own memory when it has room (text must not lie in out).
void overwrite(QString &out, QStringView text)
{
    out.resize(text.size());
    std::copy(text.begin(), text.end(), out.data());
}

} // namespace

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
    if (!readFileFacts(item.originalPath, &read))
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
    item.originalPath = path;
    splitNameAndExt(path, &item.originalName, &item.ext);
    append(item);
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
    item.originalPath = folder;
    item.originalName = fileNamePart(folder);
    append(item);
    return true;
}

QList<int> RenameItemList::folderMoved(const QString &from, const QString &to)
{
    QList<int> changed;
    const QString prefix = from.endsWith(u'/') ? from : from + u'/';
    const QString newPrefix = to.endsWith(u'/') ? to : to + u'/';
    for (int i = 0; i < count(); ++i) {
        const QString &path = m_items.at(i).originalPath;
        if (!path.startsWith(prefix))
            continue;
        const QString moved = newPrefix + path.mid(prefix.size());
        unindexPath(path);
        indexPath(moved);
        m_items[i].originalPath = moved; // the name stays: only a folder above it changed
        changed.append(i);
    }
    return changed;
}

bool RenameItemList::itemExists(const QString &path) const
{
    if (!m_indexed) {
        m_paths.reserve(m_items.size());
        for (const RenameItem &item : m_items)
            ++m_paths[item.originalPath];
        m_indexed = true;
    }
    return m_paths.contains(path);
}

void RenameItemList::indexPath(const QString &path)
{
    if (m_indexed)
        ++m_paths[path];
}

void RenameItemList::unindexPath(const QString &path)
{
    if (!m_indexed)
        return;
    const auto it = m_paths.find(path);
    if (it != m_paths.end() && --it.value() <= 0)
        m_paths.erase(it);
}

void RenameItemList::append(const RenameItem &item)
{
    m_items.append(item);
    indexPath(item.originalPath);
    m_folderCount += item.isFolder ? 1 : 0;
}

void RenameItemList::append(RenameItem &&item)
{
    indexPath(item.originalPath);
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
    if (m_items.at(index).originalPath != item.originalPath) {
        unindexPath(m_items.at(index).originalPath);
        indexPath(item.originalPath);
    }
    m_items[index] = item;
}

void RenameItemList::setPath(int index, const QString &path)
{
    RenameItem &item = m_items[index];
    if (item.originalPath != path) {
        unindexPath(item.originalPath);
        indexPath(path);
    }
    item.originalPath = path;
    // splitNameAndExt, written into the item's own strings: the batch renames
    // every item, and their old memory fits the new parts as a rule.
    const qsizetype nameStart = path.lastIndexOf(u'/') + 1;
    const qsizetype dot = item.isFolder ? -1 : path.lastIndexOf(u'.');
    if (dot < nameStart) {
        overwrite(item.originalName, QStringView(path).mid(nameStart));
        item.ext.clear();
    } else {
        overwrite(item.originalName, QStringView(path).mid(nameStart, dot - nameStart));
        overwrite(item.ext, QStringView(path).mid(dot));
    }
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
            unindexPath(m_items.at(i).originalPath);
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
