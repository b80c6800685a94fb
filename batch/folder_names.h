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

    size_t count() const { return m_hashes.size(); }
    const char *name(size_t i) const { return m_bytes.data() + m_offsets[i]; }
    qsizetype size(size_t i) const { return qsizetype(m_offsets[i + 1] - m_offsets[i] - 1); }
    quint64 hash(size_t i) const { return m_hashes[i]; }

private:
    std::string m_bytes;           // every name, each ended by a NUL
    std::vector<size_t> m_offsets; // where each name starts, and the end
    std::vector<quint64> m_hashes;
};

} // namespace morvane
