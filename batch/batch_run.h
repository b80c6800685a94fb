#pragma once

#include "batch/batch_executor.h"
#include "batch/file_operations.h"
#include "batch/move_plan.h"
#include "batch/undo_journal.h"

#include <QByteArray>
#include <QHash>
#include <QString>

#include <sys/stat.h>

namespace morvane {

// The folder of the items being renamed in place, looked at once for all its
// files, and kept open so each rename names its files relative to it.
class SourceFolder {
public:
    explicit SourceFolder(SystemCalls &sys) : m_sys(sys) {}

    // Makes folder (an item's path up to and including its last "/") the current one.
    void select(QStringView folder, const QString &cwd);
    // The same for an item's own folder string, kept shared.
    void select(const QString &folder, const QString &cwd);
    const QString &path() const { return m_path; }
    bool valid() const { return m_valid; }
    const QByteArray &encoded() const { return m_encoded; } // absolute, ends in "/"
    int fd() const { return m_fd.get(); }

private:
    SystemCalls &m_sys;
    bool m_known = false;
    bool m_valid = false;
    QString m_path;
    QByteArray m_encoded;
    FileDescriptor m_fd;
};

// The files of the batch's own items, so that Overwrite never replaces one of
// them (before or after its own turn): that item is auto-numbered instead.
// Collected at the first clash, so batches without one pay nothing.
class BatchFileIndex {
public:
    BatchFileIndex(SystemCalls &sys, const RenameItemList &items, const QString &cwd)
        : m_sys(sys), m_items(items), m_cwd(cwd)
    {
    }

    // True when target (found at targetPath) is the file of an item other than index.
    bool isOtherItemsFile(const struct stat &target, const QByteArray &targetPath, int index);
    // Item index now lives at to (it was at from).
    void moved(int index, const QByteArray &from, const QByteArray &to);

private:
    struct FileId {
        dev_t dev;
        ino_t ino;
        bool operator==(const FileId &) const = default;
        friend size_t qHash(const FileId &id, size_t seed = 0)
        {
            return qHashMulti(seed, quint64(id.dev), quint64(id.ino));
        }
    };
    void collect();

    SystemCalls &m_sys;
    const RenameItemList &m_items;
    const QString &m_cwd;
    bool m_known = false;
    QHash<FileId, int> m_files;
    // Their paths too: a file that could not be looked at is still known by name.
    QHash<QByteArray, int> m_paths;
};

// One batch, from the first item to the log's last sync. Item by item: find
// the target, place the file there if it is free, else resolve the clash
// (leave it, replace the file there, or number the new name), then update
// the item. Every operation is written to the journal ahead of being done.
//
//   BatchRun(items, options, reporter, env).run();
class BatchRun {
public:
    BatchRun(RenameItemList &items, const OptionPanel &options, Reporter &reporter, const BatchEnvironment &env);
    BatchRun(const BatchRun &) = delete;
    BatchRun &operator=(const BatchRun &) = delete;

    // Throws MorvaneError when a file operation fails.
    void run();

private:
    enum class Clash { Leave, Replace, DropSource, Number, Respell };
    struct Failure {
        QString path;
        QString reason;
    };

    // A run of renames in place within one folder from step first, their lines
    // written ahead of them in one go; returns the step after the last it
    // handled, first when it handled none.
    int renameRun(const QList<MoveStep> &steps, int first);
    void renameItem(int index);
    void park(int index);
    bool unpark(int index) noexcept;
    void unparkAll() noexcept;
    void placeItem(int index, const QString &source, const QString &newName, QString *target);
    QString stepText(const QString &source, const QString &newName, const QString &target) const;
    void dropSource();
    void report();
    bool locateTarget(const QString &source, const QString &newName, QString *target, int *dirFd);
    bool fileAt(const QByteArray &path, struct stat *found);
    bool clashAt(const QByteArray &path, struct stat *found);
    int renameNoReplace(int dirFd);
    bool placeAtFreeTarget(int dirFd);
    Clash resolveClash(int index);
    void replaceExisting();
    void respell();
    void placeNumbered(QString *target);
    void itemPlaced(int index, const QString &target);
    void itemPlaced(int index, QStringView folder, QStringView name);
    QDateTime now() const;

    RenameItemList &m_items;
    const OptionPanel &m_options;
    Reporter &m_reporter;
    const BatchEnvironment &m_env;
    const BatchMode m_mode;
    const QString m_destination;
    const QString m_cwd;
    SystemCalls &m_sys;
    FileOperations m_ops;
    UndoJournal m_journal;
    SourceFolder m_folder; // after the journal: its folder is let go first
    BatchFileIndex m_batchFiles;
    QByteArray m_from, m_to; // absolute and encoded; their memory serves every item
    struct RunEntry {
        int row;
        int lineLength;
    };
    QList<RunEntry> m_run; // the run renameRun carries out, and its lines
    QByteArray m_runLines;
    int m_renameError = 0; // errno of a rename of the run that failed, for the usual way to take up
    unsigned m_respellCount = 0;
    bool m_itemIsFolder = false; // the item being placed is a folder
    // Rows whose file waits under a temporary name, with that path.
    QHash<int, QString> m_parked;
    unsigned m_parkCount = 0;
    int m_renamed = 0;
    int m_clashes = 0;
    QList<Failure> m_failures; // with OnError::Skip
};

} // namespace morvane
