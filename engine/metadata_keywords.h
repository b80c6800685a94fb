#pragma once

#include "engine/audio_tags.h"
#include "engine/name_context.h"
#include "engine/photo_metadata.h"

#include <QString>
#include <QStringList>

#include <memory>
#include <optional>

namespace morvane {

// Expands the keywords read from a file's photo metadata or audio tags:
// {taken} {taken:format} {camera} {make} {model} {lens} {iso} {exif:key}
// {artist} {album} {albumartist} {title} {track} {disc} {year} {genre}, the
// words in any letter case. The file at `path` is opened only when such a
// keyword occurs, at most once as a photo and once as audio. A value the file
// lacks is empty text. Inserted values are not searched again. When the
// context carries a read-ahead that holds `path`, its reading is used.
QString expandMetadataKeywords(const QString &text, const QString &path, const NameContext &context);

// True when the text holds one of those keywords.
bool hasMetadataKeywords(const QString &text);

// Reads the photo metadata of a list of files ahead of the names being
// built, on a few threads and in list order, keeping a bounded number of
// results. The names come out as a reading in place would give them.
class MetadataReadAhead {
public:
    // Null when the pattern reads no file, the list is short or the machine
    // has a single core: the names then read their files themselves.
    static std::unique_ptr<MetadataReadAhead> start(const QString &pattern, const QStringList &paths);
    ~MetadataReadAhead();

    struct Reading {
        std::optional<PhotoMetadata> photo;
        std::optional<AudioTags> audio;
    };
    // The reading of `path` when it is among the next files of the list
    // (waiting for it if need be; the files before it are dropped); null
    // otherwise. Called by one thread, in list order.
    std::unique_ptr<Reading> take(const QString &path);

private:
    struct State;
    explicit MetadataReadAhead(std::unique_ptr<State> state);
    std::unique_ptr<State> m_state;
};

} // namespace morvane
