#pragma once

#include "find_replace.h"
#include "name_context.h"
#include "option_panel.h"
#include "rename_item.h"
#include "text_rules.h"

#include <QStringList>

// The characters that file names cannot hold; each becomes "_" in a finished name.
inline constexpr char16_t IllegalNameChars[] = u"<>:\"/\\|?*";

// "%.*d": start + index with at least `digits` digits, the minus sign before
// the zeros. The sum is taken in 64 bits, so it never wraps.
QString FormatCounter(int start, int index, int digits);
// 1 lower case, 2 upper case (the locale's linguistic casing), 3 TitleCase; else unchanged.
QString ConvertCase(const QString &text, int caseIndex, const QLocale &locale);
// Lower case, then the first ASCII letter of every run of ASCII letters and digits upper case.
QString TitleCase(const QString &text, const QLocale &locale);
// The name of the folder `level` steps above the file (1: the folder holding it).
QString ParentFolderName(const QString &path, int level);
// The local date of a UTC date-time in the zone, "yyyymmdd".
QString FormatDateStamp(TDateTime utc, const QTimeZone &zone);

// Builds new names for one preview run. Holds what one run reads once
// (the compiled find pattern) and reads the per-name options from `options`.
class NameBuilder {
public:
    NameBuilder(const OptionPanel &options, const NameContext &context, const QStringList &importedNameList);

    QString BuildNewName(const TRenameItem &item, const QString &pattern, const QString &counterText,
                         bool keepExtension, const QString &newExtension, int index);
    // The same with the counter text FormatCounter(counterStart, index, counterDigits),
    // formatted only when the name holds {counter}.
    QString BuildNewName(const TRenameItem &item, const QString &pattern, int counterStart, int counterDigits,
                         bool keepExtension, const QString &newExtension, int index);

private:
    QString build(const TRenameItem &item, const QString &pattern, const QString *counterText, int counterStart,
                  int counterDigits, bool keepExtension, const QString &newExtension, int index);
    bool patternHasExtendedKeywords(const QString &pattern);

    const OptionPanel &m_options;
    const NameContext &m_context;
    const QStringList &m_importedNameList;
    FindReplace m_findReplace;
    TextRuleNumbers m_textRuleNumbers;
    // The pattern of the last name and whether it holds an extended keyword:
    // one run passes the same pattern for every name.
    QString m_pattern;
    bool m_patternKnown = false;
    bool m_patternHasExtended = false;
};
