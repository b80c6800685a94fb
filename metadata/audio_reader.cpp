#include "metadata/readers.h"

#include <QFile>
#include <QSet>

#include <taglib/fileref.h>
#include <taglib/tdebuglistener.h>
#include <taglib/tfile.h>
#include <taglib/tpropertymap.h>

#include <mutex>

namespace morvane {

namespace {

class SilentListener : public TagLib::DebugListener {
public:
    void printMessage(const TagLib::String &) override {}
};

QString toQString(const TagLib::String &s)
{
    const std::wstring w = s.toWString();
    QString text = QString::fromStdWString(w);
    for (QChar &c : text) {
        if (c.unicode() < 0x20 || c.unicode() == 0x7f)
            c = u' ';
    }
    return text.trimmed();
}

QString number(unsigned int n)
{
    return n > 0 ? QString::number(n) : QString();
}

// "2/3" gives "2"; a value without a number before the slash stays as it is.
QString leadingNumber(const QString &text)
{
    return text.section(u'/', 0, 0).trimmed();
}

const QSet<QString> &audioExtensions()
{
    static const QSet<QString> extensions = [] {
        QSet<QString> set;
        for (const TagLib::String &e : TagLib::FileRef::defaultFileExtensions())
            set.insert(QString::fromStdString(e.to8Bit(true)).toLower());
        return set;
    }();
    return extensions;
}

void silenceTagLib()
{
    static std::once_flag once;
    static SilentListener listener;
    std::call_once(once, [] { TagLib::setDebugListener(&listener); });
}

} // namespace

namespace readers {

AudioTags readAudioTags(const QString &path)
{
    silenceTagLib();
    AudioTags tags;
    // Only names TagLib knows by their extension are opened: guessing the type
    // from the content would read every other file far into its body.
    const qsizetype dot = path.lastIndexOf(u'.');
    if (dot < 0 || path.indexOf(u'/', dot) >= 0 || !audioExtensions().contains(path.mid(dot + 1).toLower()))
        return tags;
    try {
        const QByteArray name = QFile::encodeName(path);
        const TagLib::FileRef file(name.constData(), false);
        if (file.isNull() || !file.tag())
            return tags;
        const TagLib::Tag *tag = file.tag();
        tags.artist = toQString(tag->artist());
        tags.album = toQString(tag->album());
        tags.title = toQString(tag->title());
        tags.genre = toQString(tag->genre());
        tags.year = number(tag->year());
        tags.track = number(tag->track());
        const TagLib::PropertyMap properties = file.file()->properties();
        auto property = [&](const char *key) {
            const auto it = properties.find(key);
            return it == properties.end() || it->second.isEmpty() ? QString() : toQString(it->second.front());
        };
        tags.albumArtist = property("ALBUMARTIST");
        tags.disc = leadingNumber(property("DISCNUMBER"));
        if (tags.track.isEmpty())
            tags.track = leadingNumber(property("TRACKNUMBER"));
    } catch (...) {
        // A damaged or hostile file: its tags are unknown.
    }
    return tags;
}

} // namespace readers

} // namespace morvane
