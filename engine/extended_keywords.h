#pragma once

#include "engine/name_context.h"
#include "engine/rename_item.h"

namespace morvane {

// Expands formatted dates, name slices and picture sizes in a pattern for one item.
QString expandExtendedKeywords(const RenameItem &item, const QString &text, const NameContext &context);

// False when expandExtendedKeywords would give text back unchanged for every
// item: it holds no {date:f}, {time:f}, {created:f}, {modified:f},
// {name:start:count}, {imgw} or {imgh}.
bool hasExtendedKeywords(const QString &text);

} // namespace morvane
