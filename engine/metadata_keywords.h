#pragma once

#include "engine/name_context.h"

#include <QString>

namespace morvane {

// Expands the keywords read from a file's photo metadata or audio tags:
// {taken} {taken:format} {camera} {make} {model} {lens} {iso} {exif:key}
// {artist} {album} {albumartist} {title} {track} {disc} {year} {genre}, the
// words in any letter case. The file at `path` is opened only when such a
// keyword occurs, at most once as a photo and once as audio. A value the file
// lacks is empty text. Inserted values are not searched again.
QString expandMetadataKeywords(const QString &text, const QString &path, const NameContext &context);

// True when the text holds one of those keywords.
bool hasMetadataKeywords(const QString &text);

} // namespace morvane
