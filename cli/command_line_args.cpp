#include "cli/command_line_args.h"

#include "engine/item_order.h"
#include "engine/option_fields.h"

#include <QCoreApplication>

namespace morvane {

namespace {

const char *const KnownSwitches[] = {"cli",  "quiet",        "dryrun",     "regex",
                                     "undo", "undo-history", "descending", "folders"};
const char *const KnownOptions[] = {"pattern", "start",    "digits", "case", "find", "replace",
                                    "newext",  "conflict", "preset", "sort", "mask", "onError"};
const char *const HelpNames[] = {"help", "?"};

template <size_t N>
bool isOneOf(QStringView name, const char *const (&names)[N])
{
    for (const char *known : names)
        if (asciiEqualsIgnoreCase(name, QString::fromLatin1(known)))
            return true;
    return false;
}

QStringView unquoted(QStringView value)
{
    while (value.startsWith(u'"'))
        value = value.sliced(1);
    while (value.endsWith(u'"'))
        value.chop(1);
    return value;
}

QString choiceWords(const OptionField &field)
{
    QStringList words;
    for (QLatin1StringView word : field.choices)
        words.append(word);
    return words.join(QLatin1Char('|'));
}

// Why a preset-key option's value cannot be used, or an empty text.
QString keyOptionFault(const OptionField &field, QStringView value)
{
    switch (field.kind) {
    case OptionKind::Text:
        return {};
    case OptionKind::Number:
        if (intOrDefault(value.toString(), 0) == intOrDefault(value.toString(), 1))
            return {};
        return QCoreApplication::translate("CommandLine", "--%1 takes a whole number, not \"%2\".")
            .arg(field.key, value);
    case OptionKind::Check:
        if (checkOptionValue(value))
            return {};
        return QCoreApplication::translate("CommandLine", "--%1 takes true or false, not \"%2\".")
            .arg(field.key, value);
    case OptionKind::Choice:
        if (choiceOptionIndex(field, value))
            return {};
        return QCoreApplication::translate("CommandLine", "--%1 takes %2 (or 0 to %3), not \"%4\".")
            .arg(field.key, choiceWords(field), QString::number(field.choiceCount() - 1), value);
    }
    return {};
}

} // namespace

std::optional<bool> checkOptionValue(QStringView value)
{
    if (asciiEqualsIgnoreCase(value, u"true") || value == u"1")
        return true;
    if (asciiEqualsIgnoreCase(value, u"false") || value == u"0")
        return false;
    return std::nullopt;
}

std::optional<int> choiceOptionIndex(const OptionField &field, QStringView value)
{
    for (int i = 0; i < field.choiceCount(); ++i)
        if (asciiEqualsIgnoreCase(value, QString(field.choices[i])))
            return i;
    bool ok = false;
    const int index = value.toInt(&ok);
    if (ok && index >= 0 && index < field.choiceCount() && !value.startsWith(u'+'))
        return index;
    return std::nullopt;
}

const OptionField *keyOptionField(QStringView name)
{
    const OptionField *field = findOptionField(name);
    return field && !isOneOf(name, KnownOptions) ? field : nullptr;
}

CommandLineArgs parseCommandLineArgs(const QStringList &arguments)
{
    CommandLineArgs parsed;
    bool onlyPaths = false;
    for (const QString &argument : arguments) {
        if (onlyPaths) {
            parsed.paths.append(argument);
            continue;
        }
        if (argument == u"--") {
            onlyPaths = true;
            continue;
        }
        QStringView body;
        if (argument.startsWith(u"--") && argument.size() > 2)
            body = QStringView(argument).sliced(2);
        else if (argument.startsWith(u'/') && argument.size() > 1)
            body = QStringView(argument).sliced(1);
        else {
            parsed.paths.append(argument);
            continue;
        }
        const qsizetype equals = body.indexOf(u'=');
        const QStringView name = equals < 0 ? body : body.first(equals);
        const OptionField *keyField = equals >= 0 ? keyOptionField(name) : nullptr;
        if (isOneOf(name, HelpNames) && equals < 0) {
            parsed.help = true;
        } else if (keyField) {
            // A preset key, such as --batchMode=copy; "regex" with a value is one too.
            const QString fault = keyOptionFault(*keyField, unquoted(body.sliced(equals + 1)));
            if (fault.isEmpty())
                parsed.switchesAndOptions.append(QLatin1Char('/') + body.toString());
            else
                parsed.faults.append(fault);
        } else if (isOneOf(name, KnownSwitches) || isOneOf(name, HelpNames)) {
            if (equals < 0)
                parsed.switchesAndOptions.append(QLatin1Char('/') + body.toString());
            else
                parsed.faults.append(
                    QCoreApplication::translate("CommandLine", "The switch /%1 takes no value.").arg(name.toString()));
        } else if (isOneOf(name, KnownOptions)) {
            if (equals >= 0 && asciiEqualsIgnoreCase(name, u"sort")
                && !sortKeyFromWord(unquoted(body.sliced(equals + 1))))
                parsed.faults.append(QCoreApplication::translate(
                                         "CommandLine", "Unknown sort key \"%1\": use /sort=name, date, size or none.")
                                         .arg(unquoted(body.sliced(equals + 1))));
            else if (equals >= 0)
                parsed.switchesAndOptions.append(QLatin1Char('/') + body.toString());
            else
                parsed.faults.append(
                    QCoreApplication::translate("CommandLine", "The option /%1 needs a value: /%1=VALUE.")
                        .arg(name.toString()));
        } else {
            parsed.paths.append(argument);
        }
    }
    return parsed;
}

bool hasSwitch(const QStringList &arguments, QLatin1StringView name)
{
    for (const QString &argument : arguments)
        if (argument.startsWith(u'/') && asciiEqualsIgnoreCase(QStringView(argument).sliced(1), QString(name)))
            return true;
    return false;
}

std::optional<QString> findOptionValue(const QStringList &arguments, QLatin1StringView name)
{
    const qsizetype prefix = name.size() + 2; // "/", name, "="
    for (const QString &argument : arguments) {
        if (argument.size() < prefix || !argument.startsWith(u'/') || argument[prefix - 1] != u'=')
            continue;
        if (!asciiEqualsIgnoreCase(QStringView(argument).sliced(1, name.size()), QString(name)))
            continue;
        return unquoted(QStringView(argument).sliced(prefix)).toString();
    }
    return std::nullopt;
}

QString optionValue(const QStringList &arguments, QLatin1StringView name, const QString &defaultValue)
{
    return findOptionValue(arguments, name).value_or(defaultValue);
}

QString usageText()
{
    QString text = QCoreApplication::translate(
        "CommandLine",
        "Usage: morvane [FILE|FOLDER...]\n"
        "       morvane /cli [/quiet] [OPTIONS] FILE|FOLDER...\n"
        "       morvane /cli [/quiet] /undo\n"
        "       morvane /cli [/quiet] /undo-history\n"
        "\n"
        "Renames files in a batch. Without /cli the window opens with the files and\n"
        "folders given. With /cli one batch runs without questions: the options are\n"
        "applied, the preview is built and the new names are applied.\n"
        "\n"
        "Switches:\n"
        "  /cli             run one batch from the command line\n"
        "  /quiet           no window and no message boxes; messages are printed\n"
        "                   (information to stdout, warnings and errors to stderr)\n"
        "  /dryrun          build the preview only; touch no file. With /quiet the\n"
        "                   preview is printed: original path, TAB, new name, one\n"
        "                   line per file (TAB, CR, LF and \\ written as \\t \\r \\n \\\\)\n"
        "  /regex           find and replace with regular expressions\n"
        "  /undo            revert the last batch from its undo log instead; a file\n"
        "                   now standing at an old name is never replaced: that file\n"
        "                   stays at its new name and its line stays in the log\n"
        "  /undo-history    list the batches that can still be undone, newest first\n"
        "                   (the last 20; older ones are reverted from the window)\n"
        "  /descending      with /sort: the other way round\n"
        "  /help, /?        show this text\n"
        "\n"
        "Options:\n"
        "  /pattern=TEXT    name pattern, e.g. {counter}_{name} or {taken:yyyymmdd_hhnnss};\n"
        "                   the keywords are listed in the window's pattern help (the\n"
        "                   \"?\" button beside the pattern)\n"
        "  /start=N         first counter value\n"
        "  /digits=N        counter digits (1 to 10)\n"
        "  /case=lower|upper|title   case of the new names (other: unchanged)\n"
        "  /find=TEXT       text to find in the new names\n"
        "  /replace=TEXT    its replacement\n"
        "  /newext=EXT      new extension (empty: keep the extension)\n"
        "  /conflict=skip|overwrite|number   when the target exists (default: number)\n"
        "  /preset=FILE     load a preset first; absent options then keep its values\n"
        "  /onError=stop|skip   when a file cannot be renamed: stop there (default),\n"
        "                   or skip it, go on, and list the failures at the end\n"
        "  /sort=name|date|size|none   order of the files before they are numbered:\n"
        "                   name as file managers list names (case ignored, numbers\n"
        "                   by value), date last written, size in bytes; ties by\n"
        "                   name. none (the default) keeps the order given, each\n"
        "                   folder's files in name order\n"
        "  /mask=PATTERNS   take only the files of folders that fit one of the\n"
        "                   patterns, e.g. \"*.jpg;*.png\" (* any text, ? one\n"
        "                   character, case ignored)\n"
        "\n"
        "Preset keys, applied after /preset= and before the options above:\n");
    QStringList ownOptions;
    for (const OptionField &field : optionFields()) {
        if (!keyOptionField(QString(field.key))) {
            ownOptions.append(field.key);
            continue;
        }
        QString value;
        switch (field.kind) {
        case OptionKind::Text:
            value = QStringLiteral("TEXT");
            break;
        case OptionKind::Number:
            value = QStringLiteral("N");
            break;
        case OptionKind::Check:
            value = QStringLiteral("true|false");
            break;
        case OptionKind::Choice:
            value = choiceWords(field) + QStringLiteral(" (or 0-%1)").arg(field.choiceCount() - 1);
            break;
        }
        text += QStringLiteral("  --%1=%2\n").arg(field.key, value);
    }
    text += QCoreApplication::translate("CommandLine", "The preset keys %1 are the options of the same name above.\n")
                .arg(ownOptions.join(QStringLiteral(", ")));
    text += QCoreApplication::translate("CommandLine",
                                        "\n"
                                        "Every switch and option may also be written as --name or --name=value, in\n"
                                        "any letter case. Other arguments are files (added) and folders (their files\n"
                                        "added; with subfolders when the preset says so). A path whose name looks\n"
                                        "like an option, such as /pattern=x, can be written as /./pattern=x, and\n"
                                        "every argument after -- is a path. A destination folder is a full path or\n"
                                        "starts with ~/ for the home folder.\n"
                                        "\n"
                                        "Symbolic links are renamed and moved as links. Copy to folder copies the\n"
                                        "file a link points to, as cp does. One batch or undo runs at a time.\n"
                                        "\n"
                                        "Exit status: 0 done, 1 an error or warning stopped the run, 2 usage fault.\n");
    text += QCoreApplication::translate("CommandLine",
                                        "\n"
                                        "Folders as items:\n"
                                        "  /folders         rename the folders given themselves, not their files\n"
                                        "                   (with --includeSubfolders=true every folder below them\n"
                                        "                   too; the deepest are renamed first). Folders are renamed\n"
                                        "                   in place only: copy and move refuse them.\n");
    return text;
}

} // namespace morvane
