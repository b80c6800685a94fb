#include "text_rules.h"

// Placeholder until the text rules land: the name passes unchanged.
QString ApplyTextRules(const QString &name, int, const OptionPanel &, const QStringList &)
{
    return name;
}
