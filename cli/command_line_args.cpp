#include "cli/command_line_args.h"

#include <QCoreApplication>

namespace morvane {

namespace {

const char *const KnownSwitches[] = {"cli", "quiet", "dryrun", "regex", "undo", "undo-history"};
const char *const KnownOptions[] = {"pattern", "start", "digits", "case", "find",
                                    "replace", "newext", "conflict", "preset", "onError"};
const char *const HelpNames[] = {"help", "?"};

template <size_t N>
bool isOneOf(QStringView name, const char *const (&names)[N])
{
    for (const char *known : names)
        if (asciiEqualsIgnoreCase(name, QString::fromLatin1(known)))
            return true;
    return false;
}

}  // namespace

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
        if (isOneOf(name, HelpNames) && equals < 0) {
            parsed.help = true;
        } else if (isOneOf(name, KnownSwitches) || isOneOf(name, HelpNames)) {
            if (equals < 0)
                parsed.switchesAndOptions.append(QLatin1Char('/') + body.toString());
            else
                parsed.faults.append(
                    QCoreApplication::translate("CommandLine", "The switch /%1 takes no value.").arg(name.toString()));
        } else if (isOneOf(name, KnownOptions)) {
            if (equals >= 0)
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
    const qsizetype prefix = name.size() + 2;  // "/", name, "="
    for (const QString &argument : arguments) {
        if (argument.size() < prefix || !argument.startsWith(u'/') || argument[prefix - 1] != u'=')
            continue;
        if (!asciiEqualsIgnoreCase(QStringView(argument).sliced(1, name.size()), QString(name)))
            continue;
        QStringView value = QStringView(argument).sliced(prefix);
        while (value.startsWith(u'"'))
            value = value.sliced(1);
        while (value.endsWith(u'"'))
            value.chop(1);
        return value.toString();
    }
    return std::nullopt;
}

QString optionValue(const QStringList &arguments, QLatin1StringView name, const QString &defaultValue)
{
    return findOptionValue(arguments, name).value_or(defaultValue);
}

QString usageText()
{
    return QCoreApplication::translate(
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
        "\n"
        "Every switch and option may also be written as --name or --name=value, in\n"
        "any letter case. Other arguments are files (added) and folders (their files\n"
        "added; with subfolders when the preset says so). A path whose name looks\n"
        "like an option, such as /pattern=x, can be written as /./pattern=x, and\n"
        "every argument after -- is a path.\n"
        "\n"
        "Symbolic links are renamed and moved as links. Copy to folder copies the\n"
        "file a link points to, as cp does. One batch or undo runs at a time.\n"
        "\n"
        "Exit status: 0 done, 1 an error or warning stopped the run, 2 usage fault.\n");
}

} // namespace morvane
