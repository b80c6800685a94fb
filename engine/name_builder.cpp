#include "name_builder.h"

#include "extended_keywords.h"
#include "text_rules.h"

// Placeholder bodies; the foundation work fills these in.
QString FormatCounter(int start, int index, int digits)
{
    return QString::asprintf("%.*d", digits, start + index);
}

QString ConvertCase(const QString &text, int, const QLocale &) { return text; }
QString TitleCase(const QString &text, const QLocale &) { return text; }
QString ParentFolderName(const QString &, int) { return {}; }
QString FormatDateStamp(TDateTime utc, const QTimeZone &zone)
{
    return LocalFromUtc(utc, zone).toString(QStringLiteral("yyyyMMdd"));
}

NameBuilder::NameBuilder(const OptionPanel &options, const NameContext &context, const QStringList &importedNameList)
    : m_options(options), m_context(context), m_importedNameList(importedNameList),
      m_findReplace(options.find, options.replace, options.regex)
{
}

QString NameBuilder::BuildNewName(const TRenameItem &item, const QString &pattern, const QString &counterText,
                                  bool keepExtension, const QString &newExtension, int index)
{
    QString s = ExpandExtendedKeywords(item, pattern, m_context);
    s.replace(QStringLiteral("{name}"), ApplyTextRules(item.OriginalName, index, m_options, m_importedNameList),
              Qt::CaseInsensitive);
    s.replace(QStringLiteral("{counter}"), counterText, Qt::CaseInsensitive);
    s = m_findReplace.Apply(s);
    s = ConvertCase(s, m_options.case_, m_context.locale);
    s += keepExtension ? item.Ext : newExtension;
    return s;
}
