#include "engine/replacement_text.h"

namespace morvane {

namespace {

bool isDigit(QChar c)
{
    return c >= u'0' && c <= u'9';
}

bool isGroupName(QStringView name)
{
    if (name.isEmpty() || isDigit(name.front()))
        return false;
    for (const QChar c : name)
        if (!(c.isLetterOrNumber() || c == u'_'))
            return false;
    return true;
}

// A group number written in decimal; a number too large for any pattern reads as -1.
int groupNumber(QStringView digits)
{
    bool ok = false;
    const int n = digits.toInt(&ok);
    return ok ? n : -1;
}

bool startsWord(char16_t c)
{
    if (c < 0x20 || (c >= 0x7F && c <= 0x9F))
        return true;
    switch (c) {
    case u' ':
    case u'"':
    case u'!':
    case u'#':
    case u'$':
    case u'%':
    case u'&':
    case u'(':
    case u'*':
    case u'+':
    case u',':
    case u'-':
    case u'.':
    case u'<':
    case u'?':
    case u'[':
    case u'{':
    case u'\u00B7':
        return true;
    default:
        return false;
    }
}

} // namespace

QStringView MatchGroups::group(int n) const
{
    if (n < 0 || n >= count || spans[2 * n] == kUnsetGroup)
        return {};
    const size_t start = spans[2 * n], end = spans[2 * n + 1];
    if (start > end || end > size_t(subject.size()))
        return {};
    return subject.mid(qsizetype(start), qsizetype(end - start));
}

QString properCase(const QString &text, const QLocale &locale)
{
    const QString lower = locale.toLower(text);
    QString out;
    out.reserve(lower.size());
    bool wordStart = true;
    for (qsizetype i = 0; i < lower.size(); ++i) {
        const QChar c = lower.at(i);
        if (startsWord(c.unicode())) {
            out += c;
            wordStart = true;
            continue;
        }
        if (!wordStart || c == u'\'') {
            out += c; // an apostrophe at a word's start is passed over
            continue;
        }
        wordStart = false;
        const qsizetype width = c.isHighSurrogate() && i + 1 < lower.size() && lower.at(i + 1).isLowSurrogate() ? 2 : 1;
        const QString character = lower.mid(i, width);
        const bool letter = width == 2 ? QChar::isLetter(QChar::surrogateToUcs4(c, lower.at(i + 1))) : c.isLetter();
        out += letter ? locale.toUpper(character) : character;
        i += width - 1;
    }
    return out;
}

ReplacementText::ReplacementText(const QString &r, int groupCount, const QHash<QString, QList<int>> &namedGroups)
    : m_groupCount(groupCount)
{
    qsizetype i = 0;
    const qsizetype n = r.size();
    auto add = [this](Kind kind, int group = 0) {
        Part p{kind, {}, group, {}, 0};
        m_parts.append(p);
    };
    while (i < n) {
        const QChar c = r.at(i);
        if ((c != u'$' && c != u'\\') || i + 1 == n) {
            addLiteral(c);
            ++i;
            continue;
        }
        const QChar d = r.at(i + 1);
        if (isDigit(d)) {
            ++i;
            addGroupByDigits(r, i, 0);
            continue;
        }
        switch (d.unicode()) {
        case u'&':
            add(Kind::Group, 0);
            i += 2;
            continue;
        case u'`':
            add(Kind::Before);
            i += 2;
            continue;
        case u'\'':
            add(Kind::After);
            i += 2;
            continue;
        case u'+':
            add(Kind::LastGroup);
            i += 2;
            continue;
        case u'$':
            addLiteral(u'$');
            i += 2;
            continue;
        default:
            break;
        }
        if (c == u'$') {
            if (d == u'_') {
                add(Kind::Subject);
                i += 2;
                continue;
            }
            if (d == u'{') {
                const qsizetype close = r.indexOf(u'}', i + 2);
                const QStringView inside = close < 0 ? QStringView() : QStringView(r).mid(i + 2, close - i - 2);
                bool number = !inside.isEmpty();
                for (const QChar x : inside)
                    number = number && isDigit(x);
                if (number) {
                    add(Kind::Group, groupNumber(inside));
                    i = close + 1;
                    continue;
                }
                if (isGroupName(inside)) {
                    m_parts.append(Part{Kind::Named, {}, 0, namedGroups.value(inside.toString()), 0});
                    i = close + 1;
                    continue;
                }
            }
            addLiteral(c); // a malformed form: the "$" stands for itself
            ++i;
            continue;
        }
        // c is a backslash
        if (d == u'\\') {
            addLiteral(u'\\');
            i += 2;
            continue;
        }
        if (d == u'g' && i + 2 < n && r.at(i + 2) == u'<') {
            const qsizetype close = r.indexOf(u'>', i + 3);
            if (close >= 0) {
                m_parts.append(Part{Kind::Named, {}, 0, namedGroups.value(r.mid(i + 3, close - i - 3)), 0});
                i = close + 1;
                continue;
            }
        }
        const char16_t upper = d.toUpper().unicode();
        if ((upper == u'U' || upper == u'L' || upper == u'F' || upper == u'I') && i + 2 < n && isDigit(r.at(i + 2))) {
            i += 2;
            addGroupByDigits(r, i, upper);
            continue;
        }
        addLiteral(c);
        ++i;
    }
}

void ReplacementText::addLiteral(QChar c)
{
    if (m_parts.isEmpty() || m_parts.back().kind != Kind::Literal)
        m_parts.append(Part{Kind::Literal, {}, 0, {}, 0});
    m_parts.back().text += c;
}

// At r[i] stands the first digit. Two digits name one group when the pattern
// has that many; otherwise the second digit is plain text.
void ReplacementText::addGroupByDigits(const QString &r, qsizetype &i, char16_t conversion)
{
    int group = r.at(i).unicode() - u'0';
    ++i;
    if (i < r.size() && isDigit(r.at(i))) {
        const int twoDigits = group * 10 + (r.at(i).unicode() - u'0');
        if (twoDigits <= m_groupCount) {
            group = twoDigits;
            ++i;
        }
    }
    m_parts.append(Part{conversion ? Kind::Converted : Kind::Group, {}, group, {}, conversion});
}

QString ReplacementText::expand(const MatchGroups &m, const QLocale &locale) const
{
    QString out;
    for (const Part &p : m_parts) {
        switch (p.kind) {
        case Kind::Literal:
            out += p.text;
            break;
        case Kind::Group:
            out += m.group(p.group);
            break;
        case Kind::Named:
            for (const int g : p.groups) {
                if (g < m.count && m.spans[2 * g] != MatchGroups::kUnsetGroup) {
                    out += m.group(g);
                    break;
                }
            }
            break;
        case Kind::Before:
            out += m.subject.left(qsizetype(m.spans[0]));
            break;
        case Kind::After:
            out += m.subject.mid(qsizetype(m.spans[1]));
            break;
        case Kind::LastGroup:
            // The highest-numbered group that took part (the whole match without groups).
            out += m.group(m.count - 1);
            break;
        case Kind::Subject:
            out += m.subject;
            break;
        case Kind::Converted: {
            const QString g = m.group(p.group).toString();
            if (p.conversion == u'U') {
                out += locale.toUpper(g);
            } else if (p.conversion == u'L') {
                out += locale.toLower(g);
            } else if (p.conversion == u'F') {
                if (!g.isEmpty()) {
                    const QChar first = g.front();
                    const qsizetype width = first.isHighSurrogate() && g.size() > 1 && g.at(1).isLowSurrogate() ? 2 : 1;
                    if (first >= u'a' && first <= u'z')
                        out += QChar(first.unicode() - 32);
                    else
                        out += g.left(width);
                    out += locale.toLower(g.mid(width));
                }
            } else {
                out += properCase(g, locale);
            }
            break;
        }
        }
    }
    return out;
}

} // namespace morvane
