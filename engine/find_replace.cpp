#include "find_replace.h"

// Placeholder until find and replace land: text passes unchanged.
FindReplace::FindReplace(const QString &find, const QString &replace, bool regex)
    : m_find(find), m_replace(replace), m_regex(regex)
{
}

FindReplace::~FindReplace() = default;

QString FindReplace::Apply(const QString &text)
{
    return text;
}
