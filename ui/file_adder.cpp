#include "ui/file_adder.h"

#include "engine/file_collection.h"
#include "engine/rename_item_list.h"
#include "engine/reporter.h"
#include "ui/dialogs.h"
#include "ui/file_list_model.h"

#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMimeData>
#include <QUrl>
#include <QWidget>

namespace morvane {

namespace {

constexpr int kShown = 10;

// The local paths among dropped URLs, each taken whole however long.
QStringList droppedPaths(const QMimeData *mime)
{
    QStringList paths;
    for (const QUrl &url : mime->urls()) {
        if (url.isLocalFile())
            paths.append(url.toLocalFile());
    }
    return paths;
}

} // namespace

FileAdder::FileAdder(RenameItemList &items, FileListModel &model, Dialogs &dialogs, Reporter &reporter, QWidget *window)
    : QObject(window), m_items(items), m_model(model), m_dialogs(dialogs), m_reporter(reporter), m_window(window)
{
}

std::optional<AddedFiles> FileAdder::addChosenFiles()
{
    FileDialogSpec spec;
    spec.title = tr("Select files to add");
    // "*" rather than "*.*": on Linux "*.*" would hide names without a dot.
    spec.filter = tr("All files (*)");
    const QStringList paths = m_dialogs.openFiles(m_window, spec);
    if (paths.isEmpty())
        return std::nullopt;
    AddedFiles added;
    for (const QString &path : paths) {
        if (isExactLocalPath(path))
            m_items.addFileItem(path);
        else
            added.skipped.append(path);
    }
    m_model.sync();
    return added;
}

QString FileAdder::chooseFolder()
{
    return m_dialogs.pickFolder(m_window, tr("Select folder"), QString());
}

AddedFiles FileAdder::addFolder(const QString &path, const FolderListing &listing)
{
    AddedFiles added;
    listFolder(path, listing, added);
    return added;
}

AddedFiles FileAdder::addDropped(const QStringList &paths, const FolderListing &listing)
{
    AddedFiles added;
    for (const QString &path : paths) {
        if (!isExactLocalPath(path)) {
            added.skipped.append(path);
        } else if (isExistingFolder(path)) {
            listFolder(path, listing, added);
        } else {
            m_items.addFileItem(path); // a vanished path adds nothing
        }
    }
    m_model.sync();
    return added;
}

void FileAdder::listFolder(const QString &path, const FolderListing &listing, AddedFiles &added)
{
    FolderListing withReport = listing;
    withReport.unreadable = &added.unreadable;
    if (morvane::addFolder(m_items, path, withReport, &added.skipped) >= 0)
        added.folderListed = true;
    m_model.sync();
}

void FileAdder::report(const AddedFiles &added)
{
    reportSkippedNames(added.skipped);
    reportUnreadable(added.unreadable);
}

void FileAdder::reportUnreadable(const QStringList &unreadable)
{
    if (unreadable.isEmpty())
        return;
    QStringList shown = unreadable.mid(0, kShown);
    if (unreadable.size() > kShown)
        shown.append(tr("... and %1 more").arg(unreadable.size() - kShown));
    m_reporter.warning(
        tr("These folders could not be read, so their files were not added:\n\n%1").arg(shown.join(u'\n')));
}

void FileAdder::reportSkippedNames(const QStringList &skipped)
{
    if (skipped.isEmpty())
        return;
    QStringList shown = skipped.mid(0, kShown);
    if (skipped.size() > kShown)
        shown.append(tr("... and %n more", nullptr, int(skipped.size() - kShown)));
    m_reporter.warning(
        tr("%n file name(s) are not valid UTF-8 and cannot be renamed safely, so they were skipped:\n\n%1", nullptr,
           int(skipped.size()))
            .arg(shown.join(u'\n')));
}

void FileAdder::acceptDropsOn(QWidget *window)
{
    window->setAcceptDrops(true);
    window->installEventFilter(this);
}

bool FileAdder::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::DragEnter) {
        auto *enter = static_cast<QDragEnterEvent *>(event);
        if (!droppedPaths(enter->mimeData()).isEmpty()) {
            enter->acceptProposedAction();
            return true;
        }
    } else if (event->type() == QEvent::Drop) {
        auto *drop = static_cast<QDropEvent *>(event);
        const QStringList paths = droppedPaths(drop->mimeData());
        drop->acceptProposedAction();
        emit filesDropped(paths);
        return true;
    }
    return QObject::eventFilter(watched, event);
}

} // namespace morvane
