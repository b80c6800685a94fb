#include "metadata/readers.h"

#include <QFile>

#include <errno.h>
#include <fcntl.h>
#include <unistd.h>

#include <cstring>
#include <mutex>
#include <string>

// Exiv2 0.27 still hands out std::auto_ptr.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
#include <exiv2/exiv2.hpp>

namespace morvane {

struct PhotoMetadata::Data {
    Exiv2::ExifData exif;
    // IPTC and XMP are decoded on the first question about them: a JPEG's
    // other metadata segments wait in `segments`, a small JPEG of their own.
    mutable std::once_flag decodeOthers;
    mutable Exiv2::IptcData iptc;
    mutable Exiv2::XmpData xmp;
    QByteArray segments;
    // The date taken, worked out once.
    mutable std::once_flag takenOnce;
    mutable QDateTime taken;

    const Exiv2::IptcData &iptcData() const
    {
        decodeSegments();
        return iptc;
    }
    const Exiv2::XmpData &xmpData() const
    {
        decodeSegments();
        return xmp;
    }

private:
    void decodeSegments() const
    {
        std::call_once(decodeOthers, [this] {
            if (segments.isEmpty())
                return;
            try {
                Exiv2::Image::AutoPtr image = Exiv2::ImageFactory::open(
                    reinterpret_cast<const Exiv2::byte *>(segments.constData()), long(segments.size()));
                if (!image.get())
                    return;
                image->readMetadata();
                iptc = image->iptcData();
                xmp = image->xmpData();
            } catch (...) {
                iptc.clear();
                xmp.clear();
            }
        });
    }
};

namespace {

void ignoreLogMessage(int, const char *)
{
}

void lockXmp(void *mutex, bool lock)
{
    if (lock)
        static_cast<std::mutex *>(mutex)->lock();
    else
        static_cast<std::mutex *>(mutex)->unlock();
}

// Tag values are often padded with spaces or NULs; control characters have
// no place in a name.
QString cleanText(const std::string &raw)
{
    QString s = QString::fromUtf8(raw.data(), qsizetype(raw.size()));
    for (QChar &c : s) {
        if (c.unicode() < 0x20 || c.unicode() == 0x7f)
            c = u' ';
    }
    return s.trimmed();
}

QString printed(const Exiv2::Metadatum &datum, const Exiv2::ExifData *exif)
{
    try {
        return cleanText(datum.print(exif));
    } catch (...) {
        return {};
    }
}

// Looks a tag up by its number and IFD: ExifData::findKey would build the
// key text of every entry it passes.
Exiv2::ExifData::const_iterator findTag(const Exiv2::ExifData &exif, const Exiv2::ExifKey &key)
{
    const uint16_t tag = key.tag();
    const int ifd = key.ifdId();
    auto it = exif.begin();
    while (it != exif.end() && (it->tag() != tag || it->ifdId() != ifd))
        ++it;
    return it;
}

QString exifText(const Exiv2::ExifData &exif, const Exiv2::ExifKey &key)
{
    const auto it = findTag(exif, key);
    return it == exif.end() ? QString() : printed(*it, &exif);
}

// A date or sub-second tag: its text up to the first NUL, as Exiv2 prints it,
// without the stream that printing builds.
QString exifAscii(const Exiv2::ExifData &exif, const Exiv2::ExifKey &key)
{
    const auto it = findTag(exif, key);
    if (it == exif.end())
        return {};
    if (const auto *ascii = dynamic_cast<const Exiv2::AsciiValue *>(&it->value())) {
        const std::string &raw = ascii->value_;
        return cleanText(raw.substr(0, raw.find('\0')));
    }
    return printed(*it, &exif);
}

// "2024:07:01 09:05:03" (dashes and a "T" pass too); invalid when the
// date or time is blank or impossible.
QDateTime parseExifDate(const QString &text)
{
    int v[6];
    int field = 0;
    qsizetype i = 0;
    const qsizetype n = text.size();
    while (field < 6) {
        const qsizetype first = i;
        int value = 0;
        while (i < n && i - first < 4 && text.at(i).isDigit() && text.at(i).unicode() < 0x80)
            value = value * 10 + (text.at(i++).unicode() - u'0');
        if (i == first)
            return {};
        v[field++] = value;
        if (field < 6) {
            if (i >= n)
                return {};
            const char16_t sep = text.at(i).unicode();
            if (sep != u':' && sep != u'-' && sep != u' ' && sep != u'T')
                return {};
            ++i;
        }
    }
    const QDate date(v[0], v[1], v[2]);
    const QTime time(v[3], v[4], v[5]);
    if (!date.isValid() || !time.isValid() || v[0] == 0)
        return {};
    return QDateTime(date, time, Qt::UTC);
}

// "123" is .123 s, "5" is .5 s; only milliseconds are kept.
int subSecondMillis(const QString &text)
{
    int ms = 0;
    int digits = 0;
    for (QChar c : text) {
        if (c.unicode() < u'0' || c.unicode() > u'9')
            break;
        if (digits < 3)
            ms = ms * 10 + (c.unicode() - u'0');
        ++digits;
    }
    if (digits == 0)
        return 0;
    for (; digits < 3; ++digits)
        ms *= 10;
    return ms;
}

// ---- reading only the header of a JPEG -------------------------------------

// Where a JPEG's bytes come from: a file read with a few preads, or memory.
class ByteSource {
public:
    virtual ~ByteSource() = default;
    // n bytes at pos, valid until the next call; null when the data ends first.
    virtual const unsigned char *at(qint64 pos, qint64 n) = 0;
};

class MemorySource : public ByteSource {
public:
    explicit MemorySource(const QByteArray &bytes) : m_bytes(bytes) {}
    const unsigned char *at(qint64 pos, qint64 n) override
    {
        if (pos < 0 || n < 0 || pos + n > m_bytes.size())
            return nullptr;
        return reinterpret_cast<const unsigned char *>(m_bytes.constData()) + pos;
    }

private:
    const QByteArray &m_bytes;
};

class FileSource : public ByteSource {
public:
    explicit FileSource(const QString &path)
    {
        const QByteArray name = QFile::encodeName(path);
        // Reading a header is no use of the file worth an access-time write.
        m_fd = ::open(name.constData(), O_RDONLY | O_CLOEXEC | O_NOATIME);
        if (m_fd < 0 && errno == EPERM)
            m_fd = ::open(name.constData(), O_RDONLY | O_CLOEXEC);
        if (m_fd >= 0) {
            const ssize_t got = ::pread(m_fd, m_head, sizeof m_head, 0);
            m_headSize = got > 0 ? got : 0;
        }
    }
    ~FileSource() override
    {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    FileSource(const FileSource &) = delete;
    FileSource &operator=(const FileSource &) = delete;

    bool isOpen() const { return m_fd >= 0; }

    const unsigned char *at(qint64 pos, qint64 n) override
    {
        if (pos < 0 || n < 0)
            return nullptr;
        if (pos + n <= m_headSize)
            return m_head + pos;
        // A segment past the first block: read just that.
        if (m_headSize < qint64(sizeof m_head))
            return nullptr; // the file ended inside the first block
        m_more.resize(qsizetype(n));
        char *out = m_more.data();
        while (n > 0) {
            const ssize_t got = ::pread(m_fd, out, size_t(n), off_t(pos));
            if (got <= 0)
                return nullptr;
            out += got;
            pos += got;
            n -= got;
        }
        return reinterpret_cast<const unsigned char *>(m_more.constData());
    }

private:
    // Small pictures and the headers of most photos fit in the first read.
    unsigned char m_head[16 * 1024];
    qint64 m_headSize = 0;
    int m_fd = -1;
    QByteArray m_more;
};

bool isJpeg(ByteSource &source)
{
    const unsigned char *b = source.at(0, 3);
    return b && b[0] == 0xFF && b[1] == 0xD8 && b[2] == 0xFF;
}

// Walks a JPEG's header segments up to the first scan. The first APP1 that
// holds Exif goes straight to Exiv2's Exif decoder; the other segments that
// can hold metadata (APP1: XMP; APP13: IPTC) are kept for later. The picture
// data is never read.
void readJpegSegments(ByteSource &source, PhotoMetadata::Data *data)
{
    static const char kExifId[] = "Exif\0\0";
    constexpr int kMaxSegments = 1024;
    constexpr qsizetype kMaxKept = 16 * 1024 * 1024;
    bool exifRead = false;
    QByteArray &kept = data->segments;
    qint64 pos = 2;
    for (int segment = 0; segment < kMaxSegments; ++segment) {
        const unsigned char *b = source.at(pos, 2);
        if (!b || b[0] != 0xFF)
            break;
        const unsigned char marker = b[1];
        if (marker == 0xFF) { // fill byte
            ++pos;
            continue;
        }
        pos += 2;
        if (marker == 0xD9 || marker == 0xDA) // end of image, start of scan
            break;
        if (marker == 0x01 || (marker >= 0xD0 && marker <= 0xD7)) // no length
            continue;
        b = source.at(pos, 2);
        if (!b)
            break;
        const int length = (b[0] << 8) | b[1];
        if (length < 2)
            break;
        if (marker == 0xE1 && !exifRead && length >= 2 + 6) {
            const unsigned char *payload = source.at(pos + 2, length - 2);
            if (!payload)
                break;
            if (memcmp(payload, kExifId, 6) == 0) {
                exifRead = true;
                if (Exiv2::ExifParser::decode(data->exif, payload + 6, uint32_t(length - 8)) == Exiv2::invalidByteOrder)
                    data->exif.clear();
                pos += length;
                continue;
            }
        }
        if ((marker == 0xE1 || marker == 0xED) && kept.size() + length + 4 <= kMaxKept) {
            const unsigned char *payload = source.at(pos + 2, length - 2);
            if (!payload)
                break;
            if (kept.isEmpty())
                kept.append("\xFF\xD8", 2);
            const char head[4] = {char(0xFF), char(marker), char(length >> 8), char(length & 0xFF)};
            kept.append(head, 4);
            kept.append(reinterpret_cast<const char *>(payload), length - 2);
        }
        pos += length;
    }
    if (!kept.isEmpty())
        kept.append("\xFF\xD9", 2);
}

// Any picture Exiv2 reads, as a whole image object.
std::shared_ptr<PhotoMetadata::Data> readImage(Exiv2::Image::AutoPtr image)
{
    if (!image.get())
        return {};
    image->readMetadata();
    auto data = std::make_shared<PhotoMetadata::Data>();
    data->exif = image->exifData();
    data->iptc = image->iptcData();
    data->xmp = image->xmpData();
    return data;
}

std::shared_ptr<PhotoMetadata::Data> readJpeg(ByteSource &source)
{
    auto data = std::make_shared<PhotoMetadata::Data>();
    readJpegSegments(source, data.get());
    return data;
}

} // namespace

namespace readers {

void silencePhotoLibrary()
{
    static std::once_flag once;
    std::call_once(once, [] {
        Exiv2::LogMsg::setLevel(Exiv2::LogMsg::mute);
        Exiv2::LogMsg::setHandler(ignoreLogMessage);
        // XMP's toolkit must be set up before readers may run on several
        // threads, with a lock for the namespaces it learns while parsing.
        static std::mutex xmpLock;
        Exiv2::XmpParser::initialize(lockXmp, &xmpLock);
    });
}

MetadataReaders::Photo photoFromBytes(const QByteArray &bytes)
{
    silencePhotoLibrary();
    try {
        MemorySource source(bytes);
        if (isJpeg(source))
            return readJpeg(source);
        return readImage(
            Exiv2::ImageFactory::open(reinterpret_cast<const Exiv2::byte *>(bytes.constData()), long(bytes.size())));
    } catch (...) {
        // A damaged or hostile file: nothing is known about it.
        return {};
    }
}

MetadataReaders::Photo readPhoto(const QString &path)
{
    silencePhotoLibrary();
    try {
        {
            FileSource source(path);
            if (!source.isOpen())
                return {};
            if (isJpeg(source))
                return readJpeg(source);
        }
        return readImage(Exiv2::ImageFactory::open(QFile::encodeName(path).toStdString(), false));
    } catch (...) {
        return {};
    }
}

} // namespace readers

namespace {

const Exiv2::ExifKey &exifKey(int which)
{
    static const Exiv2::ExifKey keys[] = {
        Exiv2::ExifKey("Exif.Photo.DateTimeOriginal"),
        Exiv2::ExifKey("Exif.Photo.SubSecTimeOriginal"),
        Exiv2::ExifKey("Exif.Photo.DateTimeDigitized"),
        Exiv2::ExifKey("Exif.Photo.SubSecTimeDigitized"),
        Exiv2::ExifKey("Exif.Image.DateTime"),
        Exiv2::ExifKey("Exif.Photo.SubSecTime"),
        Exiv2::ExifKey("Exif.Image.Make"),
        Exiv2::ExifKey("Exif.Image.Model"),
        Exiv2::ExifKey("Exif.Photo.LensModel"),
    };
    return keys[which];
}

enum KeyIndex { kMake = 6, kModel = 7, kLensModel = 8 };

QString lensOf(const PhotoMetadata::Data &data)
{
    QString lens = exifText(data.exif, exifKey(kLensModel));
    if (lens.isEmpty()) {
        try {
            const auto it = Exiv2::lensName(data.exif);
            if (it != data.exif.end())
                lens = printed(*it, &data.exif);
        } catch (...) {
        }
    }
    return lens;
}

QString isoOf(const PhotoMetadata::Data &data)
{
    try {
        const auto it = Exiv2::isoSpeed(data.exif);
        if (it == data.exif.end())
            return {};
        const long number = it->count() > 0 ? it->toLong() : 0;
        return number > 0 ? QString::number(number) : printed(*it, &data.exif);
    } catch (...) {
        return {};
    }
}

} // namespace

namespace readers {

QDateTime photoTaken(const PhotoMetadata::Data &data)
{
    std::call_once(data.takenOnce, [&data] {
        // Original, digitized, the file's date: each pair a date and its sub-seconds.
        for (int source = 0; source < 6; source += 2) {
            const QDateTime taken = parseExifDate(exifAscii(data.exif, exifKey(source)));
            if (taken.isValid()) {
                data.taken = taken.addMSecs(subSecondMillis(exifAscii(data.exif, exifKey(source + 1))));
                return;
            }
        }
    });
    return data.taken;
}

QString photoText(const PhotoMetadata::Data &data, MetadataReaders::PhotoText which)
{
    switch (which) {
    case MetadataReaders::PhotoText::Make:
        return exifText(data.exif, exifKey(kMake));
    case MetadataReaders::PhotoText::Model:
        return exifText(data.exif, exifKey(kModel));
    case MetadataReaders::PhotoText::Lens:
        return lensOf(data);
    case MetadataReaders::PhotoText::Iso:
        return isoOf(data);
    }
    return {};
}

QString photoValue(const PhotoMetadata::Data &data, const QString &key)
{
    const QByteArray wanted = key.trimmed().toUtf8();
    auto same = [&](const std::string &k) {
        return QByteArray::fromRawData(k.data(), qsizetype(k.size())).compare(wanted, Qt::CaseInsensitive) == 0;
    };
    // The family named first picks the one collection to search.
    const QByteArray lower = wanted.toLower();
    auto family = [&](const char *prefix) { return lower.startsWith(prefix); };
    try {
        if (family("exif.")) {
            for (const auto &datum : data.exif)
                if (same(datum.key()))
                    return printed(datum, &data.exif);
        } else if (family("iptc.")) {
            for (const auto &datum : data.iptcData())
                if (same(datum.key()))
                    return printed(datum, nullptr);
        } else if (family("xmp.")) {
            for (const auto &datum : data.xmpData())
                if (same(datum.key()))
                    return printed(datum, nullptr);
        }
    } catch (...) {
    }
    return {};
}

} // namespace readers

} // namespace morvane

#pragma GCC diagnostic pop
