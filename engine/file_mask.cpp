#include "engine/file_mask.h"

namespace morvane {

namespace {

char16_t folded(char16_t c)
{
    if (c < 0x80)
        return c >= u'A' && c <= u'Z' ? char16_t(c + 0x20) : c;
    return QChar(c).toCaseFolded().unicode();
}

// Steps over one character: a surrogate pair counts as one, like "?" does.
qsizetype characterLength(QStringView text, qsizetype at)
{
    return at + 1 < text.size() && text[at].isHighSurrogate() && text[at + 1].isLowSurrogate() ? 2 : 1;
}

// Wildcard match; after a mismatch the last "*" takes one more character,
// so the cost stays at most pattern length times name length.
bool wildcardMatch(QStringView pattern, QStringView name)
{
    qsizetype p = 0, n = 0;
    qsizetype starP = -1, starN = 0;
    while (n < name.size()) {
        if (p < pattern.size() && pattern[p] == u'*') {
            starP = ++p;
            starN = n;
        } else if (p < pattern.size() && pattern[p] == u'?') {
            ++p;
            n += characterLength(name, n);
        } else if (p < pattern.size() && pattern[p].unicode() == folded(name[n].unicode())) {
            ++p;
            ++n;
        } else if (starP >= 0) {
            p = starP;
            starN += characterLength(name, starN);
            n = starN;
        } else {
            return false;
        }
    }
    while (p < pattern.size() && pattern[p] == u'*')
        ++p;
    return p == pattern.size();
}

} // namespace

FileMask::FileMask(const QString &patterns)
{
    for (QStringView part : QStringView(patterns).split(u';')) {
        QString pattern = part.trimmed().toString();
        for (QChar &c : pattern)
            c = QChar(folded(c.unicode()));
        if (pattern.isEmpty())
            continue;
        if (pattern == u"*" || pattern == u"*.*") {
            m_patterns.clear();
            m_everything = true;
            return;
        }
        m_patterns.append(pattern);
    }
    m_everything = m_patterns.isEmpty();
}

bool FileMask::matches(QStringView name) const
{
    if (m_everything)
        return true;
    for (const QString &pattern : m_patterns)
        if (wildcardMatch(pattern, name))
            return true;
    return false;
}

} // namespace morvane
