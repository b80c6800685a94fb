#pragma once

#include <QDateTime>
#include <QString>

#include <memory>

namespace morvane {

// What a photo file says about itself (EXIF, IPTC, XMP), read once. Every
// value is empty text when the file holds none, is no picture or is damaged.
class PhotoMetadata {
public:
    // Reads the metadata of `path`. A JPEG is read only up to its first
    // scan: just the header segments that can hold metadata are loaded.
    // Nothing is printed. Throws MorvaneError only when the metadata module
    // cannot be loaded (engine/metadata_module.h).
    static PhotoMetadata read(const QString &path);

    // Decodes the metadata of a whole file held in memory.
    static PhotoMetadata fromBytes(const QByteArray &bytes);

    // When the photo was taken, the camera's local time as written (no
    // time-zone conversion), with its sub-seconds; invalid when unknown. The
    // time spec is UTC only so that no daylight-saving gap moves the reading.
    QDateTime taken() const;
    QString make() const;
    QString model() const;
    // Make and model; the model alone when it begins with the make (or the
    // make's first word: "NIKON CORPORATION" with "NIKON D750").
    QString camera() const;
    QString lens() const;
    QString iso() const;
    // The interpreted value of any key ("Exif.Photo.FNumber" -> "F2.8"),
    // "Iptc." and "Xmp." keys too; the key's letter case is ignored.
    QString value(const QString &key) const;

    struct Data; // what the reader found; opaque outside the reader

private:
    std::shared_ptr<const Data> m_data;
};

// Stops the metadata libraries from printing anything; the unattended run's
// stderr belongs to the user. Called by the readers; idempotent. Loads the
// metadata module (and throws as the readers do).
void silenceMetadataLibraries();

} // namespace morvane
