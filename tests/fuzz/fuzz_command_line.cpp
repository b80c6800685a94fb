// The argument parser on arbitrary argument lists (split at NUL bytes):
// every argument is accounted for exactly once, the switches and options it
// finds parse again to themselves, and the dry-run escaping of the path can
// be undone while the new name stands as it is.
#include "cli/command_line_args.h"
#include "cli/console_run.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>

using namespace morvane;

namespace {

void require(bool condition)
{
    if (!condition)
        std::abort();
}

QString unescape(const QString &text)
{
    QString plain;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] != u'\\') {
            plain += text[i];
            continue;
        }
        require(i + 1 < text.size());
        const QChar next = text[++i];
        plain += next == u't' ? QChar(u'\t') : next == u'r' ? QChar(u'\r') : next == u'n' ? QChar(u'\n') : next;
        require(next == u't' || next == u'r' || next == u'n' || next == u'\\');
    }
    return plain;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    QStringList arguments;
    for (const QByteArray &part : bytes.split('\0'))
        arguments.append(QString::fromUtf8(part));

    const CommandLineArgs parsed = parseCommandLineArgs(arguments);
    const qsizetype marker = arguments.indexOf(QStringLiteral("--"));
    const qsizetype markers = marker >= 0 ? 1 : 0;
    const qsizetype helps = std::count_if(arguments.begin(), marker >= 0 ? arguments.begin() + marker : arguments.end(),
                                          [](const QString &a) { return parseCommandLineArgs({a}).help; });
    require(parsed.switchesAndOptions.size() + parsed.paths.size() + parsed.faults.size() + helps + markers
            == arguments.size());
    require(parsed.help == (helps > 0));

    const CommandLineArgs again = parseCommandLineArgs(parsed.switchesAndOptions);
    require(again.switchesAndOptions == parsed.switchesAndOptions);
    require(again.paths.isEmpty() && again.faults.isEmpty());

    for (const char *name : {"pattern", "start", "digits", "case", "find", "replace", "newext", "conflict", "preset"}) {
        const auto value = findOptionValue(parsed.switchesAndOptions, QLatin1StringView(name));
        if (value)
            require(!value->startsWith(u'"') && !value->endsWith(u'"'));
    }

    const QString path = arguments.value(0);
    // A finished new name holds no control character and no backslash (both become "_").
    QString name = arguments.value(1);
    for (QChar &c : name)
        if (c.unicode() < 0x20 || c.unicode() == 0x7F || c == u'\\')
            c = u'_';
    const QString line = dryRunLine(path, name);
    const qsizetype tab = line.indexOf(u'\t');
    require(tab >= 0 && line.indexOf(u'\t', tab + 1) < 0 && !line.contains(u'\n') && !line.contains(u'\r'));
    require(unescape(line.left(tab)) == path && line.mid(tab + 1) == name);
    return 0;
}
