#pragma once

#include "name_context.h"
#include "rename_item.h"

// Expands formatted dates, name slices and picture sizes in a pattern for one item.
QString ExpandExtendedKeywords(const TRenameItem &item, const QString &text, const NameContext &context);
