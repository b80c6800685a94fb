#pragma once

#include "engine/find_replace.h"
#include "engine/name_context.h"
#include "engine/option_panel.h"
#include "engine/rename_item.h"
#include "engine/text_rules.h"

#include <QStringList>

namespace morvane {

// The characters that file names cannot hold; each becomes "_" in a finished
// name, and so does every control character (U+0000-U+001F, U+007F).
inline constexpr char16_t IllegalNameChars[] = u"<>:\"/\\|?*";

// "%.*d": start + index with at least `digits` digits, the minus sign before
// the zeros. The sum is taken in 64 bits, so it never wraps.
//
//   formatCounter(1, 4, 3) == "005"
//   formatCounter(-3, 0, 3) == "-003"
//   formatCounter(98, 2, 2) == "100"
QString formatCounter(int start, int index, int digits);

// 1 lower case, 2 upper case (the locale's linguistic casing), 3 titleCase; else unchanged.
//
//   convertCase("my File", CaseChange::Upper, QLocale::c()) == "MY FILE"
//   convertCase("my FILE", CaseChange::Title, QLocale::c()) == "My File"
QString convertCase(const QString &text, CaseChange change, const QLocale &locale);

// Lower case, then the first ASCII letter of every run of ASCII letters and digits upper case.
//
//   titleCase("hello wORLD-2nd take", QLocale::c()) == "Hello World-2nd Take"
//   titleCase("o'neil", QLocale::c()) == "O'Neil"
QString titleCase(const QString &text, const QLocale &locale);

// The name of the folder `level` steps above the file (1: the folder holding
// it); empty above the root.
//
//   parentFolderName("/home/u/photos/a.jpg", 1) == "photos"
//   parentFolderName("/home/u/photos/a.jpg", 2) == "u"
//   parentFolderName("/a.jpg", 1) == ""
QString parentFolderName(const QString &path, int level);
// True when the pattern names a file's size or times ({size}, {created},
// {modified}, with or without a format), any letter case. A name inserted by
// another keyword may still name them; the builder then reads them itself.
bool patternReadsFileFacts(const QString &pattern);

// The local date of a UTC date-time in the zone, "yyyymmdd".
QString formatDateStamp(DateTime utc, const QTimeZone &zone);

// Builds new names for one preview run. Holds what one run reads once
// (the compiled find pattern) and reads the per-name options from `options`.
class NameBuilder {
public:
    NameBuilder(const OptionPanel &options, const NameContext &context, const QStringList &importedNameList);

    QString buildNewName(const RenameItem &item, const QString &pattern, const QString &counterText, bool keepExtension,
                         const QString &newExtension, int index);
    // The same with the counter text formatCounter(counterStart, index, counterDigits),
    // formatted only when the name holds {counter}.
    QString buildNewName(const RenameItem &item, const QString &pattern, int counterStart, int counterDigits,
                         bool keepExtension, const QString &newExtension, int index);

private:
    QString build(const RenameItem &item, const QString &pattern, const QString *counterText, int counterStart,
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

} // namespace morvane
