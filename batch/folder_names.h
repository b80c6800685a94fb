#pragma once

#include <QByteArray>

#include <memory>
#include <string>
#include <vector>

namespace morvane {

// The names in one folder, raw bytes with the hash NameTable gives them.
// A live preview checks the same folder again and again: while the folder
// has not changed since it was read (same inode, same change times, and
// those older than a second when it was read, so a change within the file
// system's clock tick cannot hide), the last listing serves again.
//
//   std::shared_ptr<const FolderNames> names = FolderNames::read("/photos");
//   for (size_t i = 0; names && i < names->count(); ++i)
//       use(names->name(i), names->size(i), names->hash(i));
class FolderNames {
public:
    // Null when the folder cannot be read (missing, a file, no permission).
    static std::shared_ptr<const FolderNames> read(const QByteArray &folder);
    // Lets go of the listing kept for the next check: a batch changes the
    // folders it works in, and at a million names the listing is 40 MB.
    static void forgetKept();

    size_t count() const { return m_hashes.size(); }
    const char *name(size_t i) const { return m_bytes.data() + m_offsets[i]; }
    qsizetype size(size_t i) const { return qsizetype(m_offsets[i + 1] - m_offsets[i] - 1); }
    quint64 hash(size_t i) const { return m_hashes[i]; }

    // Whether an entry has this hash (NameTable::hashOf/hashOfUtf8) and a
    // name same(bytes, size) accepts; same is asked only on equal hashes.
    template <typename Same>
    bool contains(quint64 hash, Same same) const
    {
        if (!mayHold(hash))
            return false;
        const size_t mask = m_index.size() - 1;
        for (size_t i = slotOf(hash);; i = (i + 1) & mask) {
            const quint32 entry = m_index[i];
            if (!entry)
                return false;
            if (m_hashes[entry - 1] == hash && same(name(entry - 1), size(entry - 1)))
                return true;
        }
    }

    // Starts loading what contains(hash, …) reads after the filter, so a
    // loop over many names waits for memory once for several of them.
    void prefetch(quint64 hash) const
    {
        if (mayHold(hash))
            __builtin_prefetch(&m_index[slotOf(hash)]);
    }

private:
    std::string m_bytes;            // every name, each ended by a NUL
    std::vector<quint32> m_offsets; // where each name starts, and the end
    std::vector<quint64> m_hashes;

    size_t slotOf(quint64 hash) const { return size_t((hash * 0x9E3779B97F4A7C15ULL) >> m_shift); }
    // Eight bits an entry, small enough to stay in the cache: most names
    // that are not in the folder are turned away without touching the index.
    bool mayHold(quint64 hash) const
    {
        const quint64 bit = hash & m_filterMask;
        return (m_filter[size_t(bit >> 6)] >> (bit & 63)) & 1;
    }
    std::vector<quint64> m_filter;
    quint64 m_filterMask = 0;

    std::vector<quint32> m_index; // entry + 1 by hash, open addressing; 0: free
    int m_shift = 63;

    void makeIndex();
};

} // namespace morvane
