#pragma once

#include "find_replace.h"
#include "name_context.h"
#include "option_panel.h"
#include "rename_item.h"

#include <QStringList>

// The characters that file names cannot hold; each becomes "_" in a finished name.
inline constexpr char16_t IllegalNameChars[] = u"<>:\"/\\|?*";

QString FormatCounter(int start, int index, int digits);
QString ConvertCase(const QString &text, int caseIndex, const QLocale &locale);
QString TitleCase(const QString &text, const QLocale &locale);
QString ParentFolderName(const QString &path, int level);
QString FormatDateStamp(TDateTime utc, const QTimeZone &zone);

// Builds new names for one preview run. Holds what one run reads once
// (the compiled find pattern) and reads the per-name options from `options`.
class NameBuilder {
public:
    NameBuilder(const OptionPanel &options, const NameContext &context, const QStringList &importedNameList);

    QString BuildNewName(const TRenameItem &item, const QString &pattern, const QString &counterText,
                         bool keepExtension, const QString &newExtension, int index);

private:
    const OptionPanel &m_options;
    const NameContext &m_context;
    const QStringList &m_importedNameList;
    FindReplace m_findReplace;
};
