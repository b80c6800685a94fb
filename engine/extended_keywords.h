#pragma once

#include "engine/name_context.h"
#include "engine/rename_item.h"

namespace morvane {

// Expands formatted dates, name slices, picture sizes and the file's photo
// metadata and audio tags (metadata_keywords.h) in a pattern for one item.
QString expandExtendedKeywords(const RenameItem &item, const QString &text, const NameContext &context);

// False when expandExtendedKeywords would give text back unchanged for every
// item: it holds no {date:f}, {time:f}, {created:f}, {modified:f},
// {name:start:count}, {imgw}, {imgh} or metadata keyword.
bool hasExtendedKeywords(const QString &text);

} // namespace morvane
