#include "engine/photo_metadata.h"

#include <QFile>

#include <fcntl.h>
#include <unistd.h>

#include <mutex>
#include <string>

// Exiv2 0.27 still hands out std::auto_ptr.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
#include <exiv2/exiv2.hpp>

namespace morvane {

struct PhotoMetadata::Data {
    Exiv2::ExifData exif;
    Exiv2::IptcData iptc;
    Exiv2::XmpData xmp;
};

namespace {

void ignoreLogMessage(int, const char *)
{
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

QString exifText(const Exiv2::ExifData &exif, const char *key)
{
    const auto it = exif.findKey(Exiv2::ExifKey(key));
    return it == exif.end() ? QString() : printed(*it, &exif);
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

class FileReader {
public:
    explicit FileReader(const QString &path) : m_fd(::open(QFile::encodeName(path).constData(), O_RDONLY | O_CLOEXEC))
    {
    }
    ~FileReader()
    {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    FileReader(const FileReader &) = delete;
    FileReader &operator=(const FileReader &) = delete;

    bool isOpen() const { return m_fd >= 0; }

    // Copies n bytes at pos into out; false when the file ends first.
    bool readAt(qint64 pos, qint64 n, char *out)
    {
        // Most headers lie in the first block, which is read once.
        if (!m_headRead) {
            m_head.resize(kHead);
            const ssize_t got = ::pread(m_fd, m_head.data(), kHead, 0);
            m_head.resize(got > 0 ? qsizetype(got) : 0);
            m_headRead = true;
        }
        if (pos + n <= m_head.size()) {
            memcpy(out, m_head.constData() + pos, size_t(n));
            return true;
        }
        while (n > 0) {
            const ssize_t got = ::pread(m_fd, out, size_t(n), off_t(pos));
            if (got <= 0)
                return false;
            out += got;
            pos += got;
            n -= got;
        }
        return true;
    }

private:
    static constexpr qint64 kHead = 64 * 1024;
    int m_fd;
    bool m_headRead = false;
    QByteArray m_head;
};

enum class Jpeg { Not, Read, Damaged };

// Gathers the segments that hold metadata (APP1: Exif and XMP; APP13: IPTC)
// into a small JPEG of their own, so that Exiv2 decodes them from memory
// and the picture data is never read.
Jpeg readJpegHeader(const QString &path, QByteArray *header)
{
    FileReader file(path);
    if (!file.isOpen())
        return Jpeg::Damaged;
    unsigned char b[4];
    if (!file.readAt(0, 3, reinterpret_cast<char *>(b)) || b[0] != 0xFF || b[1] != 0xD8 || b[2] != 0xFF)
        return Jpeg::Not;
    header->append("\xFF\xD8", 2);
    qint64 pos = 2;
    constexpr int kMaxSegments = 1024;
    constexpr qsizetype kMaxKept = 16 * 1024 * 1024;
    for (int segment = 0; segment < kMaxSegments; ++segment) {
        if (!file.readAt(pos, 2, reinterpret_cast<char *>(b)) || b[0] != 0xFF)
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
        if (!file.readAt(pos, 2, reinterpret_cast<char *>(b)))
            break;
        const int length = (b[0] << 8) | b[1];
        if (length < 2)
            break;
        if ((marker == 0xE1 || marker == 0xED) && header->size() + length + 2 <= kMaxKept) {
            const qsizetype at = header->size();
            header->resize(at + 2 + length);
            char *p = header->data() + at;
            p[0] = char(0xFF);
            p[1] = char(marker);
            if (!file.readAt(pos, length, p + 2)) {
                header->resize(at);
                break;
            }
        }
        pos += length;
    }
    header->append("\xFF\xD9", 2);
    return Jpeg::Read;
}

} // namespace

void silenceMetadataLibraries()
{
    static std::once_flag once;
    std::call_once(once, [] {
        Exiv2::LogMsg::setLevel(Exiv2::LogMsg::mute);
        Exiv2::LogMsg::setHandler(ignoreLogMessage);
        // XMP's toolkit must be set up before readers may run on several threads.
        Exiv2::XmpParser::initialize();
    });
}

PhotoMetadata PhotoMetadata::fromBytes(const QByteArray &bytes)
{
    silenceMetadataLibraries();
    PhotoMetadata result;
    try {
        Exiv2::Image::AutoPtr image =
            Exiv2::ImageFactory::open(reinterpret_cast<const Exiv2::byte *>(bytes.constData()), long(bytes.size()));
        if (!image.get())
            return result;
        image->readMetadata();
        auto data = std::make_shared<Data>();
        data->exif = image->exifData();
        data->iptc = image->iptcData();
        data->xmp = image->xmpData();
        result.m_data = std::move(data);
    } catch (...) {
        // A damaged or hostile file: nothing is known about it.
    }
    return result;
}

PhotoMetadata PhotoMetadata::read(const QString &path)
{
    silenceMetadataLibraries();
    QByteArray header;
    switch (readJpegHeader(path, &header)) {
    case Jpeg::Read:
        return fromBytes(header);
    case Jpeg::Damaged:
        return {};
    case Jpeg::Not:
        break;
    }
    PhotoMetadata result;
    try {
        Exiv2::Image::AutoPtr image = Exiv2::ImageFactory::open(QFile::encodeName(path).toStdString(), false);
        if (!image.get())
            return result;
        image->readMetadata();
        auto data = std::make_shared<Data>();
        data->exif = image->exifData();
        data->iptc = image->iptcData();
        data->xmp = image->xmpData();
        result.m_data = std::move(data);
    } catch (...) {
    }
    return result;
}

QDateTime PhotoMetadata::taken() const
{
    if (!m_data)
        return {};
    static const char *const sources[][2] = {
        {"Exif.Photo.DateTimeOriginal", "Exif.Photo.SubSecTimeOriginal"},
        {"Exif.Photo.DateTimeDigitized", "Exif.Photo.SubSecTimeDigitized"},
        {"Exif.Image.DateTime", "Exif.Photo.SubSecTime"},
    };
    for (const auto &source : sources) {
        QDateTime taken = parseExifDate(exifText(m_data->exif, source[0]));
        if (taken.isValid())
            return taken.addMSecs(subSecondMillis(exifText(m_data->exif, source[1])));
    }
    return {};
}

QString PhotoMetadata::make() const
{
    return m_data ? exifText(m_data->exif, "Exif.Image.Make") : QString();
}

QString PhotoMetadata::model() const
{
    return m_data ? exifText(m_data->exif, "Exif.Image.Model") : QString();
}

QString PhotoMetadata::camera() const
{
    const QString make = this->make();
    const QString model = this->model();
    if (make.isEmpty() || model.startsWith(make, Qt::CaseInsensitive))
        return model;
    const QString firstWord = make.section(u' ', 0, 0);
    if (model.startsWith(firstWord + u' ', Qt::CaseInsensitive) || model.isEmpty())
        return model.isEmpty() ? make : model;
    return make + u' ' + model;
}

QString PhotoMetadata::lens() const
{
    if (!m_data)
        return {};
    QString lens = exifText(m_data->exif, "Exif.Photo.LensModel");
    if (lens.isEmpty()) {
        try {
            const auto it = Exiv2::lensName(m_data->exif);
            if (it != m_data->exif.end())
                lens = printed(*it, &m_data->exif);
        } catch (...) {
        }
    }
    return lens;
}

QString PhotoMetadata::iso() const
{
    if (!m_data)
        return {};
    try {
        const auto it = Exiv2::isoSpeed(m_data->exif);
        if (it == m_data->exif.end())
            return {};
        const long number = it->count() > 0 ? it->toLong() : 0;
        return number > 0 ? QString::number(number) : printed(*it, &m_data->exif);
    } catch (...) {
        return {};
    }
}

QString PhotoMetadata::value(const QString &key) const
{
    if (!m_data)
        return {};
    const QByteArray wanted = key.trimmed().toUtf8();
    auto same = [&](const std::string &k) {
        return QByteArray::fromRawData(k.data(), qsizetype(k.size())).compare(wanted, Qt::CaseInsensitive) == 0;
    };
    try {
        for (const auto &datum : m_data->exif)
            if (same(datum.key()))
                return printed(datum, &m_data->exif);
        for (const auto &datum : m_data->iptc)
            if (same(datum.key()))
                return printed(datum, nullptr);
        for (const auto &datum : m_data->xmp)
            if (same(datum.key()))
                return printed(datum, nullptr);
    } catch (...) {
    }
    return {};
}

} // namespace morvane

#pragma GCC diagnostic pop
