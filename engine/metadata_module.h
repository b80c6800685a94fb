#pragma once

#include "engine/audio_tags.h"
#include "engine/photo_metadata.h"

#include <QByteArray>
#include <QDateTime>
#include <QString>

#include <memory>

namespace morvane {

// The readers that need Exiv2, TagLib and the picture libraries live in a
// module of their own (morvane-metadata.so) that is loaded the first time a
// name asks for a photo's metadata, an audio file's tags or a picture's size:
// a run without such a keyword maps none of those libraries. PhotoMetadata,
// readAudioTags and readImageSize call through this table.
struct MetadataReaders {
    enum class PhotoText { Make, Model, Lens, Iso };
    using Photo = std::shared_ptr<const PhotoMetadata::Data>;

    // Guards against a module of another build lying beside the program.
    int version;
    Photo (*readPhoto)(const QString &path);
    Photo (*photoFromBytes)(const QByteArray &bytes);
    QDateTime (*photoTaken)(const PhotoMetadata::Data &photo);
    QString (*photoText)(const PhotoMetadata::Data &photo, PhotoText which);
    QString (*photoValue)(const PhotoMetadata::Data &photo, const QString &key);
    AudioTags (*readAudioTags)(const QString &path);
    bool (*readImageSize)(const QString &path, int *width, int *height);
    void (*silence)();
};

inline constexpr int kMetadataReadersVersion = 1;

// The readers, the module loaded on the first call (next to the program, then
// in its library folder). Throws MorvaneError, saying why, when the module
// cannot be loaded; the next calls throw the same without trying again.
// Safe from any thread.
const MetadataReaders &metadataReaders();

// A program that links the readers in (tests, fuzzers, benchmarks) hands them
// over before main; no module is looked for then.
void useLinkedMetadataReaders(const MetadataReaders *readers);

} // namespace morvane

// The one symbol the module exports.
extern "C" const morvane::MetadataReaders *morvaneMetadataReaders();
