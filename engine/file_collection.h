#pragma once

#include "engine/rename_item_list.h"

#include <QString>
#include <QStringList>

namespace morvane {

// True when path is an existing folder (links followed).
bool isExistingFolder(const QString &path);

// The files of a folder in the file system's enumeration order (not sorted),
// hidden ones included; folders are not listed. With includeSubfolders the
// walk is depth first: a subfolder is walked completely where it is met.
// Links to folders are neither listed nor walked (they could loop); other
// links are listed. A subfolder that cannot be opened contributes nothing.
// Entries whose names are not valid UTF-8 (or hold U+FFFD) cannot be named
// exactly: they are left out and their paths, as far as readable, are
// appended to `skipped` (may be null). Returns an empty list when folder is
// not an existing folder; throws MorvaneError when folder fails isExactLocalPath.
QStringList listFolderFiles(const QString &folder, bool includeSubfolders, QStringList *skipped);

// addFolder without the preview: every listed file through addFileItem.
// Returns the number of items added, or -1 when folder is not an existing
// folder (the caller then rebuilds no preview). MorvaneError from
// addFileItem ends it; items added before stay. Folders that cannot be read
// (the folder itself or a subfolder) are appended to `unreadable` as
// "path: reason" (may be null).
int addFolder(RenameItemList &items, const QString &folder, bool includeSubfolders, QStringList *skipped,
              QStringList *unreadable = nullptr);

} // namespace morvane
