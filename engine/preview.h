#pragma once

#include "engine/name_context.h"
#include "engine/option_panel.h"
#include "engine/rename_item_list.h"
#include "engine/reporter.h"

#include <QStringList>

namespace morvane {

// Items between two progress reports of buildPreview.
inline constexpr int kPreviewProgressStep = 4096;

// Computes newName of every item in list order. With an empty list it shows
// "No files loaded. Add files first." and returns false. An error while a
// name is built (MorvaneError) ends the run: earlier items keep their new names.
// Reports progress every kPreviewProgressStep items and once at the end.
bool buildPreview(RenameItemList &items, const OptionPanel &options, const NameContext &context,
                  const QStringList &importedNameList, Reporter &reporter);

} // namespace morvane
