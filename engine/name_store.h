#pragma once

#include <QString>

namespace morvane {

// Keeps many short strings, file names above all, in a few big blocks: a
// name then costs its characters, not a heap block of its own with a header
// and rounding (a 14-character name took 64 bytes, here 30). Each string
// handed out is an ordinary QString sharing its block, which lives while any
// of its strings does; changing one copies it out as with any shared QString.
class NameStore {
public:
    NameStore() = default;
    NameStore(const NameStore &) = delete;
    NameStore &operator=(const NameStore &) = delete;

    QString store(QStringView text);
    // Latin-1 (and so ASCII) bytes widened as they are copied in.
    QString storeLatin1(QByteArrayView text);

private:
    // Room for n characters and their terminating NUL; where they go.
    char16_t *reserve(qsizetype n);
    QString view(char16_t *begin, qsizetype n);

    QString::DataPointer m_block; // the block being filled; holds one reference
    qsizetype m_used = 0;
};

} // namespace morvane
