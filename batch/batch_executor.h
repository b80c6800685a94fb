#pragma once

#include "batch/file_operations.h"
#include "engine/option_panel.h"
#include "engine/rename_item_list.h"
#include "engine/reporter.h"
#include "batch/system_calls.h"

#include <QDateTime>
#include <QString>

#include <functional>

namespace morvane {

// What a batch does when a file cannot be renamed: stop there (the
// default), or note it and go on with the next file.
enum class OnError { Stop, Skip };

// The world a batch runs in, injected so tests can fix it.
struct BatchEnvironment {
    OnError onError = OnError::Stop;
    QString appDataFolder;          // per-user data root; empty: appDataFolder()
    std::function<QDateTime()> now; // clock for touchModifiedNow; empty: the system clock
    SystemCalls *sys = nullptr;     // null: the real system calls
    // Called after item i was rewritten by a move, so its row can follow.
    std::function<void(int index)> itemUpdated;
    // Empties the file list as the Clear button does; empty: RenameItemList::clear().
    std::function<void()> clearList;
};

// $APPDATA when set and not empty, else $XDG_DATA_HOME, else ~/.local/share.
QString appDataFolder();
// <appDataFolder>/Quenzel/Morvane: the program's own data folder.
QString programDataFolder(const QString &appDataFolder);
// <appDataFolder>/Quenzel/Morvane/last_rename.csv. Creates nothing.
QString undoLogPath(const QString &appDataFolder);
// Beside the undo log: every file that the last batch could not rename, with the reason.
QString failureListPath(const QString &appDataFolder);

// A path in folder whose name is fileName numbered " (n)" before its extension,
// for the first n >= 1 at which no file stands (folders do not count).
QString makeUniqueName(const QString &folder, const QString &fileName);
QString makeUniqueName(FileOperations &ops, const QString &folder, const QString &fileName);
// For a folder: numbered after its whole name ("Trip.2024 (1)"), at the first
// n at which nothing at all stands.
QString makeUniqueFolderName(FileOperations &ops, const QString &folder, const QString &folderName);

// Sets the last-write time of path to now; access time untouched; never reports.
void touchModifiedNow(SystemCalls &sys, const QString &path, const QDateTime &now);
// The same for an absolute, encoded path.
void setModifiedTime(SystemCalls &sys, const char *encodedPath, const QDateTime &now);

// Applies the previewed names (see BatchRun in batch/batch_run.h). Throws
// MorvaneError when a file operation fails; what was done before stays done
// and is in the undo log. The caller asks the user first.
void executeBatch(RenameItemList &items, const OptionPanel &options, Reporter &reporter, const BatchEnvironment &env);

} // namespace morvane
