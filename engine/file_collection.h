#pragma once

#include "engine/file_mask.h"
#include "engine/rename_item_list.h"

#include <QString>
#include <QStringList>

namespace morvane {

// True when path is an existing folder (links followed).
bool isExistingFolder(const QString &path);

// How a folder is listed.
struct FolderListing {
    explicit FolderListing(bool withSubfolders = false) : includeSubfolders(withSubfolders) {}

    bool includeSubfolders;
    FileMask mask;                     // which files are taken; subfolders are walked whatever their names
    bool naturalOrder = true;          // false: the file system's own order (hash order on most Linux file systems)
    QStringList *unreadable = nullptr; // folders that cannot be read, as "path: reason" (may be null)
    // The folders are the items: the folder itself and, with includeSubfolders,
    // every folder below it (each before the folders inside it); no files.
    bool folderItems = false;
    // False: a file the listing shows as regular is taken without a look at
    // its size and times (RenameItem::kFactsUnread); links and entries of
    // unknown type are still looked at, to know they lead to a regular file.
    bool readFacts = true;
};

// The files of a folder, hidden ones included; folders are not listed. In
// natural order (natural_order.h) a folder's files come first, then its
// subfolders, each walked completely, in the same order. In the file
// system's order a subfolder is walked where it is met. Depth first either way.
// Links to folders are neither listed nor walked (they could loop); other
// links are listed. A subfolder that cannot be opened contributes nothing
// but its line in listing.unreadable.
// Entries whose names are not valid UTF-8 (or hold U+FFFD) cannot be named
// exactly: they are left out and their paths, as far as readable, are
// appended to `skipped` (may be null). Returns an empty list when folder is
// not an existing folder; throws MorvaneError when folder fails isExactLocalPath.
QStringList listFolderFiles(const QString &folder, const FolderListing &listing, QStringList *skipped);
inline QStringList listFolderFiles(const QString &folder, bool includeSubfolders, QStringList *skipped)
{
    return listFolderFiles(folder, FolderListing(includeSubfolders), skipped);
}

// addFolder without the preview: every listed file through addFileItem, or
// with listing.folderItems the folder and the folders below it as items.
// Returns the number of items added, or -1 when folder is not an existing
// folder (the caller then rebuilds no preview). MorvaneError from
// addFileItem ends it; items added before stay. Folders that cannot be read
// (the folder itself or a subfolder) go to listing.unreadable.
int addFolder(RenameItemList &items, const QString &folder, const FolderListing &listing, QStringList *skipped);
inline int addFolder(RenameItemList &items, const QString &folder, bool includeSubfolders, QStringList *skipped,
                     QStringList *unreadable = nullptr)
{
    FolderListing listing(includeSubfolders);
    listing.unreadable = unreadable;
    return addFolder(items, folder, listing, skipped);
}

} // namespace morvane
