#pragma once

#include "engine/option_panel.h"

#include <QStringList>

namespace morvane {

// Shapes the {name} value from an item's originalName: remove first/last,
// ranged removal, listed characters, space collapsing, trims, insertion,
// number padding, then the imported name list entry for this index.
// Positions and lengths count UTF-16 code units, 1-based.
//
//   with removeFirst "2" and removeLast "1":
//   applyTextRules("IMG_0042x", 0, options, QStringList()) == "G_0042"
QString applyTextRules(const QString &name, int index, const OptionPanel &options, const QStringList &importedNameList);

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
// applyTextRules with the numbers read beforehand from the same options.
QString applyTextRules(const QString &name, int index, const OptionPanel &options, const TextRuleNumbers &numbers,
                       const QStringList &importedNameList);

// The steps of applyTextRules, in their order of use.
//
//   with removeFromPos "2" and removeTillPos "3": applyRemovals("abcdef", options) == "adef"
//   with cropBefore " (": trimByText("photo (1)", options) == "photo"
//   insertTextAt("photo", "_", 3) == "ph_oto"; insertTextAt("photo", "_", 99) == "photo_"
//   padNumbers("IMG_7 v12", 3) == "IMG_007 v012"
//   removeCharacters("a-b_c", "-_") == "abc"
//   collapseDoubleSpaces("a  b   c") == "a b c"
QString applyRemovals(const QString &text, const OptionPanel &options);
QString trimByText(const QString &text, const OptionPanel &options);
QString insertTextAt(const QString &text, const QString &insertion, int position);
QString padNumbers(const QString &text, int digits);
QString removeCharacters(const QString &text, const QString &characterSet);
QString collapseDoubleSpaces(const QString &text);

// No digit run of a file name can be wider: Linux names hold at most 255 bytes.
inline constexpr int kMaxPadDigits = 255;

} // namespace morvane
