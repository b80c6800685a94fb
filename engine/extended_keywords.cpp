#include "engine/extended_keywords.h"

#include "engine/date_format.h"
#include "engine/image_size.h"
#include "engine/metadata_keywords.h"
#include "engine/option_panel.h"
#include "engine/rename_item_list.h"

#include <limits>
#include <vector>

namespace morvane {

namespace {

bool isDigit(QChar c)
{
    return c >= u'0' && c <= u'9';
}

// Keyword words (lower case ASCII, with "{" and "}") compare ignoring ASCII
// case; no other character folds to one of their letters, so this is all
// case-insensitive matching can see.
bool wordAt(const QString &s, qsizetype at, QStringView word)
{
    if (at < 0 || s.size() - at < word.size())
        return false;
    const QChar *p = s.constData() + at;
    for (qsizetype k = 0; k < word.size(); ++k) {
        char16_t c = p[k].unicode();
        if (c >= u'A' && c <= u'Z')
            c = char16_t(c + (u'a' - u'A'));
        if (c != word[k].unicode())
            return false;
    }
    return true;
}

struct Match {
    qsizetype start = -1;
    qsizetype length = 0;
    explicit operator bool() const { return start >= 0; }
};

// A match never holds "}" before its end, so a new match made by a
// substitution at `start` begins after the last "}" in front of it.
qsizetype rescanFrom(const QString &s, qsizetype start)
{
    return start == 0 ? 0 : s.lastIndexOf(u'}', start - 1) + 1;
}

// ---- {date:f} {time:f} {created:f} {modified:f} ----------------------------

struct DateMatch : Match {
    QStringView word;
    QString format;
};

DateMatch findDate(const QString &s, qsizetype from)
{
    static constexpr QStringView words[] = {u"date", u"time", u"created", u"modified"};
    for (qsizetype p = s.indexOf(u'{', from); p >= 0; p = s.indexOf(u'{', p + 1)) {
        for (QStringView w : words) {
            const qsizetype colon = p + 1 + w.size();
            if (!wordAt(s, p + 1, w) || colon >= s.size() || s.at(colon) != u':')
                continue;
            const qsizetype close = s.indexOf(u'}', colon + 1);
            if (close > colon + 1) {
                DateMatch m;
                m.start = p;
                m.length = close - p + 1;
                m.word = w;
                m.format = s.mid(colon + 1, close - colon - 1);
                return m;
            }
        }
    }
    return {};
}

void expandDates(QString &s, const RenameItem &item, const NameContext &context)
{
    const DateFormatLocale *tables = nullptr;
    qsizetype from = 0;
    while (const DateMatch m = findDate(s, from)) {
        if (!tables)
            tables = &dateFormatLocaleFor(context.locale);
        QDateTime local;
        if (m.word == u"date" || m.word == u"time")
            local = context.localNow(); // the clock is read once per keyword
        else if (m.word == u"created")
            local = wallClockFromUtc(fileFactsOf(item).createdUtc, context.timeZone);
        else
            local = wallClockFromUtc(fileFactsOf(item).modifiedUtc, context.timeZone);
        s.replace(m.start, m.length, formatDateTimeText(m.format, local, *tables));
        from = rescanFrom(s, m.start);
    }
}

// ---- {name:start:count} -----------------------------------------------------

// Scans "-?\d+" at i; returns the end or -1.
qsizetype signedDigitsEnd(const QString &s, qsizetype i)
{
    if (i < s.size() && s.at(i) == u'-')
        ++i;
    const qsizetype first = i;
    while (i < s.size() && isDigit(s.at(i)))
        ++i;
    return i > first ? i : -1;
}

struct SliceMatch : Match {
    QString startText;
    QString countText;
};

// `inserted` marks text put in by earlier slices. Their colons do not count:
// a file name on Linux may hold ":" (even "{name:1:9}"), and without this rule
// a slice could rebuild its own keyword for ever. Each match now uses up two
// colons of the pattern, so the pass ends.
SliceMatch findSlice(const QString &s, const std::vector<bool> &inserted, qsizetype from)
{
    for (qsizetype p = s.indexOf(u'{', from); p >= 0; p = s.indexOf(u'{', p + 1)) {
        const qsizetype colon1 = p + 5;
        if (!wordAt(s, p + 1, u"name") || colon1 >= s.size() || s.at(colon1) != u':' || inserted[colon1])
            continue;
        const qsizetype colon2 = signedDigitsEnd(s, colon1 + 1);
        if (colon2 < 0 || colon2 >= s.size() || s.at(colon2) != u':' || inserted[colon2])
            continue;
        const qsizetype close = signedDigitsEnd(s, colon2 + 1);
        if (close < 0 || close >= s.size() || s.at(close) != u'}')
            continue;
        SliceMatch m;
        m.start = p;
        m.length = close - p + 1;
        m.startText = s.mid(colon1 + 1, colon2 - colon1 - 1);
        m.countText = s.mid(colon2 + 1, close - colon2 - 1);
        return m;
    }
    return {};
}

QString nameSlice(const QString &name, const QString &startText, const QString &countText)
{
    const qint64 length = name.size();
    qint64 start = intOrDefault(startText, 1);
    qint64 count = intOrDefault(countText, int(qMin<qint64>(length, std::numeric_limits<int>::max())));
    if (start < 0)
        start = length + start + 1; // -1 is the last character
    start = qBound<qint64>(1, start, length + 1);
    count = qMax<qint64>(count, 0);
    return name.mid(start - 1, qMin(count, length - start + 1));
}

void expandNameSlices(QString &s, const QString &originalName)
{
    std::vector<bool> inserted(size_t(s.size()), false);
    qsizetype from = 0;
    while (const SliceMatch m = findSlice(s, inserted, from)) {
        const QString value = nameSlice(originalName, m.startText, m.countText);
        s.replace(m.start, m.length, value);
        const auto at = inserted.begin() + m.start;
        inserted.erase(at, at + m.length);
        inserted.insert(inserted.begin() + m.start, size_t(value.size()), true);
        from = rescanFrom(s, m.start);
    }
}

// ---- {imgw} {imgh} -----------------------------------------------------------

Match findPictureKeyword(const QString &s, qsizetype from)
{
    for (qsizetype p = s.indexOf(u'{', from); p >= 0; p = s.indexOf(u'{', p + 1)) {
        if (wordAt(s, p, u"{imgw}") || wordAt(s, p, u"{imgh}"))
            return {p, 6};
    }
    return {};
}

void expandPictureSize(QString &s, const QString &path)
{
    bool read = false;
    QString width, height;
    qsizetype from = 0;
    while (const Match m = findPictureKeyword(s, from)) {
        if (!read) {
            // The costliest step of a name: done once, and only when asked for.
            int w = 0, h = 0;
            if (!path.isEmpty() && readImageSize(path, &w, &h)) {
                width = QString::number(w);
                height = QString::number(h);
            }
            read = true;
        }
        const bool isWidth = s.at(m.start + 4).toLower() == u'w';
        s.replace(m.start, m.length, isWidth ? width : height);
        from = rescanFrom(s, m.start);
    }
}

} // namespace

// Each pass of expandExtendedKeywords changes the text only at a match of its
// finder (the metadata pass included), and the finders look at the text alone (a fresh pass marks nothing
// as inserted). So when none of them matches the text as given, no pass
// changes it, and the next pass sees the same text: the whole is a no-op.
bool hasExtendedKeywords(const QString &text)
{
    if (!text.contains(u'{'))
        return false;
    const std::vector<bool> noneInserted(size_t(text.size()), false);
    return findDate(text, 0) || findSlice(text, noneInserted, 0) || findPictureKeyword(text, 0)
        || hasMetadataKeywords(text);
}

QString expandExtendedKeywords(const RenameItem &item, const QString &text, const NameContext &context)
{
    QString s = text;
    expandDates(s, item, context);
    expandNameSlices(s, item.originalName().toString());
    // A folder has no picture size and no tags: its keywords give empty text.
    const QString file = item.isFolder ? QString() : item.originalPath();
    expandPictureSize(s, file);
    return expandMetadataKeywords(s, file, context);
}

} // namespace morvane
