#pragma once

#include "name_context.h"
#include "option_panel.h"
#include "rename_item_list.h"
#include "reporter.h"

#include <QStringList>

// Items between two progress reports of BuildPreview.
inline constexpr int kPreviewProgressStep = 4096;

// Computes NewName of every item in list order. With an empty list it shows
// "No files loaded. Add files first." and returns false. An error while a
// name is built (MorvaneError) ends the run: earlier items keep their new names.
// Reports progress every kPreviewProgressStep items and once at the end.
bool BuildPreview(RenameItemList &items, const OptionPanel &options, const NameContext &context,
                  const QStringList &importedNameList, Reporter &reporter);
