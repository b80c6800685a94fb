#pragma once

#include <QString>

namespace morvane {

// The tags of an audio file (ID3v1/v2, Vorbis comments, MP4, ASF, RIFF INFO,
// APE, ...). Each is empty text when the file has none, is no audio file or
// is damaged.
struct AudioTags {
    QString artist;
    QString album;
    QString albumArtist;
    QString title;
    QString track; // the number alone: "7/12" gives "7"
    QString disc;  // likewise
    QString year;
    QString genre;
};

// Reads the tags of `path`, the format chosen by its extension (any case);
// other extensions are not opened. Nothing is printed. Throws MorvaneError
// only when the metadata module cannot be loaded (engine/metadata_module.h).
AudioTags readAudioTags(const QString &path);

} // namespace morvane
