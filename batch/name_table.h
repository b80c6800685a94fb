#pragma once

#include <QString>
#include <QStringView>

#include <deque>
#include <vector>

namespace morvane {

// Names mapped to numbers, keyed by a 64-bit hash that a name gets alike
// from its UTF-16 form and from the UTF-8 bytes of a folder listing
// (FolderNames), so the two meet without decoding either. The table stores views: the strings they point into
// must outlive it (keep() holds those made only for a key, such as a
// case-folded name).
//
//   NameTable table;
//   table.reserve(1000);
//   int &value = table.valueFor(u"a.txt");   // 0 when new; set it
//   table.find(u"a.txt");                    // &value
//   table.find(u"b.txt");                    // nullptr: absent
class NameTable {
public:
    void reserve(qsizetype names);
    // The table refers to name, which must outlive it (an item's new name, or one kept here).
    int &valueFor(const QString &name) { return valueFor(name, hashOf(name)); }
    int &valueFor(const QString &name, quint64 hash); // hash from hashOf(name)
    const int *find(QStringView name) const { return find(name, hashOf(name)); }
    const int *find(QStringView name, quint64 hash) const; // hash from hashOf(name)
    const QString &keep(QString name);
    // Starts loading the slot a later valueFor(…, hash) reads, so a loop over
    // many names waits for memory once for several of them, not once each.
    void prefetch(quint64 hash) const
    {
        if (!m_entries.empty())
            __builtin_prefetch(&m_entries[size_t(indexOf(hash))]);
    }

    // False: no name of this hash is in the table. One bit per hash value
    // class, four times as many bits as slots: most names that are not in
    // the table (a folder's other files) are turned away here, in memory
    // small enough to stay in the cache.
    bool mayHold(quint64 hash) const
    {
        const quint64 bit = hash & m_filterMask;
        return !m_filter.empty() && (m_filter[size_t(bit >> 6)] >> (bit & 63)) & 1;
    }

    // One hash for a name whether it comes as UTF-16 or as the UTF-8 bytes
    // of a folder listing (a lone surrogate counts as "?", as
    // QString::toUtf8 writes it); utf8Size gets the number of UTF-8 bytes.
    static quint64 hashOf(QStringView name, qsizetype *utf8Size = nullptr);
    static quint64 hashOfUtf8(const char *bytes, qsizetype size);
    // The length of name.toUtf8() without making it.
    static qsizetype utf8SizeOf(QStringView name, bool *loneSurrogate = nullptr);

private:
    // Eight bytes a slot, so a large table stays in the cache: a look-up is
    // one cache miss at most, and the name is read only when the tags agree.
    struct Entry {
        quint32 tag = 0;   // the hash's high half, never 0; 0: free
        quint32 index = 0; // into m_names and m_values
    };
    static quint32 tagOf(quint64 hash) { return quint32(hash >> 32) | 1u; }
    qsizetype indexOf(quint64 hash) const { return qsizetype((hash * 0x9E3779B97F4A7C15ULL) >> m_shift); }
    void rehash(qsizetype capacity);
    template <typename Same>
    const Entry *lookUp(quint64 hash, Same same) const;

    std::vector<Entry> m_entries;
    std::vector<quint64> m_filter;
    quint64 m_filterMask = 0;
    std::vector<const QString *> m_names; // eight bytes a name: the table holds no text
    std::vector<int> m_values;
    int m_shift = 64;
    std::deque<QString> m_kept;
};

} // namespace morvane
