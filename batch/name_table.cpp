#include "batch/name_table.h"

#include <QByteArrayView>

#include <cstring>

namespace morvane {

namespace {

constexpr quint64 kFnvOffset = 0xcbf29ce484222325ULL;
constexpr quint64 kFnvPrime = 0x100000001b3ULL;

inline void feed(quint64 &h, unsigned byte)
{
    h = (h ^ byte) * kFnvPrime;
}

inline quint64 nonZero(quint64 h)
{
    return h ? h : 1;
}

} // namespace

quint64 NameTable::hashOf(QStringView name, qsizetype *utf8Size)
{
    quint64 h = kFnvOffset;
    qsizetype bytes = 0;
    const qsizetype n = name.size();
    const char16_t *s = name.utf16();
    for (qsizetype i = 0; i < n; ++i) {
        char32_t c = s[i];
        if (c < 0x80) {
            feed(h, c);
            bytes += 1;
            continue;
        }
        if (c < 0x800) {
            feed(h, 0xC0 | (c >> 6));
            feed(h, 0x80 | (c & 0x3F));
            bytes += 2;
            continue;
        }
        if (QChar::isHighSurrogate(c) && i + 1 < n && QChar::isLowSurrogate(s[i + 1])) {
            c = QChar::surrogateToUcs4(char16_t(c), s[++i]);
            feed(h, 0xF0 | (c >> 18));
            feed(h, 0x80 | ((c >> 12) & 0x3F));
            feed(h, 0x80 | ((c >> 6) & 0x3F));
            feed(h, 0x80 | (c & 0x3F));
            bytes += 4;
            continue;
        }
        if (QChar::isSurrogate(c))
            c = 0xFFFD;
        feed(h, 0xE0 | (c >> 12));
        feed(h, 0x80 | ((c >> 6) & 0x3F));
        feed(h, 0x80 | (c & 0x3F));
        bytes += 3;
    }
    if (utf8Size)
        *utf8Size = bytes;
    return nonZero(h);
}

quint64 NameTable::hashOfUtf8(const char *bytes, qsizetype size)
{
    quint64 h = kFnvOffset;
    for (qsizetype i = 0; i < size; ++i)
        feed(h, uchar(bytes[i]));
    return nonZero(h);
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

const int *NameTable::find(QStringView name) const
{
    const quint64 hash = hashOf(name);
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
