#pragma once

#include <QObject>
#include <QStringList>

#include <optional>

class QWidget;

namespace morvane {

class Dialogs;
class FileListModel;
class RenameItemList;
class Reporter;
struct FolderListing;

// What one addition left out: paths whose names are not valid UTF-8, and
// folders that could not be read ("path: reason").
struct AddedFiles {
    QStringList skipped;
    QStringList unreadable;
    bool folderListed = false; // a folder was found and listed (maybe with no files)
};

// Brings files into the window's list: from the open dialog, a chosen
// folder or a drop on the window, and tells the user afterwards what could
// not be taken.
// The list model is synchronised after each addition; the status and the
// preview are the window's to refresh.
class FileAdder : public QObject {
    Q_OBJECT
public:
    FileAdder(RenameItemList &items, FileListModel &model, Dialogs &dialogs, Reporter &reporter, QWidget *window);

    // Asks for files and adds them; nothing when the dialog was cancelled.
    std::optional<AddedFiles> addChosenFiles();
    // Asks for a folder; empty when cancelled.
    QString chooseFolder();
    // The folder's files (or, with listing.folderItems, its folders).
    AddedFiles addFolder(const QString &path, const FolderListing &listing);
    // Dropped paths in the drop's order: folders with their files, files one by one.
    AddedFiles addDropped(const QStringList &paths, const FolderListing &listing);

    // One warning for the skipped names and one for the unreadable folders, the
    // first ten of each listed; nothing when all was taken.
    void report(const AddedFiles &added);

    // Lets local files and folders be dropped on the window; filesDropped()
    // then gives their paths in the drop's order.
    void acceptDropsOn(QWidget *window);

signals:
    void filesDropped(const QStringList &paths);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void listFolder(const QString &path, const FolderListing &listing, AddedFiles &added);
    void reportUnreadable(const QStringList &unreadable);
    void reportSkippedNames(const QStringList &skipped);

    RenameItemList &m_items;
    FileListModel &m_model;
    Dialogs &m_dialogs;
    Reporter &m_reporter;
    QWidget *m_window;
};

} // namespace morvane
