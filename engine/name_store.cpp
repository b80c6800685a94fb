#include "engine/name_store.h"

#include <cstring>

namespace morvane {

namespace {

// 32 KB a block: a name that is long for a file name still fits many times,
// and a store holds at most one block's room unused.
constexpr qsizetype kBlockChars = 16384;
// Longer strings get their own allocation, as if they were not stored here.
constexpr qsizetype kLongest = kBlockChars / 8;

} // namespace

char16_t *NameStore::reserve(qsizetype n)
{
    if (!m_block.isMutable() || m_used + n + 1 > m_block.constAllocatedCapacity()) {
        // The store keeps a reference to the block for as long as it fills it.
        m_block = QString::DataPointer(QTypedArrayData<char16_t>::allocate(kBlockChars));
        m_used = 0;
    }
    char16_t *begin = m_block.data() + m_used;
    m_used += n + 1;
    return begin;
}

QString NameStore::view(char16_t *begin, qsizetype n)
{
    begin[n] = u'\0'; // every QString ends in a NUL, which utf16() hands out
    m_block.d_ptr()->ref();
    return QString(QString::DataPointer(m_block.d_ptr(), begin, n));
}

QString NameStore::store(QStringView text)
{
    const qsizetype n = text.size();
    if (n == 0 || n > kLongest)
        return text.toString(); // empty or null as given; a long one on its own
    char16_t *begin = reserve(n);
    std::memcpy(begin, text.utf16(), size_t(n) * sizeof(char16_t));
    return view(begin, n);
}

QString NameStore::storeLatin1(QByteArrayView text)
{
    const qsizetype n = text.size();
    if (n == 0 || n > kLongest)
        return QString::fromLatin1(text);
    char16_t *begin = reserve(n);
    const auto *bytes = reinterpret_cast<const unsigned char *>(text.data());
    for (qsizetype i = 0; i < n; ++i)
        begin[i] = bytes[i];
    return view(begin, n);
}

} // namespace morvane
