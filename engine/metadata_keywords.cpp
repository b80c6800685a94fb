#include "engine/metadata_keywords.h"

#include "engine/ascii.h"
#include "engine/audio_tags.h"
#include "engine/date_format.h"
#include "engine/photo_metadata.h"

#include <optional>

namespace morvane {

namespace {

enum class Key {
    Taken,
    TakenFormat,
    Camera,
    Make,
    Model,
    Lens,
    Iso,
    Exif,
    Artist,
    Album,
    AlbumArtist,
    Title,
    Track,
    Disc,
    Year,
    Genre,
};

struct Word {
    QStringView text; // lower case; ends in "}" or, for a keyword with an argument, ":"
    Key key;
};

constexpr Word kWords[] = {
    {u"{taken}", Key::Taken},
    {u"{taken:", Key::TakenFormat},
    {u"{camera}", Key::Camera},
    {u"{make}", Key::Make},
    {u"{model}", Key::Model},
    {u"{lens}", Key::Lens},
    {u"{iso}", Key::Iso},
    {u"{exif:", Key::Exif},
    {u"{artist}", Key::Artist},
    {u"{album}", Key::Album},
    {u"{albumartist}", Key::AlbumArtist},
    {u"{title}", Key::Title},
    {u"{track}", Key::Track},
    {u"{disc}", Key::Disc},
    {u"{year}", Key::Year},
    {u"{genre}", Key::Genre},
};

bool wordAt(const QString &s, qsizetype at, QStringView word)
{
    if (s.size() - at < word.size())
        return false;
    const QChar *p = s.constData() + at;
    for (qsizetype k = 0; k < word.size(); ++k) {
        if (asciiLower(p[k].unicode()) != word[k].unicode())
            return false;
    }
    return true;
}

struct Match {
    qsizetype start = -1;
    qsizetype length = 0;
    Key key = Key::Taken;
    QString argument;
    explicit operator bool() const { return start >= 0; }
};

Match findKeyword(const QString &s, qsizetype from)
{
    for (qsizetype p = s.indexOf(u'{', from); p >= 0; p = s.indexOf(u'{', p + 1)) {
        for (const Word &w : kWords) {
            if (!wordAt(s, p, w.text))
                continue;
            if (w.text.back() == u'}')
                return {p, w.text.size(), w.key, {}};
            // An argument of at least one character, up to the next "}".
            const qsizetype argStart = p + w.text.size();
            const qsizetype close = s.indexOf(u'}', argStart);
            if (close > argStart)
                return {p, close - p + 1, w.key, s.mid(argStart, close - argStart)};
        }
    }
    return {};
}

bool isPhotoKey(Key key)
{
    return key <= Key::Exif;
}

class Values {
public:
    Values(const QString &path, const NameContext &context) : m_path(path), m_context(context) {}

    QString of(const Match &m)
    {
        if (m_path.isEmpty())
            return {}; // no file to read: a folder
        if (isPhotoKey(m.key)) {
            if (!m_photo)
                m_photo = PhotoMetadata::read(m_path);
            return photoValue(*m_photo, m);
        }
        if (!m_audio)
            m_audio = readAudioTags(m_path);
        return audioValue(*m_audio, m.key);
    }

private:
    QString photoValue(const PhotoMetadata &photo, const Match &m) const
    {
        switch (m.key) {
        case Key::Taken: {
            const QDateTime taken = photo.taken();
            return taken.isValid() ? taken.toString(QStringLiteral("yyyyMMdd")) : QString();
        }
        case Key::TakenFormat: {
            const QDateTime taken = photo.taken();
            return taken.isValid() ? formatDateTimeText(m.argument, taken, dateFormatLocaleFor(m_context.locale))
                                   : QString();
        }
        case Key::Camera:
            return photo.camera();
        case Key::Make:
            return photo.make();
        case Key::Model:
            return photo.model();
        case Key::Lens:
            return photo.lens();
        case Key::Iso:
            return photo.iso();
        case Key::Exif:
            return photo.value(m.argument);
        default:
            return {};
        }
    }

    static QString audioValue(const AudioTags &tags, Key key)
    {
        switch (key) {
        case Key::Artist:
            return tags.artist;
        case Key::Album:
            return tags.album;
        case Key::AlbumArtist:
            return tags.albumArtist;
        case Key::Title:
            return tags.title;
        case Key::Track:
            return tags.track;
        case Key::Disc:
            return tags.disc;
        case Key::Year:
            return tags.year;
        case Key::Genre:
            return tags.genre;
        default:
            return {};
        }
    }

    const QString &m_path;
    const NameContext &m_context;
    std::optional<PhotoMetadata> m_photo;
    std::optional<AudioTags> m_audio;
};

} // namespace

bool hasMetadataKeywords(const QString &text)
{
    return bool(findKeyword(text, 0));
}

QString expandMetadataKeywords(const QString &text, const QString &path, const NameContext &context)
{
    Match m = findKeyword(text, 0);
    if (!m)
        return text;
    Values values(path, context);
    QString out;
    qsizetype copied = 0;
    while (m) {
        out.append(QStringView(text).mid(copied, m.start - copied));
        out.append(values.of(m));
        copied = m.start + m.length;
        m = findKeyword(text, copied);
    }
    out.append(QStringView(text).mid(copied));
    return out;
}

} // namespace morvane
