#include "batch/name_table.h"

#include <bit>
#include <cstring>

namespace morvane {

namespace {

// The UTF-16 units are taken four at a time as one word (the last one padded
// with zeros), each word mixed in with one multiply, the unit count last; a
// final mix spreads every input bit over the low bits (the filter) and the
// high ones (the slot and the tag). A name that is all ASCII, by far the most
// common, costs one pass and no decoding on either side.
constexpr quint64 kSeed = 0x9E3779B97F4A7C15ULL;
constexpr quint64 kMultiplier = 0xFF51AFD7ED558CCDULL;
constexpr quint64 kNonAsciiUnits = 0xFF80FF80FF80FF80ULL;
constexpr quint64 kNonAsciiBytes = 0x8080808080808080ULL;

inline quint64 mixWord(quint64 h, quint64 word)
{
    h = (h ^ word) * kMultiplier;
    return h ^ (h >> 29);
}

inline quint64 finish(quint64 h, quint64 units)
{
    h ^= units;
    h ^= h >> 33;
    h *= 0xC4CEB9FE1A85EC53ULL;
    h ^= h >> 33;
    return h ? h : 1;
}

// Up to four UTF-16 units as one word, the first in the low bits.
inline quint64 unitWord(const char16_t *s, qsizetype count)
{
    if (count == 4 && std::endian::native == std::endian::little) {
        quint64 word;
        std::memcpy(&word, s, sizeof word);
        return word;
    }
    quint64 word = 0;
    for (qsizetype k = 0; k < count; ++k)
        word |= quint64(s[k]) << (16 * k);
    return word;
}

// Up to four bytes below 0x80 as the word of their UTF-16 units.
inline quint64 asciiWord(const char *bytes, qsizetype count)
{
    if (count == 4 && std::endian::native == std::endian::little) {
        quint32 four;
        std::memcpy(&four, bytes, sizeof four);
        quint64 word = four;
        word = (word | word << 16) & 0x0000FFFF0000FFFFULL;
        return (word | word << 8) & 0x00FF00FF00FF00FFULL;
    }
    quint64 word = 0;
    for (qsizetype k = 0; k < count; ++k)
        word |= quint64(uchar(bytes[k])) << (16 * k);
    return word;
}

// The hash of the units as they stand; seen gets every unit or-ed together.
quint64 unitHash(QStringView name, quint64 *seen)
{
    const char16_t *s = name.utf16();
    const qsizetype n = name.size();
    quint64 h = kSeed, all = 0;
    qsizetype i = 0;
    for (; i + 4 <= n; i += 4) {
        const quint64 word = unitWord(s + i, 4);
        all |= word;
        h = mixWord(h, word);
    }
    if (i < n) {
        const quint64 word = unitWord(s + i, n - i);
        all |= word;
        h = mixWord(h, word);
    }
    *seen = all;
    return finish(h, quint64(n));
}

} // namespace

quint64 NameTable::hashOf(QStringView name, qsizetype *utf8Size)
{
    quint64 seen = 0;
    const quint64 h = unitHash(name, &seen);
    if (!(seen & kNonAsciiUnits)) {
        if (utf8Size)
            *utf8Size = name.size();
        return h;
    }
    // Beyond ASCII: a lone surrogate hashes as the "?" that QString::toUtf8
    // writes for it, so the name meets its file.
    bool lone = false;
    const qsizetype bytes = utf8SizeOf(name, &lone);
    if (utf8Size)
        *utf8Size = bytes;
    return lone ? hashOf(QString::fromUtf8(name.toUtf8())) : h;
}

qsizetype NameTable::utf8SizeOf(QStringView name, bool *loneSurrogate)
{
    qsizetype bytes = 0;
    bool lone = false;
    const qsizetype n = name.size();
    for (qsizetype i = 0; i < n; ++i) {
        const char16_t u = name[i].unicode();
        if (u < 0x80) {
            bytes += 1;
        } else if (u < 0x800) {
            bytes += 2;
        } else if (QChar::isHighSurrogate(u) && i + 1 < n && QChar::isLowSurrogate(name[i + 1].unicode())) {
            bytes += 4;
            ++i;
        } else if (QChar::isSurrogate(u)) {
            bytes += 1; // written as "?"
            lone = true;
        } else {
            bytes += 3;
        }
    }
    if (loneSurrogate)
        *loneSurrogate = lone;
    return bytes;
}

quint64 NameTable::hashOfUtf8(const char *bytes, qsizetype size)
{
    quint64 seen = 0;
    qsizetype i = 0;
    for (; i + 8 <= size; i += 8) {
        quint64 word;
        std::memcpy(&word, bytes + i, sizeof word);
        seen |= word;
    }
    for (; i < size; ++i)
        seen |= uchar(bytes[i]);
    if (seen & kNonAsciiBytes)
        return hashOf(QString::fromUtf8(bytes, size)); // bytes that are not UTF-8 meet no name: never equal
    quint64 h = kSeed;
    for (i = 0; i + 4 <= size; i += 4)
        h = mixWord(h, asciiWord(bytes + i, 4));
    if (i < size)
        h = mixWord(h, asciiWord(bytes + i, size - i));
    return finish(h, quint64(size));
}

void NameTable::reserve(qsizetype names)
{
    // At most half full, so a probe rarely walks far.
    qsizetype capacity = 16;
    while (capacity < 2 * names)
        capacity *= 2;
    if (capacity > qsizetype(m_entries.size()))
        rehash(capacity);
    m_names.reserve(size_t(names));
    m_values.reserve(size_t(names));
}

void NameTable::rehash(qsizetype capacity)
{
    m_entries.assign(size_t(capacity), Entry());
    m_shift = 64;
    for (qsizetype c = capacity; c > 1; c /= 2)
        --m_shift;
    m_filter.assign(size_t(capacity / 16), 0); // 4 bits a slot, 64 to a word
    m_filterMask = quint64(capacity) * 4 - 1;
    const qsizetype mask = capacity - 1;
    // Hashed again rather than kept: eight bytes a name saved, and a table
    // reserved for its names grows rarely.
    for (size_t k = 0; k < m_names.size(); ++k) {
        const quint64 hash = hashOf(*m_names[k]);
        const quint64 bit = hash & m_filterMask;
        m_filter[size_t(bit >> 6)] |= quint64(1) << (bit & 63);
        qsizetype i = indexOf(hash);
        while (m_entries[size_t(i)].tag)
            i = (i + 1) & mask;
        m_entries[size_t(i)] = Entry{tagOf(hash), quint32(k)};
    }
}

template <typename Same>
const NameTable::Entry *NameTable::lookUp(quint64 hash, Same same) const
{
    if (m_entries.empty())
        return nullptr;
    const quint32 tag = tagOf(hash);
    const qsizetype mask = qsizetype(m_entries.size()) - 1;
    for (qsizetype i = indexOf(hash);; i = (i + 1) & mask) {
        const Entry &e = m_entries[size_t(i)];
        if (!e.tag)
            return &e;
        if (e.tag == tag && same(QStringView(*m_names[e.index])))
            return &e;
    }
}

int &NameTable::valueFor(const QString &name, quint64 hash)
{
    if (2 * (m_names.size() + 1) > m_entries.size())
        rehash(qMax<qsizetype>(16, 2 * qsizetype(m_entries.size())));
    auto *e = const_cast<Entry *>(lookUp(hash, [name](QStringView stored) { return stored == name; }));
    if (!e->tag) {
        *e = Entry{tagOf(hash), quint32(m_names.size())};
        const quint64 bit = hash & m_filterMask;
        m_filter[size_t(bit >> 6)] |= quint64(1) << (bit & 63);
        m_names.push_back(&name);
        m_values.push_back(0);
    }
    return m_values[e->index];
}

const int *NameTable::find(QStringView name, quint64 hash) const
{
    if (!mayHold(hash))
        return nullptr;
    const Entry *e = lookUp(hash, [name](QStringView stored) { return stored == name; });
    return e && e->tag ? &m_values[e->index] : nullptr;
}

const QString &NameTable::keep(QString name)
{
    m_kept.push_back(std::move(name));
    return m_kept.back();
}

} // namespace morvane
