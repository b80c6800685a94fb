#include "engine/date_format.h"

#include "engine/ascii.h"

namespace morvane {

namespace {

qsizetype runLength(const QString &s, qsizetype i)
{
    qsizetype j = i + 1;
    while (j < s.size() && s.at(j) == s.at(i))
        ++j;
    return j - i;
}

// A separator is punctuation or a symbol: not a letter, digit, space, mark or
// invisible format character (Arabic formats carry U+200F beside their "/").
bool isSeparatorChar(QChar c)
{
    if (c.isLetterOrNumber() || c.isSpace() || c.isMark())
        return false;
    return c.category() != QChar::Other_Format && c != u'\'';
}

// The first separator of a Qt format after its first field of one of `fieldLetters`.
QString separatorOf(const QString &qtFormat, const QString &fieldLetters, const QString &fallback)
{
    bool seenField = false;
    bool quoted = false;
    for (const QChar c : qtFormat) {
        if (c == u'\'') {
            quoted = !quoted;
            continue;
        }
        if (quoted)
            continue;
        if (fieldLetters.contains(c))
            seenField = true;
        else if (seenField && isSeparatorChar(c))
            return QString(c);
    }
    return fallback;
}

// Appends Qt literal text so that the format language reads it back unchanged:
// ASCII letters, quotes, "/" and ":" would otherwise be tokens.
void appendLiteral(QString &out, const QString &literal)
{
    QString plain;
    bool needsQuotes = false;
    auto flush = [&] {
        if (needsQuotes)
            out += u'"' + plain + u'"';
        else
            out += plain;
        plain.clear();
        needsQuotes = false;
    };
    for (const QChar c : literal) {
        if (c == u'"') {
            flush();
            out += QStringLiteral("'\"'");
            continue;
        }
        if (isAsciiLetter(c.unicode()) || c == u'\'' || c == u'/' || c == u':')
            needsQuotes = true;
        plain += c;
    }
    flush();
}

QString digitsAtLeast(qint64 value, int width)
{
    // Written back to front into one buffer: a name can hold several per item.
    constexpr int kSize = 32;
    char16_t digits[kSize];
    int at = kSize;
    quint64 rest = value < 0 ? 0 - quint64(value) : quint64(value);
    do {
        digits[--at] = char16_t(u'0' + rest % 10);
        rest /= 10;
    } while (rest != 0);
    while (kSize - at < width && at > 1)
        digits[--at] = u'0';
    if (value < 0)
        digits[--at] = u'-';
    return QString(reinterpret_cast<const QChar *>(digits + at), kSize - at);
}

// Length of an am/pm, a/p or ampm token at i, 0 when none begins there.
qsizetype amPmTokenLength(const QString &f, qsizetype i)
{
    const QStringView rest = QStringView(f).mid(i);
    if (rest.startsWith(u"am/pm", Qt::CaseInsensitive))
        return 5;
    if (rest.startsWith(u"a/p", Qt::CaseInsensitive))
        return 3;
    if (rest.startsWith(u"ampm", Qt::CaseInsensitive))
        return 4;
    return 0;
}

qsizetype skipQuoted(const QString &f, qsizetype i)
{
    const qsizetype close = f.indexOf(f.at(i), i + 1);
    return close < 0 ? f.size() : close + 1;
}

// Whether the first unquoted "a" after position i, before the next hour
// token, begins an am/pm token: then an hour before it counts 1-12.
bool amPmFollows(const QString &f, qsizetype i)
{
    while (i < f.size()) {
        const char16_t c = f.at(i).unicode();
        if (c == u'\'' || c == u'"') {
            i = skipQuoted(f, i);
            continue;
        }
        if (c == u'h' || c == u'H')
            return false;
        if (c == u'a' || c == u'A')
            return amPmTokenLength(f, i) > 0;
        ++i;
    }
    return false;
}

class Formatter {
public:
    Formatter(const QDateTime &local, const DateFormatLocale &tables) : m_tables(tables)
    {
        const QDate d = local.date();
        const QTime t = local.time();
        m_year = d.year();
        m_month = d.month();
        m_day = d.day();
        m_dayOfWeek = d.dayOfWeek();
        m_hour = t.hour();
        m_minute = t.minute();
        m_second = t.second();
        m_msec = t.msec();
        if (!d.isValid() || !t.isValid()) {
            // Only the zero date-time's fields are meaningful here.
            m_year = 1899, m_month = 12, m_day = 30, m_dayOfWeek = 6;
            m_hour = m_minute = m_second = m_msec = 0;
        }
    }

    QString format(const QString &format)
    {
        Run(format, 0);
        return m_out;
    }

private:
    void Run(const QString &f, int depth);
    void expand(const QString &f, int depth)
    {
        // Locale formats are translated and hold no nested locale formats;
        // the bound only guards against a surprise.
        if (depth < 3)
            Run(f, depth + 1);
    }

    const DateFormatLocale &m_tables;
    int m_year, m_month, m_day, m_dayOfWeek, m_hour, m_minute, m_second, m_msec;
    QString m_out;
};

void Formatter::Run(const QString &f, int depth)
{
    bool afterHour = false; // the last unquoted letter token was an hour: m means minutes
    bool amPmSeen = false;  // an am/pm token came earlier: hours count 1-12
    qsizetype i = 0;
    while (i < f.size()) {
        const QChar ch = f.at(i);
        const char16_t c = ch.unicode();
        if (c == u'\'' || c == u'"') {
            // A quote that is never closed runs to the end of the format.
            const qsizetype close = f.indexOf(ch, i + 1);
            const qsizetype end = close < 0 ? f.size() : close;
            m_out += QStringView(f).mid(i + 1, end - (i + 1));
            i = close < 0 ? f.size() : close + 1;
            continue;
        }
        if (c == u'a' || c == u'A') {
            const qsizetype len = amPmTokenLength(f, i);
            if (len > 0) {
                const bool pm = m_hour >= 12;
                if (len == 5)
                    m_out += QStringView(f).mid(pm ? i + 3 : i, 2);
                else if (len == 3)
                    m_out += f.at(pm ? i + 2 : i);
                else
                    m_out += pm ? m_tables.pmText : m_tables.amText;
                amPmSeen = true;
                afterHour = false;
                i += len;
                continue;
            }
        }
        if (c == u'/') {
            m_out += m_tables.dateSeparator;
            ++i;
            continue;
        }
        if (c == u':') {
            m_out += m_tables.timeSeparator;
            ++i;
            continue;
        }
        if (!isAsciiLetter(c)) {
            m_out += ch;
            if (ch.isLetter())
                afterHour = false;
            ++i;
            continue;
        }

        const qsizetype run = runLength(f, i);
        bool isHour = false;
        switch (asciiLower(c)) {
        case u'y':
            m_out += run <= 2 ? digitsAtLeast(qAbs(m_year) % 100, 2) : digitsAtLeast(m_year, 4);
            break;
        case u'm':
            if (afterHour)
                m_out += digitsAtLeast(m_minute, run == 1 ? 1 : 2);
            else if (run <= 2)
                m_out += digitsAtLeast(m_month, int(run));
            else
                m_out += run == 3 ? m_tables.shortMonthNames[m_month - 1] : m_tables.longMonthNames[m_month - 1];
            break;
        case u'd':
            if (run <= 2)
                m_out += digitsAtLeast(m_day, int(run));
            else if (run == 3)
                m_out += m_tables.shortDayNames[m_dayOfWeek - 1];
            else if (run == 4)
                m_out += m_tables.longDayNames[m_dayOfWeek - 1];
            else
                expand(run == 5 ? m_tables.shortDateFormat : m_tables.longDateFormat, depth);
            break;
        case u'a':
            // aaa and aaaa are day names; other runs of "a" are plain letters.
            if (run == 3)
                m_out += m_tables.shortDayNames[m_dayOfWeek - 1];
            else if (run == 4)
                m_out += m_tables.longDayNames[m_dayOfWeek - 1];
            else
                m_out += QStringView(f).mid(i, run);
            break;
        case u'h': {
            int hour = m_hour;
            if (amPmSeen || amPmFollows(f, i + run)) {
                hour %= 12;
                if (hour == 0)
                    hour = 12;
            }
            m_out += digitsAtLeast(hour, run == 1 ? 1 : 2);
            isHour = true;
            break;
        }
        case u'n':
            m_out += digitsAtLeast(m_minute, run == 1 ? 1 : 2);
            break;
        case u's':
            m_out += digitsAtLeast(m_second, run == 1 ? 1 : 2);
            break;
        case u'z':
            m_out += digitsAtLeast(m_msec, int(qMin<qsizetype>(run, 3)));
            break;
        case u't':
            expand(run == 1 ? m_tables.shortTimeFormat : m_tables.longTimeFormat, depth);
            break;
        case u'c':
            // c has no longer form: each letter of a run is one c.
            for (qsizetype k = 0; k < run; ++k) {
                expand(m_tables.shortDateFormat, depth);
                if (m_hour != 0 || m_minute != 0 || m_second != 0 || m_msec != 0) {
                    m_out += u' ';
                    expand(m_tables.longTimeFormat, depth);
                }
            }
            break;
        // Qt offers no era data, so every locale reads the Gregorian calendar
        // as its one era: e is the year within it (ee at least two digits),
        // g and gg its name "AD" (or "BC" before year 1).
        case u'e':
            m_out += digitsAtLeast(m_year > 0 ? m_year : -m_year, run == 1 ? 1 : 2);
            break;
        case u'g':
            m_out += m_year > 0 ? QStringLiteral("AD") : QStringLiteral("BC");
            break;
        default:
            m_out += QStringView(f).mid(i, run);
            break;
        }
        afterHour = isHour;
        i += run;
    }
}

} // namespace

QString translateQtDateFormat(const QString &qt)
{
    QString out;
    QString literal;
    bool dropLeadingSpace = false;
    auto addLiteral = [&](QChar c) {
        if (dropLeadingSpace && c.isSpace())
            return;
        dropLeadingSpace = false;
        literal += c;
    };
    auto emitField = [&](const QString &field) {
        appendLiteral(out, literal);
        literal.clear();
        out += field;
        dropLeadingSpace = false;
    };
    qsizetype i = 0;
    while (i < qt.size()) {
        const QChar ch = qt.at(i);
        if (ch == u'\'') {
            // Quoted text; '' is a quote, inside quotes and out.
            if (i + 1 < qt.size() && qt.at(i + 1) == u'\'') {
                addLiteral(ch);
                i += 2;
                continue;
            }
            qsizetype j = i + 1;
            while (j < qt.size()) {
                if (qt.at(j) == u'\'') {
                    if (j + 1 < qt.size() && qt.at(j + 1) == u'\'') {
                        addLiteral(u'\'');
                        j += 2;
                        continue;
                    }
                    break;
                }
                addLiteral(qt.at(j));
                ++j;
            }
            i = j + 1;
            continue;
        }
        if (!isAsciiLetter(ch.unicode())) {
            addLiteral(ch);
            ++i;
            continue;
        }
        const qsizetype run = runLength(qt, i);
        switch (ch.unicode()) {
        case u'd':
            emitField(QString(qMin<qsizetype>(run, 4), u'd'));
            break;
        case u'M':
            emitField(QString(qMin<qsizetype>(run, 4), u'm'));
            break;
        case u'y':
            emitField(run <= 2 ? QStringLiteral("yy") : QStringLiteral("yyyy"));
            break;
        case u'h':
        case u'H':
            emitField(run == 1 ? QStringLiteral("h") : QStringLiteral("hh"));
            break;
        case u'm':
            // n, not m: the minutes need no help from the minutes rule.
            emitField(run == 1 ? QStringLiteral("n") : QStringLiteral("nn"));
            break;
        case u's':
            emitField(run == 1 ? QStringLiteral("s") : QStringLiteral("ss"));
            break;
        case u'z':
            emitField(run < 3 ? QStringLiteral("z") : QStringLiteral("zzz"));
            break;
        case u'A':
        case u'a':
            // AP, ap, A and a are all the locale's AM/PM text here.
            emitField(QStringLiteral("ampm"));
            if (i + 1 < qt.size() && (qt.at(i + 1) == u'P' || qt.at(i + 1) == u'p')) {
                i += 2;
                continue;
            }
            i += 1;
            continue;
        case u't':
            // A time-zone name has no token here: drop it with the space beside it.
            while (!literal.isEmpty() && literal.back().isSpace())
                literal.chop(1);
            emitField(QString());
            dropLeadingSpace = true;
            break;
        default:
            for (qsizetype k = 0; k < run; ++k)
                addLiteral(ch);
            break;
        }
        i += run;
    }
    appendLiteral(out, literal);
    return out;
}

const DateFormatLocale &dateFormatLocaleFor(const QLocale &locale)
{
    thread_local struct {
        bool valid = false;
        QLocale locale;
        DateFormatLocale tables;
    } cache;
    if (cache.valid && cache.locale == locale)
        return cache.tables;

    DateFormatLocale &t = cache.tables;
    for (int m = 1; m <= 12; ++m) {
        t.shortMonthNames[m - 1] = locale.monthName(m, QLocale::ShortFormat);
        t.longMonthNames[m - 1] = locale.monthName(m, QLocale::LongFormat);
    }
    for (int d = 1; d <= 7; ++d) {
        t.shortDayNames[d - 1] = locale.dayName(d, QLocale::ShortFormat);
        t.longDayNames[d - 1] = locale.dayName(d, QLocale::LongFormat);
    }
    t.amText = locale.amText();
    t.pmText = locale.pmText();
    const QString shortDate = locale.dateFormat(QLocale::ShortFormat);
    const QString shortTime = locale.timeFormat(QLocale::ShortFormat);
    t.dateSeparator = separatorOf(shortDate, QStringLiteral("dMy"), QStringLiteral("/"));
    t.timeSeparator = separatorOf(shortTime, QStringLiteral("hH"), QStringLiteral(":"));
    t.shortDateFormat = translateQtDateFormat(shortDate);
    t.longDateFormat = translateQtDateFormat(locale.dateFormat(QLocale::LongFormat));
    t.shortTimeFormat = translateQtDateFormat(shortTime);
    t.longTimeFormat = translateQtDateFormat(locale.timeFormat(QLocale::LongFormat));
    cache.locale = locale;
    cache.valid = true;
    return t;
}

QString formatDateTimeText(const QString &format, const QDateTime &local, const DateFormatLocale &tables)
{
    return Formatter(local, tables).format(format);
}

QString formatDateTimeText(const QString &format, const QDateTime &local, const QLocale &locale)
{
    return formatDateTimeText(format, local, dateFormatLocaleFor(locale));
}

} // namespace morvane
