#include "metadata/readers.h"

extern "C" __attribute__((visibility("default"))) const morvane::MetadataReaders *morvaneMetadataReaders()
{
    using namespace morvane::readers;
    static const morvane::MetadataReaders table{
        morvane::kMetadataReadersVersion,
        readPhoto,
        photoFromBytes,
        photoTaken,
        photoText,
        photoValue,
        readAudioTags,
        readImageSize,
        silencePhotoLibrary,
    };
    return &table;
}
