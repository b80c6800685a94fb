#pragma once

#include "batch/batch_executor.h"
#include "engine/name_context.h"
#include "engine/option_panel.h"
#include "engine/rename_item_list.h"
#include "engine/reporter.h"

#include <QStringList>

namespace morvane {

// What the command-line check works on: the window's option values, its item
// list and name list, the way it talks to the user, and the batch's world.
struct CommandLineContext {
    OptionPanel &options;
    RenameItemList &items;
    const QStringList &importedNameList;
    Reporter &reporter;
    const NameContext &nameContext;
    BatchEnvironment batchEnvironment;
    // Folders given are items themselves, not their files: the window's
    // "Rename folders" for the paths a normal start opens, "/folders" alone
    // for a /cli run (and it turns the switch on for a normal start too).
    bool folderItems = false;
};

// The normal start's command-line check, called at the end of the main
// window's creation with the program's arguments (without the program path).
// Without "/cli" only path arguments (added like a drop, their folders'
// files through "/mask" or else folderMask), "/preset=FILE" and preset keys
// (--batchMode=copy) are used. With "/cli" it applies the options, builds the preview and runs
// the batch (or the undo) unless "/dryrun"; messages go through the reporter.
// Returns true when a /cli run took place and the program should end now.
// Either way the caller then shows the options and items as they are.
// A usage fault is reported and returns false (the window starts normally).
// Errors of the preview, the batch or a preset propagate as MorvaneError: the
// caller shows them and carries on with the interactive window.
bool processCommandLine(const QStringList &arguments, CommandLineContext &context,
                        const QString &folderMask = QString());

} // namespace morvane
