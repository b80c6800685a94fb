#include "extended_keywords.h"

// Placeholder until the extended keywords land: the pattern passes unchanged.
QString ExpandExtendedKeywords(const TRenameItem &, const QString &text, const NameContext &)
{
    return text;
}
