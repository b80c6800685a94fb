#pragma once

#include "option_panel.h"

#include <QStringList>

// Shapes the {name} value from an item's OriginalName: remove first/last,
// ranged removal, listed characters, space collapsing, trims, insertion,
// number padding, then the imported name list entry for this index.
QString ApplyTextRules(const QString &name, int index, const OptionPanel &options,
                       const QStringList &importedNameList);
