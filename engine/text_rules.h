#pragma once

#include "option_panel.h"

#include <QStringList>

// Shapes the {name} value from an item's OriginalName: remove first/last,
// ranged removal, listed characters, space collapsing, trims, insertion,
// number padding, then the imported name list entry for this index.
// Positions and lengths count UTF-16 code units, 1-based.
QString ApplyTextRules(const QString &name, int index, const OptionPanel &options,
                       const QStringList &importedNameList);

// The numbers the text rules read from option texts, read once for a whole
// run: the texts cannot change while it goes.
struct TextRuleNumbers {
    explicit TextRuleNumbers(const OptionPanel &options);
    int removeFirst;
    int removeLast;
    int removeFromPos;
    int removeTillPos;
    int insertPos;
    int padNumbers;
};
// ApplyTextRules with the numbers read beforehand from the same options.
QString ApplyTextRules(const QString &name, int index, const OptionPanel &options, const TextRuleNumbers &numbers,
                       const QStringList &importedNameList);

// The steps of ApplyTextRules, in their order of use.
QString ApplyRemovals(const QString &text, const OptionPanel &options);
QString TrimByText(const QString &text, const OptionPanel &options);
QString InsertTextAt(const QString &text, const QString &insertion, int position);
QString PadNumbers(const QString &text, int digits);
QString RemoveCharacters(const QString &text, const QString &characterSet);
QString CollapseDoubleSpaces(const QString &text);

// No digit run of a file name can be wider: Linux names hold at most 255 bytes.
inline constexpr int kMaxPadDigits = 255;
