#pragma once

// Small photo and audio files made from nothing and tagged through Exiv2 and
// TagLib, for the tests, the fuzz seeds and the benchmarks.

#include <QByteArray>
#include <QFile>
#include <QList>
#include <QPair>
#include <QString>

#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
#include <exiv2/exiv2.hpp>
#pragma GCC diagnostic pop

#include <taglib/fileref.h>
#include <taglib/tfile.h>
#include <taglib/tpropertymap.h>

#include <cstdint>

namespace morvane::fixtures {

using Fields = QList<QPair<const char *, QString>>;

inline bool writeBytes(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    return f.open(QIODevice::WriteOnly | QIODevice::Truncate) && f.write(bytes) == bytes.size();
}

// One grey pixel, uncompressed: enough TIFF for Exiv2 to add its tags to.
inline QByteArray minimalTiff()
{
    QByteArray t("II*\0\x08\0\0\0", 8);
    auto u16 = [&](uint16_t v) { t.append(char(v & 0xff)).append(char(v >> 8)); };
    auto u32 = [&](uint32_t v) {
        u16(uint16_t(v & 0xffff));
        u16(uint16_t(v >> 16));
    };
    const uint16_t entries = 6;
    const uint32_t pixelAt = 8 + 2 + entries * 12 + 4;
    u16(entries);
    const uint32_t tags[][3] = {{256, 3, 1}, {257, 3, 1}, {258, 3, 8}, {262, 3, 1}, {273, 4, pixelAt}, {279, 4, 1}};
    for (const auto &tag : tags) {
        u16(uint16_t(tag[0]));
        u16(uint16_t(tag[1]));
        u32(1);
        u32(tag[2]);
    }
    u32(0);
    t.append(char(0x80));
    return t;
}

// Writes a picture of Exiv2's type (Exiv2::ImageType::jpeg, png or tiff)
// carrying the given Exif values ("Exif.Image.Make" -> "Canon").
inline bool writePhoto(const QString &path, int type, const Fields &exif)
{
    try {
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
        Exiv2::Image::AutoPtr image;
        const std::string name = QFile::encodeName(path).toStdString();
        if (type == Exiv2::ImageType::tiff) {
            if (!writeBytes(path, minimalTiff()))
                return false;
            image = Exiv2::ImageFactory::open(name, false);
        } else {
            image = Exiv2::ImageFactory::create(type, name);
        }
#pragma GCC diagnostic pop
        Exiv2::ExifData data;
        for (const auto &[key, value] : exif)
            data[key] = value.toStdString();
        image->setExifData(data);
        image->writeMetadata();
        return true;
    } catch (const std::exception &) {
        return false;
    }
}

// A few silent MPEG-1 layer III frames (128 kbit/s, 44.1 kHz).
inline QByteArray silentMp3()
{
    QByteArray frame(417, '\0');
    frame[0] = char(0xFF);
    frame[1] = char(0xFB);
    frame[2] = char(0x90);
    frame[3] = char(0x64);
    return frame.repeated(8);
}

// fLaC with a STREAMINFO block and a stand-in frame.
inline QByteArray minimalFlac()
{
    QByteArray f("fLaC", 4);
    f.append("\x80\x00\x00\x22", 4);                 // last block, STREAMINFO, 34 bytes
    f.append("\x10\x00\x10\x00", 4);                 // block sizes 4096
    f.append(QByteArray(6, '\0'));                   // frame sizes unknown
    f.append("\x0A\xC4\x40\xF0\x00\x00\x10\x00", 8); // 44100 Hz, mono, 16 bits, 4096 samples
    f.append(QByteArray(16, '\0'));                  // MD5
    f.append("\xFF\xF8\x69\x08\x00\x0F\xFF", 7);
    f.append(QByteArray(32, '\0'));
    return f;
}

inline uint32_t oggCrc(const QByteArray &page)
{
    uint32_t crc = 0;
    for (char c : page) {
        crc ^= uint32_t(uint8_t(c)) << 24;
        for (int k = 0; k < 8; ++k)
            crc = (crc & 0x80000000u) ? (crc << 1) ^ 0x04C11DB7u : crc << 1;
    }
    return crc;
}

inline QByteArray oggPage(int flags, uint32_t sequence, const QList<QByteArray> &packets)
{
    QByteArray page("OggS\0", 5);
    page.append(char(flags));
    page.append(QByteArray(8, '\0'));   // granule position
    page.append("\x01\x00\x00\x00", 4); // stream serial number
    for (int k = 0; k < 4; ++k)
        page.append(char((sequence >> (8 * k)) & 0xff));
    page.append(QByteArray(4, '\0')); // checksum, set below
    QByteArray lacing, body;
    for (const QByteArray &p : packets) {
        qsizetype n = p.size();
        for (; n >= 255; n -= 255)
            lacing.append(char(255));
        lacing.append(char(n));
        body.append(p);
    }
    page.append(char(lacing.size()));
    page.append(lacing).append(body);
    const uint32_t crc = oggCrc(page);
    for (int k = 0; k < 4; ++k)
        page[22 + k] = char((crc >> (8 * k)) & 0xff);
    return page;
}

// An Ogg Vorbis stream: identification, comment and setup headers and one packet.
inline QByteArray minimalOggVorbis()
{
    QByteArray id("\x01vorbis", 7);
    id.append("\0\0\0\0\x01\x44\xAC\0\0", 9); // version 0, mono, 44100 Hz
    id.append(QByteArray(12, '\0'));          // bit rates
    id.append("\xB8\x01", 2);                 // block sizes, framing
    const QByteArray comment = QByteArray("\x03vorbis", 7) + QByteArray(8, '\0') + QByteArray("\x01", 1);
    const QByteArray setup = QByteArray("\x05vorbis", 7) + QByteArray(10, '\0');
    return oggPage(0x02, 0, {id}) + oggPage(0, 1, {comment, setup}) + oggPage(0x04, 2, {QByteArray(4, '\0')});
}

// Writes `audio` to path and sets its tags by TagLib's property names
// ("ARTIST", "TRACKNUMBER", ...).
inline bool writeAudio(const QString &path, const QByteArray &audio, const Fields &tags)
{
    if (!writeBytes(path, audio))
        return false;
    if (tags.isEmpty())
        return true;
    TagLib::FileRef file(QFile::encodeName(path).constData(), false);
    if (file.isNull())
        return false;
    TagLib::PropertyMap properties;
    for (const auto &[key, value] : tags)
        properties.insert(key, TagLib::StringList(TagLib::String(value.toStdString(), TagLib::String::UTF8)));
    file.file()->setProperties(properties);
    return file.save();
}

} // namespace morvane::fixtures
