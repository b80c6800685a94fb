#include "rename_item_list.h"

#include "morvane_error.h"

#include <QFile>

#include <fcntl.h>
#include <sys/stat.h>

#include <algorithm>
#include <cerrno>

namespace {

// out = text, in out's own memory when it has room (text must not lie in out).
void Overwrite(QString &out, QStringView text)
{
    out.resize(text.size());
    std::copy(text.begin(), text.end(), out.data());
}

} // namespace

bool ReadFileFacts(const QString &path, TRenameItem *item)
{
    return ReadFileFactsAt(AT_FDCWD, QFile::encodeName(path).constData(), item);
}

bool ReadFileFactsAt(int dirFd, const char *name, TRenameItem *item)
{
    struct statx sx;
    // One call answers existence, kind, size and both times; links are followed.
    if (statx(dirFd, name, AT_STATX_SYNC_AS_STAT,
              STATX_TYPE | STATX_SIZE | STATX_MTIME | STATX_BTIME, &sx) == 0) {
        if (!S_ISREG(sx.stx_mode))
            return false;
        item->Size = (sx.stx_mask & STATX_SIZE) ? qint64(sx.stx_size) : -1;
        item->ModifiedUtc = DateTimeFromUnix(sx.stx_mtime.tv_sec, sx.stx_mtime.tv_nsec);
        // A birth time of exactly the Unix epoch was never set (images, some tools).
        const bool hasBirth = (sx.stx_mask & STATX_BTIME) && (sx.stx_btime.tv_sec != 0 || sx.stx_btime.tv_nsec != 0);
        item->CreatedUtc = hasBirth
            ? DateTimeFromUnix(sx.stx_btime.tv_sec, sx.stx_btime.tv_nsec)
            : item->ModifiedUtc;
        return true;
    }
    if (errno != ENOSYS)
        return false;
    // Kernels without statx: no birth time there.
    struct stat st;
    if (::fstatat(dirFd, name, &st, 0) != 0 || !S_ISREG(st.st_mode))
        return false;
    item->Size = qint64(st.st_size);
    item->ModifiedUtc = DateTimeFromUnix(st.st_mtim.tv_sec, st.st_mtim.tv_nsec);
    item->CreatedUtc = item->ModifiedUtc;
    return true;
}

bool RenameItemList::AddFileItem(const QString &path)
{
    if (path.isEmpty())
        return false;
    if (!IsExactLocalPath(path))
        throw MorvaneError(InexactPathMessage(path));
    if (ItemExists(path))
        return false;
    TRenameItem item;
    if (!ReadFileFacts(path, &item))
        return false;
    item.OriginalPath = path;
    SplitNameAndExt(path, &item.OriginalName, &item.Ext);
    append(item);
    return true;
}

void RenameItemList::indexPath(const QString &path)
{
    ++m_paths[path];
}

void RenameItemList::unindexPath(const QString &path)
{
    const auto it = m_paths.find(path);
    if (it != m_paths.end() && --it.value() <= 0)
        m_paths.erase(it);
}

void RenameItemList::append(const TRenameItem &item)
{
    m_items.append(item);
    indexPath(item.OriginalPath);
}

void RenameItemList::replace(int index, const TRenameItem &item)
{
    if (m_items.at(index).OriginalPath != item.OriginalPath) {
        unindexPath(m_items.at(index).OriginalPath);
        indexPath(item.OriginalPath);
    }
    m_items[index] = item;
}

void RenameItemList::setPath(int index, const QString &path)
{
    TRenameItem &item = m_items[index];
    if (item.OriginalPath != path) {
        unindexPath(item.OriginalPath);
        indexPath(path);
    }
    item.OriginalPath = path;
    // SplitNameAndExt, written into the item's own strings: the batch renames
    // every item, and their old memory fits the new parts as a rule.
    const qsizetype nameStart = path.lastIndexOf(u'/') + 1;
    const qsizetype dot = path.lastIndexOf(u'.');
    if (dot < nameStart) {
        Overwrite(item.OriginalName, QStringView(path).mid(nameStart));
        item.Ext.clear();
    } else {
        Overwrite(item.OriginalName, QStringView(path).mid(nameStart, dot - nameStart));
        Overwrite(item.Ext, QStringView(path).mid(dot));
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
            unindexPath(m_items.at(i).OriginalPath);
        } else {
            if (kept != i)
                m_items[kept] = std::move(m_items[i]);
            ++kept;
        }
    }
    m_items.resize(kept);
}

void RenameItemList::clear()
{
    m_items.clear();
    m_paths.clear();
}
