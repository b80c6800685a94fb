#pragma once

#include "name_context.h"
#include "rename_item.h"

// Expands formatted dates, name slices and picture sizes in a pattern for one item.
QString ExpandExtendedKeywords(const TRenameItem &item, const QString &text, const NameContext &context);

// False when ExpandExtendedKeywords would give text back unchanged for every
// item: it holds no {date:f}, {time:f}, {created:f}, {modified:f},
// {name:start:count}, {imgw} or {imgh}.
bool HasExtendedKeywords(const QString &text);
