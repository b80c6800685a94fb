#pragma once

#include "cli/command_line.h"
#include "cli/command_line_args.h"
#include "batch/preflight.h"
#include "engine/file_mask.h"

#include <functional>

namespace morvane {

enum class CommandLineOutcome {
    NotCli,     // no "/cli": nothing was done
    UsageFault, // reported through usageFault; nothing was changed
    Ran,        // the run went to its end (its messages told how it went)
};

// How a /cli run talks beyond the reporter: the window and the quiet console differ.
struct CommandLineHooks {
    bool quiet = false;
    std::function<void(const QStringList &faults)> usageFault;
    std::function<void(const QString &text)> notice; // a warning that does not stop the run
    std::function<void(const RenameItemList &items)> dryRunPreview;
    // After the preview, one line per row that would not land as shown
    // (dry run: the report; real run: warnings before the batch starts).
    std::function<void(const QString &line, bool dryRun)> previewProblem;
};

// The /cli run shared by the window and the quiet console: checks the
// arguments, loads "/preset", applies the options in their fixed order, adds
// the files and folders (through "/mask") and sorts them ("/sort"), then builds the preview and runs the batch (or runs
// the undo). MorvaneError from the preset, the preview or the batch propagates.
CommandLineOutcome runCommandLine(const CommandLineArgs &args, CommandLineContext &context,
                                  const CommandLineHooks &hooks);

// "row N<TAB>original path<TAB>new name<TAB>problem", rows counted from 1,
// tabs, line breaks and backslashes escaped as in the dry-run listing.
QString previewProblemLine(int row, const RenameItem &item, const RowCheck &check);
QString escapedForConsole(const QString &text);

// Adds the files and folders of the arguments (folders with or without their
// subfolders, their files through mask); names that cannot be named exactly
// are told through notice. readFacts false: files of folders are taken
// without reading their size and times (FolderListing::readFacts).
void addArgumentPaths(const QStringList &paths, CommandLineContext &context, const FileMask &mask,
                      const std::function<void(const QString &)> &notice, bool readFacts = true);

} // namespace morvane
