#include "engine/text_rules.h"

namespace morvane {

QString removeCharacters(const QString &text, const QString &characterSet)
{
    QString out;
    out.reserve(text.size());
    for (const QChar c : text)
        if (!characterSet.contains(c))
            out += c;
    return out;
}

// Every run of U+0020 spaces becomes one space; other white space stays.
QString collapseDoubleSpaces(const QString &text)
{
    QString out;
    out.reserve(text.size());
    for (const QChar c : text)
        if (!(c == u' ' && !out.isEmpty() && out.back() == u' '))
            out += c;
    return out;
}

namespace {

QString applyRemovals(const QString &text, const OptionPanel &options, int from, int till)
{
    QString s = text;
    if (from > 0 && till >= from && from <= s.size()) {
        till = int(qMin<qsizetype>(till, s.size()));
        s.remove(from - 1, till - from + 1);
    }
    if (!options.charactersToRemove.isEmpty())
        s = removeCharacters(s, options.charactersToRemove);
    if (options.collapseDoubleSpaces)
        s = collapseDoubleSpaces(s);
    return s;
}

} // namespace

QString applyRemovals(const QString &text, const OptionPanel &options)
{
    return applyRemovals(text, options, intOrDefault(trimControl(options.removeFromPos), 0),
                         intOrDefault(trimControl(options.removeTillPos), 0));
}

QString trimByText(const QString &text, const OptionPanel &options)
{
    QString s = text;
    if (!options.cropBefore.isEmpty()) {
        const qsizetype at = s.indexOf(options.cropBefore, 0, Qt::CaseSensitive);
        if (at >= 0)
            s.truncate(at);
    }
    if (!options.cropAfter.isEmpty()) {
        const qsizetype at = s.indexOf(options.cropAfter, 0, Qt::CaseSensitive);
        if (at >= 0)
            s.remove(0, at + options.cropAfter.size());
    }
    return s;
}

QString insertTextAt(const QString &text, const QString &insertion, int position)
{
    const qsizetype at = qBound(qsizetype(1), qsizetype(position), text.size() + 1) - 1;
    return text.left(at) + insertion + text.mid(at);
}

// Every run of ASCII digits is rewritten with at least `digits` digits, even a
// run that is long enough already ("0007" at 2 gives "07"); a run beyond the
// 32-bit range counts as 0.
QString padNumbers(const QString &text, int digits)
{
    // Wider padding could not be part of any file name and would only eat memory.
    digits = qMin(digits, kMaxPadDigits);
    QString out;
    out.reserve(text.size() + 8);
    qsizetype i = 0;
    const qsizetype n = text.size();
    while (i < n) {
        const QChar c = text.at(i);
        if (c < u'0' || c > u'9') {
            out += c;
            ++i;
            continue;
        }
        qsizetype end = i;
        while (end < n && text.at(end) >= u'0' && text.at(end) <= u'9')
            ++end;
        const QString number = QString::number(intOrDefault(text.mid(i, end - i), 0));
        if (number.size() < digits)
            out += QString(digits - number.size(), u'0');
        out += number;
        i = end;
    }
    return out;
}

TextRuleNumbers::TextRuleNumbers(const OptionPanel &options)
    : removeFirst(intOrDefault(options.removeFirst, 0)), removeLast(intOrDefault(options.removeLast, 0)),
      removeFromPos(intOrDefault(trimControl(options.removeFromPos), 0)),
      removeTillPos(intOrDefault(trimControl(options.removeTillPos), 0)), insertPos(intOrDefault(options.insertPos, 1)),
      padNumbers(intOrDefault(options.padNumbers, 0))
{
}

QString applyTextRules(const QString &name, int index, const OptionPanel &options, const QStringList &importedNameList)
{
    return applyTextRules(name, index, options, TextRuleNumbers(options), importedNameList);
}

QString applyTextRules(const QString &name, int index, const OptionPanel &options, const TextRuleNumbers &numbers,
                       const QStringList &importedNameList)
{
    QString s = name;
    if (numbers.removeFirst > 0)
        s.remove(0, numbers.removeFirst);
    if (numbers.removeLast > 0 && numbers.removeLast <= s.size()) // more than the length leaves the text as it is
        s.chop(numbers.removeLast);
    s = applyRemovals(s, options, numbers.removeFromPos, numbers.removeTillPos);
    s = trimByText(s, options);
    if (!options.insertText.isEmpty())
        s = insertTextAt(s, options.insertText, numbers.insertPos);
    if (numbers.padNumbers > 0)
        s = padNumbers(s, numbers.padNumbers);
    if (index >= 0 && index < importedNameList.size() && !trimControl(importedNameList.at(index)).isEmpty())
        return importedNameList.at(index);
    return s;
}

} // namespace morvane
