#include "command_line.h"

#include "command_line_run.h"
#include "file_collection.h"
#include "preset_reader.h"
#include "preview.h"
#include "undo.h"

#include <QDir>
#include <QFileInfo>
#include <QStringList>

namespace {

const QLatin1StringView Cli("cli");

// Usage faults that need the file system or more than one argument.
QStringList RunFaults(const CommandLineArgs &args, bool quiet)
{
    QStringList faults = args.faults;
    const bool undo = HasSwitch(args.switchesAndOptions, QLatin1StringView("undo"));
    if (undo && HasSwitch(args.switchesAndOptions, QLatin1StringView("dryrun")))
        faults.append(QStringLiteral("/undo cannot be combined with /dryrun: an undo cannot be tried out."));
    if (undo && !args.paths.isEmpty())
        faults.append(QStringLiteral("/undo takes no files or folders: it reverts the last batch from its undo log."));
    if (quiet && !undo && args.paths.isEmpty())
        faults.append(QStringLiteral("No files or folders given."));
    for (const QString &path : args.paths) {
        const QString absolute = AbsoluteArgumentPath(path);
        if (!IsExactLocalPath(absolute))
            faults.append(InexactPathMessage(path) + QLatin1Char('.'));
        else if (!QFileInfo::exists(absolute))
            faults.append(QStringLiteral("File or folder not found: %1").arg(path));
    }
    return faults;
}

void ApplyOptions(const QStringList &a, bool keepAbsent, OptionPanel &o)
{
    o.pattern = GetOptionValue(a, QLatin1StringView("pattern"), o.pattern);
    o.counterStart = GetOptionValue(a, QLatin1StringView("start"), o.counterStart);
    o.digits = GetOptionValue(a, QLatin1StringView("digits"), o.digits);
    const QString caseValue = GetOptionValue(a, QLatin1StringView("case"), QString());
    if (!caseValue.isEmpty()) {
        if (AsciiEqualsIgnoreCase(caseValue, u"lower"))
            o.case_ = 1;
        else if (AsciiEqualsIgnoreCase(caseValue, u"upper"))
            o.case_ = 2;
        else if (AsciiEqualsIgnoreCase(caseValue, u"title"))
            o.case_ = 3;
        else
            o.case_ = 0;
    }
    // Without a preset an absent option resets its value; with one it keeps the preset's.
    o.find = GetOptionValue(a, QLatin1StringView("find"), keepAbsent ? o.find : QString());
    o.replace = GetOptionValue(a, QLatin1StringView("replace"), keepAbsent ? o.replace : QString());
    o.regex = HasSwitch(a, QLatin1StringView("regex")) || (keepAbsent && o.regex);
    if (const auto newExt = FindOptionValue(a, QLatin1StringView("newext"))) {
        o.changeExt = !newExt->isEmpty();
        o.newExt = *newExt;
    } else if (!keepAbsent) {
        o.changeExt = false;
        o.newExt.clear();
    }
    if (const auto conflict = FindOptionValue(a, QLatin1StringView("conflict"))) {
        if (AsciiEqualsIgnoreCase(*conflict, u"skip"))
            o.conflict = 0;
        else if (AsciiEqualsIgnoreCase(*conflict, u"overwrite"))
            o.conflict = 1;
        else
            o.conflict = 2;
    } else if (!keepAbsent) {
        o.conflict = 2;
    }
}

}  // namespace

QString AbsoluteArgumentPath(const QString &path)
{
    // "." segments and doubled slashes go; ".." stays, since after a link it
    // need not lead back to the folder the text suggests.
    const QString full = path.startsWith(QLatin1Char('/')) ? path : QDir::currentPath() + QLatin1Char('/') + path;
    QStringList kept;
    for (const QString &segment : full.split(QLatin1Char('/'), Qt::SkipEmptyParts))
        if (segment != QLatin1String("."))
            kept.append(segment);
    return QLatin1Char('/') + kept.join(QLatin1Char('/'));
}

void AddArgumentPaths(const QStringList &paths, CommandLineContext &context,
                      const std::function<void(const QString &)> &notice)
{
    QStringList skipped;
    for (const QString &path : paths) {
        const QString absolute = AbsoluteArgumentPath(path);
        if (IsExistingFolder(absolute))
            AddFolder(context.items, absolute, context.options.includeSubfolders, &skipped);
        else
            context.items.AddFileItem(absolute);
    }
    if (!skipped.isEmpty() && notice)
        notice(QStringLiteral("These files were left out because their names are not valid UTF-8 text:\n%1")
                   .arg(skipped.join(QLatin1Char('\n'))));
}

CommandLineOutcome RunCommandLine(const CommandLineArgs &args, CommandLineContext &context,
                                  const CommandLineHooks &hooks)
{
    const QStringList &a = args.switchesAndOptions;
    if (!HasSwitch(a, Cli))
        return CommandLineOutcome::NotCli;
    const QStringList faults = RunFaults(args, hooks.quiet);
    if (!faults.isEmpty()) {
        if (hooks.usageFault)
            hooks.usageFault(faults);
        return CommandLineOutcome::UsageFault;
    }

    const std::optional<QString> preset = FindOptionValue(a, QLatin1StringView("preset"));
    if (preset)
        LoadPreset(AbsoluteArgumentPath(*preset), context.options);
    ApplyOptions(a, preset.has_value(), context.options);

    if (HasSwitch(a, QLatin1StringView("undo"))) {
        UndoLastBatch(context.items, context.reporter, context.batchEnvironment);
        return CommandLineOutcome::Ran;
    }
    AddArgumentPaths(args.paths, context, hooks.notice);
    // With no file there is nothing to execute; the preview has said so.
    if (!BuildPreview(context.items, context.options, context.nameContext, context.importedNameList,
                      context.reporter))
        return CommandLineOutcome::Ran;
    if (HasSwitch(a, QLatin1StringView("dryrun"))) {
        if (hooks.dryRunPreview)
            hooks.dryRunPreview(context.items);
        return CommandLineOutcome::Ran;
    }
    ExecuteBatch(context.items, context.options, context.reporter, context.batchEnvironment);
    return CommandLineOutcome::Ran;
}

bool ProcessCommandLine(const QStringList &arguments, CommandLineContext &context)
{
    const CommandLineArgs args = ParseCommandLineArgs(arguments);
    Reporter &reporter = context.reporter;
    CommandLineHooks hooks;
    hooks.usageFault = [&](const QStringList &faults) { reporter.error(faults.join(QLatin1Char('\n'))); };
    hooks.notice = [&](const QString &text) { reporter.warning(text); };
    const CommandLineOutcome outcome = RunCommandLine(args, context, hooks);
    if (outcome != CommandLineOutcome::NotCli)
        return outcome == CommandLineOutcome::Ran;

    // A normal start opens what it was given, like a drop: no preview, no batch.
    if (const auto preset = FindOptionValue(args.switchesAndOptions, QLatin1StringView("preset")))
        LoadPreset(AbsoluteArgumentPath(*preset), context.options);
    QStringList existing, missing;
    for (const QString &path : args.paths)
        (QFileInfo::exists(AbsoluteArgumentPath(path)) ? existing : missing).append(path);
    AddArgumentPaths(existing, context, hooks.notice);
    if (!missing.isEmpty())
        reporter.warning(QStringLiteral("File or folder not found:\n%1").arg(missing.join(QLatin1Char('\n'))));
    return false;
}
