#pragma once

#include "engine/metadata_module.h"

// The readers behind the metadata table, built into morvane-metadata.so (and
// into the programs that link them in).
namespace morvane::readers {

void silencePhotoLibrary();
MetadataReaders::Photo readPhoto(const QString &path);
MetadataReaders::Photo photoFromBytes(const QByteArray &bytes);
QDateTime photoTaken(const PhotoMetadata::Data &photo);
QString photoText(const PhotoMetadata::Data &photo, MetadataReaders::PhotoText which);
QString photoValue(const PhotoMetadata::Data &photo, const QString &key);
AudioTags readAudioTags(const QString &path);
bool readImageSize(const QString &path, int *width, int *height);

} // namespace morvane::readers
