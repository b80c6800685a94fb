#pragma once

#include "name_context.h"
#include "option_panel.h"
#include "rename_item_list.h"
#include "reporter.h"

#include <QStringList>

// Computes NewName of every item in list order. With an empty list it shows
// "No files loaded. Add files first." and returns false. An error while a
// name is built (MorvaneError) ends the run: earlier items keep their new names.
bool BuildPreview(RenameItemList &items, const OptionPanel &options, const NameContext &context,
                  const QStringList &importedNameList, Reporter &reporter);
