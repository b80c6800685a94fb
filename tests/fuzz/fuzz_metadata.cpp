// Any bytes as a picture or an audio file, through every keyword that reads
// a file's metadata: the reading ends, nothing crashes, each keyword gives
// one value and no value holds a control character. The first byte picks the file's extension (the seeds,
// written by engine_test_metadata_keywords, start with it); the rest is the file.
#include "engine/extended_keywords.h"
#include "fuzz_support.h"

#include <QDir>
#include <QFile>

#include <unistd.h>

#include <cstdint>

using namespace morvane;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static const char *const extensions[] = {"jpg", "tif", "png", "mp3", "flac", "ogg", "m4a", "wav"};
    if (size == 0)
        return 0;
    static const QString folder = QDir::tempPath() + QStringLiteral("/morvane-fuzz-metadata-%1").arg(getpid());
    static const bool made = QDir().mkpath(folder);
    FUZZ_REQUIRE(made);
    RenameItem item;
    item.setPath(folder + u'/', QStringLiteral("input.") + QLatin1String(extensions[data[0] % std::size(extensions)]));
    {
        QFile file(item.originalPath());
        FUZZ_REQUIRE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        FUZZ_REQUIRE(file.write(reinterpret_cast<const char *>(data + 1), qint64(size - 1)) == qint64(size - 1));
    }
    // Values never hold a control character, so \x01 marks where each keyword was.
    static const QStringList keywords = {"{taken}",
                                         "{taken:yyyy-mm-dd hh:nn:ss.zzz}",
                                         "{camera}",
                                         "{make}",
                                         "{model}",
                                         "{lens}",
                                         "{iso}",
                                         "{exif:Exif.Photo.FNumber}",
                                         "{exif:Iptc.Application2.Caption}",
                                         "{exif:Xmp.dc.title}",
                                         "{artist}",
                                         "{album}",
                                         "{albumartist}",
                                         "{title}",
                                         "{track}",
                                         "{disc}",
                                         "{year}",
                                         "{genre}"};
    static const QString pattern = u'\x01' + keywords.join(u'\x01') + u'\x01';
    NameContext context;
    context.locale = QLocale::c();
    context.timeZone = QTimeZone::utc();
    const QString out = expandExtendedKeywords(item, pattern, context);
    FUZZ_REQUIRE(out.count(u'\x01') == keywords.size() + 1);
    for (QChar c : out)
        FUZZ_REQUIRE(c.unicode() >= 0x20 || c.unicode() == 0x01);
    QFile::remove(item.originalPath());
    return 0;
}
