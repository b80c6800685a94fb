#include "batch/batch_executor.h"

#include "engine/morvane_error.h"
#include "batch/undo_journal.h"

#include <QDir>
#include <QHash>

#include <cerrno>
#include <cstdio>

namespace morvane {

namespace {

const QString kNothingToRename = QStringLiteral("Nothing to rename. Add files and build a preview first.");
const QString kProceed = QStringLiteral("Proceed to rename files as shown in the preview?");
const QString kSelectDestination = QStringLiteral("Please select a destination folder for Copy/Move mode.");
const QString kBuildPreview = QStringLiteral("Please build preview first (click \"Preview Result\" button).");
const QString kCompleted = QStringLiteral("Batch completed. A CSV log has been saved in AppData.");
const QString kInvalidCharacters = QStringLiteral("Invalid characters in path");
constexpr int kProgressStep = 4096;

struct FileId {
    dev_t dev;
    ino_t ino;
    bool operator==(const FileId &) const = default;
};

size_t qHash(const FileId &id, size_t seed = 0)
{
    return qHashMulti(seed, quint64(id.dev), quint64(id.ino));
}

FileId idOf(const struct stat &st)
{
    return FileId{st.st_dev, st.st_ino};
}

// A quote or a line break in a source path would break its line in the undo log.
bool breaksLogLine(const QString &path)
{
    for (const QChar ch : path) {
        if (ch.unicode() < 0x20 || ch == u'"')
            return true;
    }
    return false;
}

QString absolute(const QString &path, const QString &cwd)
{
    if (path.startsWith(u'/'))
        return path;
    return cwd.endsWith(u'/') ? cwd + path : cwd + u'/' + path;
}

// Appends the UTF-8 form of text; plain ASCII, the common case, needs no temporary.
void appendUtf8(QByteArray &out, QStringView text)
{
    const QChar *p = text.data();
    const qsizetype n = text.size();
    for (qsizetype i = 0; i < n; ++i) {
        if (p[i].unicode() >= 0x80) {
            out += text.toUtf8();
            return;
        }
    }
    const qsizetype at = out.size();
    out.resize(at + n);
    char *d = out.data() + at;
    for (qsizetype i = 0; i < n; ++i)
        d[i] = char(p[i].unicode());
}

// The folder of the items being renamed in place, looked at once for all its
// files, and kept open so each rename names its files relative to it.
class SourceFolder {
public:
    explicit SourceFolder(SystemCalls &sys) : m_sys(sys) {}
    ~SourceFolder() { release(); }
    SourceFolder(const SourceFolder &) = delete;
    SourceFolder &operator=(const SourceFolder &) = delete;

    // Makes folder (an item's path up to and including its last "/") the current one.
    void select(QStringView folder, const QString &cwd, bool openFolder)
    {
        if (m_known && folder == QStringView(m_path))
            return;
        release();
        m_known = true;
        m_path = folder.toString();
        m_valid = !hasInvalidPathCharacters(m_path);
        m_encoded = absolute(m_path, cwd).toUtf8();
        // Without it every call walks the absolute path, which works just as well.
        if (openFolder && m_valid)
            m_fd = m_sys.open(m_encoded.constData(), O_RDONLY | O_DIRECTORY | O_PATH, 0);
    }
    const QString &path() const { return m_path; }
    bool valid() const { return m_valid; }
    const QByteArray &encoded() const { return m_encoded; }  // absolute, ends in "/"
    int fd() const { return m_fd; }

private:
    void release()
    {
        if (m_fd >= 0)
            m_sys.close(m_fd);
        m_fd = -1;
    }

    SystemCalls &m_sys;
    bool m_known = false;
    bool m_valid = false;
    QString m_path;
    QByteArray m_encoded;
    int m_fd = -1;
};

void touch(SystemCalls &sys, const char *path, const QDateTime &now)
{
    const qint64 ms = now.toMSecsSinceEpoch();
    qint64 seconds = ms / 1000;
    qint64 rest = ms % 1000;
    if (rest < 0) {
        rest += 1000;
        --seconds;
    }
    // Last-write time only: the access time is left alone, and the birth time cannot be set.
    const struct timespec times[2] = {{0, UTIME_OMIT}, {time_t(seconds), long(rest * 1000000)}};
    sys.utimensat(path, times, 0);  // never reported
}

} // namespace

QString appDataFolder()
{
    const QString appData = qEnvironmentVariable("APPDATA");
    if (!appData.isEmpty())
        return appData;
    const QString xdg = qEnvironmentVariable("XDG_DATA_HOME");
    if (xdg.startsWith(u'/'))  // a relative value is invalid and ignored
        return xdg;
    return QDir::homePath() + QStringLiteral("/.local/share");
}

QString programDataFolder(const QString &appDataFolder)
{
    return pathJoin(pathJoin(appDataFolder, QStringLiteral("Quenzel")), QStringLiteral("Morvane"));
}

QString undoLogPath(const QString &appDataFolder)
{
    return pathJoin(programDataFolder(appDataFolder), QStringLiteral("last_rename.csv"));
}

QString makeUniqueName(FileOperations &ops, const QString &folder, const QString &fileName)
{
    const qsizetype dot = fileName.lastIndexOf(u'.');
    const qsizetype slash = fileName.lastIndexOf(u'/');
    QString base = fileName;
    QString ext;
    if (dot > slash) {
        base = fileName.left(dot);
        ext = fileName.mid(dot);
    }
    for (qint64 n = 1;; ++n) {
        const QString candidate = pathJoin(folder, QStringLiteral("%1 (%2)%3").arg(base, QString::number(n), ext));
        if (!ops.fileExists(candidate))
            return candidate;
    }
}

QString makeUniqueName(const QString &folder, const QString &fileName)
{
    FileOperations ops;
    return makeUniqueName(ops, folder, fileName);
}

void touchModifiedNow(SystemCalls &sys, const QString &path, const QDateTime &now)
{
    touch(sys, absolutePath(path).toUtf8().constData(), now);
}

void renameFilesClick(RenameItemList &items, const OptionPanel &options, Reporter &reporter,
                      const BatchEnvironment &env)
{
    if (items.isEmpty()) {
        reporter.information(kNothingToRename);
        return;
    }
    if (reporter.confirm(kProceed))
        executeBatch(items, options, reporter, env);
}

void executeBatch(RenameItemList &items, const OptionPanel &options, Reporter &reporter,
                  const BatchEnvironment &env)
{
    const ConflictMode conflict = options.conflict;
    const BatchMode mode = options.batchMode;
    const QString destination = trimControl(options.destination);

    if (mode != BatchMode::RenameInPlace && destination.isEmpty()) {
        reporter.warning(kSelectDestination);
        return;
    }
    SystemCalls &sys = env.sys ? *env.sys : realSystemCalls();
    FileOperations ops(sys);
    if (mode != BatchMode::RenameInPlace && !ops.folderExists(destination))
        ops.forceDirectories(destination);

    const QString appData = env.appDataFolder.isEmpty() ? appDataFolder() : env.appDataFolder;
    UndoJournal journal(sys, undoLogPath(appData));
    const QString cwd = QDir::currentPath();
    auto now = [&env] { return env.now ? env.now() : QDateTime::currentDateTimeUtc(); };

    // Overwrite never replaces a file of this batch (the file of another item,
    // before or after its own turn): that item is auto-numbered instead.
    // Collected at the first clash, so batches without one pay nothing.
    QHash<FileId, int> batchFiles;
    // Their paths too: a file that could not be looked at is still known by name.
    QHash<QByteArray, int> batchPaths;
    bool batchFilesKnown = false;
    auto isOtherBatchFile = [&](const struct stat &target, const QByteArray &targetPath, int index) {
        if (!batchFilesKnown) {
            batchFilesKnown = true;
            for (int j = 0; j < items.count(); ++j) {
                struct stat st;
                const QByteArray path = absolute(items.at(j).originalPath, cwd).toUtf8();
                batchPaths.insert(path, j);
                if (sys.lstat(path.constData(), &st) == 0)
                    batchFiles.insert(idOf(st), j);
                else if (errno != ENOENT && errno != ENOTDIR)
                    throw MorvaneError(systemErrorText(errno));  // unknown: an overwrite could destroy it
            }
        }
        const auto it = batchFiles.constFind(idOf(target));
        return (it != batchFiles.cend() && it.value() != index) || batchPaths.value(targetPath, index) != index;
    };

    // "File exists" at a target: anything but a folder, a dangling link included.
    auto fileAt = [&sys](const QByteArray &path, struct stat *found) {
        if (sys.lstat(path.constData(), found) != 0 || S_ISDIR(found->st_mode))
            return false;
        struct stat linked;
        return !S_ISLNK(found->st_mode) || sys.stat(path.constData(), &linked) != 0 || !S_ISDIR(linked.st_mode);
    };

    // Moves or copies from to a target that must be free, its line in the
    // journal first. Returns false, with nothing done, when a file stands there.
    // On one file system the rename itself is the clash check; a copy, which
    // is costly to throw away, looks first.
    // With dirFd >= 0 both paths start with the encoded folder it is open on.
    SourceFolder folder(sys);
    auto renameNoReplace = [&](const QByteArray &from, const QByteArray &to, int dirFd) {
        if (dirFd >= 0) {
            const qsizetype rel = folder.encoded().size();
            if (sys.renameat2At(dirFd, from.constData() + rel, dirFd, to.constData() + rel, RENAME_NOREPLACE) == 0)
                return 0;
            if (errno != EINVAL && errno != ENOSYS)
                return -1;
        }
        return ops.renameNoReplace(from.constData(), to.constData());
    };
    auto placeAtFreeTarget = [&](const QByteArray &from, const QByteArray &to, int dirFd) {
        struct stat found;
        if (mode == BatchMode::CopyToFolder) {
            if (fileAt(to, &found))
                return false;
            journal.intend(from, to);
            try {
                ops.copyFileNative(from, to, FileOperations::Replace::No);
            } catch (...) {
                journal.cancel();
                throw;
            }
            journal.confirm();
            return true;
        }
        journal.intend(from, to);
        if (renameNoReplace(from, to, dirFd) == 0) {
            journal.confirm();
            return true;
        }
        const int error = errno;
        if ((error == EEXIST || error == EXDEV) && fileAt(to, &found)) {
            journal.cancel();
            return false;
        }
        try {
            if (error != EXDEV)
                ops.throwMoveError(from, to, error);
            ops.moveFileNative(from, to, FileOperations::Replace::No);
        } catch (...) {
            journal.cancel();
            throw;
        }
        journal.confirm();
        return true;
    };

    const int count = items.count();
    QByteArray from, to;  // absolute and encoded; their memory serves every item
    for (int i = 0; i < count; ++i) {
        if (i % kProgressStep == 0)
            reporter.progress(i, count);
        const RenameItem &current = items.at(i);
        if (current.newName.isEmpty()) {
            journal.close();
            reporter.warning(kBuildPreview);
            return;
        }
        // Copies: the item is rewritten below.
        const QString source = current.originalPath;
        const QString newName = current.newName;
        if (breaksLogLine(source))
            throw MorvaneError(kInvalidCharacters);
        QString target;
        int dirFd = -1;
        const qsizetype nameStart = source.lastIndexOf(u'/') + 1;
        if (mode == BatchMode::RenameInPlace && !newName.startsWith(u'/')) {
            // In place: the folder is checked, made absolute and encoded once for all its files.
            folder.select(QStringView(source).left(nameStart), cwd, true);
            if (!folder.valid() || hasInvalidPathCharacters(newName))
                throw MorvaneError(kInvalidCharacters);
            // Linux names are case-sensitive: only the very same name is unchanged.
            if (QStringView(source).mid(nameStart) == newName)
                continue;
            target = folder.path() + newName;
            // Appended as bytes: += onto an empty array would share the folder's and copy it again.
            const QByteArray &prefix = folder.encoded();
            from.resize(0);
            from.append(prefix.constData(), prefix.size());
            appendUtf8(from, QStringView(source).mid(nameStart));
            to.resize(0);
            to.append(prefix.constData(), prefix.size());
            appendUtf8(to, newName);
            dirFd = folder.fd();
        } else {
            target = pathJoin(mode == BatchMode::RenameInPlace ? folderPart(source) : destination, newName);
            const QString sourceAbs = absolute(source, cwd);
            const QString targetAbs = absolute(target, cwd);
            // Linux names are case-sensitive: only the very same path is unchanged.
            // In copy and move mode the same path is the item's own file: nothing to do.
            if (sourceAbs == targetAbs)
                continue;
            from = sourceAbs.toUtf8();
            to = targetAbs.toUtf8();
        }

        if (!placeAtFreeTarget(from, to, dirFd)) {
            // A file stands at the target.
            struct stat found, own;
            // The clash is judged by what stands there; what cannot be looked at is not touched.
            if (sys.lstat(to.constData(), &found) != 0)
                throw MorvaneError(systemErrorText(errno));
            bool replace = false;
            if (sys.lstat(from.constData(), &own) == 0 && idOf(own) == idOf(found)) {
                // The target is another name of the source (a hard link, a
                // case-insensitive mount): no clash, and nothing to copy.
                if (mode == BatchMode::CopyToFolder)
                    continue;
                replace = true;
            } else {
                ConflictMode resolution = conflict;
                if (resolution == ConflictMode::Overwrite && isOtherBatchFile(found, to, i))
                    resolution = ConflictMode::AutoNumber;
                if (resolution == ConflictMode::Skip)
                    continue;
                replace = resolution == ConflictMode::Overwrite;
            }
            if (replace) {
                // Line first, as for every operation: should the process die
                // before the replace, the marker has undo pass over the line.
                journal.intend(from, to);
                try {
                    if (mode == BatchMode::CopyToFolder)
                        ops.copyFileNative(from, to, FileOperations::Replace::Yes);
                    else
                        ops.moveFileNative(from, to, FileOperations::Replace::Yes);
                } catch (...) {
                    journal.cancel();
                    throw;
                }
                journal.confirm();
            } else {
                target = makeUniqueName(ops, folderPart(target), fileNamePart(target));
                to = absolute(target, cwd).toUtf8();
                // Taken since makeUniqueName looked: another program is at work there.
                if (!placeAtFreeTarget(from, to, -1))
                    throw MorvaneError(QStringLiteral("The specified file already exists"));
            }
        }

        if (options.touchModifiedNow)
            touch(sys, to.constData(), now());

        if (mode != BatchMode::CopyToFolder) {
            items.setPath(i, target);
            if (batchFilesKnown) {
                struct stat moved;  // a move across file systems makes a new file
                if (sys.lstat(to.constData(), &moved) == 0)
                    batchFiles.insert(idOf(moved), i);
                if (batchPaths.value(from, -1) == i)
                    batchPaths.remove(from);
                batchPaths.insert(to, i);
            }
            if (env.itemUpdated)
                env.itemUpdated(i);
        }
    }
    reporter.progress(count, count);

    if (count > 0)
        journal.finish();
    reporter.information(kCompleted);
}

} // namespace morvane
