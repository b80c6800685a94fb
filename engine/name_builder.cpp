#include "engine/name_builder.h"

#include "engine/ascii.h"
#include "engine/rename_item_list.h"
#include "engine/extended_keywords.h"
#include "engine/text_rules.h"

#include <QStringView>

#include <iterator>
#include <string_view>

namespace morvane {

namespace {

// Bit c set for every character of IllegalNameChars and for the control
// characters: U+0000 would end the name early; the others are illegal on
// Windows and SMB shares, cannot be typed and break terminal listings.
constexpr quint64 kIllegalBelow64 = [] {
    quint64 bits = 0xFFFFFFFFu;
    for (char16_t c : std::u16string_view(IllegalNameChars))
        if (c < 64)
            bits |= quint64(1) << c;
    return bits;
}();
constexpr quint64 kIllegalFrom64 = [] {
    quint64 bits = quint64(1) << (0x7F - 64);
    for (char16_t c : std::u16string_view(IllegalNameChars))
        if (c >= 64 && c < 128)
            bits |= quint64(1) << (c - 64);
    return bits;
}();

bool isIllegalNameChar(char16_t c)
{
    return c < 64 ? (kIllegalBelow64 >> c) & 1 : (c < 128 && ((kIllegalFrom64 >> (c - 64)) & 1));
}

// Position of `keyword` (given in lower case) in s from `from` on, ASCII letter case ignored.
qsizetype findKeyword(const QString &s, QStringView keyword, qsizetype from)
{
    const qsizetype last = s.size() - keyword.size();
    const QChar *p = s.constData();
    for (qsizetype i = from; i <= last; ++i) {
        if (p[i] != u'{')
            continue;
        qsizetype k = 1;
        while (k < keyword.size() && asciiLower(p[i + k].unicode()) == keyword[k].unicode())
            ++k;
        if (k == keyword.size())
            return i;
    }
    return -1;
}

// Replaces every occurrence of keyword in s by value(). The scan resumes after
// each inserted text, so a value is never searched for this keyword again;
// value() runs only when the keyword occurs.
template <typename ValueFn>
bool replaceKeyword(QString &s, QStringView keyword, ValueFn value)
{
    qsizetype at = findKeyword(s, keyword, 0);
    if (at < 0)
        return false;
    const QString text = value();
    QString out;
    out.reserve(s.size() + text.size());
    qsizetype copied = 0;
    while (at >= 0) {
        out.append(QStringView(s).mid(copied, at - copied));
        out.append(text);
        copied = at + keyword.size();
        at = findKeyword(s, keyword, copied);
    }
    out.append(QStringView(s).mid(copied));
    s = std::move(out);
    return true;
}

} // namespace

QString formatCounter(int start, int index, int digits)
{
    const qint64 value = qint64(start) + qint64(index);
    const quint64 magnitude = value < 0 ? quint64(0) - quint64(value) : quint64(value);
    QString number = QString::number(magnitude);
    // A precision below 1 still shows one digit, so a 0 is never empty.
    if (digits > number.size())
        number.prepend(QString(digits - number.size(), u'0'));
    if (value < 0)
        number.prepend(u'-');
    return number;
}

QString convertCase(const QString &text, CaseChange change, const QLocale &locale)
{
    switch (change) {
    case CaseChange::Lower:
        return locale.toLower(text);
    case CaseChange::Upper:
        return locale.toUpper(text);
    case CaseChange::Title:
        return titleCase(text, locale);
    case CaseChange::Unchanged:
        break;
    }
    return text;
}

QString titleCase(const QString &text, const QLocale &locale)
{
    QString s = locale.toLower(text);
    bool wordStart = true;
    QChar *p = s.data();
    for (qsizetype i = 0, n = s.size(); i < n; ++i) {
        const char16_t c = p[i].unicode();
        if (wordStart && c >= u'a' && c <= u'z') {
            p[i] = QChar(char16_t(c - (u'a' - u'A')));
            wordStart = false;
        } else {
            wordStart = !isAsciiAlnum(c);
        }
    }
    return s;
}

QString parentFolderName(const QString &path, int level)
{
    QString rest = path;
    for (int step = 0; step < qMax(level, 1); ++step) {
        // The folder part: up to the last "/"; the root's "/" and a "/"
        // doubled stay with it.
        const qsizetype slash = rest.lastIndexOf(u'/');
        if (slash < 0)
            rest.clear();
        else if (slash == 0 || rest.at(slash - 1) == u'/')
            rest.truncate(slash + 1);
        else
            rest.truncate(slash);
        if (rest.endsWith(u'/'))
            rest.chop(1);
    }
    return rest.mid(rest.lastIndexOf(u'/') + 1);
}

bool patternReadsFileFacts(const QString &pattern)
{
    for (const QLatin1StringView keyword :
         {QLatin1StringView("{size"), QLatin1StringView("{created"), QLatin1StringView("{modified")}) {
        if (pattern.contains(keyword, Qt::CaseInsensitive))
            return true;
    }
    return false;
}

QString formatDateStamp(DateTime utc, const QTimeZone &zone)
{
    return localFromUtc(utc, zone).toString(QStringLiteral("yyyyMMdd"));
}

NameBuilder::NameBuilder(const OptionPanel &options, const NameContext &context, const QStringList &importedNameList)
    : m_options(options), m_context(context), m_importedNameList(importedNameList),
      m_findReplace(options.find, options.replace, options.regex, context.locale), m_textRuleNumbers(options)
{
}

QString NameBuilder::buildNewName(const RenameItem &item, const QString &pattern, const QString &counterText,
                                  bool keepExtension, const QString &newExtension, int index)
{
    return build(item, pattern, &counterText, 0, 0, keepExtension, newExtension, index);
}

QString NameBuilder::buildNewName(const RenameItem &item, const QString &pattern, int counterStart, int counterDigits,
                                  bool keepExtension, const QString &newExtension, int index)
{
    return build(item, pattern, nullptr, counterStart, counterDigits, keepExtension, newExtension, index);
}

bool NameBuilder::patternHasExtendedKeywords(const QString &pattern)
{
    if (!m_patternKnown || pattern != m_pattern) {
        m_pattern = pattern;
        m_patternHasExtended = hasExtendedKeywords(pattern);
        m_patternKnown = true;
    }
    return m_patternHasExtended;
}

QString NameBuilder::build(const RenameItem &item, const QString &pattern, const QString *counterText, int counterStart,
                           int counterDigits, bool keepExtension, const QString &newExtension, int index)
{
    QString s = patternHasExtendedKeywords(pattern) ? expandExtendedKeywords(item, pattern, m_context) : pattern;

    // Table order matters: a later keyword sees the text an earlier one inserted.
    // Values are made only for keywords that occur; with no "{" left none can.
    bool braces = s.contains(u'{');
    auto replace = [&](const auto &keyword, auto value) {
        if (braces && replaceKeyword(s, QStringView(keyword, std::size(keyword) - 1), value))
            braces = s.contains(u'{');
    };
    replace(u"{name}", [&] {
        return applyTextRules(item.originalName().toString(), index, m_options, m_textRuleNumbers, m_importedNameList);
    });
    replace(u"{list}",
            [&] { return index >= 0 && index < m_importedNameList.size() ? m_importedNameList.at(index) : QString(); });
    replace(u"{ext}", [&] { return item.ext().sliced(item.ext().isEmpty() ? 0 : 1).toString(); });
    replace(u"{counter}",
            [&] { return counterText ? *counterText : formatCounter(counterStart, index, counterDigits); });
    replace(u"{date}", [&] { return m_context.localNow().toString(QStringLiteral("yyyyMMdd")); });
    replace(u"{time}", [&] { return m_context.localNow().toString(QStringLiteral("HHmmss")); });
    replace(u"{created}", [&] { return formatDateStamp(fileFactsOf(item).createdUtc, m_context.timeZone); });
    replace(u"{modified}", [&] { return formatDateStamp(fileFactsOf(item).modifiedUtc, m_context.timeZone); });
    replace(u"{parent}", [&] { return parentFolderName(item.originalPath(), 1); });
    replace(u"{folder}", [&] { return parentFolderName(item.originalPath(), 1); });
    replace(u"{size}", [&] { return item.isFolder ? QString() : QString::number(fileFactsOf(item).size); });

    s = m_findReplace.apply(s);
    s = convertCase(s, m_options.caseChange, m_context.locale);

    // A folder has no extension to keep or change: a dot in its name is part of the name.
    if (keepExtension || item.isFolder)
        s += item.ext();
    else if (!newExtension.isEmpty())
        s += newExtension.startsWith(u'.') ? newExtension : u'.' + newExtension;

    QChar *p = s.data();
    for (qsizetype i = 0, n = s.size(); i < n; ++i) {
        const char16_t c = p[i].unicode();
        if (QChar::isHighSurrogate(c) && i + 1 < n && QChar::isLowSurrogate(p[i + 1].unicode())) {
            ++i; // a whole pair is one character
        } else if (isIllegalNameChar(c) || QChar::isSurrogate(c)) {
            // A lone surrogate (a text rule may cut a pair) has no UTF-8 form:
            // the file would get a name other than the one previewed.
            p[i] = u'_';
        }
    }
    return s;
}

} // namespace morvane
