#include "batch/name_table.h"

#include <QByteArrayView>

#include <bit>
#include <cstring>

namespace morvane {

namespace {

// The UTF-8 bytes are taken eight at a time as one little-endian word (the
// last one padded with zeros), each word mixed in with one multiply, the
// byte count last; a final mix spreads every input bit over the low bits
// (the filter) and the high ones (the slot and the tag).
constexpr quint64 kSeed = 0x9E3779B97F4A7C15ULL;
constexpr quint64 kMultiplier = 0xFF51AFD7ED558CCDULL;

inline quint64 mixWord(quint64 h, quint64 word)
{
    h = (h ^ word) * kMultiplier;
    return h ^ (h >> 29);
}

// Eight bytes as one little-endian word, whatever the machine's order.
inline quint64 littleEndianWord(const char *bytes, size_t count)
{
    quint64 word = 0;
    std::memcpy(&word, bytes, count);
    if constexpr (std::endian::native == std::endian::big)
        word = __builtin_bswap64(word);
    return word;
}

inline quint64 finish(quint64 h, quint64 bytes)
{
    h ^= bytes;
    h ^= h >> 33;
    h *= 0xC4CEB9FE1A85EC53ULL;
    h ^= h >> 33;
    return h ? h : 1;
}

constexpr quint64 kNonAscii = 0xFF80FF80FF80FF80ULL;

// Four UTF-16 units, the first in the low bits.
inline quint64 fourUnits(const char16_t *s)
{
    if constexpr (std::endian::native == std::endian::little) {
        quint64 units;
        std::memcpy(&units, s, sizeof units);
        return units;
    } else {
        return quint64(s[0]) | quint64(s[1]) << 16 | quint64(s[2]) << 32 | quint64(s[3]) << 48;
    }
}

// The low byte of each of four units below 0x100, as four bytes.
inline quint64 lowBytes(quint64 units)
{
    return (units & 0xFF) | ((units >> 8) & 0xFF00) | ((units >> 16) & 0xFF0000) | ((units >> 24) & 0xFF000000);
}

// Gathers bytes into words as they are made from UTF-16.
struct WordBuilder {
    quint64 h = kSeed;
    quint64 word = 0;
    unsigned filled = 0; // bytes in word, 0-7
    quint64 total = 0;

    // count bytes (1-8) in the low end of value, first byte lowest
    void put(quint64 value, unsigned count)
    {
        word |= value << (8 * filled);
        filled += count;
        total += count;
        if (filled >= 8) {
            h = mixWord(h, word);
            filled -= 8;
            word = filled ? value >> (8 * (count - filled)) : 0;
        }
    }
    quint64 done()
    {
        if (filled)
            h = mixWord(h, word);
        return finish(h, total);
    }
};

} // namespace

quint64 NameTable::hashOf(QStringView name, qsizetype *utf8Size)
{
    WordBuilder b;
    const qsizetype n = name.size();
    const char16_t *s = name.utf16();
    qsizetype i = 0;
    while (i < n) {
        // Eight, then four ASCII units at once: their low bytes are the UTF-8 form.
        if (i + 8 <= n) {
            const quint64 low = fourUnits(s + i), high = fourUnits(s + i + 4);
            if (!((low | high) & kNonAscii)) {
                b.put(lowBytes(low) | lowBytes(high) << 32, 8);
                i += 8;
                continue;
            }
        }
        if (i + 4 <= n) {
            const quint64 units = fourUnits(s + i);
            if (!(units & kNonAscii)) {
                b.put(lowBytes(units), 4);
                i += 4;
                continue;
            }
        }
        char32_t c = s[i++];
        if (c < 0x80) {
            b.put(c, 1);
        } else if (c < 0x800) {
            b.put((0xC0 | (c >> 6)) | (quint64(0x80 | (c & 0x3F)) << 8), 2);
        } else if (QChar::isHighSurrogate(c) && i < n && QChar::isLowSurrogate(s[i])) {
            c = QChar::surrogateToUcs4(char16_t(c), s[i++]);
            b.put((0xF0 | (c >> 18)) | (quint64(0x80 | ((c >> 12) & 0x3F)) << 8)
                      | (quint64(0x80 | ((c >> 6) & 0x3F)) << 16) | (quint64(0x80 | (c & 0x3F)) << 24),
                  4);
        } else if (QChar::isSurrogate(c)) {
            b.put('?', 1); // a lone half, written as QString::toUtf8 writes it
        } else {
            b.put((0xE0 | (c >> 12)) | (quint64(0x80 | ((c >> 6) & 0x3F)) << 8) | (quint64(0x80 | (c & 0x3F)) << 16),
                  3);
        }
    }
    if (utf8Size)
        *utf8Size = qsizetype(b.total);
    return b.done();
}

quint64 NameTable::hashOfUtf8(const char *bytes, qsizetype size)
{
    quint64 h = kSeed;
    qsizetype i = 0;
    for (; i + 8 <= size; i += 8) {
        h = mixWord(h, littleEndianWord(bytes + i, 8));
    }
    if (i < size)
        h = mixWord(h, littleEndianWord(bytes + i, size_t(size - i)));
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
    m_hashes.reserve(size_t(names));
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
    for (size_t k = 0; k < m_hashes.size(); ++k) {
        const quint64 bit = m_hashes[k] & m_filterMask;
        m_filter[size_t(bit >> 6)] |= quint64(1) << (bit & 63);
        qsizetype i = indexOf(m_hashes[k]);
        while (m_entries[size_t(i)].tag)
            i = (i + 1) & mask;
        m_entries[size_t(i)] = Entry{tagOf(m_hashes[k]), quint32(k)};
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
        if (e.tag == tag && m_hashes[e.index] == hash && same(m_names[e.index]))
            return &e;
    }
}

int &NameTable::valueFor(QStringView name, quint64 hash)
{
    if (2 * (m_names.size() + 1) > m_entries.size())
        rehash(qMax<qsizetype>(16, 2 * qsizetype(m_entries.size())));
    auto *e = const_cast<Entry *>(lookUp(hash, [name](QStringView stored) { return stored == name; }));
    if (!e->tag) {
        *e = Entry{tagOf(hash), quint32(m_names.size())};
        const quint64 bit = hash & m_filterMask;
        m_filter[size_t(bit >> 6)] |= quint64(1) << (bit & 63);
        m_hashes.push_back(hash);
        m_names.push_back(name);
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

const int *NameTable::findUtf8(const char *bytes, qsizetype size, quint64 hash) const
{
    if (!mayHold(hash))
        return nullptr;
    // Equal hashes: a hit, unless two names share a hash; the bytes tell.
    const Entry *e =
        lookUp(hash, [bytes, size](QStringView stored) { return stored.toUtf8() == QByteArrayView(bytes, size); });
    return e && e->tag ? &m_values[e->index] : nullptr;
}

QStringView NameTable::keep(QString name)
{
    m_kept.push_back(std::move(name));
    return m_kept.back();
}

} // namespace morvane
