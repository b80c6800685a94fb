// Writes the manual page morvane(1) to standard output at build time. The
// synopsis, switches, options and exit status come from the --help text and
// the keywords from the pattern help of the window, so the page says what
// the program says.
//
//   write_man_page VERSION DATE > morvane.1

#include "build_config.h"
#include "cli/command_line_args.h"
#include "ui/app_texts.h"

#include <QRegularExpression>
#include <QStringList>

#include <cstdio>

using namespace morvane;

namespace {

// Plain text as roff: backslashes and minus signs escaped, and a line that
// would start with a control character made literal.
QString roff(const QString &text)
{
    QString out;
    for (QChar c : text) {
        if (c == u'\\')
            out += QStringLiteral("\\e");
        else if (c == u'-')
            out += QStringLiteral("\\-");
        else
            out += c;
    }
    if (out.startsWith(u'.') || out.startsWith(u'\''))
        out.prepend(QStringLiteral("\\&"));
    return out;
}

QString bold(const QString &text)
{
    return QStringLiteral("\\fB") + roff(text) + QStringLiteral("\\fR");
}
QString italic(const QString &text)
{
    return QStringLiteral("\\fI") + roff(text) + QStringLiteral("\\fR");
}

// Names in capitals (FILE, TEXT, N) are placeholders: italic; the rest bold.
QString markUp(const QString &text)
{
    static const QRegularExpression placeholder(QStringLiteral("\\b[A-Z]+\\b"));
    QString out;
    qsizetype at = 0;
    for (auto it = placeholder.globalMatch(text); it.hasNext();) {
        const auto m = it.next();
        if (m.capturedStart() > at)
            out += bold(text.mid(at, m.capturedStart() - at));
        out += italic(m.captured());
        at = m.capturedEnd();
    }
    if (at < text.size())
        out += bold(text.mid(at));
    return out;
}

struct Entry {
    QString term;
    QString description;
};

struct Section {
    QString heading;
    QList<Entry> entries;
};

struct Help {
    QStringList synopsis;
    QStringList description; // paragraphs
    QList<Section> sections; // "Switches:", "Options:"
    QStringList notes;       // paragraphs after the options
    QString exitStatus;
};

QStringList paragraphs(const QStringList &lines)
{
    QStringList out;
    QString current;
    for (const QString &line : lines) {
        if (line.trimmed().isEmpty()) {
            if (!current.isEmpty())
                out.append(current);
            current.clear();
        } else {
            current += (current.isEmpty() ? QString() : QStringLiteral(" ")) + line.trimmed();
        }
    }
    if (!current.isEmpty())
        out.append(current);
    return out;
}

Help readHelp(const QString &text)
{
    static const QRegularExpression entryLine(QStringLiteral("^  (\\S(?:.*?\\S)?)(?: {2,}(.*))?$"));
    Help help;
    QStringList lines = text.split(u'\n');
    QStringList loose; // lines outside any list, in order
    bool afterLists = false;
    for (const QString &line : lines) {
        if (line.startsWith(u"Usage: ")) {
            help.synopsis.append(line.sliced(7).trimmed());
        } else if (!help.synopsis.isEmpty() && help.description.isEmpty() && loose.isEmpty()
                   && line.startsWith(QStringLiteral("       ")) && help.sections.isEmpty()) {
            help.synopsis.append(line.trimmed());
        } else if (line.startsWith(u"Exit status: ")) {
            help.exitStatus = line.sliced(13).trimmed();
        } else if (!line.startsWith(u' ') && line.endsWith(u':')) {
            if (help.sections.isEmpty())
                help.description = paragraphs(loose);
            loose.clear();
            help.sections.append({line.chopped(1), {}});
        } else if (!help.sections.isEmpty() && !afterLists && line.startsWith(QStringLiteral("    "))) {
            Entry &last = help.sections.last().entries.last();
            last.description += u' ' + line.trimmed();
        } else if (const auto m = entryLine.match(line); !help.sections.isEmpty() && !afterLists && m.hasMatch()) {
            help.sections.last().entries.append({m.captured(1), m.captured(2)});
        } else {
            if (!help.sections.isEmpty() && !line.trimmed().isEmpty())
                afterLists = true;
            loose.append(line);
        }
    }
    if (help.sections.isEmpty())
        help.description = paragraphs(loose);
    else
        help.notes = paragraphs(loose);
    return help;
}

void print(const QString &line)
{
    const QByteArray bytes = (line + u'\n').toUtf8();
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stdout);
}

void printParagraphs(const QStringList &paragraphs)
{
    for (qsizetype i = 0; i < paragraphs.size(); ++i) {
        if (i > 0)
            print(QStringLiteral(".PP"));
        print(roff(paragraphs[i]));
    }
}

void printTagged(const QString &termMarkUp, const QString &description)
{
    print(QStringLiteral(".TP"));
    print(termMarkUp);
    print(roff(description));
}

// "0 done, 1 an error ..., 2 usage fault." as one tagged paragraph per code.
void printExitStatus(const QString &text)
{
    static const QRegularExpression code(QStringLiteral("(?:^|, )(\\d+) "));
    QList<QRegularExpressionMatch> codes;
    for (auto it = code.globalMatch(text); it.hasNext();)
        codes.append(it.next());
    if (codes.isEmpty()) {
        print(roff(text));
        return;
    }
    for (qsizetype i = 0; i < codes.size(); ++i) {
        const qsizetype end = i + 1 < codes.size() ? codes[i + 1].capturedStart() : text.size();
        QString meaning = text.mid(codes[i].capturedEnd(), end - codes[i].capturedEnd()).trimmed();
        if (meaning.endsWith(u'.'))
            meaning.chop(1);
        printTagged(bold(codes[i].captured(1)), meaning);
    }
}

// The keyword list of the pattern help: "{name} - what it is" lines, then
// the formatting examples.
void printKeywords(const QString &patternHelp)
{
    const QStringList lines = patternHelp.split(QRegularExpression(QStringLiteral("\r\n|\n")));
    bool inList = false;
    for (const QString &line : lines) {
        const QString trimmed = line.trimmed();
        if (trimmed.isEmpty())
            continue;
        if (trimmed.endsWith(u':') && !trimmed.startsWith(u'{')) {
            const bool supported = trimmed.startsWith(QStringLiteral("Supported keywords"));
            inList = supported || trimmed.startsWith(QStringLiteral("Formatting"))
                || trimmed.startsWith(QStringLiteral("Photo metadata"))
                || trimmed.startsWith(QStringLiteral("Audio tags"));
            if (inList && !supported)
                print(QStringLiteral(".PP\n") + roff(trimmed));
            continue;
        }
        if (!inList || !trimmed.startsWith(u'{'))
            continue;
        const qsizetype dash = trimmed.indexOf(QStringLiteral(" - "));
        if (dash < 0) {
            print(QStringLiteral(".IP\n") + bold(trimmed));
            continue;
        }
        printTagged(bold(trimmed.first(dash)), trimmed.sliced(dash + 3));
    }
}

} // namespace

int main(int argc, char *argv[])
{
    const QString date = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QString();
    const Help help = readHelp(usageText());

    print(QStringLiteral(".TH MORVANE 1 \"%1\" \"Morvane %2\" \"User Commands\"")
              .arg(date, QStringLiteral(MORVANE_VERSION_TEXT)));
    // Switches such as /preset=FILE are not to be broken at a hyphenation point.
    print(QStringLiteral(".nh"));
    print(QStringLiteral(".SH NAME"));
    print(QStringLiteral("morvane \\- rename many files at once with patterns, rules and a preview"));

    print(QStringLiteral(".SH SYNOPSIS"));
    for (qsizetype i = 0; i < help.synopsis.size(); ++i) {
        if (i > 0)
            print(QStringLiteral(".br"));
        print(markUp(help.synopsis[i]));
    }

    print(QStringLiteral(".SH DESCRIPTION"));
    printParagraphs(help.description);
    print(QStringLiteral(".PP"));
    print(
        roff(QStringLiteral("In the window, files are collected with a dialog or by dropping files and folders on it, "
                            "the rules are set, the preview shows every new name beside the old one, and the names are "
                            "applied in place or by copying or moving the files into a folder. Every batch is logged, "
                            "and the last one can be undone.")));

    print(QStringLiteral(".SH OPTIONS"));
    for (const Section &section : help.sections) {
        print(QStringLiteral(".SS ") + roff(section.heading));
        for (const Entry &entry : section.entries)
            printTagged(markUp(entry.term), entry.description);
    }
    if (!help.notes.isEmpty()) {
        print(QStringLiteral(".PP"));
        printParagraphs(help.notes);
    }

    print(QStringLiteral(".SH KEYWORDS"));
    print(roff(QStringLiteral("A pattern is plain text with keywords in braces; each keyword stands for a "
                              "value of the file being renamed.")));
    printKeywords(patternHelpText());

    if (!help.exitStatus.isEmpty()) {
        print(QStringLiteral(".SH EXIT STATUS"));
        printExitStatus(help.exitStatus);
    }

    print(QStringLiteral(".SH ENVIRONMENT"));
    printTagged(bold(QStringLiteral("XDG_DATA_HOME")),
                QStringLiteral("Folder of the undo log; when unset or not an absolute path, ~/.local/share is used."));
    printTagged(bold(QStringLiteral("APPDATA")),
                QStringLiteral("When set and not empty, used in place of XDG_DATA_HOME."));

    print(QStringLiteral(".SH FILES"));
    printTagged(italic(QStringLiteral("$XDG_DATA_HOME/Quenzel/Morvane/last_rename.csv")),
                QStringLiteral("The undo log of the last batch: one line per renamed, copied or moved file. "
                               "/undo and the window's undo button read it."));
    printTagged(italic(QStringLiteral("$XDG_DATA_HOME/Quenzel/Morvane/last_rename.csv.unfinished")),
                QStringLiteral("Present only while a batch runs, or after one was cut short; "
                               "the next undo takes it into account."));
    printTagged(italic(QStringLiteral("*.json")),
                QStringLiteral("Presets: the rule set saved from the window, loaded with /preset=FILE. "
                               "They live wherever the user saves them."));

    print(QStringLiteral(".SH EXAMPLES"));
    const QList<Entry> examples = {
        {QStringLiteral("morvane ~/Pictures/Holiday"), QStringLiteral("Open the window with the files of a folder.")},
        {QStringLiteral("morvane /cli /quiet /dryrun '/pattern={counter}_{name}' /digits=3 ~/Pictures/Holiday"),
         QStringLiteral("Print the new names without renaming anything.")},
        {QStringLiteral("morvane /cli /quiet '/pattern={modified:yyyy-MM-dd}_{name}' /case=lower *.jpg"),
         QStringLiteral("Put the modification date in front of every name, in lower case.")},
        {QStringLiteral("morvane /cli /quiet /regex '/find=^IMG_(\\d+)' '/replace=photo_$1' ~/Pictures/Holiday"),
         QStringLiteral("Replace with a regular expression and a group.")},
        {QStringLiteral("morvane /cli /quiet /preset=holiday.json /conflict=skip ~/Pictures/Holiday"),
         QStringLiteral("Apply a saved preset and skip names that are taken.")},
        {QStringLiteral("morvane /cli /quiet /undo"), QStringLiteral("Revert the last batch.")},
    };
    for (const Entry &example : examples) {
        print(QStringLiteral(".PP"));
        print(roff(example.description));
        print(QStringLiteral(".PP"));
        print(QStringLiteral(".RS"));
        print(QStringLiteral(".EX"));
        print(roff(example.term));
        print(QStringLiteral(".EE"));
        print(QStringLiteral(".RE"));
    }

    print(QStringLiteral(".SH SEE ALSO"));
    print(roff(QStringLiteral(MORVANE_HOME_PAGE)));
    return std::fflush(stdout) == 0 ? 0 : 1;
}
