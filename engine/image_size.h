#pragma once

#include <QString>

namespace morvane {

// The pixel size of a picture file, its type chosen by the extension (bmp,
// ico, emf, wmf, tif/tiff, jpg/jpeg, png; any case). The content is not sniffed.
// Any failure (other extension, unreadable or damaged file) returns false with
// width and height 0; nothing is reported. Throws MorvaneError only when the
// metadata module cannot be loaded (engine/metadata_module.h).
bool readImageSize(const QString &path, int *width, int *height);

} // namespace morvane
