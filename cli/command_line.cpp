#include "cli/command_line.h"

#include "cli/command_line_run.h"
#include "engine/file_collection.h"
#include "engine/item_order.h"
#include "engine/morvane_error.h"
#include "engine/name_builder.h"
#include "engine/option_fields.h"
#include "engine/paths.h"
#include "presets/preset_reader.h"
#include "engine/preview.h"
#include "batch/preflight.h"
#include "batch/undo.h"
#include "batch/undo_history.h"

#include <QCoreApplication>
#include <QFile>

#include <sys/stat.h>

#include <cerrno>

#include <QDir>
#include <QFileInfo>
#include <QStringList>

#include <algorithm>

namespace morvane {

namespace {

const QLatin1StringView kCliSwitch("cli");

// Nothing at path: a path that cannot be looked at (a folder on the way
// that cannot be searched) is not missing, it is unreadable.
bool isMissing(const QString &path)
{
    struct stat st;
    return ::lstat(QFile::encodeName(path).constData(), &st) != 0 && (errno == ENOENT || errno == ENOTDIR);
}

// Usage faults that need the file system or more than one argument.
QStringList runFaults(const CommandLineArgs &args, bool quiet)
{
    QStringList faults = args.faults;
    bool undo = hasSwitch(args.switchesAndOptions, QLatin1StringView("undo"));
    if (undo && hasSwitch(args.switchesAndOptions, QLatin1StringView("dryrun")))
        faults.append(QCoreApplication::translate(
            "CommandLine", "/undo cannot be combined with /dryrun: an undo cannot be tried out."));
    if (undo && !args.paths.isEmpty())
        faults.append(QCoreApplication::translate(
            "CommandLine", "/undo takes no files or folders: it reverts the last batch from its undo log."));
    if (hasSwitch(args.switchesAndOptions, QLatin1StringView("descending"))
        && !findOptionValue(args.switchesAndOptions, QLatin1StringView("sort")))
        faults.append(QCoreApplication::translate("CommandLine", "/descending needs /sort=name, date or size."));
    const bool history = hasSwitch(args.switchesAndOptions, QLatin1StringView("undo-history"));
    if (history && (undo || !args.paths.isEmpty()))
        faults.append(QCoreApplication::translate(
            "CommandLine", "/undo-history only lists the batches that can be undone: give it nothing else."));
    undo = undo || history;
    if (const auto onError = findOptionValue(args.switchesAndOptions, QLatin1StringView("onError"));
        onError && !asciiEqualsIgnoreCase(*onError, u"stop") && !asciiEqualsIgnoreCase(*onError, u"skip"))
        faults.append(
            QCoreApplication::translate("CommandLine", "/onError takes stop or skip, not \"%1\".").arg(*onError));
    if (quiet && !undo && args.paths.isEmpty())
        faults.append(QCoreApplication::translate("CommandLine", "No files or folders given."));
    for (const QString &path : args.paths) {
        const QString absolute = absoluteCleanPath(path);
        if (!isExactLocalPath(absolute))
            faults.append(inexactPathMessage(path) + QLatin1Char('.'));
        else if (!QFileInfo::exists(absolute) && isMissing(absolute))
            faults.append(QCoreApplication::translate("CommandLine", "File or folder not found: %1").arg(path));
    }
    return faults;
}

// The preset keys given as options (checked by the parser); returns the fields set.
QList<const OptionField *> applyKeyOptions(const QStringList &a, OptionPanel &o)
{
    QList<const OptionField *> set;
    for (const OptionField &field : optionFields()) {
        if (!keyOptionField(QString(field.key)))
            continue;
        const std::optional<QString> value = findOptionValue(a, field.key);
        if (!value)
            continue;
        set.append(&field);
        switch (field.kind) {
        case OptionKind::Text:
        case OptionKind::Number:
            o.*field.text = *value;
            break;
        case OptionKind::Check:
            o.*field.check = checkOptionValue(*value).value_or(false);
            break;
        case OptionKind::Choice:
            field.setChoiceIndex(o, choiceOptionIndex(field, *value).value_or(-1));
            break;
        }
    }
    return set;
}

// keepAbsent: a preset was loaded, so absent options keep its values. A value
// that a preset key set (--regex=true, --changeExt=true) is kept the same way.
void applyOptions(const QStringList &a, bool keepAbsent, const QList<const OptionField *> &keySet, OptionPanel &o)
{
    auto keyGiven = [&keySet](const char *key) {
        return std::any_of(keySet.begin(), keySet.end(), [key](const OptionField *f) { return f->key == key; });
    };
    o.pattern = optionValue(a, QLatin1StringView("pattern"), o.pattern);
    o.counterStart = optionValue(a, QLatin1StringView("start"), o.counterStart);
    o.digits = optionValue(a, QLatin1StringView("digits"), o.digits);
    const QString caseValue = optionValue(a, QLatin1StringView("case"), QString());
    if (!caseValue.isEmpty()) {
        if (asciiEqualsIgnoreCase(caseValue, u"lower"))
            o.caseChange = CaseChange::Lower;
        else if (asciiEqualsIgnoreCase(caseValue, u"upper"))
            o.caseChange = CaseChange::Upper;
        else if (asciiEqualsIgnoreCase(caseValue, u"title"))
            o.caseChange = CaseChange::Title;
        else
            o.caseChange = CaseChange::Unchanged;
    }
    // Without a preset an absent option resets its value; with one it keeps the preset's.
    o.find = optionValue(a, QLatin1StringView("find"), keepAbsent ? o.find : QString());
    o.replace = optionValue(a, QLatin1StringView("replace"), keepAbsent ? o.replace : QString());
    o.regex = hasSwitch(a, QLatin1StringView("regex")) || ((keepAbsent || keyGiven("regex")) && o.regex);
    if (const auto newExt = findOptionValue(a, QLatin1StringView("newext"))) {
        o.changeExt = !newExt->isEmpty();
        o.newExt = *newExt;
    } else if (!keepAbsent) {
        if (!keyGiven("changeExt"))
            o.changeExt = false;
        o.newExt.clear();
    }
    if (const auto conflict = findOptionValue(a, QLatin1StringView("conflict"))) {
        if (asciiEqualsIgnoreCase(*conflict, u"skip"))
            o.conflict = ConflictMode::Skip;
        else if (asciiEqualsIgnoreCase(*conflict, u"overwrite"))
            o.conflict = ConflictMode::Overwrite;
        else
            o.conflict = ConflictMode::AutoNumber;
    } else if (!keepAbsent) {
        o.conflict = ConflictMode::AutoNumber;
    }
}

} // namespace

QString previewProblemLine(int row, const RenameItem &item, const RowCheck &check)
{
    return QStringLiteral("row %1\t%2\t%3\t%4")
        .arg(QString::number(row + 1), escapedForConsole(item.originalPath()), escapedForConsole(item.newName),
             rowStatusText(check));
}

QString escapedForConsole(const QString &text)
{
    QString escaped;
    escaped.reserve(text.size());
    for (const QChar c : text) {
        switch (c.unicode()) {
        case u'\\':
            escaped += QLatin1String("\\\\");
            break;
        case u'\t':
            escaped += QLatin1String("\\t");
            break;
        case u'\r':
            escaped += QLatin1String("\\r");
            break;
        case u'\n':
            escaped += QLatin1String("\\n");
            break;
        default:
            escaped += c;
        }
    }
    return escaped;
}

void addArgumentPaths(const QStringList &paths, CommandLineContext &context, const FileMask &mask,
                      const std::function<void(const QString &)> &notice, bool readFacts)
{
    QStringList skipped, unreadable;
    FolderListing listing(context.options.includeSubfolders);
    listing.mask = mask;
    listing.folderItems = context.folderItems;
    listing.readFacts = readFacts;
    listing.unreadable = &unreadable;
    for (const QString &path : paths) {
        const QString absolute = absoluteCleanPath(path);
        if (isExistingFolder(absolute)) {
            addFolder(context.items, absolute, listing, &skipped);
        } else if (!context.items.itemExists(absolute) && !context.items.addFileItem(absolute)) {
            struct stat st;
            // Not missing, yet not added: a folder on the way cannot be searched.
            if (::stat(QFile::encodeName(absolute).constData(), &st) != 0 && errno != ENOENT && errno != ENOTDIR)
                unreadable.append(absolute + QStringLiteral(": ") + systemErrorText(errno));
        }
    }
    if (!skipped.isEmpty() && notice)
        notice(QCoreApplication::translate(
                   "CommandLine", "These files were left out because their names are not valid UTF-8 text:\n%1")
                   .arg(skipped.join(QLatin1Char('\n'))));
    // A warning, so that the unattended run ends with status 1 after the files it could read.
    if (!unreadable.isEmpty())
        context.reporter.warning(
            QCoreApplication::translate("CommandLine",
                                        "These files or folders could not be read, so their files were left out:\n%1")
                .arg(unreadable.join(QLatin1Char('\n'))));
}

CommandLineOutcome runCommandLine(const CommandLineArgs &args, CommandLineContext &context,
                                  const CommandLineHooks &hooks)
{
    const QStringList &a = args.switchesAndOptions;
    if (!hasSwitch(a, kCliSwitch))
        return CommandLineOutcome::NotCli;
    const QStringList faults = runFaults(args, hooks.quiet);
    if (!faults.isEmpty()) {
        if (hooks.usageFault)
            hooks.usageFault(faults);
        return CommandLineOutcome::UsageFault;
    }

    const std::optional<QString> preset = findOptionValue(a, QLatin1StringView("preset"));
    if (preset)
        loadPreset(absoluteCleanPath(*preset), context.options);
    const QList<const OptionField *> keySet = applyKeyOptions(a, context.options);
    applyOptions(a, preset.has_value(), keySet, context.options);

    if (const auto onError = findOptionValue(a, QLatin1StringView("onError")))
        context.batchEnvironment.onError = asciiEqualsIgnoreCase(*onError, u"skip") ? OnError::Skip : OnError::Stop;
    if (hasSwitch(a, QLatin1StringView("undo-history"))) {
        const QString appData =
            context.batchEnvironment.appDataFolder.isEmpty() ? appDataFolder() : context.batchEnvironment.appDataFolder;
        context.reporter.information(undoHistoryListing(listUndoHistory(appData)));
        return CommandLineOutcome::Ran;
    }
    if (hasSwitch(a, QLatin1StringView("undo"))) {
        undoLastBatch(context.items, context.reporter, context.batchEnvironment);
        return CommandLineOutcome::Ran;
    }
    // An unattended run hangs on its arguments alone, not on the window's remembered switch.
    context.folderItems = hasSwitch(a, QLatin1StringView("folders"));
    const std::optional<QString> sort = findOptionValue(a, QLatin1StringView("sort"));
    const SortKey sortKey = sort ? sortKeyFromWord(*sort).value_or(SortKey::None) : SortKey::None;
    // Without a window no column shows size or date: they are read only for a name or an order that needs them.
    const bool readFacts = !hooks.quiet || patternReadsFileFacts(context.options.pattern) || sortKey == SortKey::Size
        || sortKey == SortKey::Date;
    addArgumentPaths(args.paths, context, FileMask(optionValue(a, QLatin1StringView("mask"), QString())), hooks.notice,
                     readFacts);
    if (sort)
        sortItems(context.items, sortKey, hasSwitch(a, QLatin1StringView("descending")));
    // With no file there is nothing to execute; the preview has said so.
    if (!buildPreview(context.items, context.options, context.nameContext, context.importedNameList, context.reporter))
        return CommandLineOutcome::Ran;
    const bool dryRun = hasSwitch(a, QLatin1StringView("dryrun"));
    if (hooks.previewProblem) {
        const PreviewCheck check = checkPreview(context.items, context.options);
        for (int i = 0; check.problems() > 0 && i < check.rows.size(); ++i) {
            if (isProblem(check.rows.at(i).status))
                hooks.previewProblem(previewProblemLine(i, context.items.at(i), check.rows.at(i)), dryRun);
        }
    }
    if (dryRun) {
        if (hooks.dryRunPreview)
            hooks.dryRunPreview(context.items);
        return CommandLineOutcome::Ran;
    }
    executeBatch(context.items, context.options, context.reporter, context.batchEnvironment);
    return CommandLineOutcome::Ran;
}

bool processCommandLine(const QStringList &arguments, CommandLineContext &context, const QString &folderMask)
{
    const CommandLineArgs args = parseCommandLineArgs(arguments);
    Reporter &reporter = context.reporter;
    CommandLineHooks hooks;
    hooks.usageFault = [&](const QStringList &faults) { reporter.error(faults.join(QLatin1Char('\n'))); };
    hooks.notice = [&](const QString &text) { reporter.warning(text); };
    const CommandLineOutcome outcome = runCommandLine(args, context, hooks);
    if (outcome != CommandLineOutcome::NotCli)
        return outcome == CommandLineOutcome::Ran;

    // A normal start opens what it was given, like a drop: no preview, no batch.
    if (const auto preset = findOptionValue(args.switchesAndOptions, QLatin1StringView("preset")))
        loadPreset(absoluteCleanPath(*preset), context.options);
    applyKeyOptions(args.switchesAndOptions, context.options);
    QStringList existing, missing;
    for (const QString &path : args.paths)
        (QFileInfo::exists(absoluteCleanPath(path)) ? existing : missing).append(path);
    const FileMask mask(optionValue(args.switchesAndOptions, QLatin1StringView("mask"), folderMask));
    if (hasSwitch(args.switchesAndOptions, QLatin1StringView("folders")))
        context.folderItems = true;
    addArgumentPaths(existing, context, mask, hooks.notice);
    if (!missing.isEmpty())
        reporter.warning(QCoreApplication::translate("CommandLine", "File or folder not found:\n%1")
                             .arg(missing.join(QLatin1Char('\n'))));
    return false;
}

} // namespace morvane
