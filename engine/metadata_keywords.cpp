#include "engine/metadata_keywords.h"

#include "engine/ascii.h"
#include "engine/audio_tags.h"
#include "engine/date_format.h"
#include "engine/photo_metadata.h"

#include <QThread>

#include <algorithm>
#include <atomic>
#include <condition_variable>
#include <mutex>
#include <optional>
#include <thread>
#include <vector>

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

struct Kinds {
    bool photo = false;
    bool audio = false;
    bool taken = false;
};

Kinds kindsIn(const QString &text)
{
    Kinds kinds;
    for (Match m = findKeyword(text, 0); m; m = findKeyword(text, m.start + m.length)) {
        (isPhotoKey(m.key) ? kinds.photo : kinds.audio) = true;
        kinds.taken = kinds.taken || m.key == Key::Taken || m.key == Key::TakenFormat;
    }
    return kinds;
}

class Values {
public:
    Values(const QString &path, const NameContext &context) : m_path(path), m_context(context) {}

    QString of(const Match &m)
    {
        if (m_path.isEmpty())
            return {}; // no file to read: a folder
        if (!m_askedReadAhead && m_context.metadataReadAhead) {
            m_askedReadAhead = true;
            if (const auto reading = m_context.metadataReadAhead->take(m_path)) {
                m_photo = std::move(reading->photo);
                m_audio = std::move(reading->audio);
            }
        }
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
    bool m_askedReadAhead = false;
    std::optional<PhotoMetadata> m_photo;
    std::optional<AudioTags> m_audio;
};

} // namespace

struct MetadataReadAhead::State {
    // Results held beyond the one being taken: a bound on memory, and enough
    // to keep the threads busy while names are built.
    static constexpr qsizetype kWindow = 64;

    const QStringList paths;
    const Kinds kinds;
    std::mutex mutex;
    std::condition_variable ready; // a result came in while the names' thread slept
    std::condition_variable room;  // the window drained to half, or stop
    std::vector<std::unique_ptr<Reading>> results;
    std::unique_ptr<std::atomic<bool>[]> done;
    qsizetype next = 0;   // the next file a thread starts on
    qsizetype cursor = 0; // the first file neither taken nor dropped
    int sleepingThreads = 0;
    bool takerSleeps = false;
    bool stop = false;
    std::vector<std::jthread> threads;

    State(const QStringList &p, Kinds k)
        : paths(p), kinds(k), results(size_t(p.size())), done(new std::atomic<bool>[size_t(p.size())]())
    {
    }

    void work()
    {
        for (;;) {
            qsizetype i;
            {
                std::unique_lock lock(mutex);
                if (!stop && next < paths.size() && next >= cursor + kWindow) {
                    // A full window: sleep until half of it is taken, not after every name.
                    ++sleepingThreads;
                    room.wait(lock, [&] { return stop || next < cursor + kWindow / 2; });
                    --sleepingThreads;
                }
                if (stop || next >= paths.size())
                    return;
                i = next++;
            }
            auto reading = std::make_unique<Reading>();
            if (kinds.photo) {
                reading->photo = PhotoMetadata::read(paths.at(i));
                if (kinds.taken)
                    reading->photo->taken(); // worked out here, off the names' thread
            }
            if (kinds.audio)
                reading->audio = readAudioTags(paths.at(i));
            bool wake;
            {
                std::lock_guard lock(mutex);
                if (i >= cursor) // else dropped while it was read
                    results[size_t(i)] = std::move(reading);
                done[size_t(i)].store(true, std::memory_order_release);
                wake = takerSleeps;
            }
            if (wake)
                ready.notify_one();
        }
    }
};

std::unique_ptr<MetadataReadAhead> MetadataReadAhead::start(const QString &pattern, const QStringList &paths)
{
    // Below this, starting threads costs about what they would save.
    constexpr qsizetype kMinFiles = 32;
    const int threads = std::min(QThread::idealThreadCount(), 4);
    Kinds kinds = kindsIn(pattern);
    // TagLib's readers on several threads cost more than they save (their
    // shared strings and buffers): audio tags are read where the name asks.
    kinds.audio = false;
    if (!kinds.photo || paths.size() < kMinFiles || threads < 2)
        return {};
    silenceMetadataLibraries();
    auto state = std::make_unique<State>(paths, kinds);
    for (int t = 0; t < threads; ++t)
        state->threads.emplace_back([s = state.get()] { s->work(); });
    return std::unique_ptr<MetadataReadAhead>(new MetadataReadAhead(std::move(state)));
}

MetadataReadAhead::MetadataReadAhead(std::unique_ptr<State> state) : m_state(std::move(state))
{
}

MetadataReadAhead::~MetadataReadAhead()
{
    {
        std::lock_guard lock(m_state->mutex);
        m_state->stop = true;
    }
    m_state->room.notify_all();
    m_state->threads.clear(); // joins: a thread ends after the file it is reading
}

std::unique_ptr<MetadataReadAhead::Reading> MetadataReadAhead::take(const QString &path)
{
    State &s = *m_state;
    std::unique_lock lock(s.mutex);
    const qsizetype end = std::min(s.paths.size(), s.cursor + State::kWindow);
    qsizetype at = s.cursor;
    while (at < end && s.paths.at(at) != path)
        ++at;
    if (at == end)
        return {};
    // Within the window every file is started, so this wait ends. A file is
    // read in microseconds: yield a few times before sleeping on it.
    std::atomic<bool> &done = s.done[size_t(at)];
    if (!done.load(std::memory_order_acquire)) {
        lock.unlock();
        for (int spin = 0; spin < 64 && !done.load(std::memory_order_acquire); ++spin)
            std::this_thread::yield();
        lock.lock();
        s.takerSleeps = true;
        s.ready.wait(lock, [&] { return done.load(std::memory_order_acquire); });
        s.takerSleeps = false;
    }
    for (qsizetype k = s.cursor; k < at; ++k)
        s.results[size_t(k)].reset();
    std::unique_ptr<Reading> reading = std::move(s.results[size_t(at)]);
    s.cursor = at + 1;
    const bool wake = s.sleepingThreads > 0 && s.next < s.cursor + State::kWindow / 2;
    lock.unlock();
    if (wake)
        s.room.notify_all();
    return reading;
}

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
