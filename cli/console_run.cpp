#include "cli/console_run.h"

#include "cli/command_line_run.h"
#include "engine/morvane_error.h"

#include <QCoreApplication>

#include <cstdio>

namespace morvane {

namespace {

// stdout through one large buffer: a dry run of 100,000 files is one write
// per megabyte, not one per line.
class ConsoleOut {
public:
    explicit ConsoleOut(std::FILE *stream) : m_stream(stream) {}
    ~ConsoleOut() { flush(); }
    void write(const QString &text)
    {
        m_buffer += text.toUtf8();
        if (m_buffer.size() >= (1 << 20))
            flush();
    }
    bool flush()
    {
        if (!m_buffer.isEmpty()
            && std::fwrite(m_buffer.constData(), 1, size_t(m_buffer.size()), m_stream) != size_t(m_buffer.size()))
            m_failed = true;
        m_buffer.clear();
        if (std::fflush(m_stream) != 0)
            m_failed = true;
        return !m_failed;
    }
    bool failed() const { return m_failed; }

private:
    std::FILE *m_stream;
    QByteArray m_buffer;
    bool m_failed = false;
};

// Boxes become lines: information on stdout, warnings and errors on stderr;
// every confirmation is answered yes. A warning or an error means the run failed.
class QuietReporter : public Reporter {
public:
    QuietReporter(ConsoleOut &out, ConsoleOut &err) : m_out(out), m_err(err) {}
    void information(const QString &text) override { m_out.write(text + QLatin1Char('\n')); }
    void warning(const QString &text) override
    {
        notice(text);
        m_failed = true;
    }
    void error(const QString &text) override
    {
        m_out.flush();
        m_err.write(QCoreApplication::translate("CommandLine", "Error: ") + text + QLatin1Char('\n'));
        m_err.flush();
        m_failed = true;
    }
    bool confirm(const QString &) override { return true; }
    // A warning that does not stop the run.
    void notice(const QString &text)
    {
        m_out.flush();
        m_err.write(QCoreApplication::translate("CommandLine", "Warning: ") + text + QLatin1Char('\n'));
        m_err.flush();
    }
    bool failed() const { return m_failed; }

private:
    ConsoleOut &m_out;
    ConsoleOut &m_err;
    bool m_failed = false;
};

// The error box's rule: a full stop after a message that ends in a letter, digit or the like.
QString withFullStop(const QString &message)
{
    if (!message.isEmpty() && message.back().unicode() > u'.')
        return message + QLatin1Char('.');
    return message;
}

QStringList argumentsOf(int argc, char *argv[])
{
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));
    return arguments;
}

QString escaped(const QString &text)
{
    return escapedForConsole(text);
}

} // namespace

QString dryRunLine(const QString &originalPath, const QString &newName)
{
    return escaped(originalPath) + QLatin1Char('\t') + newName;
}

bool isConsoleRun(int argc, char *argv[])
{
    const CommandLineArgs args = parseCommandLineArgs(argumentsOf(argc, argv));
    return args.help || hasSwitch(args.switchesAndOptions, QLatin1StringView("quiet"));
}

int runConsole(int argc, char *argv[], const std::function<void()> &prepare)
{
    QCoreApplication app(argc, argv);
    if (prepare)
        prepare();
    ConsoleOut out(stdout);
    ConsoleOut err(stderr);
    const CommandLineArgs args = parseCommandLineArgs(argumentsOf(argc, argv));
    if (args.help) {
        out.write(usageText());
        return out.flush() ? 0 : 1;
    }
    auto usageFault = [&](const QStringList &faults) {
        for (const QString &fault : faults)
            err.write(QStringLiteral("morvane: ") + fault + QLatin1Char('\n'));
        err.write(QCoreApplication::translate("CommandLine", "Try 'morvane --help' for more information.\n"));
        err.flush();
    };
    if (!hasSwitch(args.switchesAndOptions, QLatin1StringView("cli"))) {
        usageFault({QCoreApplication::translate("CommandLine", "/quiet runs a batch only together with /cli.")});
        return 2;
    }

    QuietReporter reporter(out, err);
    OptionPanel options;
    RenameItemList items;
    const QStringList importedNameList;
    const NameContext nameContext;
    CommandLineContext context{options, items, importedNameList, reporter, nameContext, BatchEnvironment{}};
    CommandLineHooks hooks;
    hooks.quiet = true;
    hooks.usageFault = usageFault;
    hooks.notice = [&](const QString &text) { reporter.notice(text); };
    hooks.dryRunPreview = [&](const RenameItemList &list) {
        for (const RenameItem &item : list.items())
            out.write(dryRunLine(item.originalPath(), item.newName) + QLatin1Char('\n'));
    };

    hooks.previewProblem = [&](const QString &line, bool dryRun) {
        if (dryRun) {
            err.write(line + QLatin1Char('\n'));
        } else {
            reporter.notice(line);
        }
    };

    CommandLineOutcome outcome;
    try {
        outcome = runCommandLine(args, context, hooks);
    } catch (const MorvaneError &e) {
        reporter.error(withFullStop(e.message()));
        return 1;
    } catch (const std::exception &e) {
        reporter.error(withFullStop(QString::fromLocal8Bit(e.what())));
        return 1;
    }
    if (outcome == CommandLineOutcome::UsageFault)
        return 2;
    if (!out.flush()) {
        err.write(QCoreApplication::translate("CommandLine", "Error: cannot write to standard output.\n"));
        return 1;
    }
    return reporter.failed() ? 1 : 0;
}

} // namespace morvane
