#include "batch/folder_names.h"

#include "batch/name_table.h"

#include <dirent.h>
#include <sys/stat.h>

#include <algorithm>
#include <cstring>
#include <limits>
#include <ctime>
#include <mutex>

namespace morvane {

namespace {

// Room for `more`, grown by a quarter rather than doubled: a listing of a
// million names is kept while the check runs, and doubling leaves up to half
// of it unused.
template <typename Buffer>
void growByQuarter(Buffer &buffer, size_t more)
{
    if (buffer.size() + more > buffer.capacity())
        buffer.reserve(buffer.size() + more + buffer.size() / 4 + 1024);
}

struct Stamp {
    dev_t device = 0;
    ino_t inode = 0;
    timespec modified{};
    timespec changed{};
};

bool sameTime(const timespec &a, const timespec &b)
{
    return a.tv_sec == b.tv_sec && a.tv_nsec == b.tv_nsec;
}

bool stampOf(const QByteArray &folder, Stamp *stamp)
{
    struct stat st;
    if (::stat(folder.constData(), &st) != 0 || !S_ISDIR(st.st_mode))
        return false;
    *stamp = Stamp{st.st_dev, st.st_ino, st.st_mtim, st.st_ctim};
    return true;
}

// The last folder read, which a live preview asks for again.
struct LastListing {
    std::mutex mutex;
    QByteArray folder;
    Stamp stamp;
    std::shared_ptr<const FolderNames> names;
};

LastListing &lastListing()
{
    static LastListing last;
    return last;
}

} // namespace

std::shared_ptr<const FolderNames> FolderNames::read(const QByteArray &folder)
{
    Stamp before;
    if (!stampOf(folder, &before))
        return nullptr;
    LastListing &last = lastListing();
    {
        const std::lock_guard lock(last.mutex);
        if (last.names && last.folder == folder && last.stamp.device == before.device
            && last.stamp.inode == before.inode && sameTime(last.stamp.modified, before.modified)
            && sameTime(last.stamp.changed, before.changed))
            return last.names;
    }

    DIR *dir = ::opendir(folder.constData());
    if (!dir)
        return nullptr;
    auto names = std::make_shared<FolderNames>();
    while (const dirent *entry = ::readdir(dir)) {
        const size_t length = std::strlen(entry->d_name);
        // Offsets are 32-bit: 4 GiB of names would be some 20 million files in one folder.
        if (names->m_bytes.size() + length + 1 > std::numeric_limits<quint32>::max()) {
            ::closedir(dir);
            return nullptr;
        }
        growByQuarter(names->m_bytes, length + 1);
        growByQuarter(names->m_offsets, 2);
        growByQuarter(names->m_hashes, 1);
        names->m_offsets.push_back(quint32(names->m_bytes.size()));
        names->m_bytes.append(entry->d_name, length + 1);
        names->m_hashes.push_back(NameTable::hashOfUtf8(entry->d_name, qsizetype(length)));
    }
    names->m_offsets.push_back(quint32(names->m_bytes.size()));
    ::closedir(dir);
    names->makeIndex();

    // Kept only when the folder did not change while it was read and its
    // last change lies more than a second back.
    Stamp after;
    timespec now{};
    ::clock_gettime(CLOCK_REALTIME, &now);
    if (stampOf(folder, &after) && sameTime(after.modified, before.modified) && sameTime(after.changed, before.changed)
        && before.modified.tv_sec + 1 < now.tv_sec && before.changed.tv_sec + 1 < now.tv_sec) {
        const std::lock_guard lock(last.mutex);
        last.folder = folder;
        last.stamp = before;
        last.names = names;
    }
    return names;
}

void FolderNames::forgetKept()
{
    LastListing &last = lastListing();
    const std::lock_guard lock(last.mutex);
    last.names.reset();
}

void FolderNames::makeIndex()
{
    // At most half full, so a probe rarely walks far.
    size_t capacity = 2;
    m_shift = 63;
    while (capacity < 2 * m_hashes.size()) {
        capacity *= 2;
        --m_shift;
    }
    m_index.assign(capacity, 0);
    m_filter.assign(std::max<size_t>(1, capacity * 4 / 64), 0); // 8 bits an entry at half load
    m_filterMask = quint64(m_filter.size()) * 64 - 1;
    const size_t mask = capacity - 1;
    for (size_t k = 0; k < m_hashes.size(); ++k) {
        size_t i = slotOf(m_hashes[k]);
        while (m_index[i])
            i = (i + 1) & mask;
        m_index[i] = quint32(k + 1);
        const quint64 bit = m_hashes[k] & m_filterMask;
        m_filter[size_t(bit >> 6)] |= quint64(1) << (bit & 63);
    }
}

} // namespace morvane
